// The settings window and the count-grid window in the real program: they
// open once, edit the main window's settings, add rows, save and reopen a
// table, and go when closed.
#include "MainWindowFixture.h"

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

#include "PaneTestSupport.h"
#include "platform/win32/Gdi.h"
#include "platform/FileSystem.h"
#include "platform/win32/EditBoxes.h"
#include "platform/win32/SecondaryWindowsHost.h"
#include "platform/win32/ShineButtonWindow.h"

namespace hanaroku::win32 {
namespace {

using test::PumpUntil;

class SecondaryWindowsWin32 : public test::MainWindowTest {
 protected:
  SecondaryWindowsHost& Host() { return Main().SecondaryWindows(); }
  AboutBoxWindow& OpenAbout() {
    Form().Execute(Command::About1Click);
    test::PumpMain();
    EXPECT_NE(Host().AboutBox(), nullptr);
    return *Host().AboutBox();
  }
  CountGridWindow& OpenGrid() {
    Form().Execute(Command::NNButton1Click);
    test::PumpMain();
    EXPECT_NE(Host().CountGrid(), nullptr);
    return *Host().CountGrid();
  }
  HWND Field(AboutBoxWindow& w, int i) { return w.ControlWindow("ColorEdit" + std::to_string(i)); }
  void Press(HWND button) {
    ASSERT_NE(button, nullptr);
    ::SendMessageW(button, BM_CLICK, 0, 0);
    test::PumpMain();
  }
  // A key typed on `wnd`, through the program's loop.
  void Key(HWND wnd, WPARAM key) {
    ::PostMessageW(wnd, WM_KEYDOWN, key, 1);
    ::PostMessageW(wnd, WM_KEYUP, key, 0xC0000001);
    Pump();
  }
  // The mouse over `button`: its hint in status panel 4 at once.
  std::string HintOf(HWND button) {
    RECT r = ClientRect(button);
    POINT centre{r.right / 2, r.bottom / 2};
    ::ClientToScreen(button, &centre);
    ::SetCursorPos(centre.x, centre.y);
    ::SendMessageW(button, WM_MOUSEMOVE, 0, test::MouseXy(r.right / 2, r.bottom / 2));
    std::string panel = test::PanelText(Main().Handle(), 4);
    ::SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    return panel;
  }
};

bool IsGradientButton(HWND wnd, std::string_view caption, std::string_view hint) {
  const ShineButtonWindow* button = ShineButtonWindow::FromHandle(wnd);
  return button && test::ClassNameOf(wnd) == L"HanarokuShineButton" && button->Model().Caption() == caption && button->Model().Hint() == hint &&
         ReadWindowText(wnd) == caption && (::GetWindowLongW(wnd, GWL_STYLE) & WS_TABSTOP) != 0;
}

TEST_F(SecondaryWindowsWin32, TheSettingsWindowOpensOnceWithItsFieldsFilled) {
  AboutBoxWindow& about = OpenAbout();
  HWND wnd = about.Handle();
  EXPECT_TRUE(::IsWindowVisible(wnd));
  EXPECT_EQ(ReadWindowText(wnd), "About & 設定");
  EXPECT_EQ(::GetWindow(wnd, GW_OWNER), Main().Handle());
  const RECT client = ClientRect(wnd);
  EXPECT_EQ(client.right, TAboutBox::kClientWidth);
  EXPECT_EQ(ReadWindowText(Field(about, 3)), "#fff8dc");
  EXPECT_EQ(ReadWindowText(Field(about, 8)), "ＭＳ 明朝");
  EXPECT_EQ(ReadWindowText(Field(about, 10)), "index.htm");
  EXPECT_EQ(ReadWindowText(about.ControlWindow("Label15")), "2");
  Form().Execute(Command::ShineSpeedButton25Click);
  test::PumpMain();
  EXPECT_EQ(Host().AboutBox(), &about);
  EXPECT_EQ(about.Handle(), wnd);
}

TEST_F(SecondaryWindowsWin32, FocusedFieldsShowTheEnterColour) {
  AboutBoxWindow& about = OpenAbout();
  TAboutBox& box = *Form().Windows().AboutBox();
  ::SetFocus(Field(about, 4));
  test::PumpMain();
  EXPECT_TRUE(box.ColorEdit(4).Focused());
  EXPECT_EQ(box.ColorEdit(4).Color(), TColorEdit::kDefaultEnterColor);
  ::SetFocus(Field(about, 5));
  test::PumpMain();
  EXPECT_FALSE(box.ColorEdit(4).Focused());
  EXPECT_NE(box.ColorEdit(4).Color(), TColorEdit::kDefaultEnterColor);
}

TEST_F(SecondaryWindowsWin32, TypingTheLinkTextTakesEffectAndTheTitleBarAppliesNothing) {
  AboutBoxWindow& about = OpenAbout();
  ::SetWindowTextW(Field(about, 9), L"戻る");
  ::SetWindowTextW(Field(about, 3), L"#000000");
  ::SendMessageW(about.Handle(), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(about.ControlWindow("Label15")), STN_CLICKED),
                 reinterpret_cast<LPARAM>(about.ControlWindow("Label15")));
  EXPECT_EQ(Form().PageSettings.Lint, "戻る");
  EXPECT_EQ(Form().PageSettings.fze, "3");
  EXPECT_EQ(ReadWindowText(about.ControlWindow("Label15")), "3");
  ::SendMessageW(about.Handle(), WM_CLOSE, 0, 0);
  test::PumpMain();
  EXPECT_EQ(Host().AboutBox(), nullptr);
  EXPECT_EQ(Form().Windows().AboutBox(), nullptr);
  EXPECT_EQ(Form().PageSettings.bgc, "#fff8dc");
}

TEST_F(SecondaryWindowsWin32, ExitAppliesTheFieldsAndCloses) {
  AboutBoxWindow& about = OpenAbout();
  ::SetWindowTextW(Field(about, 3), L"#123456");
  ::SetWindowTextW(Field(about, 7), L"silver");
  Press(about.ControlWindow("ShineSpeedButton1"));
  EXPECT_TRUE(PumpUntil([&] { return Host().AboutBox() == nullptr; }, 2000));
  EXPECT_EQ(Form().PageSettings.bgc, "#123456");
  EXPECT_EQ(Form().PageSettings.Lcl, "silver");
  // A new window after the close, filled from the settings.
  EXPECT_EQ(ReadWindowText(Field(OpenAbout(), 3)), "#123456");
}

TEST_F(SecondaryWindowsWin32, TheSettingsButtonsAreGradientButtonsThatTheKeysPress) {
  AboutBoxWindow& about = OpenAbout();
  HWND ok = about.ControlWindow("ShineSpeedButton2"), exit = about.ControlWindow("ShineSpeedButton1");
  ASSERT_TRUE(IsGradientButton(ok, "OK", "反映"));
  ASSERT_TRUE(IsGradientButton(exit, "Exit", "OK + Exit"));
  EXPECT_EQ(HintOf(ok), "反映");
  EXPECT_EQ(HintOf(exit), "OK + Exit");
  EXPECT_EQ(test::PanelText(Main().Handle(), 4), "");

  // Enter on the focused "OK" applies and keeps the window; a click takes
  // no focus from the field.
  ::SetWindowTextW(Field(about, 3), L"#abcdef");
  ::SetFocus(Field(about, 4));
  test::ClickCentre(ok);
  Pump();
  EXPECT_EQ(Form().PageSettings.bgc, "#abcdef");
  EXPECT_EQ(::GetFocus(), Field(about, 4));
  ::SetWindowTextW(Field(about, 4), L"navy");
  ::SetFocus(ok);
  Key(ok, VK_RETURN);
  EXPECT_EQ(Form().PageSettings.Dai, "navy");
  ASSERT_EQ(Host().AboutBox(), &about);
  // Tab goes on to "Exit", and Space there applies and closes.
  Key(ok, VK_TAB);
  ASSERT_EQ(::GetFocus(), exit);
  ::SetWindowTextW(Field(about, 5), L"red");
  Key(exit, VK_SPACE);
  EXPECT_TRUE(PumpUntil([&] { return Host().AboutBox() == nullptr; }, 2000));
  EXPECT_EQ(Form().PageSettings.mclo, "red");
}

TEST_F(SecondaryWindowsWin32, EnterInAFieldAppliesAndEscClosesAsTheTitleBar) {
  AboutBoxWindow& about = OpenAbout();
  ::SetWindowTextW(Field(about, 6), L"teal");
  ::SetFocus(Field(about, 6));
  Key(Field(about, 6), VK_RETURN);
  EXPECT_EQ(Form().PageSettings.mclt, "teal");
  ::SetWindowTextW(Field(about, 7), L"gray");
  Key(Field(about, 6), VK_ESCAPE);
  EXPECT_TRUE(PumpUntil([&] { return Host().AboutBox() == nullptr; }, 2000));
  EXPECT_NE(Form().PageSettings.Lcl, "gray");
}

TEST_F(SecondaryWindowsWin32, TheCountGridButtonsAreGradientButtonsOnTheKeys) {
  CountGridWindow& grid = OpenGrid();
  TForm2& form = *Form().Windows().Form2();
  const std::span<const GridButtonDef> defs = TForm2::Buttons();
  for (const GridButtonDef& d : defs)
    EXPECT_TRUE(IsGradientButton(grid.ButtonWindow(d.name), d.caption, d.hint)) << d.name;
  EXPECT_EQ(HintOf(grid.ButtonWindow("UndoButton")), "Undo");

  // Alt+C and Alt+V while a cell is edited copy and paste in its editor.
  Form().Windows().RecordResult("花", "000001", "00:00:00:010");
  form.StrSortGrid1.Select({1, 1});
  form.StrSortGrid1.BeginEdit(grid.GridClientSize());
  HWND editor = grid.Grid().Editor();
  ASSERT_TRUE(::IsWindowVisible(editor));
  ::SendMessageW(editor, EM_SETSEL, 0, -1);
  ::PostMessageW(editor, WM_SYSCHAR, L'c', 1 << 29);
  Pump();
  ::SendMessageW(editor, EM_SETSEL, 1, 1);
  ::PostMessageW(editor, WM_SYSCHAR, L'v', 1 << 29);
  Pump();
  EXPECT_EQ(ReadWindowText(editor), "花花");
  EXPECT_EQ(::GetFocus(), editor);
  // Esc ends the editing only; the window stays.
  Key(editor, VK_ESCAPE);
  EXPECT_FALSE(form.StrSortGrid1.Editing());
  EXPECT_EQ(Host().CountGrid(), &grid);
  // Ctrl+Tab leaves the grid for the buttons; Tab then goes from button to button.
  ::SetFocus(grid.Grid().Handle());
  BYTE keys[256] = {};
  ::GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  ::SetKeyboardState(keys);
  Key(grid.Grid().Handle(), VK_TAB);
  keys[VK_CONTROL] = 0;
  ::SetKeyboardState(keys);
  EXPECT_EQ(::GetFocus(), grid.ButtonWindow("ShineSpeedButton1"));
  Key(::GetFocus(), VK_TAB);
  EXPECT_EQ(::GetFocus(), grid.ButtonWindow("ShineSpeedButton2"));
}

TEST_F(SecondaryWindowsWin32, TheCountGridAddsRowsSavesAndReopensATable) {
  CountGridWindow& grid = OpenGrid();
  TForm2& form = *Form().Windows().Form2();
  EXPECT_TRUE(grid.Visible());
  EXPECT_EQ(ReadWindowText(grid.Handle()), "count grid");
  for (const char* s : {"花", "月", "雪"}) Form().Windows().RecordResult(s, "000002", "00:00:00:125");
  EXPECT_EQ(form.LastGridRow, 3);
  Form().Execute(Command::NNButton1Click);  // the same window, its rows kept
  EXPECT_EQ(Host().CountGrid(), &grid);
  EXPECT_EQ(form.LastGridRow, 3);

  // Save and open through the real files (the dialogs' part is the model's).
  const std::string path = Dir().File("表.csv");
  SystemFileSystem().WriteFileAtomic(path, form.TableBytes());
  const std::string saved = test::ReadRaw(path);
  EXPECT_EQ(enc::SjisToUtf8(saved.substr(0, saved.find("\r\n"))), "　,文字列,個数,ミリ秒,備考");
  EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), 4);
  form.StrSortGrid1.SetCell(1, 2, "changed");
  ASSERT_TRUE(form.LoadTable(SystemFileSystem().ReadFile(path)));
  EXPECT_EQ(form.StrSortGrid1.Cell(1, 2), enc::Utf8ToSjis("月"));
  EXPECT_EQ(form.LastGridRow, 3);
}

