// Time of day and the millisecond tick from the system.
#include <windows.h>

#include "platform/Clock.h"

namespace hanaroku {
namespace {

TimeOfDay FromSystemTime(const SYSTEMTIME& st) {
  TimeOfDay d;
  d.year = st.wYear;
  d.month = st.wMonth;
  d.day = st.wDay;
  d.dayOfWeek = st.wDayOfWeek;
  d.hour = st.wHour;
  d.minute = st.wMinute;
  d.second = st.wSecond;
  d.millisecond = st.wMilliseconds;
  return d;
}

class Win32Clock final : public IClock {
 public:
  TimeOfDay UtcNow() const override {
    SYSTEMTIME st;
    ::GetSystemTime(&st);
    return FromSystemTime(st);
  }
  TimeOfDay LocalNow() const override {
    SYSTEMTIME st;
    ::GetLocalTime(&st);
    return FromSystemTime(st);
  }
  std::uint32_t TickMs() const override { return ::timeGetTime(); }
};

}  // namespace

IClock& SystemClock() {
  static Win32Clock clock;
  return clock;
}

}  // namespace hanaroku
