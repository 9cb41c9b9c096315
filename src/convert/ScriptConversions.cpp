#include "convert/ScriptConversions.h"

#include <algorithm>

#include "controls/RichEditSx.h"
#include "convert/KanaTables.h"
#include "convert/ReplaceAll.h"
#include "convert/ReplaceEngine.h"
#include "convert/ReplaceSteps.h"
#include "platform/Clock.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr bool AcceptedByManReplaceAll2(std::int32_t n) noexcept {
  return (n >= 11 && n <= 21) || n == 26 || n == 29 || n == 32 || n == 33 || n == 35;
}

// Characters of all lines: line ends are not counted, a double-byte
// character counts one.
std::size_t CharactersOfLines(std::string_view text) noexcept {
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char b = static_cast<unsigned char>(text[i]);
    if (b == '\r' || b == '\n') {
      ++i;
      continue;
    }
    ++chars;
    i += enc::IsLeadByte(b) && i + 1 < text.size() && text[i + 1] != '\r' && text[i + 1] != '\n' ? 2 : 1;
  }
  return chars;
}

}  // namespace

TScriptConversions::TScriptConversions(TRichEditSx& leftPane, LongCommandEnv& env, const IClock& clock)
    : pane_(leftPane), env_(env), clock_(clock) {}

void TScriptConversions::Apply(ReplaceStep step) {
  if (collecting_) {
    collecting_->push_back(std::move(step));
  } else {
    RunStepsInPane(pane_, {&step, 1});
  }
}

void TScriptConversions::DoReplaceAll2(std::string_view search, std::string_view replacement) {
  Apply(ReplaceStep{std::string(search), {std::string(replacement)}, false, 0});
}

void TScriptConversions::ManReplace(std::string_view search, const std::string* c) {
  // Seeded on entry: two routines entered within the same millisecond draw
  // from the same seed.
  const TimeOfDay t = clock_.UtcNow();
  Apply(ReplaceStep{std::string(search), std::vector<std::string>(c, c + ManCandidateCount), true,
                    ManRandom::SeedFromTimeOfDay(t.hour, t.minute, t.second, t.millisecond)});
}

void TScriptConversions::ManReplaceAll(std::string_view search, std::string replacement,
                                       const std::array<std::string, 10>& c) {
  static_cast<void>(replacement);  // overwritten by every pass's draw
  if (ManCandidateCount < 2 || ManCandidateCount > 10) return;
  ManReplace(search, c.data());
}

void TScriptConversions::ManReplaceAll2(std::string_view search, std::string replacement,
                                        const std::array<std::string, 35>& c) {
  static_cast<void>(replacement);
  if (!AcceptedByManReplaceAll2(ManCandidateCount)) return;
  ManReplace(search, c.data());
}

void TScriptConversions::RunConversion(const std::function<void()>& body, bool counts) {
  LongCommand frame(env_, &pane_);
  frame.AtEnd([&] {
    collecting_ = nullptr;
    if (counts) env_.status(3, std::to_string(pane_.Lines().Count()) + "行");
  });
  std::vector<ReplaceStep> steps;
  collecting_ = &steps;
  body();
  collecting_ = nullptr;
  RunStepsInPane(pane_, steps);
  frame.Finish();
  if (counts) env_.status(2, std::to_string(CharactersOfLines(pane_.Text())) + "字");
}

void TScriptConversions::ConvertGroup(const CandidateGroup& g) {
  ManCandidateCount = g.count;
  if (g.candidates.size() <= 10) {
    std::array<std::string, 10> c;
    std::copy(g.candidates.begin(), g.candidates.end(), c.begin());
    ManReplaceAll(g.kana, g.candidates.front(), c);
  } else {
    std::array<std::string, 35> c;
    std::copy_n(g.candidates.begin(), std::min(g.candidates.size(), c.size()), c.begin());
    ManReplaceAll2(g.kana, g.candidates.front(), c);
  }
}

void TScriptConversions::ShineSpeedButton21Click() {
  RunConversion(
      [this] {
        for (const ReplacePair& p : ManyoganaFixedSteps()) DoReplaceAll2(p.search, p.replacement);
        for (const CandidateGroup& g : ManyoganaGroups()) ConvertGroup(g);
      },
      true);
}

void TScriptConversions::RunTable(const std::vector<ReplacePair>& table) {
  RunConversion(
      [&] {
        for (const ReplacePair& p : table) DoReplaceAll2(p.search, p.replacement);
      },
      false);
}

void TScriptConversions::KatakanaButton1Click() { RunTable(KatakanaToHiraganaTable()); }
void TScriptConversions::KatakanaButton2Click() { RunTable(KatakanaToKanjiTable()); }
void TScriptConversions::HiraganaButton1Click() { RunTable(HiraganaToKatakanaTable()); }

}  // namespace hanaroku