TEST_F(SecondaryWindowsWin32, TheCellEditorIsARealEditBoxThatTheButtonsReach) {
  CountGridWindow& grid = OpenGrid();
  TForm2& form = *Form().Windows().Form2();
  Form().Windows().RecordResult("花", "000001", "00:00:00:010");
  form.StrSortGrid1.Select({1, 1});
  form.StrSortGrid1.BeginEdit(grid.GridClientSize());
  HWND editor = grid.Grid().Editor();
  ASSERT_TRUE(::IsWindowVisible(editor));
  EXPECT_EQ(ReadWindowText(editor), "花");
  ::SetWindowTextW(editor, L"桜");
  ::SendMessageW(editor, EM_SETSEL, 0, -1);
  Press(grid.ButtonWindow("CopyButton"));
  ::SendMessageW(editor, EM_SETSEL, 1, 1);
  Press(grid.ButtonWindow("PasteButton"));
  EXPECT_EQ(ReadWindowText(editor), "桜桜");
  ::SendMessageW(editor, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_FALSE(form.StrSortGrid1.Editing());
  EXPECT_FALSE(::IsWindowVisible(editor));
  EXPECT_EQ(form.StrSortGrid1.Cell(1, 1), enc::Utf8ToSjis("桜桜"));
}

TEST_F(SecondaryWindowsWin32, ClosingTheCountGridAsksFirst) {
  CountGridWindow& grid = OpenGrid();
  HWND wnd = grid.Handle();
  // No: the window stays.
  EXPECT_TRUE(test::DriveDialog([&] { ::SendMessageW(wnd, WM_CLOSE, 0, 0); },
                                [](HWND box) { test::PressButton(box, IDNO); }));
  EXPECT_TRUE(::IsWindow(wnd));
  EXPECT_NE(Form().Windows().Form2(), nullptr);
  // Yes: it goes, and the main window forgets it.
  EXPECT_TRUE(test::DriveDialog([&] { ::SendMessageW(wnd, WM_CLOSE, 0, 0); },
                                [](HWND box) { test::PressButton(box, IDYES); }));
  EXPECT_FALSE(::IsWindow(wnd));
  EXPECT_EQ(Host().CountGrid(), nullptr);
  EXPECT_EQ(Form().Windows().Form2(), nullptr);
  Form().Windows().RecordResult("after", "000001", "");  // nothing to write to: no crash
}

// What the screen shows of a whole window, frame and all.
test::Picture ScreenOf(HWND wnd) {
  RECT r{};
  ::GetWindowRect(wnd, &r);
  test::Picture pic;
  pic.width = r.right - r.left;
  pic.height = r.bottom - r.top;
  WindowDc screen(nullptr);
  MemoryDc dc(screen.Get());
  BITMAPINFO bi = TopDown32BitInfo(pic.width, pic.height);
  void* bits = nullptr;
  BitmapPtr dib(::CreateDIBSection(screen.Get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || !bits) return pic;
  SelectGuard sel(dc.Get(), dib.get());
  ::BitBlt(dc.Get(), 0, 0, pic.width, pic.height, screen.Get(), r.left, r.top, SRCCOPY);
  ::GdiFlush();
  pic.px.assign(static_cast<const std::uint32_t*>(bits),
                static_cast<const std::uint32_t*>(bits) + static_cast<std::size_t>(pic.width) * pic.height);
  return pic;
}

// A 32-bit bitmap file of the picture, for the README's pictures.
void WriteBmp(const std::string& path, const test::Picture& pic) {
  BITMAPINFOHEADER info = TopDown32BitInfo(pic.width, pic.height).bmiHeader;
  const DWORD bytes = static_cast<DWORD>(pic.px.size() * 4);
  BITMAPFILEHEADER file{};
  file.bfType = 0x4D42;  // "BM"
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + bytes;
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&info), sizeof info);
  out.write(reinterpret_cast<const char*>(pic.px.data()), bytes);
}

