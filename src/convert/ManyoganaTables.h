#pragma once
// The man'yōgana tables: the fixed steps that fold small kana, the long-vowel
// mark and the p-row into kana that have candidate groups (and turn "ん" into
// "无"), and the 67 candidate groups, each a hiragana with the kanji drawn for
// it. A kanji that stands twice in a list is drawn twice as often.
#include <string>
#include <vector>

namespace hanaroku {

struct ReplacePair {
  std::string search;       // Shift-JIS
  std::string replacement;  // Shift-JIS
};

struct CandidateGroup {
  std::string kana;                     // Shift-JIS, one character
  int count = 0;                        // the candidate count of the group
  std::vector<std::string> candidates;  // Shift-JIS, one kanji each, in list order
};

// The 17 fixed steps, applied first, in this order.
const std::vector<ReplacePair>& ManyoganaFixedSteps();
// The 67 groups (756 candidates), converted in this order.
const std::vector<CandidateGroup>& ManyoganaGroups();

}  // namespace hanaroku
