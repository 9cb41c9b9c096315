// The pane window under Wine: input reaches the model, painting shows the
// text in both directions, scroll bars follow the layout, files drop in.
#include "PaneTestSupport.h"

#include <imm.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

namespace hanaroku::win32 {
namespace {

using namespace test;

TEST_F(PaneWindowTest, CreatesAChildAttachedToTheModel) {
  HWND h = pane_.Handle();
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(::GetParent(h), host_);
  EXPECT_EQ(::GetDlgCtrlID(h), 101);
  EXPECT_EQ(pane_.Model(), &model_);
  const LONG style = ::GetWindowLongW(h, GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_TRUE(style & WS_HSCROLL);
  EXPECT_TRUE(::GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
  // The model lays out with the window's GDI measurer.
  EXPECT_EQ(model_.Layout().LinePitch(), pane_.Measurer().LinePitch());
  EXPECT_EQ(pane_.Create(host_, model_, 101), h);  // a second Create keeps the window
}

TEST_F(PaneWindowTest, TypedCharactersAndKeysReachTheModel) {
  ::SetFocus(pane_.Handle());
  Char(L'A');
  Char(L'\x82B1');  // 花
  EXPECT_EQ(model_.Text(), "A" + Sjis("花") + Poem());
  EXPECT_EQ(model_.SelStart(), 3);
  // Control characters come as keys: WM_CHAR of them adds nothing.
  Char(L'\b');
  Char(L'\r');
  Char(L'\t');
  Char(L'\x01');
  EXPECT_EQ(model_.Text(), "A" + Sjis("花") + Poem());
  Key(VK_BACK);
  EXPECT_EQ(model_.Text(), "A" + Poem());
  Key(VK_RETURN);
  EXPECT_EQ(model_.Text(), "A\r\n" + Poem());
  Key(VK_HOME);
  Key(VK_LEFT);
  EXPECT_EQ(model_.SelStart(), 1);
  {
    KeyHeldDown shift(VK_SHIFT);
    Key(VK_LEFT);
  }
  EXPECT_EQ(model_.SelStart(), 0);
  EXPECT_EQ(model_.SelLength(), 1);
  // A surrogate pair arrives as two WM_CHARs; code page 932 cannot hold it
  // and the confirmation refuses, so nothing changes.
  Char(L'\xD83D');
  Char(L'\xDE00');
  EXPECT_EQ(model_.Text(), "A\r\n" + Poem());
}

TEST_F(PaneWindowTest, CtrlZInThePaneDoesNotUndo) {
  ::SetFocus(pane_.Handle());
  Char(L'x');
  Key(VK_RETURN);
  Char(L'y');
  const std::string typed = model_.Text();
  {
    KeyHeldDown ctrl(VK_CONTROL);
    Key('Z');
    Key('A');
  }
  EXPECT_EQ(model_.Text(), typed);
  EXPECT_EQ(model_.SelLength(), 0);
}

TEST_F(PaneWindowTest, MouseClicksAndDragsSelect) {
  const int line1 = model_.LineIndex(1), line2 = model_.LineIndex(2);
  Click(FlowPoint(1, 1));
  EXPECT_EQ(pane_.Handle(), ::GetFocus());
  EXPECT_EQ(model_.SelStart(), line1);
  EXPECT_EQ(model_.SelLength(), 0);
  // Drag from the start of line 1 to the start of line 2.
  const Point a = FlowPoint(1, 1), b = FlowPoint(2, 1);
  ::SendMessageW(pane_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Xy(a.x, a.y));
  ::SendMessageW(pane_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, Xy(b.x, b.y));
  ::SendMessageW(pane_.Handle(), WM_LBUTTONUP, 0, Xy(b.x, b.y));
  EXPECT_EQ(model_.SelStart(), line1);
  EXPECT_EQ(model_.SelLength(), line2 - line1);
  EXPECT_EQ(pane_.CaretPos(), static_cast<std::size_t>(line2));
  EXPECT_NE(::GetCapture(), pane_.Handle());
  // Dragging backwards puts the caret at the start.
  ::SendMessageW(pane_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Xy(b.x, b.y));
  ::SendMessageW(pane_.Handle(), WM_MOUSEMOVE, MK_LBUTTON, Xy(a.x, a.y));
  ::SendMessageW(pane_.Handle(), WM_LBUTTONUP, 0, Xy(a.x, a.y));
  EXPECT_EQ(model_.SelStart(), line1);
  EXPECT_EQ(pane_.CaretPos(), static_cast<std::size_t>(line1));
  // A move without the button held selects nothing.
  Click(a);
  ::SendMessageW(pane_.Handle(), WM_MOUSEMOVE, 0, Xy(b.x, b.y));
  EXPECT_EQ(model_.SelLength(), 0);
}

TEST_F(PaneWindowTest, MouseInVerticalWriting) {
  model_.SetVertical(true);
  const int line1 = model_.LineIndex(1);
  Click(FlowPoint(1, 1));
  EXPECT_EQ(model_.SelStart(), line1);
  // The second column lies left of the first.
  EXPECT_LT(FlowPoint(1, 0).x, FlowPoint(0, 0).x);
}

TEST_F(PaneWindowTest, CaretIsPerpendicularToTheWritingDirection) {
  ::SetFocus(pane_.Handle());
  Pump();
  RECT box = pane_.CaretBox();
  EXPECT_GT(box.bottom - box.top, box.right - box.left);
  POINT p{};
  ASSERT_TRUE(::GetCaretPos(&p));
  EXPECT_EQ(p.x, box.left);
  EXPECT_EQ(p.y, box.top);
  model_.SetVertical(true);
  box = pane_.CaretBox();
  EXPECT_GT(box.right - box.left, box.bottom - box.top);
  ASSERT_TRUE(::GetCaretPos(&p));
  EXPECT_EQ(p.x, box.left);
  EXPECT_GT(box.left, kWidth / 2);  // column 0 is at the right
}

TEST_F(PaneWindowTest, HorizontalTextIsPainted) {
  ::SetFocus(host_);
  const Picture pic = Snapshot(pane_.Handle());
  // Inside the sunken edge and the vertical scroll bar.
  ASSERT_EQ(pic.width, kWidth - 2 * ::GetSystemMetrics(SM_CXEDGE) - ::GetSystemMetrics(SM_CXVSCROLL));
  const Ink ink = InkOf(pic, 0xFFFFFF);
  EXPECT_GT(ink.count, 200);
  // Seven lines from the top left: the ink is at the top and wider than tall
  // per line.
  EXPECT_LT(ink.box.top, 2 * model_.Layout().LinePitch());
  EXPECT_LT(ink.box.left, 20);
  EXPECT_LE(ink.box.bottom, 8 * model_.Layout().LinePitch());
}

TEST_F(PaneWindowTest, VerticalTextOccupiesColumnsAtTheRight) {
  model_.SetVertical(true);
  const Picture pic = Snapshot(pane_.Handle());
  const Ink ink = InkOf(pic, 0xFFFFFF);
  EXPECT_GT(ink.count, 200);
  const int pitch = model_.Layout().LinePitch();
  // Seven columns from the right edge.
  EXPECT_GT(ink.box.right, pic.width - 2 * pitch);
  EXPECT_GT(ink.box.left, pic.width - 8 * pitch);
  // The first column: its glyphs sit inside the column band, centred, and
  // run downwards. An empty second column keeps the neighbour's ink away.
  model_.SetText(Sjis("ひさかたの\r\n\r\n光のどけき"));
  const Picture lone = Snapshot(pane_.Handle());
  const Point col = model_.Layout().FlowToClient(0, 0);
  const Ink first = InkOf(lone, 0xFFFFFF, RECT{col.x - pitch / 2, 0, col.x + pitch + pitch / 2, lone.height});
  ASSERT_GT(first.count, 50);
  EXPECT_GE(first.box.left, col.x - 1);
  EXPECT_LE(first.box.right, col.x + pitch + 1);
  const int leftGap = first.box.left - col.x, rightGap = col.x + pitch - first.box.right;
  EXPECT_LE(std::abs(leftGap - rightGap), pitch / 3) << leftGap << " " << rightGap;
  EXPECT_GT(first.box.bottom - first.box.top, 4 * (first.box.right - first.box.left));
}

TEST_F(PaneWindowTest, SelectionIsShownWithoutFocus) {
  ::SetFocus(host_);
  const std::uint32_t highlight = ToRgb(::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(CountColor(Snapshot(pane_.Handle()), highlight), 0);
  model_.Select(0, model_.LineIndex(2));
  for (bool vertical : {false, true}) {
    model_.SetVertical(vertical);
    EXPECT_GT(CountColor(Snapshot(pane_.Handle()), highlight), 100) << vertical;
  }
}

TEST_F(PaneWindowTest, CharacterColoursAndBackgroundArePainted) {
  model_.Select(0, 4);
  model_.SetSelColor(0x0000FF);  // red
  model_.Select(0, 0);
  model_.SetColor(0xE0F0FF);
  const Picture pic = Snapshot(pane_.Handle());
  EXPECT_EQ(pic.At(pic.width - 2, pic.height - 2), ToRgb(0xE0F0FF));
  int reddish = 0;
  for (std::uint32_t p : pic.px) reddish += ((p >> 16) & 0xFF) > 0xC0 && ((p >> 8) & 0xFF) < 0x60 && (p & 0xFF) < 0x60;
  EXPECT_GT(reddish, 20);
}

TEST_F(PaneWindowTest, ScrollBarsFollowTheLayout) {
  std::string text;
  for (int i = 0; i < 200; ++i) text += Sjis("はるがすみ\r\n");
  model_.SetText(text);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  // Horizontal writing: the vertical bar scrolls lines.
  ASSERT_TRUE(::GetScrollInfo(pane_.Handle(), SB_VERT, &si));
  EXPECT_EQ(si.nPos, 0);
  EXPECT_GE(si.nMax, 199);
  ::SendMessageW(pane_.Handle(), WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(model_.SelTopIndex(), 1);
  ::SendMessageW(pane_.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_GT(model_.SelTopIndex(), 150);
  ::SendMessageW(pane_.Handle(), WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(model_.SelTopIndex(), 0);
  // Vertical writing: the horizontal bar scrolls columns, starting at the
  // right end; scrolling left shows later columns.
  model_.SetVertical(true);
  ASSERT_TRUE(::GetScrollInfo(pane_.Handle(), SB_HORZ, &si));
  EXPECT_EQ(si.nPos, si.nMax - static_cast<int>(si.nPage) + 1);
  EXPECT_GT(si.nPos, 0);
  ::SendMessageW(pane_.Handle(), WM_HSCROLL, SB_LINELEFT, 0);
  EXPECT_EQ(model_.SelTopIndex(), 1);
  ::SendMessageW(pane_.Handle(), WM_HSCROLL, SB_LEFT, 0);
  EXPECT_GT(model_.SelTopIndex(), 150);
  ::SendMessageW(pane_.Handle(), WM_HSCROLL, SB_RIGHT, 0);
  EXPECT_EQ(model_.SelTopIndex(), 0);
}

TEST_F(PaneWindowTest, InlineScrollWithoutWrap) {
  model_.SetWordWrap(false);
  std::string longLine;
  for (int i = 0; i < 100; ++i) longLine += Sjis("花");
  model_.SetText(longLine);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(::GetScrollInfo(pane_.Handle(), SB_HORZ, &si));
  EXPECT_GT(si.nMax - static_cast<int>(si.nPage) + 1, 0);
  ::SendMessageW(pane_.Handle(), WM_HSCROLL, SB_LINERIGHT, 0);
  EXPECT_GT(model_.Layout().InlineScroll(), 0);
  ::SendMessageW(pane_.Handle(), WM_HSCROLL, SB_LEFT, 0);
  EXPECT_EQ(model_.Layout().InlineScroll(), 0);
}

TEST_F(PaneWindowTest, WheelScrollsLines) {
  std::string text;
  for (int i = 0; i < 100; ++i) text += "line\r\n";
  model_.SetText(text);
  ::SendMessageW(pane_.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
  EXPECT_EQ(model_.SelTopIndex(), 3);
  ::SendMessageW(pane_.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(WHEEL_DELTA)), 0);
  EXPECT_EQ(model_.SelTopIndex(), 0);
}

TEST_F(PaneWindowTest, DroppedFilesReachTheHandlerAsUtf8) {
  std::vector<std::string> got;
  pane_.SetDropHandler([&](std::vector<std::string> paths) { got = std::move(paths); });
  const std::wstring files[] = {L"C:\\歌\\百人一首.txt", L"C:\\b.htm"};
  std::wstring list;
  for (const auto& f : files) list += f + L'\0';
  list += L'\0';
  const SIZE_T bytes = sizeof(DROPFILES) + list.size() * sizeof(wchar_t);
  HGLOBAL mem = ::GlobalAlloc(GHND, bytes);
  ASSERT_NE(mem, nullptr);
  auto* df = static_cast<DROPFILES*>(::GlobalLock(mem));
  df->pFiles = sizeof(DROPFILES);
  df->fWide = TRUE;
  std::memcpy(reinterpret_cast<char*>(df) + sizeof(DROPFILES), list.data(), list.size() * sizeof(wchar_t));
  ::GlobalUnlock(mem);
  ::SendMessageW(pane_.Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(mem), 0);  // frees it
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0], "C:\\歌\\百人一首.txt");
  EXPECT_EQ(got[1], "C:\\b.htm");
}

TEST_F(PaneWindowTest, InputMethodMessages) {
  ::SetFocus(pane_.Handle());
  Char(L'a');
  Key(VK_RETURN);
  ::SendMessageW(pane_.Handle(), WM_IME_STARTCOMPOSITION, 0, 0);
  EXPECT_EQ(model_.LastAction(), 9);
  // Characters of a result string are taken from WM_IME_COMPOSITION only.
  ::SendMessageW(pane_.Handle(), WM_IME_CHAR, L'\x3042', 1);
  ::SendMessageW(pane_.Handle(), WM_IME_ENDCOMPOSITION, 0, 0);
  EXPECT_EQ(model_.Text(), "a\r\n" + Poem());
}

TEST_F(PaneWindowTest, ALargeTextPaintsOnlyWhatIsVisible) {
  std::string big;
  const std::string verse = Sjis("ひさかたの光のどけき春の日にしづ心なく花の散るらむ\r\n");
  while (big.size() < (1u << 20)) big += verse;
  model_.SetText(big);
  EXPECT_GT(InkOf(Snapshot(pane_.Handle()), 0xFFFFFF).count, 500);
  ::SendMessageW(pane_.Handle(), WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_GT(model_.SelTopIndex(), 1000);
  EXPECT_GT(InkOf(Snapshot(pane_.Handle()), 0xFFFFFF).count, 100);
  ::SetFocus(pane_.Handle());
  {
    KeyHeldDown ctrl(VK_CONTROL);
    Key(VK_END);
  }
  Char(L'\x82B1');
  EXPECT_EQ(model_.Text().size(), big.size() + 2);
  model_.SetVertical(true);
  EXPECT_GT(InkOf(Snapshot(pane_.Handle()), 0xFFFFFF).count, 100);
}

TEST_F(PaneWindowTest, DestroyingTheWindowDetachesIt) {
  ::DestroyWindow(pane_.Handle());
  EXPECT_EQ(pane_.Handle(), nullptr);
  EXPECT_EQ(pane_.Model(), nullptr);
  model_.SetText("abc");  // no view to call any more
  EXPECT_GT(model_.Layout().LinePitch(), 0);
}

// For looking at the panes: run with --gtest_also_run_disabled_tests and
// take a screenshot of the display while it waits.
TEST(PaneWindowShow, DISABLED_ShowsBothDirections) {
  HWND host = CreateHost(L"panes", 1000, 700);
  TRichEditSx left, right;
  PaneWindow leftPane, rightPane;
  FontSpec font;
  font.name = "IPAMincho";
  font.height = 24;
  for (TRichEditSx* m : {&left, &right}) {
    m->SetFont(font);
    m->SetText(Poem() + Sjis("\r\n「山」ー…ABC123 はるがすみ、たつたのかはの"));
    m->Select(2, 6);
  }
  right.SetVertical(true);
  right.Select(0, 0);
  right.Select(12, 10);
  leftPane.Create(host, left, 1);
  rightPane.Create(host, right, 2);
  ::MoveWindow(leftPane.Handle(), 10, 10, 470, 600, TRUE);
  ::MoveWindow(rightPane.Handle(), 500, 10, 470, 600, TRUE);
  right.Select(0, 4);
  right.SetSelColor(0x0000FF);
  right.Select(30, 0);
  ::SetFocus(rightPane.Handle());
  const DWORD end = ::GetTickCount() + 8000;
  while (::GetTickCount() < end) {
    Pump();
    ::Sleep(20);
  }
  ::DestroyWindow(host);
}

}  // namespace
}  // namespace hanaroku::win32
