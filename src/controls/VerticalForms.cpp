#include "controls/VerticalForms.h"

#include <algorithm>
#include <iterator>

namespace hanaroku {

namespace {

// Full-width characters that lie along the line and so turn in vertical
// writing (sorted).
constexpr char16_t kRotated[] = {
    u'\u2010',  // ‐ hyphen
    u'\u2015',  // ― horizontal bar
    u'\u2025',  // ‥
    u'\u2026',  // …
    u'\u2190', u'\u2191', u'\u2192', u'\u2193',  // arrows
    u'\u3008', u'\u3009', u'\u300A', u'\u300B', u'\u300C', u'\u300D', u'\u300E', u'\u300F',
    u'\u3010', u'\u3011', u'\u3014', u'\u3015',  // 〈〉《》「」『』【】〔〕
    u'\u301C',  // 〜 wave dash
    u'\u30FC',  // ー long vowel mark
    u'\uFF08', u'\uFF09',  // （）
    u'\uFF0D',  // －
    u'\uFF1A', u'\uFF1B',  // ：；
    u'\uFF1C', u'\uFF1D', u'\uFF1E',  // ＜＝＞
    u'\uFF3B', u'\uFF3D',  // ［］
    u'\uFF3F',  // ＿
    u'\uFF5B', u'\uFF5C', u'\uFF5D', u'\uFF5E',  // ｛｜｝～
};

// Small hiragana and katakana (sorted).
constexpr char16_t kSmallKana[] = {
    u'\u3041', u'\u3043', u'\u3045', u'\u3047', u'\u3049',  // ぁぃぅぇぉ
    u'\u3063', u'\u3083', u'\u3085', u'\u3087', u'\u308E',  // っゃゅょゎ
    u'\u3095', u'\u3096',                                   // ゕゖ
    u'\u30A1', u'\u30A3', u'\u30A5', u'\u30A7', u'\u30A9',  // ァィゥェォ
    u'\u30C3', u'\u30E3', u'\u30E5', u'\u30E7', u'\u30EE',  // ッャュョヮ
    u'\u30F5', u'\u30F6',                                   // ヵヶ
};

constexpr char16_t kPunctuation[] = {u'\u3001', u'\u3002', u'\uFF0C', u'\uFF0E'};  // 、。，．

template <std::size_t N>
bool In(const char16_t (&table)[N], char16_t c) noexcept {
  return std::binary_search(std::begin(table), std::end(table), c);
}

}  // namespace

VerticalGlyph VerticalGlyphKind(char16_t c) noexcept {
  // Half-width forms (ASCII and half-width katakana) lie on their side.
  if ((c >= 0x21 && c <= 0x7E) || (c >= 0xFF61 && c <= 0xFF9F)) return VerticalGlyph::Rotated;
  if (In(kRotated, c)) return VerticalGlyph::Rotated;
  if (In(kSmallKana, c)) return VerticalGlyph::SmallKanaOffset;
  if (In(kPunctuation, c)) return VerticalGlyph::PunctuationOffset;
  return VerticalGlyph::Upright;
}

}  // namespace hanaroku
