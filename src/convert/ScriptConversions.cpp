#include "convert/ScriptConversions.h"

#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"
#include "convert/KanaTables.h"
#include "convert/ReplaceAll.h"
#include "convert/ReplaceEngine.h"
#include "platform/Clock.h"

namespace hanaroku {

TScriptConversions::TScriptConversions(TRichEditSx& leftPane, TStopWatch& stopWatch, const IClock& clock,
                                       StatusPanelSink status, IBusyCursor& cursor)
    : pane_(leftPane), stopWatch_(stopWatch), clock_(clock), status_(std::move(status)), cursor_(cursor) {}

void TScriptConversions::DoReplaceAll2(std::string_view search, std::string_view replacement) {
  hanaroku::DoReplaceAll2(pane_, search, replacement);
}

void TScriptConversions::ManReplace(std::string_view search, const std::string* c) {
  const TimeOfDay t = clock_.UtcNow();
  DrawnReplacement draw(c, static_cast<std::uint32_t>(ManCandidateCount),
                        ManRandom::SeedFromTimeOfDay(t.hour, t.minute, t.second, t.millisecond));
  ReplaceAllInPane(pane_, search, draw);
}

void TScriptConversions::ManReplaceAll(std::string_view search, std::string replacement,
                                       const std::array<std::string, 10>& c) {
  static_cast<void>(replacement);  // the working variable: every pass draws its own
  if (ManCandidateCount < 2 || ManCandidateCount > 10) return;
  ManReplace(search, c.data());
}

void TScriptConversions::ManReplaceAll2(std::string_view search, std::string replacement,
                                        const std::array<std::string, 35>& c) {
  static_cast<void>(replacement);
  const int n = ManCandidateCount;
  const bool accepted = (n >= 11 && n <= 21) || n == 26 || n == 29 || n == 32 || n == 33 || n == 35;
  if (!accepted) return;
  ManReplace(search, c.data());
}

void TScriptConversions::ShineSpeedButton21Click() {
  stopWatch_.Start();
  pane_.Lines().BeginUpdate();
  cursor_.Begin();
  auto cleanUp = [&] {
    pane_.Lines().EndUpdate();
    cursor_.End();
    stopWatch_.Stop();
    status_(1, stopWatch_.ElapsedText());
    status_(3, std::to_string(pane_.Lines().Count()) + "行");
  };
  try {
    for (const ReplacePair& p : ManyoganaFixedSteps()) DoReplaceAll2(p.search, p.replacement);
    for (const CandidateGroup& g : ManyoganaGroups()) {
      ManCandidateCount = g.count;
      if (g.candidates.size() <= 10) {
        std::array<std::string, 10> c;
        for (std::size_t i = 0; i < g.candidates.size(); ++i) c[i] = g.candidates[i];
        ManReplaceAll(g.kana, g.candidates.front(), c);
      } else {
        std::array<std::string, 35> c;
        for (std::size_t i = 0; i < g.candidates.size() && i < c.size(); ++i) c[i] = g.candidates[i];
        ManReplaceAll2(g.kana, g.candidates.front(), c);
      }
    }
  } catch (...) {
    cleanUp();
    throw;
  }
  cleanUp();
  // Characters of all lines, line ends not counted.
  const std::string& text = pane_.Text();
  std::size_t chars = 0;
  for (std::size_t i = 0; i < text.size(); i += WholeCharLen(text, i))
    if (text[i] != '\r' && text[i] != '\n') ++chars;
  status_(2, std::to_string(chars) + "字");
}

void TScriptConversions::RunTable(const std::vector<ReplacePair>& table) {
  stopWatch_.Start();
  pane_.Lines().BeginUpdate();
  cursor_.Begin();
  auto cleanUp = [&] {
    pane_.Lines().EndUpdate();
    cursor_.End();
    stopWatch_.Stop();
    status_(1, stopWatch_.ElapsedText());
  };
  try {
    for (const ReplacePair& p : table) DoReplaceAll2(p.search, p.replacement);
  } catch (...) {
    cleanUp();
    throw;
  }
  cleanUp();
}

void TScriptConversions::KatakanaButton1Click() { RunTable(KatakanaToHiraganaTable()); }
void TScriptConversions::KatakanaButton2Click() { RunTable(KatakanaToKanjiTable()); }
void TScriptConversions::HiraganaButton1Click() { RunTable(HiraganaToKatakanaTable()); }

}  // namespace hanaroku