// Both windows on the screen in their colours; with HANAROKU_SCREENSHOTS
// naming a folder, their pictures are written there (about.bmp, grid.bmp).
TEST_F(SecondaryWindowsWin32, BothWindowsShowInTheirColours) {
  AboutBoxWindow& about = OpenAbout();
  ::SetWindowPos(about.Handle(), HWND_TOP, 20, 20, 0, 0, SWP_NOSIZE);
  ::UpdateWindow(about.Handle());
  PumpUntil([] { return false; }, 300);
  const test::Picture aboutPic = ScreenOf(about.Handle());
  EXPECT_GT(test::CountColor(aboutPic, 0xEFEDE4), 20000);  // the dialog's background

  CountGridWindow& grid = OpenGrid();
  for (const char* s : {"花", "月", "雪", "山"}) {
    Form().Windows().RecordResult(s, "000003", "00:00:00:250");
  }
  Form().Windows().Form2()->StrSortGrid1.HeaderPressed(1);
  ::SetWindowPos(grid.Handle(), HWND_TOP, 380, 20, 0, 0, SWP_NOSIZE);
  ::UpdateWindow(grid.Handle());
  PumpUntil([] { return false; }, 300);
  const test::Picture gridPic = ScreenOf(grid.Handle());
  EXPECT_GT(test::CountColor(gridPic, 0xC8BDBB), 3000);  // Panel1
  EXPECT_GT(test::CountColor(gridPic, 0xE9E8DE), 3000);  // the cells

  if (const char* dir = std::getenv("HANAROKU_SCREENSHOTS")) {
    WriteBmp(std::string(dir) + "/about.bmp", aboutPic);
    WriteBmp(std::string(dir) + "/grid.bmp", gridPic);
  }
}

}  // namespace
}  // namespace hanaroku::win32
