// The pane window under Wine: input reaches the model, painting shows the
// text in both directions, scroll bars follow the layout, files drop in.
#include "platform/win32/PaneWindow.h"

#include <gtest/gtest.h>
#include <imm.h>
#include <shlobj.h>

#include <cstring>
#include <vector>

#include "platform/Encoding.h"

namespace hanaroku::win32 {
namespace {

constexpr int kWidth = 400, kHeight = 300;

std::string Sjis(const char* utf8) { return enc::Utf8ToSjis(utf8); }

std::string Poem() {
  return Sjis("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ\r\n\r\n紀友則 (ABC-123)");
}

void Pump() {
  MSG msg;
  for (int i = 0; i < 1000 && ::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

LPARAM Xy(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// Holds Ctrl (or Shift) down in the thread's key state for the scope.
class KeyHeldDown {
 public:
  explicit KeyHeldDown(int vk) : vk_(vk) { Set(0x80); }
  ~KeyHeldDown() { Set(0); }

 private:
  void Set(BYTE v) {
    BYTE keys[256];
    ::GetKeyboardState(keys);
    keys[vk_] = v;
    ::SetKeyboardState(keys);
  }
  int vk_;
};

// A 32-bit picture of the pane's client area.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint32_t> px;  // 0x00RRGGBB
  std::uint32_t At(int x, int y) const { return px[static_cast<std::size_t>(y) * width + x] & 0xFFFFFF; }
};

std::uint32_t ToRgb(COLORREF c) { return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c); }

Picture Snapshot(HWND pane) {
  RECT rc{};
  ::GetClientRect(pane, &rc);
  Picture pic;
  pic.width = rc.right;
  pic.height = rc.bottom;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = pic.width;
  bi.bmiHeader.biHeight = -pic.height;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  WindowDc screen(pane);
  HBITMAP dib = ::CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dib) return pic;
  BitmapPtr owner(dib);
  MemoryDc dc(screen.Get());
  {
    SelectGuard sel(dc.Get(), dib);
    ::SendMessageW(pane, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
    ::GdiFlush();
    pic.px.assign(static_cast<const std::uint32_t*>(bits),
                  static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(pic.width) * pic.height);
  }
  return pic;
}

// Bounding box and count of the pixels that differ from the background.
struct Ink {
  int count = 0;
  RECT box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
};

Ink InkOf(const Picture& pic, std::uint32_t background, RECT area = RECT{0, 0, INT_MAX, INT_MAX}) {
  Ink ink;
  for (int y = std::max<int>(0, area.top); y < std::min<int>(pic.height, area.bottom); ++y)
    for (int x = std::max<int>(0, area.left); x < std::min<int>(pic.width, area.right); ++x) {
      if (pic.At(x, y) == background) continue;
      ++ink.count;
      ink.box.left = std::min<LONG>(ink.box.left, x);
      ink.box.top = std::min<LONG>(ink.box.top, y);
      ink.box.right = std::max<LONG>(ink.box.right, x + 1);
      ink.box.bottom = std::max<LONG>(ink.box.bottom, y + 1);
    }
  return ink;
}

int CountColor(const Picture& pic, std::uint32_t rgb) {
  int n = 0;
  for (std::uint32_t p : pic.px) n += (p & 0xFFFFFF) == rgb;
  return n;
}

LRESULT CALLBACK HostProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcW(wnd, msg, wParam, lParam);
}

// A visible top-level window to hold pane windows.
HWND CreateHost(const wchar_t* title, int width, int height) {
  HINSTANCE inst = ::GetModuleHandleW(nullptr);
  PaneWindow::RegisterWindowClass(inst);
  WNDCLASSW wc{};
  wc.lpfnWndProc = HostProc;
  wc.hInstance = inst;
  wc.lpszClassName = L"PaneWindowTestHost";
  ::RegisterClassW(&wc);
  return ::CreateWindowExW(0, L"PaneWindowTestHost", title, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, width, height,
                           nullptr, nullptr, inst, nullptr);
}

class PaneWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_ = CreateHost(L"pane test", kWidth + 60, kHeight + 80);
    ASSERT_NE(host_, nullptr);
    FontSpec font;
    font.name = "IPAMincho";
    font.height = 20;
    model_.SetFont(font);
    model_.SetColor(0xFFFFFF);
    model_.ConfirmLoss = [](const std::u16string&) { return false; };
    pane_.Create(host_, model_, 101);
    ::MoveWindow(pane_.Handle(), 0, 0, kWidth, kHeight, TRUE);
    model_.SetText(Poem());
    Pump();
  }
  void TearDown() override {
    if (host_) ::DestroyWindow(host_);
    Pump();
  }

  Point FlowPoint(int line, int inlinePx) const {
    // The middle of the line's band at an inline offset.
    const PaneLayout& lay = model_.Layout();
    Point p = lay.FlowToClient(line, inlinePx);
    if (lay.Vertical())
      p.x += lay.LinePitch() / 2;
    else
      p.y += lay.LinePitch() / 2;
    return p;
  }
  void Click(Point p) {
    ::SendMessageW(pane_.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Xy(p.x, p.y));
    ::SendMessageW(pane_.Handle(), WM_LBUTTONUP, 0, Xy(p.x, p.y));
  }
  void Key(int vk) {
    ::SendMessageW(pane_.Handle(), WM_KEYDOWN, static_cast<WPARAM>(vk), 1);
    ::SendMessageW(pane_.Handle(), WM_KEYUP, static_cast<WPARAM>(vk), 0xC0000001);
  }
  void Char(wchar_t c) { ::SendMessageW(pane_.Handle(), WM_CHAR, c, 1); }

  TRichEditSx model_;  // outlives the window
  PaneWindow pane_;
  HWND host_ = nullptr;
};

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
