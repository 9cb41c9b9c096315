// Editing in the real main window: a colour run on the right pane chosen
// from its owner-drawn popup menu, and find and replace through the
// platform's modeless dialogs, driven by their buttons and the keyboard.
#include "MainWindowFixture.h"
#include "PaneTestSupport.h"

#include <commdlg.h>
#include <dlgs.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <vector>

#include "app/Commands.h"
#include "platform/Clock.h"
#include "platform/Encoding.h"

namespace hanaroku::win32 {
namespace {

constexpr int kRightPaneId = 10;  // the control id of RichEditNx1

std::string S(const char* utf8) { return enc::Utf8ToSjis(utf8); }

class Editing : public test::MainWindowTest {
 protected:
  // A key pressed in the window holding the focus, through the loop.
  void Key(UINT vk) {
    HWND focus = ::GetFocus();
    ASSERT_NE(focus, nullptr);
    ::PostMessageW(focus, WM_KEYDOWN, vk, 1);
    ::PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
    Pump();
  }
};

// Writes what the screen shows of a window as a 24-bit BMP file.
void SaveWindowPicture(HWND wnd, const char* path) {
  RECT r{};
  ::GetWindowRect(wnd, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  HDC screen = ::GetDC(nullptr);
  HDC mem = ::CreateCompatibleDC(screen);
  HBITMAP bmp = ::CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = ::SelectObject(mem, bmp);
  ::BitBlt(mem, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  ::SelectObject(mem, old);
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = w;
  info.biHeight = h;
  info.biPlanes = 1;
  info.biBitCount = 24;
  const int stride = (w * 3 + 3) & ~3;
  std::vector<char> pixels(static_cast<std::size_t>(stride) * h);
  ::GetDIBits(mem, bmp, 0, h, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
  ::DeleteObject(bmp);
  ::DeleteDC(mem);
  ::ReleaseDC(nullptr, screen);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
}

// ---- the popup menu ----------------------------------------------------------

struct MenuVisit {
  int visits = 0;
  COLORREF firstColorItem = CLR_INVALID;  // a pixel of the item N24
  COLORREF separator = CLR_INVALID;       // a pixel of the separator N12 off its lines
};
MenuVisit* gVisit = nullptr;

// Runs inside the popup menu's own loop: looks at the menu, then picks the
// third item (N13, the separator skipped, N24) with the keyboard.
void CALLBACK WhileMenuOpen(HWND, UINT, UINT_PTR id, DWORD) {
  HWND menu = ::FindWindowW(L"#32768", nullptr);
  if (!menu || !::IsWindowVisible(menu)) return;
  ::KillTimer(nullptr, id);
  ++gVisit->visits;
  HDC dc = ::GetDC(menu);
  // Inside the frame: N13 is 20 high, N12 10, then N24.
  RECT r{};
  ::GetClientRect(menu, &r);
  const int x = r.left + 40, top = r.top + 3;
  gVisit->separator = ::GetPixel(dc, x, top + 20 + 2);
  gVisit->firstColorItem = ::GetPixel(dc, x + 30, top + 30 + 10);
  ::ReleaseDC(menu, dc);
  for (UINT vk : {VK_DOWN, VK_DOWN, VK_RETURN}) {
    ::PostMessageW(menu, WM_KEYDOWN, vk, 1);
    ::PostMessageW(menu, WM_KEYUP, vk, 0xC0000001);
  }
}

TEST_F(Editing, AColourFromThePopupMenuColoursTheRightPane) {
  TRichEditSx& pane = Form().RichEditNx1;
  pane.SetText(S("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ\r\n\r\n紀友則"));
  ASSERT_TRUE(pane.Vertical());
  Form().BarControls.SetText("Edit2", "の");
  HWND right = ::GetDlgItem(Main().Handle(), kRightPaneId);
  ASSERT_NE(right, nullptr);
  RECT r{};
  ::GetWindowRect(right, &r);
  MenuVisit visit;
  gVisit = &visit;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 100, &WhileMenuOpen);
  ::SendMessageW(Main().Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(right),
                 MAKELPARAM(r.left + 30, r.top + 30));
  ::KillTimer(nullptr, timer);
  gVisit = nullptr;
  Pump();  // the chosen item's command
  ASSERT_EQ(visit.visits, 1);
  EXPECT_EQ(visit.firstColorItem, RGB(0xC2, 0x48, 0x25));  // えんじ
  EXPECT_EQ(visit.separator, RGB(0xE8, 0xD3, 0xB9));
  EXPECT_EQ(Form().StatusBar1.Panels[2].text, "4文字列");
  int colored = 0;
  for (int i = 0; i < pane.TextLength(); ++i) colored += pane.CharColor(i) == 0x2548C2 ? 1 : 0;
  EXPECT_EQ(colored, 8);
  EXPECT_EQ(pane.SelStart(), pane.TextLength());
  // The picture of the README, when asked for (scripts/colour-screenshot-test.sh).
  if (const char* picture = std::getenv("HANAROKU_PICTURE")) {
    ::RedrawWindow(Main().Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
    ::Sleep(500);
    SaveWindowPicture(Main().Handle(), picture);
  }
}

// ---- the find and replace dialogs -------------------------------------------

TEST_F(Editing, TheReplaceDialogReplacesAllThroughItsButton) {
  test::ExpectedDialogs findDialogs;
  TRichEditSx& pane = Form().RichEditNx1;
  pane.SetText(S("山里は\r\n冬ぞ寂しさ\r\nまさりける\r\n山"));
  Form().Execute(Command::Replace1Click);
  Pump();
  HWND dlg = Main().FindReplaceDialogs().Window(Form().FindReplace().ReplaceDialog1);
  ASSERT_NE(dlg, nullptr);
  EXPECT_TRUE(::IsWindowVisible(dlg));
  EXPECT_EQ(::GetWindow(dlg, GW_OWNER), Main().Handle());
  // Only the texts: the up/down, match-case and whole-word choices are hidden.
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dlg, chx1)));
  EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(dlg, chx2)));
  ::SetDlgItemTextW(dlg, edt1, L"山");
  ::SetDlgItemTextW(dlg, edt2, L"峰");
  ::SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(psh2, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dlg, psh2)));
  Pump();
  EXPECT_EQ(pane.Text(), S("峰里は\r\n冬ぞ寂しさ\r\nまさりける\r\n峰"));
  EXPECT_EQ(Form().FindReplace().ReplaceDialog1.FindText, "山");
  // "Replace" acts on the first occurrence.
  ::SetDlgItemTextW(dlg, edt1, L"峰");
  ::SetDlgItemTextW(dlg, edt2, L"嶺");
  ::SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(psh1, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dlg, psh1)));
  Pump();
  EXPECT_EQ(pane.Text(), S("嶺里は\r\n冬ぞ寂しさ\r\nまさりける\r\n峰"));
  // The dialog stays open until closed; Escape closes it.
  ASSERT_TRUE(::IsWindow(dlg));
  ::SetActiveWindow(dlg);
  ::SetFocus(::GetDlgItem(dlg, edt1));
  Key(VK_ESCAPE);
  EXPECT_FALSE(::IsWindow(dlg));
  EXPECT_EQ(Main().FindReplaceDialogs().Window(Form().FindReplace().ReplaceDialog1), nullptr);
}

