#pragma once
// The sound count (音数) of verse: the morae of each phrase of a line, as a
// verse writer counts them against 5-7-5 (haiku) and 5-7-5-7-7 (tanka).
//   - kana count one each, historical kana (ゐ ゑ) included; the small kana
//     ぁぃぅぇぉゃゅょゎ and their katakana count nothing; っ, ん and ー count
//     one; ゝゞヽヾ repeat a kana and count one; ゟ and ヿ stand for two.
//   - punctuation, blanks and symbols count nothing.
//   - kanji, Latin letters and digits have no reading of their own: each
//     counts one (the fewest it can be read as) and makes its phrase
//     uncertain. A reading in the ruby notation of plain text is counted
//     instead of its base: "｜漢字《かんじ》", or "漢字《かんじ》" after a run of
//     kanji (or of letters and digits).
//   - phrases are separated by blanks (ASCII or ideographic); a line without
//     blanks is one phrase.
// One pass over the text, no allocation per character.
#include <string>
#include <string_view>
#include <vector>

namespace hanaroku::verse {

struct PhraseCount {
  int morae = 0;           // counted morae; a lower bound when uncertain
  bool uncertain = false;  // holds a kanji, letter or digit without a reading
};

enum class Fit { Exact, Excess, Short };  // 定型, 字余り, 字足らず

struct LineCount {
  std::vector<PhraseCount> phrases;  // phrases with nothing countable are left out
  int total = 0;
  bool uncertain = false;
  int patternTotal = 0;  // 17 (5-7-5) or 31 (5-7-5-7-7), 0 for an empty line
  // Against the nearest pattern; an uncertain line short of it stays Exact
  // (its reading may make up the difference), since totals are lower bounds.
  Fit fit = Fit::Exact;
};

// The count of one line of UTF-16 text (no line breaks in it).
LineCount CountLine(std::u16string_view line);
// One count per line of a text (CR LF, LF or CR ends a line; a last empty
// line after a final break is not counted).
std::vector<LineCount> CountLines(std::u16string_view text);

// "5・7・5・7・7"; an uncertain phrase as "5?" (at least five).
std::string FormatPhrases(const LineCount& line);
// "字余り", "字足らず" or "" (UTF-8).
std::string FitWord(const LineCount& line);
// What the status bar shows for a count: one line gives its phrases, with
// the fit after them ("6・8・5・7・7 字余り"); several lines give their
// number and total ("3行 計51音", "?" after an uncertain total).
std::string Summary(const std::vector<LineCount>& lines);

}  // namespace hanaroku::verse
