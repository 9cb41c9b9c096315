#include "platform/LocaleWords.h"

#include <array>

namespace hanaroku {
namespace {

struct EraStart {
  int year, month, day;
  const char* name;
};

// The start dates as the Japanese calendar of Windows has them.
constexpr std::array<EraStart, 5> kEras{{
    {1868, 1, 1, "明治"},
    {1912, 7, 30, "大正"},
    {1926, 12, 25, "昭和"},
    {1989, 1, 8, "平成"},
    {2019, 5, 1, "令和"},
}};

constexpr std::array<const char*, 7> kDays{"日", "月", "火", "水", "木", "金", "土"};

bool OnOrAfter(int year, int month, int day, const EraStart& e) noexcept {
  if (year != e.year) return year > e.year;
  if (month != e.month) return month > e.month;
  return day >= e.day;
}

class TableWords final : public ILocaleWords {
 public:
  std::string AmPm(bool afternoon) const override { return afternoon ? "午後" : "午前"; }
  std::string DayName(int dayOfWeek, bool abbreviated) const override {
    if (dayOfWeek < 0 || dayOfWeek > 6) return {};
    std::string name = kDays[static_cast<std::size_t>(dayOfWeek)];
    return abbreviated ? name : name + "曜日";
  }
  std::string MonthName(int month, bool) const override {
    if (month < 1 || month > 12) return {};
    return std::to_string(month) + "月";
  }
  EraYear Era(int year, int month, int day) const override {
    for (auto it = kEras.rbegin(); it != kEras.rend(); ++it)
      if (OnOrAfter(year, month, day, *it)) return {it->name, year - it->year + 1};
    return {"", year};
  }
};

}  // namespace

const ILocaleWords& JapaneseWords() {
  static const TableWords words;
  return words;
}

}  // namespace hanaroku
