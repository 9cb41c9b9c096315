#pragma once
// TScriptConversions: the script conversions of the left pane, run by the
// main window's buttons "萬" (hiragana into man'yōgana), "カ" (katakana into
// hiragana, katakana into kanji) and "ひ" (hiragana into katakana).
//
// Each handler times itself with the stopwatch, holds off the pane's
// redrawing and shows the hourglass; it applies its table step by step
// through DoReplaceAll2 (and ManReplaceAll / ManReplaceAll2 for the drawn
// man'yōgana groups). Inside a handler the steps are collected and the pane
// takes them all as one rewrite at the end (one pass over the text for
// steps of single characters), with the result of applying them one by one.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "controls/LongCommand.h"
#include "convert/ManyoganaTables.h"

namespace hanaroku {

class IClock;
class TRichEditSx;
struct ReplaceStep;

class TScriptConversions {
 public:
  // The clock seeds the draws (UTC time of day); all references must outlive
  // this object.
  TScriptConversions(TRichEditSx& leftPane, LongCommandEnv& env, const IClock& clock);

  void ShineSpeedButton21Click();  // man'yōgana
  void KatakanaButton1Click();     // katakana into hiragana
  void KatakanaButton2Click();     // katakana into kanji
  void HiraganaButton1Click();     // hiragana into katakana

  // Replaces every occurrence of `search` in the left pane by `replacement`.
  void DoReplaceAll2(std::string_view search, std::string_view replacement);

  // Candidate count of the next ManReplaceAll / ManReplaceAll2 call.
  std::int32_t ManCandidateCount = 0;
  // Replaces every occurrence of `search` by a candidate drawn for each pass
  // among the first ManCandidateCount of c, seeded from the UTC time of day.
  // `replacement` is the working variable: every pass draws its own, so the
  // value passed in is never used. Counts 2 to 10; otherwise nothing happens.
  void ManReplaceAll(std::string_view search, std::string replacement, const std::array<std::string, 10>& c);
  // The same for the counts 11 to 21, 26, 29, 32, 33 and 35.
  void ManReplaceAll2(std::string_view search, std::string replacement, const std::array<std::string, 35>& c);

 private:
  void ManReplace(std::string_view search, const std::string* c);
  // Runs a step on the pane now, or adds it to the handler's collection.
  void Apply(ReplaceStep step);
  // Every handler runs as a long command (stopwatch, redrawing held off,
  // hourglass) in which the steps of `body` are collected and applied. With
  // `counts` the line count is shown also after an error, the character
  // count after success.
  void RunConversion(const std::function<void()>& body, bool counts);
  void RunTable(const std::vector<ReplacePair>& table);
  void ConvertGroup(const CandidateGroup& g);

  TRichEditSx& pane_;
  LongCommandEnv& env_;
  const IClock& clock_;
  std::vector<ReplaceStep>* collecting_ = nullptr;
};

}  // namespace hanaroku
