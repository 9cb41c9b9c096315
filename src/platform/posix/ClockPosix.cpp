#include <sys/time.h>
#include <time.h>

#include <cstdio>

#include "platform/Clock.h"

namespace hanaroku {
namespace {

TimeOfDay FromTm(const struct tm& t, long usec) {
  TimeOfDay d;
  d.year = t.tm_year + 1900;
  d.month = t.tm_mon + 1;
  d.day = t.tm_mday;
  d.dayOfWeek = t.tm_wday;
  d.hour = t.tm_hour;
  d.minute = t.tm_min;
  d.second = t.tm_sec;
  d.millisecond = static_cast<int>(usec / 1000);
  return d;
}

class PosixClock final : public IClock {
  static TimeOfDay Now(struct tm* (*split)(const time_t*, struct tm*)) {
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    struct tm t;
    split(&tv.tv_sec, &t);
    return FromTm(t, tv.tv_usec);
  }

 public:
  TimeOfDay UtcNow() const override { return Now(gmtime_r); }
  TimeOfDay LocalNow() const override { return Now(localtime_r); }
  std::uint32_t TickMs() const override {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<std::uint32_t>(static_cast<unsigned long long>(ts.tv_sec) * 1000ull + ts.tv_nsec / 1000000);
  }
};

}  // namespace

IClock& SystemClock() {
  static PosixClock clock;
  return clock;
}

}  // namespace hanaroku

namespace hanaroku {

// The formats of a Japanese locale.
std::string ShortDateText(const TimeOfDay& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%04d/%02d/%02d", t.year, t.month, t.day);
  return buf;
}

std::string LongTimeText(const TimeOfDay& t) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%d:%02d:%02d", t.hour, t.minute, t.second);
  return buf;
}

}  // namespace hanaroku
