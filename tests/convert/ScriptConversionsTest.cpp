#include "convert/ScriptConversions.h"

#include <gtest/gtest.h>

#include <map>
#include <stdexcept>

#include "controls/RichEditColors.h"
#include "controls/RichEditSx.h"
#include "controls/RichEditTestSupport.h"
#include "controls/StopWatch.h"
#include "convert/ReplaceEngine.h"
#include "platform/Clock.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using testing::CountingView;
using testing::S;

std::string U(const std::string& sjis) { return enc::SjisToUtf8(sjis); }

// UTC time of day from a millisecond counter that advances by `step` at
// every reading; the tick moves 7 ms per reading.
class FakeClock final : public IClock {
 public:
  TimeOfDay UtcNow() const override {
    TimeOfDay t;
    t.hour = static_cast<int>(ms / 3600000 % 24);
    t.minute = static_cast<int>(ms / 60000 % 60);
    t.second = static_cast<int>(ms / 1000 % 60);
    t.millisecond = static_cast<int>(ms % 1000);
    ms += step;
    ++readings;
    return t;
  }
  TimeOfDay LocalNow() const override { return UtcNow(); }
  std::uint32_t TickMs() const override { return tick += 7; }
  mutable std::uint64_t ms = 0;
  std::uint64_t step = 1;
  mutable int readings = 0;
  mutable std::uint32_t tick = 0;
};

class FakeCursor final : public IBusyCursor {
 public:
  void Begin() override { ++depth; }
  void End() override {
    --depth;
    ++ends;
  }
  int depth = 0, ends = 0;
};

struct Fixture {
  TRichEditSx left, right;
  FakeClock clock;
  TStopWatch watch{clock};
  FakeCursor cursor;
  std::map<int, std::string> panels;
  int updatingWhenPanel1 = -1;
  LongCommandEnv env{watch, cursor, [this](int i, const std::string& s) {
                       panels[i] = s;
                       if (i == 1) updatingWhenPanel1 = left.Lines().Updating();
                     }};
  TScriptConversions conv{left, env, clock};
};

// The candidates of a man'yōgana group, as UTF-16 characters.
std::u16string GroupOf(const char* kana) {
  for (const CandidateGroup& g : ManyoganaGroups())
    if (g.kana == S(kana)) {
      std::u16string out;
      for (const std::string& c : g.candidates) out += enc::SjisToUtf16(c);
      return out;
    }
  return {};
}

bool In(char16_t c, const std::u16string& set) { return set.find(c) != std::u16string::npos; }

// The man'yōgana of `kana` repeated `times` times, as UTF-16.
std::u16string ConvertRepeated(Fixture& f, const char* kana, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += S(kana);
  f.left.SetText(text);
  f.conv.ShineSpeedButton21Click();
  return enc::SjisToUtf16(f.left.Text());
}

TEST(ScriptConversions, KanaConversionsFollowTheirTables) {
  Fixture f;
  f.right.SetText(S("アイウ"));
  f.left.SetText(S("ヰヱヴパヵヶアー々ゝｱ漢a"));
  f.conv.KatakanaButton1Click();
  EXPECT_EQ(U(f.left.Text()), "いえぶはかけあー々ゝｱ漢a");
  f.conv.HiraganaButton1Click();
  EXPECT_EQ(U(f.left.Text()), "イエブハカケアー々ゝｱ漢a");
  f.left.SetText(S("ゐゑぱぴぷぺぽかっゎ"));
  f.conv.HiraganaButton1Click();
  EXPECT_EQ(U(f.left.Text()), "イエパピプペポカッヮ");
  f.conv.KatakanaButton1Click();
  EXPECT_EQ(U(f.left.Text()), "いえはひふへほかっゎ");
  f.left.SetText(S("バパヴブプソゾァアッツヶケー"));
  f.conv.KatakanaButton2Click();
  EXPECT_EQ(U(f.left.Text()), "婆婆夫夫夫曾曾阿阿川川介介ー");
  EXPECT_EQ(U(f.right.Text()), "アイウ");
  // Only panel 1 is written, with the cursor back and redrawing resumed.
  EXPECT_EQ(f.cursor.depth, 0);
  EXPECT_EQ(f.cursor.ends, 5);
  EXPECT_FALSE(f.left.Lines().Updating());
  EXPECT_EQ(f.updatingWhenPanel1, 0);
  EXPECT_EQ(f.panels[1], "00:00:00:007");
  EXPECT_EQ(f.panels.count(2), 0u);
  EXPECT_EQ(f.panels.count(3), 0u);
}

