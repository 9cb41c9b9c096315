#pragma once
// How a character stands in vertical writing when the font does not provide
// a vertical form of its own. The pane paints with an "@" face at escapement
// 2700, which normally turns these itself; this tells the painter what to do
// with a face that does not.
namespace hanaroku {

enum class VerticalGlyph {
  Upright,            // drawn as is (kanji, kana, most full-width forms)
  Rotated,            // turned 90 degrees clockwise: half-width Latin and digits,
                      // long vowel mark, dashes, ellipses, waves, brackets
  SmallKanaOffset,    // small kana, moved toward the top right of the cell
  PunctuationOffset,  // ideographic comma and full stop, moved to the top right
};

VerticalGlyph VerticalGlyphKind(char16_t c) noexcept;

}  // namespace hanaroku
