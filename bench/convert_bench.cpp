// Times the script conversions on a generated Shift-JIS verse text of 1 MiB
// (mostly hiragana): the man'yōgana conversion (17 fixed steps, 67 drawn
// groups) and the three kana conversions.
//
// For each conversion it prints
//   - the whole button handler on a pane (TScriptConversions: all steps, the
//     pane's single update and its line layout), best of several runs;
//   - the same steps run one by one with the one-pass replace-all engine on a
//     plain string;
//   - the loop that rereads the whole text after every replacement (copy the
//     text, search from the top, replace), on a plain string, which is less
//     than it costs on a pane; in full at 64 KiB and at 1 MiB (the whole run
//     takes about half a minute). With --quick the loop at 1 MiB is only
//     timed over whole steps for at least 20000 passes, and its cost per pass
//     is multiplied by the number of passes the conversion makes (each step
//     makes one pass per replacement plus one); the early steps search a
//     text with few kanji, so this estimate comes out low.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"
#include "convert/KanaTables.h"
#include "convert/ManyoganaTables.h"
#include "convert/ReplaceEngine.h"
#include "convert/ReplaceSteps.h"
#include "convert/ScriptConversions.h"
#include "platform/Clock.h"
#include "platform/Encoding.h"
#include "BenchClock.h"

using namespace hanaroku;

namespace {

using bench::Clock;
using bench::MsSince;

// Verse lines of 31 characters: mostly hiragana (small kana, "ー", "ん" and
// the p-row among them), some katakana, kanji and ideographic spaces.
std::string MakeVerse(std::size_t bytes) {
  std::mt19937 gen(42);
  std::vector<std::string> hiragana, other;
  for (char16_t c = u'ぁ'; c <= u'ん'; ++c) hiragana.push_back(enc::Utf16ToSjis(std::u16string(1, c)));
  for (const char* c : {"ー", "カ", "タ", "ツ", "パ", "ヴ", "ッ", "花", "月", "山", "　"})
    other.push_back(enc::Utf8ToSjis(c));
  std::uniform_int_distribution<std::size_t> pickH(0, hiragana.size() - 1), pickO(0, other.size() - 1);
  std::uniform_int_distribution<int> percent(0, 99);
  std::string s;
  int col = 0;
  while (s.size() < bytes) {
    s += percent(gen) < 85 ? hiragana[pickH(gen)] : other[pickO(gen)];
    if (++col == 31) {
      s += "\r\n";
      col = 0;
    }
  }
  s.resize(bytes);  // every piece is two bytes: no character is cut
  return s;
}

struct Conversion {
  const char* name;
  void (TScriptConversions::*handler)();
  std::vector<ReplaceStep> steps;
};

std::vector<ReplaceStep> FixedSteps(const std::vector<ReplacePair>& table) {
  std::vector<ReplaceStep> steps;
  for (const ReplacePair& p : table) steps.push_back({p.search, {p.replacement}, false, 0});
  return steps;
}

std::vector<ReplaceStep> ManyoganaSteps() {
  std::vector<ReplaceStep> steps = FixedSteps(ManyoganaFixedSteps());
  std::uint32_t seed = 43200000;
  for (const CandidateGroup& g : ManyoganaGroups()) steps.push_back({g.kana, g.candidates, true, seed++});
  return steps;
}

class NoCursor final : public IBusyCursor {
 public:
  void Begin() override {}
  void End() override {}
};

// The button handler on a pane holding `text`; best of `runs`.
double TimeHandler(const std::string& text, const Conversion& c, int runs, std::string& panel1) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    TRichEditSx pane;
    pane.SetClientSize(800, 600);
    pane.SetText(text);
    pane.Lines().Count();  // laid out before, as a pane on screen is
    TStopWatch watch;
    NoCursor cursor;
    LongCommandEnv env{watch, cursor, [&panel1](int p, const std::string& s) { if (p == 1) panel1 = s; }};
    TScriptConversions conv(pane, env, SystemClock());
    const auto t0 = Clock::now();
    (conv.*c.handler)();
    best = std::min(best, MsSince(t0));
  }
  return best;
}

