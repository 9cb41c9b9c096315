#pragma once
// A timer that ticks when a test calls tick().
#include <functional>

#include "platform/Timer.h"

namespace hanaroku::test {

struct FakeTimer final : ITimer {
  unsigned interval = 0;
  std::function<void()> tick;
  void SetInterval(unsigned ms) override { interval = ms; }
  unsigned Interval() const override { return interval; }
  void SetCallback(std::function<void()> t) override { tick = std::move(t); }
};

}  // namespace hanaroku::test
