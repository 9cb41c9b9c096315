#pragma once
// A clock whose millisecond tick the test sets.
#include <cstdint>

#include "platform/Clock.h"

namespace hanaroku {

class FakeTick final : public IClock {
 public:
  TimeOfDay UtcNow() const override { return {}; }
  TimeOfDay LocalNow() const override { return {}; }
  std::uint32_t TickMs() const override { return tick; }
  std::uint32_t tick = 0;
};

}  // namespace hanaroku
