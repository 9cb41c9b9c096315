#pragma once
// Clock port: time of day and the millisecond tick.
#include <cstdint>
#include <string>

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

// A date and a time in the formats of the user's locale (UTF-8): the short
// date format ("2001/01/01" in Japan) and the long time format ("9:05:03").
std::string ShortDateText(const TimeOfDay& t);
std::string LongTimeText(const TimeOfDay& t);

}  // namespace hanaroku
