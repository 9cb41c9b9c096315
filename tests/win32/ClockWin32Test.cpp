// The clock ClockLabel2 in the real main window: it runs from the start,
// a click stops it at the shown time and a second click starts it again; it
// paints on the right pane's background colour.
#include "TestUtil.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>

#include "platform/win32/ClockWindow.h"
#include "platform/win32/MainWindow.h"

namespace hanaroku::win32 {
namespace {

using test::PumpUntil;

BOOL CALLBACK TakeClock(HWND w, LPARAM out) {
  wchar_t cls[64] = {};
  ::GetClassNameW(w, cls, 64);
  if (std::wstring(cls) != ClockWindow::kClassName) return TRUE;
  *reinterpret_cast<HWND*>(out) = w;
  return FALSE;
}

// The clock window, wherever it sits among the main window's descendants.
HWND FindClock(HWND main) {
  HWND found = nullptr;
  ::EnumChildWindows(main, TakeClock, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring TextOf(HWND w) {
  wchar_t buf[64] = {};
  ::GetWindowTextW(w, buf, 64);
  return buf;
}

void Click(HWND w) {
  RECT r = ClientRect(w);
  const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 2);
  ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(w, WM_LBUTTONUP, 0, at);
}

class ClockInMainWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&icc);
    main_ = std::make_unique<MainWindow>();
    main_->Create(dir_.File("hanaroku.exe"));
    main_->Show(SW_SHOWNORMAL);
    PumpUntil([] { return false; }, 100);
  }
  void TearDown() override {
    main_.reset();
    PumpUntil([] { return false; }, 50);
  }
  test::ScratchDir dir_;
  std::unique_ptr<MainWindow> main_;
};

TEST_F(ClockInMainWindow, AClickStopsItAndASecondClickRestartsIt) {
  HWND clock = FindClock(main_->Handle());
  ASSERT_NE(clock, nullptr);
  EXPECT_GT(ClientRect(clock).right, 20);
  // Running: the shown seconds move on.
  const std::wstring first = TextOf(clock);
  ASSERT_EQ(first.size(), 11u) << Narrow(first);
  EXPECT_TRUE(first.starts_with(L"AM ") || first.starts_with(L"PM "));
  EXPECT_TRUE(PumpUntil([&] { return TextOf(clock) != first; }, 1500));

  Click(clock);
  EXPECT_EQ(main_->Form().ClockLabel2.Interval(), 0u);
  const std::wstring stopped = TextOf(clock);
  PumpUntil([] { return false; }, 1300);
  EXPECT_EQ(TextOf(clock), stopped);

  Click(clock);
  EXPECT_EQ(main_->Form().ClockLabel2.Interval(), 300u);
  EXPECT_TRUE(PumpUntil([&] { return TextOf(clock) != stopped; }, 1500));
}

TEST_F(ClockInMainWindow, PaintsOnTheRightPanesBackground) {
  HWND clock = FindClock(main_->Handle());
  ASSERT_NE(clock, nullptr);
  ::RedrawWindow(clock, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  WindowDc dc(clock);
  EXPECT_EQ(::GetPixel(dc.Get(), 1, 1), main_->Form().RichEditNx1.Color());
}

}  // namespace
}  // namespace hanaroku::win32
