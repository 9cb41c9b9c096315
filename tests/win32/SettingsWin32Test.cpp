// The settings file across two runs of the real main window: the first run
// without a file, a close that writes it, and a second run that comes back
// as the first one was left.
#include "TestUtil.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/win32/MainMenu.h"
#include "platform/win32/MainWindow.h"

namespace hanaroku::win32 {
namespace {

// Closes the window the way the user does. The window posts a quit message
// when it goes; it is taken out of the queue so that no other test sees it.
void CloseLikeTheUser(MainWindow& main) {
  ::SendMessageW(main.Handle(), WM_CLOSE, 0, 0);
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

// Processor time of this thread so far, in seconds.
double ThreadSeconds() {
  FILETIME created, exited, kernel, user;
  ::GetThreadTimes(::GetCurrentThread(), &created, &exited, &kernel, &user);
  auto seconds = [](const FILETIME& t) {
    return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e7;
  };
  return seconds(kernel) + seconds(user);
}

// The check mark of a menu bar item, as the user sees it when its menu opens.
bool MenuBarChecked(HWND wnd, Command c) {
  HMENU bar = ::GetMenu(wnd);
  for (int i = 0; i < ::GetMenuItemCount(bar); ++i)
    if (HMENU sub = ::GetSubMenu(bar, i)) ::SendMessageW(wnd, WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(sub), i);
  UINT state = ::GetMenuState(bar, CommandId(c), MF_BYCOMMAND);
  EXPECT_NE(state, static_cast<UINT>(-1));
  return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

class SettingsRuns : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
  }
  test::ScratchDir dir;
  std::string program = dir.File("hanaroku.exe");
  std::string ini = dir.File("hanaroku.ini");
};

TEST_F(SettingsRuns, AFirstRunAndASecondOneAfterSwitchingTheRightPane) {
  {
    MainWindow first;
    first.Create(program);
    first.Show(SW_SHOWNORMAL);
    RECT r{};
    ASSERT_TRUE(::GetWindowRect(first.Handle(), &r));
    EXPECT_EQ(r.left, 20);
    EXPECT_EQ(r.top, 20);
    EXPECT_EQ(r.right - r.left, 780);
    EXPECT_EQ(r.bottom - r.top, 550);
    EXPECT_TRUE(MenuBarChecked(first.Handle(), Command::VHClick));
    EXPECT_TRUE(MenuBarChecked(first.Handle(), Command::WordWrapClick));
    EXPECT_FALSE(test::Exists(ini));

    first.Form().Execute(Command::VHClick);
    first.Form().Execute(Command::WordWrapClick);
    first.Form().PageSettings.Title = "花の歌";
    CloseLikeTheUser(first);
    EXPECT_FALSE(::IsWindow(first.Handle()));
  }
  ASSERT_TRUE(test::Exists(ini));
  const std::string bytes = test::ReadRaw(ini);
  EXPECT_NE(bytes.find("[Form\\RichEditNx1]\r\nprop_c="), std::string::npos);
  EXPECT_NE(bytes.find(enc::Utf8ToSjis("Text=花の歌\r\n")), std::string::npos);  // Shift-JIS
  EXPECT_EQ(IniFile::Parse(bytes).Get("Form\\MainForm1", "Width"), "780");

  MainWindow second;
  second.Create(program);
  second.Show(SW_SHOWNORMAL);
  TMainForm1& f = second.Form();
  EXPECT_FALSE(f.RichEditNx1.Vertical());
  EXPECT_FALSE(f.RichEditNx1.WordWrap());
  EXPECT_TRUE(f.RichEditNx2.Vertical());
  EXPECT_FALSE(MenuBarChecked(second.Handle(), Command::VHClick));
  EXPECT_FALSE(MenuBarChecked(second.Handle(), Command::WordWrapClick));
  EXPECT_TRUE(MenuBarChecked(second.Handle(), Command::HHVClick));
  EXPECT_FALSE(f.N14);
  EXPECT_EQ(f.PageSettings.Title, "花の歌");
  RECT r{};
  ASSERT_TRUE(::GetWindowRect(second.Handle(), &r));
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.right - r.left, 780);
  CloseLikeTheUser(second);
}

TEST_F(SettingsRuns, ACloseWithADamagedSettingsFileFinishesAtOnce) {
  // Counts no file can hold, a stale line far beyond them and a left width
  // at the end of the integer range.
  std::string damaged =
      "[Form\\RichEditNx1]\r\nprop_c=2147483647\r\nprop_d0=4850\r\nprop_d99999=00\r\n"
      "[Form\\RichEditNx2]\r\nprop_c=2147483647\r\n"
      "[Form\\MsgSCR1]\r\nprop_c=2000000000\r\n"
      "[Form\\fNx2Width]\r\nInteger=-2147483648\r\n";
  for (int i = 0; i < 20000; ++i) damaged += "junk" + std::to_string(i) + "=x\r\n";  // some bulk
  test::WriteRaw(ini, damaged);
  MainWindow main;
  main.Create(program);
  main.Show(SW_SHOWNORMAL);
  // The processor time of the close: the wait for the disk to take the file
  // (which a loaded machine can make long) does not count.
  const double t0 = ThreadSeconds();
  CloseLikeTheUser(main);
  EXPECT_LT(ThreadSeconds() - t0, 1.0);
  EXPECT_FALSE(::IsWindow(main.Handle()));
  const IniFile after = IniFile::Parse(test::ReadRaw(ini));
  EXPECT_EQ(after.Get("Form\\RichEditNx1", "prop_d99999"), std::nullopt);
  EXPECT_NE(after.Get("Form\\RichEditNx1", "prop_c"), "2147483647");
  EXPECT_EQ(after.Get("Form\\fNx2Width", "Integer").value_or("").find("2147483648"), std::string::npos);
}

TEST_F(SettingsRuns, ALogOffThatIsCancelledKeepsTheTextAndWritesNothing) {
  MainWindow main;
  main.Create(program);
  main.Show(SW_SHOWNORMAL);
  main.Form().RichEditNx1.SetText("poem");
  main.Form().RichEditNx1.SetModified(false);  // saved: the session asks nothing
  EXPECT_TRUE(::SendMessageW(main.Handle(), WM_QUERYENDSESSION, 0, 0));
  ::SendMessageW(main.Handle(), WM_ENDSESSION, FALSE, 0);  // another program said no
  EXPECT_EQ(main.Form().RichEditNx1.Text(), "poem");
  EXPECT_FALSE(test::Exists(ini));
  // The session really ends: the settings are written.
  EXPECT_TRUE(::SendMessageW(main.Handle(), WM_QUERYENDSESSION, 0, 0));
  ::SendMessageW(main.Handle(), WM_ENDSESSION, TRUE, 0);
  EXPECT_TRUE(test::Exists(ini));
  EXPECT_EQ(main.Form().RichEditNx1.Text(), "");
  CloseLikeTheUser(main);
}

}  // namespace
}  // namespace hanaroku::win32
