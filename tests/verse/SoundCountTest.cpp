// The sound count of verse: kana, small kana, ruby readings, phrases and the
// fit against 5-7-5 and 5-7-5-7-7.
#include <gtest/gtest.h>

#include <string>

#include "platform/Encoding.h"
#include "verse/SoundCount.h"

namespace hanaroku::verse {
namespace {

std::string Phrases(const char* utf8) { return FormatPhrases(CountLine(enc::Utf8ToUtf16(utf8))); }
std::string Line(const char* utf8) { return Summary({CountLine(enc::Utf8ToUtf16(utf8))}); }

TEST(SoundCount, KanaVerseInItsPatterns) {
  EXPECT_EQ(Line("ふるいけや　かはづとびこむ　みづのおと"), "5・7・5");
  EXPECT_EQ(Line("あきのたの かりほのいほの とまをあらみ わがころもでは つゆにぬれつつ"), "5・7・6・7・7 字余り");
  EXPECT_EQ(Line("はるすぎて なつきにけらし しろたへの ころもほすてふ あまのかぐやま"), "5・7・5・7・7");
  // The Hundred Poets' fourth: 「うちいでてみれば」 is a phrase of eight.
  const LineCount tago = CountLine(enc::Utf8ToUtf16("たごのうらに　うちいでてみれば　しろたへの　ふじのたかねに　ゆきはふりつつ"));
  EXPECT_EQ(FormatPhrases(tago), "6・8・5・7・7");
  EXPECT_EQ(tago.total, 33);
  EXPECT_EQ(tago.patternTotal, 31);
  EXPECT_EQ(FitWord(tago), "字余り");
  EXPECT_EQ(Line("ふるいけ　かはづとびこむ　みづのおと"), "4・7・5 字足らず");
  // Historical kana count as written.
  EXPECT_EQ(Phrases("ゐなかのゑ"), "5");
}

TEST(SoundCount, SmallKanaCountNothingButTheSokuonNAndTheLongMarkCountOne) {
  EXPECT_EQ(Phrases("きゃっきゅう"), "4");
  EXPECT_EQ(Phrases("ちょうちょう"), "4");
  EXPECT_EQ(Phrases("くゎんおん"), "4");
  EXPECT_EQ(Phrases("ヴァイオリン"), "5");
  EXPECT_EQ(Phrases("ラーメン"), "4");
  EXPECT_EQ(Phrases("ｷｬｯﾄｰ"), "4");
  EXPECT_EQ(Phrases("いすゞ"), "3");  // the repeat mark reads a kana again
}

TEST(SoundCount, PunctuationAndSymbolsCountNothingAndBlanksSeparatePhrases) {
  EXPECT_EQ(Phrases("はるすぎて、なつきにけらし。"), "12");
  EXPECT_EQ(Phrases("  はる\t\tなつ　　あき "), "2・2・2");
  EXPECT_EQ(Phrases("はる 、 なつ"), "2・2");  // a phrase of nothing countable is left out
  EXPECT_EQ(Line(""), "0音");
  EXPECT_EQ(Line("「」…"), "0音");
}

TEST(SoundCount, RubyReadingsAreCountedInsteadOfTheirBase) {
  EXPECT_EQ(Line("｜古池《ふるいけ》や　蛙《かはづ》飛《と》び込《こ》む　水《みづ》の音《おと》"), "5・7・5");
  // Without the bar the reading takes the run of kanji just before it.
  EXPECT_EQ(Phrases("春《はる》過《す》ぎて夏来《なつき》にけらし"), "12");
  EXPECT_EQ(Phrases("白妙《しろたへ》の"), "5");
  // The bar can take kana and symbols into the base.
  EXPECT_EQ(Phrases("｜天の香具山《あまのかぐやま》"), "7");
  // A reading after kana has no base: the kana are read as written.
  EXPECT_EQ(Phrases("はる《はる》"), "2");
  // Letters and digits are read through ruby too.
  EXPECT_EQ(Phrases("AI《えーあい》"), "4");
  // A reading of kanji outside the basic plane.
  EXPECT_EQ(Phrases("𠮷《よし》野《の》"), "3");
}

TEST(SoundCount, KanjiWithoutAReadingMakeThePhraseUncertain) {
  const LineCount l = CountLine(enc::Utf8ToUtf16("古池や　蛙飛び込む　水の音"));
  EXPECT_EQ(FormatPhrases(l), "3?・5?・3?");  // each kanji read as one mora at least
  EXPECT_TRUE(l.uncertain);
  EXPECT_EQ(l.fit, Fit::Exact);  // short only on paper: the readings may make it up
  // Lower bounds beyond the pattern are too long whatever the readings.
  EXPECT_EQ(FitWord(CountLine(enc::Utf8ToUtf16("春夏秋冬春夏秋冬春夏　秋冬春夏秋冬春夏秋冬　春夏秋冬春"))), "字余り");
  EXPECT_EQ(Phrases("𠮷野"), "2?");
  EXPECT_EQ(Phrases("々"), "1?");
  EXPECT_EQ(Phrases("2026ねん"), "6?");
}

TEST(SoundCount, BrokenRubySurvives) {
  EXPECT_EQ(Phrases("花《はな"), "3?");     // no closing mark: read as written
  EXPECT_EQ(Phrases("花》はな"), "3?");
  EXPECT_EQ(Phrases("｜《》"), "");        // an empty reading of an empty base
  EXPECT_EQ(Phrases("花《》"), "");        // an empty reading reads nothing
  EXPECT_EQ(Phrases("花《は な》"), "2");  // blanks inside a reading split nothing
  std::u16string opens(200000, u'\x300A');  // every open mark without a close, in one pass
  EXPECT_EQ(FormatPhrases(CountLine(u"花" + opens + u"な")), "2?");
  std::u16string lone = {u'は', 0xD800, u'な', 0xDC00};  // unpaired surrogate halves count nothing
  EXPECT_EQ(FormatPhrases(CountLine(lone)), "2");
}

TEST(SoundCount, LinesOfATextAndTheirSummary) {
  const auto lines = CountLines(enc::Utf8ToUtf16("ふるいけや　かはづとびこむ　みづのおと\r\n\r\nなつくさや\nつはものどもが\rゆめのあと\r\n"));
  ASSERT_EQ(lines.size(), 5u);  // no line after the final break
  EXPECT_EQ(FormatPhrases(lines[0]), "5・7・5");
  EXPECT_TRUE(lines[1].phrases.empty());
  EXPECT_EQ(FormatPhrases(lines[3]), "7");
  EXPECT_EQ(Summary(lines), "4行 計34音");
  EXPECT_EQ(Summary(CountLines(u"はる\n古\n")), "2行 計3?音");
  EXPECT_EQ(Summary(CountLines(u"\n\nはるのの\n")), "4 字足らず");  // one counted line shows its phrases
  EXPECT_TRUE(CountLines(u"").empty());
}

}  // namespace
}  // namespace hanaroku::verse
