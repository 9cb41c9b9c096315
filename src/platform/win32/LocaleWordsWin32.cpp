// The Japanese locale's words from the platform's date formatting, each
// falling back to the program's table where the platform gives nothing (a
// system without the Japanese calendar, as Wine is).
#include "platform/win32/Win32Util.h"

#include <array>
#include <cwchar>

#include "platform/LocaleWords.h"

namespace hanaroku {
namespace {

constexpr wchar_t kJapanese[] = L"ja-JP";

std::string LocaleText(LCTYPE type) {
  wchar_t buf[80] = {};
  if (::GetLocaleInfoEx(kJapanese, type, buf, static_cast<int>(std::size(buf))) <= 0) return {};
  return win32::Narrow(buf);
}

// The date in the locale's alternate (Japanese era) calendar, by a format
// picture; empty when the platform cannot.
std::wstring AltCalendarText(const SYSTEMTIME& st, const wchar_t* picture) {
  wchar_t buf[40] = {};
  if (::GetDateFormatEx(kJapanese, DATE_USE_ALT_CALENDAR, &st, picture, buf, static_cast<int>(std::size(buf)),
                        nullptr) <= 0)
    return {};
  return buf;
}

class Win32Words final : public ILocaleWords {
 public:
  Win32Words() {
    const ILocaleWords& table = JapaneseWords();
    am_ = Or(LocaleText(LOCALE_S1159), table.AmPm(false));
    pm_ = Or(LocaleText(LOCALE_S2359), table.AmPm(true));
    // The platform counts its day names from Monday.
    for (int d = 0; d < 7; ++d) {
      int fromMonday = (d + 6) % 7;
      days_[d] = Or(LocaleText(LOCALE_SDAYNAME1 + fromMonday), table.DayName(d, false));
      shortDays_[d] = Or(LocaleText(LOCALE_SABBREVDAYNAME1 + fromMonday), table.DayName(d, true));
    }
    for (int m = 0; m < 12; ++m) {
      months_[m] = Or(LocaleText(LOCALE_SMONTHNAME1 + m), table.MonthName(m + 1, false));
      shortMonths_[m] = Or(LocaleText(LOCALE_SABBREVMONTHNAME1 + m), table.MonthName(m + 1, true));
    }
  }

  std::string AmPm(bool afternoon) const override { return afternoon ? pm_ : am_; }
  std::string DayName(int dayOfWeek, bool abbreviated) const override {
    if (dayOfWeek < 0 || dayOfWeek > 6) return {};
    return (abbreviated ? shortDays_ : days_)[static_cast<std::size_t>(dayOfWeek)];
  }
  std::string MonthName(int month, bool abbreviated) const override {
    if (month < 1 || month > 12) return {};
    return (abbreviated ? shortMonths_ : months_)[static_cast<std::size_t>(month - 1)];
  }
  EraYear Era(int year, int month, int day) const override {
    EraYear table = JapaneseWords().Era(year, month, day);
    if (year < 1601 || year > 30827 || month < 1 || month > 12 || day < 1 || day > 31) return table;
    SYSTEMTIME st{};
    st.wYear = static_cast<WORD>(year);
    st.wMonth = static_cast<WORD>(month);
    st.wDay = static_cast<WORD>(day);
    std::wstring name = AltCalendarText(st, L"gg");
    std::wstring eraYear = AltCalendarText(st, L"yyyy");
    // Without the era calendar the platform gives the Gregorian year back.
    int n = eraYear.empty() ? 0 : static_cast<int>(std::wcstol(eraYear.c_str(), nullptr, 10));
    if (name.empty() || n <= 0 || n >= year) return table;
    return {win32::Narrow(name), n};
  }

 private:
  static std::string Or(std::string text, std::string fallback) { return text.empty() ? fallback : text; }

  std::string am_, pm_;
  std::array<std::string, 7> days_, shortDays_;
  std::array<std::string, 12> months_, shortMonths_;
};

}  // namespace

const ILocaleWords& SystemLocaleWords() {
  static const Win32Words words;
  return words;
}

}  // namespace hanaroku
