#pragma once
// The Japanese locale's words of date and time formatting: the morning and
// afternoon words, weekday and month names and the era (gengō) of a date.
// On Windows they come from the platform's formatting for the Japanese
// locale; natively, and wherever the platform gives nothing, from the
// program's own table. Texts are UTF-8.
#include <string>

namespace hanaroku {

// An era name with the year counted in it. Before the first era in the
// table the name is empty and the year is the Gregorian one.
struct EraYear {
  std::string name;
  int year = 0;
  bool operator==(const EraYear&) const = default;
};

class ILocaleWords {
 public:
  virtual ~ILocaleWords() = default;
  // "午前" / "午後".
  virtual std::string AmPm(bool afternoon) const = 0;
  // dayOfWeek 0 = Sunday: "日" / "日曜日"; out of range: empty.
  virtual std::string DayName(int dayOfWeek, bool abbreviated) const = 0;
  // month 1..12: "1月" (both forms in Japanese); out of range: empty.
  virtual std::string MonthName(int month, bool abbreviated) const = 0;
  virtual EraYear Era(int year, int month, int day) const = 0;
};

// The program's own table (eras from 明治, 1868-01-01, to 令和, 2019-05-01).
const ILocaleWords& JapaneseWords();

// The platform's words (Windows: the Japanese locale's; elsewhere the table).
const ILocaleWords& SystemLocaleWords();

}  // namespace hanaroku
