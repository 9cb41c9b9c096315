// The verse buttons in the real main window: "百" loads the Hundred Poets
// shipped beside the program into the left pane; the banner sits in its cell
// of NNBar3, takes the poems of "泉" and scrolls once "走" is pressed.
#include "MainWindowFixture.h"  // first: windows.h

#include <gtest/gtest.h>

#include <string>

#include "platform/win32/BannerWindow.h"

namespace hanaroku::win32 {
namespace {

using Verse = test::LeftPaneShownTest;

constexpr int kNNBar3Id = 21;

std::string BesideTheTests(const char* name) {
  wchar_t exe[MAX_PATH] = {};
  ::GetModuleFileNameW(nullptr, exe, MAX_PATH);
  std::wstring dir(exe);
  dir.resize(dir.find_last_of(L"\\/") + 1);
  return Narrow(dir) + name;
}

TEST_F(Verse, HundredPoetsComeIntoTheLeftPaneFromBesideTheProgram) {
  const std::string shipped = test::ReadRaw(BesideTheTests("hyakunin.txt"));
  ASSERT_GT(shipped.size(), 5000u);
  test::WriteRaw(Dir().File("hyakunin.txt"), shipped);
  Form().RichEditNx2.SetText("edited");
  Form().RichEditNx2.SetModified(true);
  Form().Execute(Command::ShineSpeedButton3Click);
  test::PumpMain();
  EXPECT_EQ(Form().RichEditNx2.Text(), shipped);
  EXPECT_FALSE(Form().RichEditNx2.Modified());
  const std::string& panel = Form().StatusBar1.Panels[0].text;
  ASSERT_GE(panel.size(), 12u);
  EXPECT_EQ(panel.substr(panel.size() - 12), "hyakunin.txt");
}

TEST_F(Verse, TheBannerScrollsInItsCellOnceRunIsPressed) {
  HWND bar = ::GetDlgItem(Main().Handle(), kNNBar3Id);
  ASSERT_NE(bar, nullptr);
  HWND banner = ::FindWindowExW(bar, nullptr, BannerWindow::kClassName, nullptr);
  ASSERT_NE(banner, nullptr);
  const RECT client = ClientRect(banner);
  EXPECT_EQ(client.right, Form().MsgSCR1.BoundsRect().Width());
  EXPECT_GE(client.right, 150);
  EXPECT_GE(client.bottom, 18);
  Form().Execute(Command::ShineSpeedButton17Click);
  EXPECT_GT(Form().MsgSCR1.ScrollLength(), 1000);  // three poems, laid out once
  EXPECT_EQ(Form().MsgSCR1.Interval(), 0u);
  Form().Execute(Command::ShineSpeedButton14Click);
  EXPECT_EQ(Form().BarControls.State("ShineSpeedButton14").caption, "停");
  ::RedrawWindow(banner, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  const int start = Form().MsgSCR1.Position();
  const DWORD t0 = ::GetTickCount();
  while (Form().MsgSCR1.Position() > start - 10 && ::GetTickCount() - t0 < 3000) {
    test::PumpMain();
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  EXPECT_LE(Form().MsgSCR1.Position(), start - 10);
  Form().Execute(Command::ShineSpeedButton14Click);
  EXPECT_EQ(Form().BarControls.State("ShineSpeedButton14").caption, "走");
}

}  // namespace
}  // namespace hanaroku::win32