TEST(ScriptConversions, KanaConversionOfAnEmptyOrConvertedPaneChangesNothing) {
  Fixture f;
  f.conv.KatakanaButton1Click();
  EXPECT_EQ(f.left.Text(), "");
  EXPECT_EQ(f.panels[1], "00:00:00:007");
  f.left.SetText(S("カタカナ"));
  f.left.Select(2, 2);
  f.conv.KatakanaButton1Click();
  f.left.Select(1, 4);
  f.left.SetModified(false);
  f.conv.KatakanaButton1Click();  // nothing left to convert
  EXPECT_EQ(U(f.left.Text()), "かたかな");
  EXPECT_EQ(f.left.SelStart(), 0);  // the selection stays as it was (widened to whole characters)
  EXPECT_EQ(f.left.SelLength(), 6);
  EXPECT_FALSE(f.left.Modified());
}

TEST(ScriptConversions, ManyoganaOfAnEmptyPane) {
  Fixture f;
  f.conv.ShineSpeedButton21Click();
  EXPECT_EQ(f.left.Text(), "");
  EXPECT_EQ(f.panels[1], "00:00:00:007");
  EXPECT_EQ(f.panels[2], "0字");
  EXPECT_EQ(f.panels[3], "0行");
}

TEST(ScriptConversions, ManyoganaConvertsEveryHiraganaAndLeavesTheRest) {
  Fixture f;
  f.right.SetText(S("あいう"));
  f.left.SetText(S("カーテンんきゃっぱぼぽ\r\nab々ゝ漢ｱ"));
  f.conv.ShineSpeedButton21Click();
  const std::u16string out = enc::SjisToUtf16(f.left.Text());
  ASSERT_EQ(out.size(), 19u) << U(f.left.Text());
  EXPECT_EQ(out[0], u'カ');
  EXPECT_TRUE(In(out[1], u"宇羽有卯得"));  // "ー" joins the "う" group
  EXPECT_EQ(out.substr(2, 2), u"テン");
  EXPECT_EQ(out[4], u'无');
  EXPECT_TRUE(In(out[5], GroupOf("き")));
  EXPECT_TRUE(In(out[6], GroupOf("や")));
  EXPECT_TRUE(In(out[7], GroupOf("つ")));
  EXPECT_TRUE(In(out[8], GroupOf("ば")));
  EXPECT_TRUE(In(out[9], u"煩菩番蕃"));
  EXPECT_TRUE(In(out[10], u"煩菩番蕃"));
  EXPECT_EQ(out.substr(11), u"\r\nab々ゝ漢ｱ");
  EXPECT_EQ(f.panels[2], "17字");
  EXPECT_EQ(f.panels[3], "2行");
  EXPECT_EQ(f.panels[1], "00:00:00:007");
  // The caret stands after the last replacement made: that of the "き"
  // group, the last group in the table that found anything.
  EXPECT_EQ(f.left.SelStart(), 12);
  EXPECT_EQ(f.left.SelLength(), 0);
  EXPECT_EQ(U(f.right.Text()), "あいう");
  EXPECT_EQ(f.cursor.depth, 0);
  EXPECT_FALSE(f.left.Lines().Updating());
  EXPECT_EQ(f.updatingWhenPanel1, 0);
  // A converted text holds no hiragana: converting again changes nothing,
  // and the selection stays.
  const std::string once = f.left.Text();
  f.left.Select(2, 2);
  f.conv.ShineSpeedButton21Click();
  EXPECT_EQ(f.left.Text(), once);
  EXPECT_EQ(f.left.SelStart(), 2);
  EXPECT_EQ(f.left.SelLength(), 2);
}

TEST(ScriptConversions, DrawsFollowTheSeedOfEachGroupInTextOrder) {
  // Every routine starts at 12:00:00.000 UTC: seed 43200000, which among
  // three candidates draws 1, 1, 2, 0, 1 ("あ": 阿 安 足).
  Fixture f;
  f.clock.ms = 43200000;
  f.clock.step = 0;
  f.left.SetText(S("あいあ\r\nああ、あ"));
  f.conv.ShineSpeedButton21Click();
  const std::u16string out = enc::SjisToUtf16(f.left.Text());
  EXPECT_EQ(out[0], u'安');
  EXPECT_EQ(out[2], u'安');
  EXPECT_EQ(out.substr(5, 2), u"足阿");
  EXPECT_EQ(out[8], u'安');
  ManRandom i6(43200000);  // "い": 6 candidates
  EXPECT_EQ(out[1], GroupOf("い")[i6.Next(6)]);
  // One clock reading per group, in table order.
  EXPECT_EQ(f.clock.readings, 67);
}

TEST(ScriptConversions, GroupsStartingInDifferentMillisecondsDrawDifferently) {
  // "な" is group 40, "ぎ" group 41: with the clock advancing 1 ms per
  // reading their seeds are 39 and 40.
  Fixture f;
  const std::u16string out = ConvertRepeated(f, "なぎ", 8);
  const std::u16string na = GroupOf("な"), gi = GroupOf("ぎ");
  ManRandom rNa(39), rGi(40);
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(out[2 * i], na[rNa.Next(10)]) << i;
    EXPECT_EQ(out[2 * i + 1], gi[rGi.Next(11)]) << i;
  }
}