// The steps one by one with the one-pass engine; best of `runs`. Returns
// the number of passes a rereading loop makes for them.
double TimeEngine(const std::string& text, const std::vector<ReplaceStep>& steps, int runs, std::size_t& passes) {
  double best = 1e300;
  for (int i = 0; i < runs; ++i) {
    std::string t = text;
    passes = 0;
    const auto t0 = Clock::now();
    for (const ReplaceStep& s : steps) {
      ReplaceAllResult r = RunStep(t, s, static_cast<std::size_t>(-1), false);  // as for an uncoloured pane
      passes += r.count + 1;
      if (r.count > 0) t = std::move(r.text);
    }
    best = std::min(best, MsSince(t0));
  }
  return best;
}

// The rereading loop over the steps, stopping after the first step that
// ends once `passLimit` passes are made. Returns the time, the passes made
// in `passes`.
double TimeLoop(const std::string& text, const std::vector<ReplaceStep>& steps, std::size_t passLimit,
                std::size_t& passes) {
  std::string t = text;
  passes = 0;
  const auto t0 = Clock::now();
  for (const ReplaceStep& s : steps) {
    StepReplacement source(s);
    for (;;) {
      const std::string r(source.Next());
      const std::string copy = t;  // read the whole text
      ++passes;
      const std::size_t q = FindWholeChars(copy, s.search);
      if (q == std::string::npos) break;
      t.replace(q, s.search.size(), r);
    }
    if (passes >= passLimit) break;
  }
  return MsSince(t0);
}

}  // namespace

int main(int argc, char** argv) {
  const bool full = !(argc > 1 && std::strcmp(argv[1], "--quick") == 0);
  const std::size_t big = 1 << 20, small = 64 << 10;
  const std::string text = MakeVerse(big), little = MakeVerse(small);
  std::size_t hira = 0;
  for (std::size_t i = 0; i + 1 < text.size(); i += 2)
    if (static_cast<unsigned char>(text[i]) == 0x82 && static_cast<unsigned char>(text[i + 1]) >= 0x9F) ++hira;
  std::printf("text: %zu bytes of verse, %zu hiragana; small text: %zu bytes\n\n", text.size(), hira, little.size());

  std::vector<Conversion> conversions;
  conversions.push_back({"man'yogana", &TScriptConversions::ShineSpeedButton21Click, ManyoganaSteps()});
  conversions.push_back(
      {"katakana->hiragana", &TScriptConversions::KatakanaButton1Click, FixedSteps(KatakanaToHiraganaTable())});
  conversions.push_back(
      {"katakana->kanji", &TScriptConversions::KatakanaButton2Click, FixedSteps(KatakanaToKanjiTable())});
  conversions.push_back(
      {"hiragana->katakana", &TScriptConversions::HiraganaButton1Click, FixedSteps(HiraganaToKatakanaTable())});

  for (const Conversion& c : conversions) {
    std::string panel1;
    const double handler = TimeHandler(text, c, 5, panel1);
    std::size_t passes = 0, smallPasses = 0, loopPasses = 0;
    const double engine = TimeEngine(text, c.steps, 3, passes);
    const double engineSmall = TimeEngine(little, c.steps, 5, smallPasses);
    std::string unused;
    const double handlerSmall = TimeHandler(little, c, 5, unused);
    const double loopSmall = TimeLoop(little, c.steps, static_cast<std::size_t>(-1), loopPasses);
    double loop = 0, perPass = 0;
    const char* how = "";
    if (full) {
      loop = TimeLoop(text, c.steps, static_cast<std::size_t>(-1), loopPasses);
      perPass = loop / static_cast<double>(loopPasses);
      how = "measured in full";
    } else {
      perPass = TimeLoop(text, c.steps, 20000, loopPasses) / static_cast<double>(loopPasses);
      loop = perPass * static_cast<double>(passes);
      how = "estimated";
    }
    std::printf("%s\n", c.name);
    std::printf("  handler on the pane, 1 MiB   %9.2f ms   (stopwatch text %s)\n", handler, panel1.c_str());
    std::printf("  engine step by step, 1 MiB   %9.2f ms   (%zu passes of a rereading loop)\n", engine, passes);
    std::printf("  rereading loop, 1 MiB        %9.0f ms   (%s: %zu passes timed, %.1f us each)\n", loop, how,
                loopPasses, perPass * 1000.0);
    std::printf("  ratio loop / handler %.0f, loop / engine %.0f at 1 MiB\n", loop / handler, loop / engine);
    std::printf("  at 64 KiB: handler %.3f ms, engine %.3f ms, loop %.1f ms measured in full: ratio %.0f and %.0f\n\n",
                handlerSmall, engineSmall, loopSmall, loopSmall / handlerSmall, loopSmall / engineSmall);
  }
  return 0;
}