TEST_F(Editing, TheFindDialogIsWorkedWithTheKeyboard) {
  test::ExpectedDialogs findDialogs;
  TRichEditSx& pane = Form().RichEditNx1;
  pane.SetText(S("秋の田の\r\nかりほの庵の"));
  pane.Select(2, 2);  // "の" becomes the search text
  Form().Execute(Command::Find1Click);
  Pump();
  HWND dlg = Main().FindReplaceDialogs().Window(Form().FindReplace().FindDialog1);
  ASSERT_NE(dlg, nullptr);
  wchar_t text[32] = {};
  ::GetDlgItemTextW(dlg, edt1, text, 32);
  EXPECT_EQ(std::wstring(text), L"の");
  EXPECT_EQ(::IsDlgButtonChecked(dlg, rad2), BST_CHECKED);  // down
  ::SetActiveWindow(dlg);
  ::SetFocus(::GetDlgItem(dlg, edt1));
  // Enter presses "Find next": the next hit after the selection.
  Key(VK_RETURN);
  EXPECT_EQ(pane.SelStart(), 6);
  EXPECT_EQ(pane.SelLength(), 2);
  // Tab moves on inside the dialog.
  ::SetActiveWindow(dlg);
  ::SetFocus(::GetDlgItem(dlg, edt1));
  Key(VK_TAB);
  HWND focus = ::GetFocus();
  EXPECT_NE(focus, ::GetDlgItem(dlg, edt1));
  EXPECT_TRUE(::IsChild(dlg, focus));
  // "Up" and find: back to the hit before.
  ::CheckRadioButton(dlg, rad1, rad2, rad1);
  ::SendMessageW(dlg, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(dlg, IDOK)));
  Pump();
  EXPECT_EQ(pane.SelStart(), 2);
  // Find1Click again brings the open dialog to the front with the selection.
  pane.Select(0, 2);
  Form().Execute(Command::Find1Click);
  EXPECT_EQ(Main().FindReplaceDialogs().Window(Form().FindReplace().FindDialog1), dlg);
  ::GetDlgItemTextW(dlg, edt1, text, 32);
  EXPECT_EQ(std::wstring(text), L"秋");
}

