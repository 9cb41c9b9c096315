#pragma once
// The fixed tables of the kana conversions, each an ordered list of
// (search, replacement) pairs of single Shift-JIS characters:
//   katakana into hiragana (86 pairs), katakana into kanji (86 pairs),
//   hiragana into katakana (83 pairs).
// No replacement of a table is the search text of a later pair, so the pairs
// neither undo nor feed each other.
#include <vector>

#include "convert/ManyoganaTables.h"

namespace hanaroku {

const std::vector<ReplacePair>& KatakanaToHiraganaTable();
const std::vector<ReplacePair>& KatakanaToKanjiTable();
const std::vector<ReplacePair>& HiraganaToKatakanaTable();

}  // namespace hanaroku
