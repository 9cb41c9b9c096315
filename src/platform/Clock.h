#pragma once
// Clock port: time of day and the millisecond tick.
#include <cstdint>

namespace hanaroku {

struct TimeOfDay {
  int year = 0, month = 0, day = 0, dayOfWeek = 0;  // dayOfWeek 0 = Sunday
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class IClock {
 public:
  virtual ~IClock() = default;
  virtual TimeOfDay UtcNow() const = 0;
  virtual TimeOfDay LocalNow() const = 0;
  virtual std::uint32_t TickMs() const = 0;  // wraps at 2^32
};

IClock& SystemClock();

}  // namespace hanaroku
