#include "verse/SoundCount.h"

#include <cstdlib>

namespace hanaroku::verse {
namespace {

enum class Kind {
  Blank,     // separates phrases
  Kana,      // counts `morae` (0 for small kana)
  Kanji,     // no reading of its own
  Alnum,     // Latin letter or digit: no reading of its own either
  RubyBase,  // ｜ or |: the base of the next reading starts here
  RubyOpen,  // 《
  RubyClose, // 》
  Other,     // punctuation and symbols: nothing
};

struct CharClass {
  Kind kind;
  int morae = 0;
};

constexpr bool IsSmallHiragana(char32_t c) {
  switch (c) {
    case 0x3041: case 0x3043: case 0x3045: case 0x3047: case 0x3049:  // ぁぃぅぇぉ
    case 0x3083: case 0x3085: case 0x3087: case 0x308E:              // ゃゅょゎ
      return true;
    default:
      return false;
  }
}

CharClass Classify(char32_t c) {
  if (c == u' ' || c == u'\t' || c == 0x3000) return {Kind::Blank};
  if (c == 0xFF5C || c == u'|') return {Kind::RubyBase};
  if (c == 0x300A) return {Kind::RubyOpen};
  if (c == 0x300B) return {Kind::RubyClose};
  if (c >= 0x3041 && c <= 0x3096) return {Kind::Kana, IsSmallHiragana(c) ? 0 : 1};
  if (c >= 0x30A1 && c <= 0x30FA) return {Kind::Kana, IsSmallHiragana(c - 0x60) ? 0 : 1};
  switch (c) {
    case 0x30FC:                                  // ー
    case 0x309D: case 0x309E:                     // ゝゞ
    case 0x30FD: case 0x30FE:                     // ヽヾ
      return {Kind::Kana, 1};
    case 0x309F: case 0x30FF:                     // ゟ (より), ヿ (コト)
      return {Kind::Kana, 2};
    case 0x3005: case 0x3006: case 0x3007: case 0x303B:  // 々 〆 〇 〻
      return {Kind::Kanji};
    default:
      break;
  }
  if (c >= 0x31F0 && c <= 0x31FF) return {Kind::Kana, 0};  // small katakana ㇰ-ㇿ
  if (c >= 0xFF66 && c <= 0xFF9D) {                      // half-width katakana
    const bool small = c >= 0xFF67 && c <= 0xFF6E;       // ｧｨｩｪｫｬｭｮ (ｯ counts)
    return {Kind::Kana, small ? 0 : 1};
  }
  if (c == 0xFF70) return {Kind::Kana, 1};  // ｰ
  if ((c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0xF900 && c <= 0xFAFF) ||
      (c >= 0x20000 && c <= 0x3FFFF))
    return {Kind::Kanji};
  if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z') ||
      (c >= 0xFF10 && c <= 0xFF19) || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A))
    return {Kind::Alnum};
  return {Kind::Other};
}

// The character at i, advancing i past it (a surrogate pair is one).
char32_t Next(std::u16string_view s, std::size_t& i) {
  const char16_t u = s[i++];
  if (u >= 0xD800 && u <= 0xDBFF && i < s.size() && s[i] >= 0xDC00 && s[i] <= 0xDFFF)
    return 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (s[i++] - 0xDC00);
  return u;
}

struct Tally {
  int morae = 0;    // read morae
  int unknown = 0;  // characters without a reading, one mora each at least
};

// The morae of a ruby reading (blanks and marks inside it count nothing).
Tally CountReading(std::u16string_view reading) {
  Tally t;
  for (std::size_t i = 0; i < reading.size();) {
    const CharClass k = Classify(Next(reading, i));
    if (k.kind == Kind::Kana) t.morae += k.morae;
    else if (k.kind == Kind::Kanji || k.kind == Kind::Alnum) ++t.unknown;
  }
  return t;
}

