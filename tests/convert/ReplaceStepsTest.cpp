#include "convert/ReplaceSteps.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "convert/RereadingLoop.h"

namespace hanaroku {
namespace {

using testing::PaneState;
using testing::RefLoop;

TEST(ReplaceSteps, CharacterStepsAreOneDoubleByteCharacterEach) {
  const std::string a = "\x82\xa0", mo = "\x82\xe0";
  EXPECT_TRUE(IsCharacterStep({a, {mo}}));
  EXPECT_TRUE(IsCharacterStep({a, {mo, a, "\x88\x9f"}, true}));
  EXPECT_TRUE(IsCharacterStep({a, {mo, "x"}}));  // only the first candidate of a fixed step counts
  EXPECT_FALSE(IsCharacterStep({a, {mo, "x"}, true}));
  EXPECT_FALSE(IsCharacterStep({a, {}}));
  EXPECT_FALSE(IsCharacterStep({"ab", {mo}}));
  EXPECT_FALSE(IsCharacterStep({"\x82\r", {mo}}));   // a lead byte before CR stands alone
  EXPECT_FALSE(IsCharacterStep({a, {"\x82\n"}}));
  EXPECT_FALSE(IsCharacterStep({a + a, {mo + mo}}));
  EXPECT_FALSE(IsCharacterStep({a, {""}}));
}

// Runs the steps one after the other with the one-pass engine, as a pane
// would take them: the selection moves only when a step replaced something.
struct Sequential {
  PaneState state;
  std::vector<std::size_t> counts, draws;
  std::set<std::size_t> replaced;  // positions of replaced characters
};

Sequential RunOneByOne(const PaneState& start, const std::vector<ReplaceStep>& steps) {
  Sequential s{start, {}, {}, {}};
  for (const ReplaceStep& step : steps) {
    StepReplacement source(step);
    ReplaceAllResult r = ReplaceAllWholeChars(s.state.text, step.search, source);
    s.counts.push_back(r.count);
    s.draws.push_back(source.Draws());
    if (r.count == 0) continue;
    s.state = {r.text, r.caret, 0};
    for (const ReplacedSpan& sp : r.spans) s.replaced.insert(sp.oldStart);
  }
  return s;
}

class StepTables {
 public:
  explicit StepTables(unsigned seed) : gen_(seed) {}

  // Texts of the characters the tables use, and bytes around them that
  // test the character walk: single bytes, line breaks, a lead byte before
  // CR LF or at the end, trail bytes that look like lead bytes.
  std::string Text() {
    static const std::vector<std::string> other = {"a", "\xb1", "\r\n", "\x82\r\n", "\x88\x9f", "\x82\xe0"};
    std::string s;
    for (std::size_t i = Below(80); i > 0; --i) s += Below(4) == 0 ? other[Below(other.size())] : Char();
    if (Below(10) == 0) s += "\x82";
    return s;
  }

  std::vector<ReplaceStep> Steps() {
    std::vector<ReplaceStep> steps(1 + Below(12));
    for (ReplaceStep& st : steps) {
      st.search = Char();
      st.drawn = Below(2) == 0;
      for (std::size_t n = st.drawn ? 2 + Below(4) : 1; n > 0; --n) st.candidates.push_back(Char());
      st.seed = static_cast<std::uint32_t>(gen_());
    }
    return steps;
  }

  std::size_t Below(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(gen_); }

 private:
  // A small alphabet, so that steps feed each other, repeat and sometimes
  // replace a character by itself.
  std::string Char() {
    static const std::vector<std::string> chars = {"\x82\xa0", "\x82\xa2", "\x82\xe0", "\x82\xf1",
                                                   "\x81\x5b", "\x96\xb3", "\xe0\x40", "\x83\x41"};
    return chars[Below(chars.size())];
  }
  std::mt19937 gen_;
};

TEST(ReplaceSteps, OnePassEqualsTheStepsOneByOne) {
  StepTables rnd(31337);
  int withLoop = 0, chains = 0;
  for (int c = 0; c < 3000; ++c) {
    const PaneState start{rnd.Text(), 0, 0};
    const std::vector<ReplaceStep> steps = rnd.Steps();
    for (const ReplaceStep& st : steps) ASSERT_TRUE(IsCharacterStep(st));

    const Sequential seq = RunOneByOne(start, steps);
    std::vector<std::size_t> counts;
    const ReplaceAllResult fused = ReplaceCharacters(start.text, steps, &counts);
    const PaneState got = fused.count == 0 ? start : PaneState{fused.text, fused.caret, 0};
    ASSERT_EQ(got, seq.state) << "case " << c;
    ASSERT_EQ(counts, seq.counts) << "case " << c;
    for (std::size_t k = 0; k < steps.size(); ++k) ASSERT_EQ(seq.draws[k], counts[k] + 1) << "case " << c;
    std::set<std::size_t> spans;
    for (const ReplacedSpan& sp : fused.spans) {
      ASSERT_EQ(sp.oldLength, 2u);
      ASSERT_EQ(sp.newLength, 2u);
      spans.insert(sp.oldStart);
    }
    ASSERT_EQ(spans, seq.replaced) << "case " << c;
    std::size_t total = 0;
    for (std::size_t n : counts) total += n;
    if (total > spans.size()) ++chains;

    // Against the rereading loop too, when no step can replace a character
    // by itself (the loop would then draw again for the same occurrence, or
    // never end; the engines replace it once).
    bool selfFree = true;
    for (const ReplaceStep& st : steps)
      for (std::size_t i = 0; i < (st.drawn ? st.candidates.size() : 1); ++i)
        selfFree = selfFree && st.candidates[i] != st.search;
    if (!selfFree) continue;
    PaneState loop = start;
    for (const ReplaceStep& st : steps) {
      StepReplacement source(st);
      PaneState next = loop;
      std::size_t n = 0;
      ASSERT_TRUE(RefLoop(next, st.search, source, n));
      if (n > 0) loop = next;
    }
    ASSERT_EQ(got, loop) << "case " << c;
    ++withLoop;
  }
  std::printf("compared with the loop %d, chained characters in %d\n", withLoop, chains);
  EXPECT_GT(withLoop, 500);
  EXPECT_GT(chains, 1000);  // characters that went through several steps
}

TEST(ReplaceSteps, NothingToReplaceLeavesNoText) {
  const std::vector<ReplaceStep> steps = {{"\x82\xa0", {"\x82\xa2"}}};
  std::vector<std::size_t> counts;
  const ReplaceAllResult r = ReplaceCharacters("abc\x82\xa2\r\n\x82", steps, &counts);
  EXPECT_EQ(r.count, 0u);
  EXPECT_TRUE(r.text.empty());
  EXPECT_TRUE(r.spans.empty());
  EXPECT_EQ(counts, std::vector<std::size_t>{0});
}

}  // namespace
}  // namespace hanaroku
