#include "controls/LineBreaking.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "controls/PaneLayout.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using linebreak::ClassOf;

std::string Sjis(const char16_t* s) { return enc::Utf16ToSjis(s); }

linebreak::Flags ClassOfChar(const char16_t* ch) {
  const std::string b = Sjis(ch);
  return ClassOf(b, 0, b.size());
}

TEST(LineBreakRules, ClassesOfTheCharactersAsCodePage932StoresThem) {
  for (const char16_t* c : {u"、", u"。", u"，", u"．", u"｡", u"､"}) {
    SCOPED_TRACE(enc::Utf16ToUtf8(c));
    EXPECT_EQ(ClassOfChar(c), linebreak::kHang | linebreak::kNoStart);
  }
  for (const char16_t* c : {u"」", u"』", u"）", u"】", u"〕", u"》", u"〉", u"］", u"｝", u"”", u"’", u"〟",
                            u"ー", u"々", u"…", u"‥", u"・", u"？", u"！", u"ゝ", u"ゞ", u"ヽ", u"ヾ", u"ぁ",
                            u"ぃ", u"ぅ", u"ぇ", u"ぉ", u"っ", u"ゃ", u"ゅ", u"ょ", u"ゎ", u"ァ", u"ィ", u"ゥ",
                            u"ェ", u"ォ", u"ッ", u"ャ", u"ュ", u"ョ", u"ヮ", u"ヵ", u"ヶ", u"％", u"℃", u"ｯ",
                            u"ｰ", u"｣", u")", u"]"}) {
    SCOPED_TRACE(enc::Utf16ToUtf8(c));
    EXPECT_TRUE(ClassOfChar(c) & linebreak::kNoStart);
    EXPECT_FALSE(ClassOfChar(c) & linebreak::kHang);
  }
  for (const char16_t* c : {u"「", u"『", u"（", u"【", u"〔", u"《", u"〈", u"［", u"｛", u"“", u"‘", u"〝",
                            u"｢", u"(", u"["}) {
    SCOPED_TRACE(enc::Utf16ToUtf8(c));
    EXPECT_TRUE(ClassOfChar(c) & linebreak::kNoEnd);
  }
  // Full-size kana, kanji and the ideographic space break anywhere.
  for (const char16_t* c : {u"あ", u"つ", u"や", u"ア", u"ツ", u"ヤ", u"山", u"　", u"ｱ", u"ｶ"}) {
    SCOPED_TRACE(enc::Utf16ToUtf8(c));
    EXPECT_EQ(ClassOfChar(c), 0);
  }
  EXPECT_EQ(ClassOfChar(u"a") & linebreak::kLatin, linebreak::kLatin);
  EXPECT_EQ(ClassOfChar(u"7") & linebreak::kLatin, linebreak::kLatin);
  EXPECT_EQ(ClassOfChar(u" "), 0);
  EXPECT_EQ(ClassOfChar(u"\t"), 0);
}

TEST(LineBreakRules, PairsThatMayNotBreak) {
  using namespace linebreak;
  EXPECT_TRUE(BreakAllowed(0, 0));
  EXPECT_FALSE(BreakAllowed(0, kNoStart));
  EXPECT_FALSE(BreakAllowed(kNoEnd, 0));
  EXPECT_FALSE(BreakAllowed(kLatin, kLatin));
  EXPECT_TRUE(BreakAllowed(kLatin, 0));  // a Latin word and a kana
  EXPECT_TRUE(BreakAllowed(0, kLatin));
  EXPECT_FALSE(BreakAllowed(kInseparable, kInseparable));
  EXPECT_TRUE(BreakAllowed(kInseparable, 0));
}

TEST(LineBreakRules, AnyBytesAreClassified) {
  // Stray lead bytes, lone trail bytes and the end of the text.
  const std::string odd = "\x81\xfd\xff\x80";
  for (std::size_t i = 0; i <= odd.size(); ++i) {
    (void)ClassOf(odd, i, 1);
    (void)ClassOf(odd, i, 2);
  }
  EXPECT_EQ(ClassOf("\x81", 0, 2), 0);  // a lead byte without its trail byte
}

// ---- the layout with the rules ----------------------------------------------

constexpr int kCell = 16;  // FixedMeasurer(16): double byte 16 px, single byte 8 px

class KinsokuLayoutTest : public ::testing::Test {
 protected:
  void Lay(const std::u16string& text, int cells, bool vertical) {
    layout.SetMeasurer(&fixed);
    layout.SetVertical(vertical);
    layout.SetMargin(0);
    if (vertical)
      layout.SetClientSize(200, cells * kCell);
    else
      layout.SetClientSize(cells * kCell, 200);
    sjis = enc::Utf16ToSjis(text);
    layout.Rebuild(sjis);
  }
  // The display lines as UTF-16, without their line breaks.
  std::vector<std::u16string> Lines() const {
    std::vector<std::u16string> out;
    for (int i = 0; i < layout.AllLines(); ++i)
      out.push_back(enc::SjisToUtf16(std::string_view(sjis).substr(layout.LineStart(i),
                                                                    layout.LineEnd(i) - layout.LineStart(i))));
    return out;
  }
  FixedMeasurer fixed{kCell};
  PaneLayout layout;
  std::string sjis;
};

