// Time of day and the millisecond tick from the system.
#include <windows.h>

#include "platform/Clock.h"
#include "platform/Encoding.h"

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

SYSTEMTIME ToSystemTime(const TimeOfDay& t) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.year);
  st.wMonth = static_cast<WORD>(t.month);
  st.wDay = static_cast<WORD>(t.day);
  st.wDayOfWeek = static_cast<WORD>(t.dayOfWeek);
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  st.wMilliseconds = static_cast<WORD>(t.millisecond);
  return st;
}

std::string ToUtf8(const wchar_t* text) {
  std::u16string s;
  for (; *text; ++text) s.push_back(static_cast<char16_t>(*text));
  return enc::Utf16ToUtf8(s);
}

}  // namespace

std::string ShortDateText(const TimeOfDay& t) {
  const SYSTEMTIME st = ToSystemTime(t);
  wchar_t buf[128] = {};
  if (!::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, buf, 128)) return {};
  return ToUtf8(buf);
}

std::string LongTimeText(const TimeOfDay& t) {
  const SYSTEMTIME st = ToSystemTime(t);
  wchar_t buf[128] = {};
  if (!::GetTimeFormatW(LOCALE_USER_DEFAULT, 0, &st, nullptr, buf, 128)) return {};
  return ToUtf8(buf);
}

IClock& SystemClock() {
  static Win32Clock clock;
  return clock;
}

}  // namespace hanaroku
