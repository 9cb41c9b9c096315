// Line and character counts of the panes, the dates in kanji and in the
// system's form, and the blank symbol.
#include <gtest/gtest.h>

#include "app/MainFormFixture.h"

namespace hanaroku {
namespace {

using namespace testing;

class Counts : public MainForm {
 protected:
  const std::string& Panel(int i) { return form.StatusBar1.Panels[static_cast<std::size_t>(i)].text; }
  TRichEditSx& right() { return form.RichEditNx1; }
};

TimeOfDay Date(int y, int m, int d) {
  TimeOfDay t;
  t.year = y;
  t.month = m;
  t.day = d;
  return t;
}

TEST(KanjiDate, WritesTensAndUnits) {
  EXPECT_EQ(KanjiDate(Date(2001, 1, 1)), "二千一年一月一日");
  EXPECT_EQ(KanjiDate(Date(2023, 10, 31)), "二千二十三年十月三十一日");
  EXPECT_EQ(KanjiDate(Date(2005, 12, 20)), "二千五年十二月二十日");
  EXPECT_EQ(KanjiDate(Date(2000, 11, 10)), "二千年十一月十日");
  EXPECT_EQ(KanjiDate(Date(2010, 2, 9)), "二千十年二月九日");
  // Only the two-digit year follows "二千".
  EXPECT_EQ(KanjiDate(Date(1999, 3, 3)), "二千九十九年三月三日");
}

TEST_F(Counts, CountsLinesAndCharacters) {
  right().SetText(S("ひさかたのひかりのどけきはるのひにしづごころなくはなのちるらむ"));
  form.Execute(Command::ShineSpeedButton34Click);
  EXPECT_EQ(Panel(1), "1行");
  EXPECT_EQ(Panel(2), "31字");
  form.RichEditNx2.SetText(S("はな") + "\r\nab\r\n");
  form.Execute(Command::ShineSpeedButton33Click);
  EXPECT_EQ(Panel(1), "2行");
  EXPECT_EQ(Panel(2), "4字");
  // A blank line counts as a line without characters; a full-width blank is one.
  right().SetText(S("月\r\n\r\n　星"));
  form.Execute(Command::ShineSpeedButton34Click);
  EXPECT_EQ(Panel(1), "3行");
  EXPECT_EQ(Panel(2), "3字");
  right().ClearAll();
  form.Execute(Command::ShineSpeedButton34Click);
  EXPECT_EQ(Panel(1), "0行");
  EXPECT_EQ(Panel(2), "0字");
}

TEST_F(Counts, AWrappedLineCountsAsItsDisplayLines) {
  FixedMeasurer measurer{16, 20};
  right().SetMeasurer(&measurer);
  right().SetVertical(false);
  right().SetClientSize(10 * 16 + 2, 200);  // ten characters a line
  std::string line;
  for (int i = 0; i < 30; ++i) line += S("波");
  right().SetText(line);
  form.Execute(Command::ShineSpeedButton34Click);
  EXPECT_EQ(Panel(1), "3行");
  EXPECT_EQ(Panel(2), "30字");
  form.Execute(Command::WordWrapClick);
  form.Execute(Command::ShineSpeedButton34Click);
  EXPECT_EQ(Panel(1), "1行");
  right().SetMeasurer(nullptr);
}

TEST_F(Counts, TheKanjiDateInVerticalWritingReplacesTheSelection) {
  clock.local = Date(2001, 1, 1);
  right().SetText(S("今日は○です"));
  right().Select(6, 2);
  ASSERT_TRUE(right().Vertical());
  form.Execute(Command::HidukeClick);
  EXPECT_EQ(right().Text(), S("今日は二千一年一月一日です"));
  EXPECT_EQ(Panel(3), "1行22列");
  EXPECT_TRUE(form.RichEditNx2.Text().empty());
}

TEST_F(Counts, InHorizontalWritingTheDatesAreTheSystemsForms) {
  clock.local = Date(2023, 10, 31);
  clock.local.hour = 9;
  clock.local.minute = 5;
  clock.local.second = 3;
  form.Execute(Command::VHClick);
  ASSERT_FALSE(right().Vertical());
  form.Execute(Command::HidukeClick);
  EXPECT_EQ(right().Text(), S(ShortDateText(clock.local)));
  right().SelectAll();
  form.Execute(Command::diaryClick);
  EXPECT_EQ(right().Text(), S(ShortDateText(clock.local) + " " + LongTimeText(clock.local)));
  EXPECT_NE(right().Text().find("2023"), std::string::npos);
}

TEST_F(Counts, TheBlankSymbolIsALineOfItsOwn) {
  right().SetText(S("上下"));
  right().SetSelStart(2);
  form.Execute(Command::kuhaku1Click);
  EXPECT_EQ(right().Text(), S("上＠＃＆％！\r\n下"));
  EXPECT_EQ(Panel(3), "2行0列");
}

}  // namespace
}  // namespace hanaroku