// ---- the bars' edit boxes ---------------------------------------------------------

TEST_F(Editing, CtrlCInTheTitleBoxCopiesItsSelection) {
  Form().Execute(Command::ActiveImage8Click);  // the HTML bar
  Pump();
  HWND edit4 = Main().ControlWindow("Edit4");
  ASSERT_NE(edit4, nullptr);
  ::SetWindowTextW(edit4, L"春の歌");
  ::SendMessageW(edit4, EM_SETSEL, 0, 2);
  Form().RichEditNx1.SetText(S("右の歌"));
  Form().RichEditNx1.SelectAll();
  ::SetFocus(edit4);
  ASSERT_EQ(::GetFocus(), edit4);
  {
    test::KeyHeldDown ctrl(VK_CONTROL);
    Key('C');
  }
  ClipboardWin32 clipboard;
  std::u16string text;
  ASSERT_TRUE(clipboard.GetText(text));
  EXPECT_EQ(text, u"春の");
  EXPECT_EQ(Form().RichEditNx1.Text(), S("右の歌"));
  EXPECT_EQ(Form().BarControls.Text("Edit4"), "春の歌");
}

TEST_F(Editing, AColourButtonOfTheColourStringBarColoursTheLeftPane) {
  Form().Execute(Command::ShineSpeedButton2Click);  // the left pane
  Form().Execute(Command::ActiveImage6Click);       // the colour-string bar
  Pump();
  Form().RichEditNx2.SetText(S("月見れば\r\n千々に物こそ\r\n悲しけれ"));
  HWND edit2 = Main().ControlWindow("Edit2");
  ASSERT_NE(edit2, nullptr);
  ::SetWindowTextW(edit2, L"れ");  // as typed: the box's change handler runs
  Pump();
  EXPECT_EQ(Form().BarControls.Text("Edit2"), "れ");
  EXPECT_EQ(Form().BarControls.State("Edit2").hint, "れ");
  Click("SCButton10");
  EXPECT_EQ(Form().RichEditNx2.CharColor(4), 0x9E2392u);
  EXPECT_EQ(Form().RichEditNx2.CharColor(Form().RichEditNx2.TextLength() - 2), 0x9E2392u);
  EXPECT_EQ(test::PanelText(Main().Handle(), 2), "2文字列");
  Click("NNButton3");  // "書記"
  wchar_t count[16] = {};
  ::GetWindowTextW(Main().ControlWindow("Edit3"), count, 16);
  EXPECT_EQ(std::wstring(count), L"000002");
}

TEST(DateFormat, TheSystemsFormsHoldTheDateAndTime) {
  TimeOfDay t;
  t.year = 2023;
  t.month = 10;
  t.day = 31;
  t.hour = 9;
  t.minute = 5;
  t.second = 3;
  const std::string date = ShortDateText(t), time = LongTimeText(t);
  EXPECT_NE(date.find("31"), std::string::npos) << date;
  EXPECT_NE(date.find("10"), std::string::npos) << date;
  EXPECT_NE(time.find("05"), std::string::npos) << time;
}

}  // namespace
}  // namespace hanaroku::win32