TEST(ScriptConversions, WeightOfADoubledCandidateOverManyDraws) {
  Fixture f;
  std::map<char16_t, int> n;
  for (char16_t c : ConvertRepeated(f, "げろ", 6000)) ++n[c];
  EXPECT_EQ(n.size(), 11u + 14u);  // "下" and "路" stand twice in their lists
  EXPECT_GT(n[u'下'], 850);  // about 2/12 of 6000 = 1000
  EXPECT_LT(n[u'下'], 1150);
  EXPECT_GT(n[u'牙'], 400);  // about 1/12 = 500
  EXPECT_LT(n[u'牙'], 600);
  EXPECT_GT(n[u'路'], 680);  // about 2/15 = 800
  EXPECT_LT(n[u'路'], 920);
}

TEST(ScriptConversions, ManReplaceAllKeepsToItsAcceptedCounts) {
  Fixture f;
  f.left.SetText(S("ああ"));
  std::array<std::string, 35> c{};
  c[0] = S("阿");
  c[1] = S("安");
  for (int n : {0, 1, 22, 25, 34, 36}) {
    f.conv.ManCandidateCount = n;
    f.conv.ManReplaceAll2(S("あ"), c[0], c);
    EXPECT_EQ(U(f.left.Text()), "ああ") << n;
  }
  std::array<std::string, 10> c10{};
  c10[0] = c[0];
  c10[1] = c[1];
  f.conv.ManCandidateCount = 11;
  f.conv.ManReplaceAll(S("あ"), c[0], c10);
  EXPECT_EQ(U(f.left.Text()), "ああ");
  EXPECT_EQ(f.clock.readings, 0);  // refused before seeding
  // Outside a handler the routines act on the pane at once.
  f.conv.ManCandidateCount = 2;
  f.conv.ManReplaceAll(S("あ"), "unused", c10);
  const std::u16string out = enc::SjisToUtf16(f.left.Text());
  EXPECT_TRUE(In(out[0], u"阿安"));
  EXPECT_TRUE(In(out[1], u"阿安"));
  f.conv.DoReplaceAll2(S("阿"), S("安"));
  EXPECT_EQ(U(f.left.Text()), "安安");
  EXPECT_EQ(f.left.SelStart(), f.left.TextLength());
}

TEST(ScriptConversions, ThePaneTakesTheWholeConversionAsOneUpdateAndKeepsColours) {
  Fixture f;
  CountingView view;
  f.left.SetView(&view);
  f.left.SetText(S("はなのいろは\r\nうつりにけりな"));
  f.left.Select(4, 4);  // "のい"
  f.left.SetSelColor(0x0000FF);
  int changes = 0;
  f.left.OnChange = [&] { ++changes; };
  view = CountingView{};
  f.conv.ShineSpeedButton21Click();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(view.layoutChanges, 1);
  EXPECT_EQ(view.invalidates, 1);
  const TColor font = f.left.Font().color;
  for (int pos : {0, 2, 8, 10, 14, 26}) EXPECT_EQ(f.left.CharColor(pos), font) << pos;
  EXPECT_EQ(f.left.CharColor(4), 0x0000FFu);
  EXPECT_EQ(f.left.CharColor(6), 0x0000FFu);
  f.left.SetView(nullptr);
}

TEST(ScriptConversions, CleanUpRunsAfterAnError) {
  Fixture f;
  f.left.SetText(S("あいう\r\nかき"));
  f.panels[2] = "before";
  f.left.OnChange = [] { throw std::runtime_error("change refused"); };
  EXPECT_THROW(f.conv.ShineSpeedButton21Click(), std::runtime_error);
  EXPECT_EQ(f.cursor.depth, 0);
  EXPECT_FALSE(f.left.Lines().Updating());
  EXPECT_FALSE(f.watch.Running());
  EXPECT_EQ(f.panels[1], "00:00:00:007");
  EXPECT_EQ(f.panels[3], "2行");
  EXPECT_EQ(f.panels[2], "before");
  f.left.OnChange = nullptr;
  f.left.SetText(S("かか"));
  f.left.OnChange = [] { throw std::runtime_error("change refused"); };
  EXPECT_THROW(f.conv.HiraganaButton1Click(), std::runtime_error);
  EXPECT_EQ(f.cursor.depth, 0);
  EXPECT_FALSE(f.left.Lines().Updating());
  // The routines act at once again after the failed handler.
  f.left.OnChange = nullptr;
  f.left.SetText(S("かか"));
  f.conv.DoReplaceAll2(S("か"), S("カ"));
  EXPECT_EQ(U(f.left.Text()), "カカ");
}

}  // namespace
}  // namespace hanaroku