using LineTexts = std::vector<std::u16string>;

TEST_F(KinsokuLayoutTest, ClosingCharactersTakeThePreviousCharacterAlong) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    Lay(u"あいう」えお", 3, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"あい", u"う」え", u"お"}));
    Lay(u"かきくーけこ", 3, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"かき", u"くーけ", u"こ"}));
    Lay(u"まみむっめも", 3, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"まみ", u"むっめ", u"も"}));
    // A chain of them goes back to the last allowed break.
    Lay(u"あいう」』え", 4, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"あい", u"う」』え"}));
  }
}

TEST_F(KinsokuLayoutTest, CommaAndFullStopHangPastTheLineEnd) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    Lay(u"あいう。えお", 3, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"あいう。", u"えお"}));
    EXPECT_EQ(layout.LineWidth(0), 3 * kCell);  // the hanging 。 takes no scroll range
    EXPECT_EQ(layout.LongestLine(), 3 * kCell);
    ASSERT_EQ(layout.Cells(0, sjis).size(), 4u);
    EXPECT_EQ(layout.Cells(0, sjis)[3].inlineOffset, 3 * kCell);
    // At the end of a logical line the line break stays with it: no empty line.
    Lay(u"あいう、\r\nえ", 3, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"あいう、", u"え"}));
    EXPECT_EQ(layout.BreakLength(0), 2);
    Lay(u"あいう。", 3, vertical);
    EXPECT_EQ(layout.AllLines(), 1);
    // 。」 cannot hang as a pair: both go to the next line with う.
    Lay(u"あいう。」え", 3, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"あい", u"う。」", u"え"}));
  }
}

TEST_F(KinsokuLayoutTest, OpeningBracketsNeverEndALine) {
  for (bool vertical : {false, true}) {
    Lay(u"あい「うえ」", 3, vertical);
    EXPECT_EQ(Lines(), (LineTexts{u"あい", u"「う", u"え」"}));
  }
}

TEST_F(KinsokuLayoutTest, LatinRunsBreakAtBlanksUnlessLongerThanALine) {
  // 4 cells hold 8 half-width letters.
  Lay(u"ab Unicode", 4, false);
  EXPECT_EQ(Lines(), (LineTexts{u"ab ", u"Unicode"}));
  Lay(u"あいUnicode", 4, false);
  EXPECT_EQ(Lines(), (LineTexts{u"あい", u"Unicode"}));
  Lay(u"abcdefghijk", 4, true);
  EXPECT_EQ(Lines(), (LineTexts{u"abcdefgh", u"ijk"}));
  Lay(u"(1,000)円", 4, false);
  EXPECT_EQ(Lines(), (LineTexts{u"(1,000)", u"円"}));
}

TEST_F(KinsokuLayoutTest, ALineWithoutAnAllowedBreakBreaksAtTheExtent) {
  Lay(u"」」」」」", 2, true);
  EXPECT_EQ(Lines(), (LineTexts{u"」」", u"」」", u"」"}));
  Lay(u"「「「「", 2, false);
  EXPECT_EQ(Lines(), (LineTexts{u"「「", u"「「"}));
}

// True when the display line `i` starts where the rules allow, or where the
// line before it offered no allowed break at all.
void ExpectRulesKept(const PaneLayout& layout, const std::string& text, const std::string& what) {
  for (int i = 1; i < layout.AllLines(); ++i) {
    if (layout.BreakLength(i - 1) != 0) continue;  // a logical line start
    const std::size_t s = layout.LineStart(i), prevStart = layout.LineStart(i - 1);
    const std::size_t prevChar = enc::CharStart(text, s - 1);
    const linebreak::Flags before = ClassOf(text, prevChar, s - prevChar);
    const linebreak::Flags after = ClassOf(text, s, enc::CharLen(text, s));
    if (linebreak::BreakAllowed(before, after)) continue;
    bool anyAllowed = false;
    for (std::size_t p = prevStart; p < s;) {
      const std::size_t len = enc::CharLen(text, p);
      if (p > prevStart) {
        const std::size_t b = enc::CharStart(text, p - 1);
        anyAllowed |= linebreak::BreakAllowed(ClassOf(text, b, p - b), ClassOf(text, p, len));
      }
      p += len;
    }
    EXPECT_FALSE(anyAllowed) << what << ": line " << i << " breaks where the rules forbid it";
  }
}

