// Window timers are delivered through the message loop and stop when asked.
#include "TestUtil.h"

#include <gtest/gtest.h>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

using test::PumpUntil;

TEST(TimerWin32, TicksThroughTheLoopAndStops) {
  TimerWin32 timer;
  int ticks = 0;
  timer.SetCallback([&] {
    ++ticks;
    timer.SetInterval(0);  // one tick, as the splash's timer does
  });
  EXPECT_EQ(timer.Interval(), 0u);
  timer.SetInterval(10);
  EXPECT_EQ(timer.Interval(), 10u);
  EXPECT_TRUE(PumpUntil([&] { return ticks > 0; }));
  EXPECT_EQ(timer.Interval(), 0u);
  // Stopped: a pending WM_TIMER, if any, no longer calls back.
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(ticks, 1);
}

TEST(TimerWin32, DestroyedTimerNeverFires) {
  int ticks = 0;
  {
    TimerWin32 timer;
    timer.SetCallback([&] { ++ticks; });
    timer.SetInterval(1);
    ::Sleep(30);  // let a WM_TIMER become due before the timer goes
  }
  PumpUntil([] { return false; }, 200);
  EXPECT_EQ(ticks, 0);
}

}  // namespace
}  // namespace hanaroku::win32
