#pragma once
// TScriptConversions: the script conversions of the left pane, run by the
// main window's buttons "萬" (hiragana into man'yōgana), "カ" (katakana into
// hiragana, katakana into kanji) and "ひ" (hiragana into katakana).
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ManyoganaTables.h"

namespace hanaroku {

class IClock;
class TRichEditSx;
class TStopWatch;

// The application-wide cursor: hourglass on Begin, default on End.
class IBusyCursor {
 public:
  virtual ~IBusyCursor() = default;
  virtual void Begin() = 0;
  virtual void End() = 0;
};

// Writes a UTF-8 text into a status bar panel (0-based).
using StatusPanelSink = std::function<void(int panel, const std::string& utf8)>;

class TScriptConversions {
 public:
  TScriptConversions(TRichEditSx& leftPane, TStopWatch& stopWatch, const IClock& clock, StatusPanelSink status,
                     IBusyCursor& cursor);

  void ShineSpeedButton21Click();  // man'yōgana
  void KatakanaButton1Click();     // katakana into hiragana
  void KatakanaButton2Click();     // katakana into kanji
  void HiraganaButton1Click();     // hiragana into katakana

  void DoReplaceAll2(std::string_view search, std::string_view replacement);
  // Candidate count of the next ManReplaceAll / ManReplaceAll2 call.
  int ManCandidateCount = 0;
  // `replacement` is overwritten by the draw before use. Counts 2 to 10.
  void ManReplaceAll(std::string_view search, std::string replacement, const std::array<std::string, 10>& c);
  // Counts 11 to 21, 26, 29, 32, 33 and 35.
  void ManReplaceAll2(std::string_view search, std::string replacement, const std::array<std::string, 35>& c);

 private:
  void ManReplace(std::string_view search, const std::string* c);
  void RunTable(const std::vector<ReplacePair>& table);

  TRichEditSx& pane_;
  TStopWatch& stopWatch_;
  const IClock& clock_;
  StatusPanelSink status_;
  IBusyCursor& cursor_;
};

}  // namespace hanaroku
