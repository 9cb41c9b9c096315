// The clock ClockLabel2 in the real main window: it runs from the start,
// a click stops it at the shown time and a second click starts it again; it
// paints on the right pane's background colour.
#include "MainWindowFixture.h"

#include "platform/win32/ClockWindow.h"
#include "platform/win32/EditBoxes.h"

namespace hanaroku::win32 {
namespace {

using test::PumpUntil;

BOOL CALLBACK TakeClock(HWND w, LPARAM out) {
  if (test::ClassNameOf(w) != ClockWindow::kClassName) return TRUE;
  *reinterpret_cast<HWND*>(out) = w;
  return FALSE;
}

// The clock window, wherever it sits among the main window's descendants.
HWND FindClock(HWND main) {
  HWND found = nullptr;
  ::EnumChildWindows(main, TakeClock, reinterpret_cast<LPARAM>(&found));
  return found;
}

std::wstring TextOf(HWND w) { return ReadWindowTextW(w); }

using ClockInMainWindow = test::MainWindowTest;

TEST_F(ClockInMainWindow, AClickStopsItAndASecondClickRestartsIt) {
  HWND clock = FindClock(Main().Handle());
  ASSERT_NE(clock, nullptr);
  EXPECT_GT(ClientRect(clock).right, 20);
  // Running: the shown seconds move on.
  const std::wstring first = TextOf(clock);
  ASSERT_EQ(first.size(), 11u) << Narrow(first);
  EXPECT_TRUE(first.starts_with(L"AM ") || first.starts_with(L"PM "));
  EXPECT_TRUE(PumpUntil([&] { return TextOf(clock) != first; }, 1500));

  test::ClickCentre(clock);
  EXPECT_EQ(Form().ClockLabel2.Interval(), 0u);
  const std::wstring stopped = TextOf(clock);
  PumpUntil([] { return false; }, 1300);
  EXPECT_EQ(TextOf(clock), stopped);

  test::ClickCentre(clock);
  EXPECT_EQ(Form().ClockLabel2.Interval(), 300u);
  EXPECT_TRUE(PumpUntil([&] { return TextOf(clock) != stopped; }, 1500));
}

TEST_F(ClockInMainWindow, PaintsOnTheRightPanesBackground) {
  HWND clock = FindClock(Main().Handle());
  ASSERT_NE(clock, nullptr);
  ::RedrawWindow(clock, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  WindowDc dc(clock);
  EXPECT_EQ(::GetPixel(dc.Get(), 1, 1), Form().RichEditNx1.Color());
}

}  // namespace
}  // namespace hanaroku::win32
