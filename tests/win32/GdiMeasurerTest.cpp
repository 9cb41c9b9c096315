// GdiMeasurer with a real Japanese font under Wine.
#include "platform/win32/GdiMeasurer.h"

#include <gtest/gtest.h>

#include "platform/Encoding.h"

namespace hanaroku::win32 {
namespace {

FontSpec Mincho(int height = 20) {
  FontSpec f;
  f.name = "IPAMincho";
  f.height = height;
  return f;
}

TEST(GdiMeasurerTest, AdvancesArePositiveAndFullWidthIsWider) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    GdiMeasurer m;
    m.SetFont(Mincho(), vertical);
    const std::string kana = enc::Utf8ToSjis("あ"), kanji = enc::Utf8ToSjis("山"),
                      halfKana = enc::Utf8ToSjis("ｱ");
    ASSERT_EQ(kana.size(), 2u);
    ASSERT_EQ(halfKana.size(), 1u);
    const int a = m.CharAdvance("A"), full = m.CharAdvance(kana);
    EXPECT_GT(a, 0);
    EXPECT_GT(m.CharAdvance(halfKana), 0);
    EXPECT_GT(m.CharAdvance(kanji), 0);
    EXPECT_GE(full, a);
    // A full-width character takes about one em of a 20-pixel font.
    EXPECT_GE(full, 15);
    EXPECT_LE(full, 26);
    EXPECT_EQ(m.CharAdvance(kana), full);  // the cached value
    EXPECT_GT(m.CharAdvance("\t"), 0);     // control characters still take room
    EXPECT_EQ(m.CharAdvance(""), 0);
    EXPECT_GT(m.LinePitch(), static_cast<int>(m.Metrics().tmHeight));
    EXPECT_EQ(m.Vertical(), vertical);
    EXPECT_NE(m.DrawFont(), nullptr);
  }
}

TEST(GdiMeasurerTest, TextWidthUsesThePlainFontInEitherDirection) {
  GdiMeasurer plain, vert;
  plain.SetFont(Mincho(), false);
  vert.SetFont(Mincho(), true);
  const int one = plain.TextWidth("A"), three = plain.TextWidth("ABC");
  EXPECT_GT(one, 0);
  EXPECT_GT(three, one);
  EXPECT_EQ(vert.TextWidth("ABC"), three);
  EXPECT_GT(plain.TextWidth("花録"), three / 3);
  EXPECT_EQ(plain.TextWidth(""), 0);
}

TEST(GdiMeasurerTest, SetFontReportsChangesAndClearsTheCache) {
  GdiMeasurer m;
  EXPECT_TRUE(m.SetFont(Mincho(16), false));
  const int small = m.CharAdvance(enc::Utf8ToSjis("花"));
  FontSpec recoloured = Mincho(16);
  recoloured.color = 0x0000FF;
  EXPECT_FALSE(m.SetFont(recoloured, false));  // the colour measures nothing
  EXPECT_EQ(m.Font().color, 0x0000FFu);
  EXPECT_TRUE(m.SetFont(Mincho(32), false));
  EXPECT_GT(m.CharAdvance(enc::Utf8ToSjis("花")), small);
  EXPECT_TRUE(m.SetFont(Mincho(32), true));
  EXPECT_TRUE(m.Vertical());
  EXPECT_NE(m.VerticalFont(), nullptr);
  LOGFONTW lf{};
  ASSERT_NE(::GetObjectW(m.DrawFont(), sizeof lf, &lf), 0);
  EXPECT_EQ(lf.lfEscapement, 2700);
  EXPECT_EQ(lf.lfFaceName[0], L'@');
  EXPECT_EQ(lf.lfCharSet, SHIFTJIS_CHARSET);
}

TEST(GdiMeasurerTest, BadBytesStillMeasure) {
  GdiMeasurer m;
  m.SetFont(Mincho(), false);
  EXPECT_GT(m.CharAdvance("\x81"), 0);       // a lone lead byte
  EXPECT_GT(m.CharAdvance("\x81\x20"), 0);   // a lead byte with a bad trail byte
  EXPECT_GT(m.CharAdvance("\xFF"), 0);
}

}  // namespace
}  // namespace hanaroku::win32