class LineCounter {
 public:
  LineCount Count(std::u16string_view line) {
    bool noCloseAhead = false;  // once a 《 found no 》, no later one will
    for (std::size_t i = 0; i < line.size();) {
      const CharClass k = Classify(Next(line, i));
      switch (k.kind) {
        case Kind::Blank:
          EndPhrase();
          break;
        case Kind::Kana:
          phrase_.morae += k.morae;
          run_ = Kind::Other;
          break;
        case Kind::Kanji:
        case Kind::Alnum:
          if (run_ != k.kind) {
            run_ = k.kind;
            runStart_ = phrase_;
          }
          ++phrase_.unknown;
          break;
        case Kind::RubyBase:
          hasBase_ = true;
          baseStart_ = phrase_;
          run_ = Kind::Other;
          break;
        case Kind::RubyOpen: {
          const std::size_t close = noCloseAhead ? std::u16string_view::npos : line.find(u'\x300B', i);
          if (close == std::u16string_view::npos) {
            noCloseAhead = true;
            run_ = Kind::Other;
            break;
          }
          Reading(line.substr(i, close - i));
          i = close + 1;
          break;
        }
        case Kind::RubyClose:
        case Kind::Other:
          run_ = Kind::Other;
          break;
      }
    }
    EndPhrase();
    Finish();
    return std::move(result_);
  }

 private:
  // A reading replaces its base: from the ｜ mark when there is one, else the
  // run of kanji (or letters) just before it. A reading after kana or a
  // symbol has no base: the text before it is read as written.
  void Reading(std::u16string_view reading) {
    const bool haveRun = run_ == Kind::Kanji || run_ == Kind::Alnum;
    if (hasBase_ || haveRun) {
      const Tally r = CountReading(reading);
      const Tally& start = hasBase_ ? baseStart_ : runStart_;
      phrase_.morae = start.morae + r.morae;
      phrase_.unknown = start.unknown + r.unknown;
    }
    hasBase_ = false;
    run_ = Kind::Other;
  }

  void EndPhrase() {
    const int morae = phrase_.morae + phrase_.unknown;
    if (morae > 0) result_.phrases.push_back({morae, phrase_.unknown > 0});
    phrase_ = {};
    hasBase_ = false;
    run_ = Kind::Other;
  }

  void Finish() {
    for (const PhraseCount& p : result_.phrases) {
      result_.total += p.morae;
      result_.uncertain = result_.uncertain || p.uncertain;
    }
    if (result_.phrases.empty()) return;
    // Three phrases are a haiku and five a tanka; otherwise the nearer total.
    const std::size_t n = result_.phrases.size();
    if (n == 3) result_.patternTotal = 17;
    else if (n == 5) result_.patternTotal = 31;
    else result_.patternTotal = std::abs(result_.total - 17) <= std::abs(result_.total - 31) ? 17 : 31;
    if (result_.total > result_.patternTotal) result_.fit = Fit::Excess;
    else if (result_.total < result_.patternTotal && !result_.uncertain) result_.fit = Fit::Short;
  }

  LineCount result_;
  Tally phrase_;
  bool hasBase_ = false;
  Tally baseStart_;
  Kind run_ = Kind::Other;  // Kanji or Alnum while such a run goes on
  Tally runStart_;
};

}  // namespace

LineCount CountLine(std::u16string_view line) { return LineCounter{}.Count(line); }

std::vector<LineCount> CountLines(std::u16string_view text) {
  std::vector<LineCount> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = start;
    while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') ++end;
    lines.push_back(CountLine(text.substr(start, end - start)));
    if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n') ++end;
    start = end + 1;
  }
  return lines;
}

std::string FormatPhrases(const LineCount& line) {
  std::string out;
  for (const PhraseCount& p : line.phrases) {
    if (!out.empty()) out += "・";
    out += std::to_string(p.morae);
    if (p.uncertain) out += "?";
  }
  return out;
}

std::string FitWord(const LineCount& line) {
  switch (line.fit) {
    case Fit::Excess: return "字余り";
    case Fit::Short: return "字足らず";
    case Fit::Exact: break;
  }
  return "";
}

std::string Summary(const std::vector<LineCount>& lines) {
  int counted = 0;
  int total = 0;
  bool uncertain = false;
  const LineCount* only = nullptr;
  for (const LineCount& l : lines) {
    if (l.phrases.empty()) continue;
    ++counted;
    total += l.total;
    uncertain = uncertain || l.uncertain;
    only = &l;
  }
  if (counted == 0) return "0音";
  if (counted == 1) {
    const std::string fit = FitWord(*only);
    return FormatPhrases(*only) + (fit.empty() ? "" : " " + fit);
  }
  return std::to_string(counted) + "行 計" + std::to_string(total) + (uncertain ? "?" : "") + "音";
}

}  // namespace hanaroku::verse
