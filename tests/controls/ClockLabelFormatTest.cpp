// The date-time formatting of the clock's styles, the era table and the
// platform-free locale words.
#include "controls/ClockLabelFormat.h"

#include <gtest/gtest.h>

#include <random>

#include "controls/ClockLabel.h"
#include "platform/LocaleWords.h"

namespace hanaroku {
namespace {

TimeOfDay At(int hour, int minute, int second, int ms = 0) {
  TimeOfDay t{2025, 3, 4, 2};  // a Tuesday
  t.hour = hour;
  t.minute = minute;
  t.second = second;
  t.millisecond = ms;
  return t;
}

TimeOfDay OnDate(int year, int month, int day, int dayOfWeek = 0) { return {year, month, day, dayOfWeek}; }

std::string Fmt(std::string_view f, const TimeOfDay& t) { return FormatDateTime(f, t, JapaneseWords()); }
std::string Style(TTimeStyle s, const TimeOfDay& t) { return Fmt(TClockLabel::StyleFormat(s), t); }
std::string Date(TDateStyle s, const TimeOfDay& t) { return Fmt(TClockLabel::DateStyleFormat(s), t); }

TEST(ClockFormat, TwelveHourStyleShowsTheMarkerFirstAndTwoDigitFields) {
  EXPECT_EQ(Style(TTimeStyle::ts12Hours, At(15, 25, 7)), "PM 03:25:07");
  EXPECT_EQ(Style(TTimeStyle::ts12Hours, At(0, 5, 9)), "AM 12:05:09");
  EXPECT_EQ(Style(TTimeStyle::ts12Hours, At(12, 0, 0)), "PM 12:00:00");
  EXPECT_EQ(Style(TTimeStyle::ts12Hours, At(11, 59, 59)), "AM 11:59:59");
  EXPECT_EQ(Style(TTimeStyle::ts12HoursJ, At(15, 25, 7)), "午後03時25分07秒");
  EXPECT_EQ(Style(TTimeStyle::ts12HoursJ, At(9, 1, 2)), "午前09時01分02秒");
}

TEST(ClockFormat, TwentyFourHourStyles) {
  EXPECT_EQ(Style(TTimeStyle::ts24Hours, At(15, 25, 7)), "15:25:07");
  EXPECT_EQ(Style(TTimeStyle::ts24Hours, At(0, 0, 0)), "00:00:00");
  EXPECT_EQ(Style(TTimeStyle::ts24HoursJ, At(15, 25, 7)), "15時 25分 07秒");
}

TEST(ClockFormat, DateStylesWithWeekdayAndEra) {
  const TimeOfDay t = OnDate(2025, 3, 4, 2);
  EXPECT_EQ(Date(TDateStyle::dsShort, t), "25/03/04");
  EXPECT_EQ(Date(TDateStyle::dsJap, t), "2025年3月4日");
  EXPECT_EQ(Date(TDateStyle::dsJapW, t), "2025年3月4日(火)");
  EXPECT_EQ(Date(TDateStyle::dsGengo, t), "令和7年3月4日");
  EXPECT_EQ(Date(TDateStyle::dsGengoW, t), "令和7年3月4日(火)");
  EXPECT_EQ(Date(TDateStyle::dsGengoW, OnDate(1989, 1, 7, 6)), "昭和64年1月7日(土)");
}

TEST(ClockFormat, ErasChangeOnTheirFirstDay) {
  const ILocaleWords& w = JapaneseWords();
  EXPECT_EQ(w.Era(2019, 4, 30), (EraYear{"平成", 31}));
  EXPECT_EQ(w.Era(2019, 5, 1), (EraYear{"令和", 1}));
  EXPECT_EQ(w.Era(1989, 1, 8), (EraYear{"平成", 1}));
  EXPECT_EQ(w.Era(1926, 12, 24), (EraYear{"大正", 15}));
  EXPECT_EQ(w.Era(1912, 7, 30), (EraYear{"大正", 1}));
  EXPECT_EQ(w.Era(1868, 1, 1), (EraYear{"明治", 1}));
  // Before the first era: no name, the Gregorian year.
  EXPECT_EQ(w.Era(1867, 12, 31), (EraYear{"", 1867}));
  EXPECT_EQ(Fmt("g/gg/ee", OnDate(2020, 1, 1)), "令/令和/02");
}

TEST(ClockFormat, MinutesAfterAnHourAndMonthsElsewhere) {
  const TimeOfDay t = At(8, 7, 6, 5);
  EXPECT_EQ(Fmt("h:m", t), "8:7");
  EXPECT_EQ(Fmt("hh:mm:ss.zzz", t), "08:07:06.005");
  EXPECT_EQ(Fmt("yyyy/m/d mm", t), "2025/3/4 03");
  EXPECT_EQ(Fmt("mmm mmmm", t), "3月 3月");
  EXPECT_EQ(Fmt("ddd dddd aaa aaaa", t), "火 火曜日 火 火曜日");
  EXPECT_EQ(Fmt("ddddd|dddddd", t), "2025/03/04|2025年3月4日");
  EXPECT_EQ(Fmt("t|tt", t), "8:07|8:07:06");
  EXPECT_EQ(Fmt("c", t), "2025/03/04 8:07:06");
  EXPECT_EQ(Fmt("c", At(0, 0, 0)), "2025/03/04");
}

TEST(ClockFormat, MarkersAfterTheHourQuotesAndLiterals) {
  const TimeOfDay t = At(15, 5, 0);
  EXPECT_EQ(Fmt("h a/p", t), "3 p");
  EXPECT_EQ(Fmt("h A/P", At(1, 0, 0)), "1 A");
  EXPECT_EQ(Fmt("hh am/pm", t), "03 pm");
  EXPECT_EQ(Fmt("hhampm", t), "03午後");
  // A quoted marker is text and leaves the hour on 24 hours.
  EXPECT_EQ(Fmt("hh \"AM/PM\"", t), "15 AM/PM");
  // The scan stops at the next hour: only the second hour is on 12 hours.
  EXPECT_EQ(Fmt("hh hh AM/PM", t), "15 03 PM");
  EXPECT_EQ(Fmt("'it''s' hh", t), "its 15");
  EXPECT_EQ(Fmt("\"unclosed", t), "unclosed");
  EXPECT_EQ(Fmt("x-b#", t), "x-b#");
  EXPECT_EQ(Fmt("時刻hh", t), "時刻15");
  EXPECT_EQ(Fmt("", t), "");
}

TEST(ClockFormat, SurvivesAnyFormatAndAnyTime) {
  std::mt19937 rng(7);
  const std::string alphabet = "ymdhnsztcgeaAMPp/:\"' 年\xff\x80";
  for (int i = 0; i < 2000; ++i) {
    std::string f;
    int n = static_cast<int>(rng() % 24);
    for (int k = 0; k < n; ++k) f += alphabet[rng() % alphabet.size()];
    TimeOfDay t{static_cast<int>(rng() % 40000) - 100, static_cast<int>(rng() % 20) - 3,
                static_cast<int>(rng() % 40) - 3, static_cast<int>(rng() % 12) - 2,
                static_cast<int>(rng() % 30) - 2, static_cast<int>(rng() % 70), static_cast<int>(rng() % 70),
                static_cast<int>(rng() % 1100)};
    (void)Fmt(f, t);
  }
  // The clock port's empty time (a fake clock) formats too.
  EXPECT_EQ(Style(TTimeStyle::ts12Hours, TimeOfDay{}), "AM 12:00:00");
  EXPECT_EQ(Date(TDateStyle::dsGengoW, TimeOfDay{}), "0年0月0日(日)");
}

}  // namespace
}  // namespace hanaroku
