// The Japanese locale's words as the platform gives them (or the table where
// it gives nothing), and the clock's styles formatted with them.
#include <gtest/gtest.h>

#include "controls/ClockLabel.h"
#include "controls/ClockLabelFormat.h"
#include "platform/LocaleWords.h"

namespace hanaroku {
namespace {

TEST(LocaleWordsWin32, JapaneseWords) {
  const ILocaleWords& w = SystemLocaleWords();
  EXPECT_EQ(w.AmPm(false), "午前");
  EXPECT_EQ(w.AmPm(true), "午後");
  EXPECT_EQ(w.DayName(0, true), "日");
  EXPECT_EQ(w.DayName(2, false), "火曜日");
  EXPECT_EQ(w.DayName(6, true), "土");
  EXPECT_EQ(w.DayName(7, true), "");
  EXPECT_EQ(w.MonthName(3, false), "3月");
  EXPECT_EQ(w.MonthName(13, false), "");
  EXPECT_EQ(w.Era(2025, 3, 4), (EraYear{"令和", 7}));
  EXPECT_EQ(w.Era(2019, 4, 30), (EraYear{"平成", 31}));
  EXPECT_EQ(w.Era(1989, 1, 7), (EraYear{"昭和", 64}));
  EXPECT_EQ(w.Era(0, 0, 0).name, "");
}

TEST(LocaleWordsWin32, StylesWithThePlatformWords) {
  TimeOfDay t{2025, 3, 4, 2, 15, 25, 7, 0};
  const ILocaleWords& w = SystemLocaleWords();
  EXPECT_EQ(FormatDateTime(TClockLabel::StyleFormat(TTimeStyle::ts12HoursJ), t, w), "午後03時25分07秒");
  EXPECT_EQ(FormatDateTime(TClockLabel::DateStyleFormat(TDateStyle::dsGengoW), t, w), "令和7年3月4日(火)");
}

}  // namespace
}  // namespace hanaroku
