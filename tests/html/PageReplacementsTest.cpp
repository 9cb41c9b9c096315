#include "html/PageReplacements.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "convert/ReplaceSteps.h"
#include "html/SymbolImages.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

std::string S(const char* utf8) { return enc::Utf8ToSjis(utf8); }

ReplaceStep Step(std::string s, std::string r) { return ReplaceStep{std::move(s), {std::move(r)}, false, 0}; }

// Each step by itself with the replace-all engine, as the primitive means it.
std::string OneByOne(std::string text, const std::vector<ReplaceStep>& steps) {
  for (const ReplaceStep& step : steps) {
    ReplaceAllResult r = RunStep(text, step, 1 << 20, false);
    if (r.count > 0) text = std::move(r.text);
  }
  return text;
}

// The page's own steps: bars, the symbol table, the title and link markers,
// the hidden asterisk.
std::vector<ReplaceStep> PageSteps(const std::string& title) {
  std::vector<ReplaceStep> steps{Step(S("―"), S("│"))};
  for (const SymbolImage& row : SymbolImageTable()) steps.push_back(Step(S(std::string(row.search).c_str()), SymbolImageTag(row)));
  steps.push_back(Step(S("ー"), S("│")));
  steps.push_back(Step(S("＃￥＆＃＆"), title));
  steps.push_back(Step(S("＆￥＆！＃"), S("Back")));
  steps.push_back(Step(S("<br>＠<br>＃<br>＆<br>％<br>！<br>"), S("<Font color=\"#fff8dc\">＊</Font>")));
  return steps;
}

TEST(PageReplacements, EqualTheReplaceAllOfEachStepOnAnyBytes) {
  // Pieces that meet at awkward places: stray lead bytes, lone CR and LF,
  // the breaks and markers the steps look for, and halves of them.
  const std::vector<std::string> pieces = {
      "<br>", "<br", "br>", "\r\n", "\r", "\n", "\x81", "\x84", "\x9F", "a", "<", ">",
      S("│"), S("―"), S("ー"), S("＠"), S("＃"), S("＆"), S("％"), S("！"), S("￥"), S("。"), S("（"), S("　"),
      S("＊"), S("＃￥＆＃＆"), S("＆￥＆！＃"), S("<br>＠<br>＃<br>＆<br>％<br>！<br>"), S("│<br>│"), S("花"),
  };
  const std::vector<std::string> titles = {S("題"), S("＃￥＆＃＆"), S("＆￥＆！＃"), S("│<br>"), S("<br>│"), "", "\x81"};
  std::mt19937 gen(11);
  std::uniform_int_distribution<std::size_t> piece(0, pieces.size() - 1), title(0, titles.size() - 1);
  std::uniform_int_distribution<int> length(0, 60);
  int checked = 0;
  for (int round = 0; round < 3000; ++round) {
    std::string text;
    for (int n = length(gen); n > 0; --n) text += pieces[piece(gen)];
    std::vector<ReplaceStep> steps = PageSteps(titles[title(gen)]);
    // And steps of random pieces, cascading ones among them.
    for (int k = 0; k < 3; ++k) steps.push_back(Step(pieces[piece(gen)] + pieces[piece(gen)], pieces[piece(gen)]));
    std::string expected;
    try {
      expected = OneByOne(text, steps);
    } catch (const std::length_error&) {
      continue;  // a cascade without end: not a case for comparing
    }
    std::string fast = text;
    RunReplaceSteps(fast, steps);
    ASSERT_EQ(fast, expected) << "round " << round;
    ++checked;
  }
  EXPECT_GT(checked, 2500);
}

TEST(PageReplacements, LongerAndShorterReplacementsInPlaceFromEdgeToEdge) {
  // Occurrences at the very start and end and side by side; the text
  // without spare room, so that growing it must move it.
  const std::string bar = S("│<br>│"), marker = S("＃￥＆＃＆");
  for (const std::string& r : {std::string("<img src=\"kigou/sen2.gif\">"), S("題"), std::string()}) {
    for (const std::string& s : {bar, marker}) {
      std::string text = s + s + "a" + S("花") + s + "\r\n" + s;
      text.shrink_to_fit();
      const std::vector<ReplaceStep> steps = {Step(s, r)};
      const std::string expected = OneByOne(text, steps);
      RunReplaceSteps(text, steps);
      EXPECT_EQ(text, expected);
      EXPECT_EQ(text, r + r + "a" + S("花") + r + "\r\n" + r);
    }
  }
}

TEST(PageReplacements, RunsOfCharacterStepsFollowOneAnother) {
  // x -> y, then y -> z: every x and y ends as z; a later step on x finds none.
  std::string text = S("あいうあ");
  const std::vector<ReplaceStep> steps = {Step(S("あ"), S("い")), Step(S("い"), S("う")), Step(S("あ"), "A"),
                                          Step(S("う"), "<u>")};
  RunReplaceSteps(text, steps);
  EXPECT_EQ(text, "<u><u><u><u>");
  // A character step never matches across a stray lead byte.
  std::string stray = "\x81" + S("あ");
  RunReplaceSteps(stray, steps);
  EXPECT_EQ(stray, OneByOne("\x81" + S("あ"), steps));
}

}  // namespace
}  // namespace hanaroku