TEST_F(KinsokuLayoutTest, TheHundredPoetsInEveryWidth) {
  std::ifstream in(std::string(HANAROKU_VERSE_DIR) + "/hyakunin.txt", std::ios::binary);
  ASSERT_TRUE(in);
  std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  // Punctuated as a book would print them.
  std::string punctuated;
  for (std::size_t p = 0; p < text.size(); p += enc::CharLen(text, p)) {
    const std::string_view ch = std::string_view(text).substr(p, enc::CharLen(text, p));
    if (ch == "\x81\x40") punctuated += Sjis(u"、");   // the space between the verses
    else if (ch == "\r") punctuated += Sjis(u"。」");  // each line closes
    else if (ch == "\n") punctuated += Sjis(u"\r\n「");
    else punctuated += ch;
  }
  for (bool vertical : {false, true}) {
    for (int cells = 2; cells <= 20; ++cells) {
      const std::string what = (vertical ? "vertical " : "horizontal ") + std::to_string(cells);
      layout.SetMeasurer(&fixed);
      layout.SetVertical(vertical);
      layout.SetClientSize(vertical ? 200 : cells * kCell, vertical ? cells * kCell : 200);
      layout.Rebuild(punctuated);
      ExpectRulesKept(layout, punctuated, what);
      // Nothing is lost or laid twice, and each line fits but for a hanging 、 or 。.
      std::size_t expected = 0;
      for (int i = 0; i < layout.AllLines(); ++i) {
        ASSERT_EQ(layout.LineStart(i), expected) << what;
        expected = layout.NextLineStart(i);
        EXPECT_LE(layout.LineWidth(i), std::max(cells * kCell, 2 * kCell)) << what << " line " << i;
      }
      EXPECT_EQ(expected, punctuated.size());
      if (HasFailure()) return;
    }
  }
}

TEST_F(KinsokuLayoutTest, EditsLayOutAsARebuildDoes) {
  // Edits next to the characters the rules look at: the lines before the
  // edit must be laid again when their break depended on what changed.
  static const std::vector<std::u16string> pieces = {u"あ", u"い", u"」", u"。", u"、", u"「", u"ー", u"っ",
                                                     u"abc", u" ", u"Unicode", u"\r\n", u"\t", u"――", u"山"};
  std::mt19937 rng(4051);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  auto random = [&](std::size_t n) {
    std::u16string s;
    for (std::size_t i = 0; i < n; ++i) s += pieces[pick(rng)];
    return enc::Utf16ToSjis(s);
  };
  for (int round = 0; round < 60; ++round) {
    const bool vertical = round % 2 == 0;
    const int extent = std::uniform_int_distribution<int>(12, 90)(rng);
    auto setup = [&](PaneLayout& l) {
      l.SetMeasurer(&fixed);
      l.SetVertical(vertical);
      l.SetClientSize(vertical ? 200 : extent, vertical ? extent : 200);
    };
    PaneLayout incremental;
    setup(incremental);
    std::string text = random(std::uniform_int_distribution<std::size_t>(0, 40)(rng));
    incremental.Rebuild(text);
    for (int edit = 0; edit < 30; ++edit) {
      // Edits on character boundaries, as the pane makes them.
      std::vector<std::size_t> stops;
      for (std::size_t p = 0; p < text.size(); p += enc::CharLen(text, p)) stops.push_back(p);
      stops.push_back(text.size());
      const std::size_t a = stops[std::uniform_int_distribution<std::size_t>(0, stops.size() - 1)(rng)];
      std::size_t b = a;
      for (int k = std::uniform_int_distribution<int>(0, 3)(rng); k > 0 && b < text.size(); --k)
        b += enc::CharLen(text, b);
      const std::string ins = random(std::uniform_int_distribution<std::size_t>(0, 3)(rng));
      const std::string before = text;
      text.replace(a, b - a, ins);
      SCOPED_TRACE("extent " + std::to_string(extent) + (vertical ? " v" : " h") + " [" + enc::SjisToUtf8(before) + "] at " +
                   std::to_string(a) + " -" + std::to_string(b - a) + " +[" + enc::SjisToUtf8(ins) + "]");
      incremental.Update(text, a, b - a, ins.size());
      PaneLayout full;
      setup(full);
      full.Rebuild(text);
      ASSERT_EQ(incremental.AllLines(), full.AllLines()) << "round " << round << " edit " << edit;
      for (int i = 0; i < full.AllLines(); ++i) {
        ASSERT_EQ(incremental.LineStart(i), full.LineStart(i)) << "round " << round << " edit " << edit;
        ASSERT_EQ(incremental.LineWidth(i), full.LineWidth(i)) << "round " << round << " edit " << edit;
      }
    }
  }
}

}  // namespace
}  // namespace hanaroku
