#include "controls/VerticalForms.h"

#include <gtest/gtest.h>

namespace hanaroku {
namespace {

TEST(VerticalFormsTest, SortsCharactersByHowTheyStand) {
  EXPECT_EQ(VerticalGlyphKind(u'山'), VerticalGlyph::Upright);
  EXPECT_EQ(VerticalGlyphKind(u'は'), VerticalGlyph::Upright);
  EXPECT_EQ(VerticalGlyphKind(u' '), VerticalGlyph::Upright);
  EXPECT_EQ(VerticalGlyphKind(u'\u3000'), VerticalGlyph::Upright);
  for (char16_t c : {u'A', u'z', u'7', u'(', u'ｱ', u'ー', u'―', u'…', u'～', u'「', u'』', u'（', u'】'})
    EXPECT_EQ(VerticalGlyphKind(c), VerticalGlyph::Rotated) << static_cast<int>(c);
  for (char16_t c : {u'ぁ', u'っ', u'ょ', u'ァ', u'ッ', u'ヶ'})
    EXPECT_EQ(VerticalGlyphKind(c), VerticalGlyph::SmallKanaOffset) << static_cast<int>(c);
  EXPECT_EQ(VerticalGlyphKind(u'あ'), VerticalGlyph::Upright);  // the full-size neighbour
  EXPECT_EQ(VerticalGlyphKind(u'、'), VerticalGlyph::PunctuationOffset);
  EXPECT_EQ(VerticalGlyphKind(u'。'), VerticalGlyph::PunctuationOffset);
}

}  // namespace
}  // namespace hanaroku
