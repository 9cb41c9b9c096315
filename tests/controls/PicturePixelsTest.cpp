// The premultiplied and greyed pictures of the picture buttons.
#include "controls/PicturePixels.h"

#include <gtest/gtest.h>

namespace hanaroku {
namespace {

TEST(PicturePixels, PremultiplyingScalesTheColoursByTheirOpacity) {
  const std::vector<std::uint32_t> in = {0xFF336699, 0x00FFFFFF, 0x80FF0000, 0x01FFFFFF};
  const std::vector<std::uint32_t> out = Premultiplied(in);
  EXPECT_EQ(out[0], 0xFF336699u);  // opaque: unchanged
  EXPECT_EQ(out[1], 0x00000000u);  // clear: no colour left
  EXPECT_EQ(out[2], 0x80800000u);  // half: half the red
  EXPECT_EQ(out[3], 0x01010101u);
  EXPECT_TRUE(Premultiplied({}).empty());
}

TEST(PicturePixels, GreyedPicturesAreLightGreyAtHalfOpacity) {
  const std::vector<std::uint32_t> out = Greyed(std::vector<std::uint32_t>{0xFF000000, 0xFFFFFFFF, 0x00FF0000});
  EXPECT_EQ(out[0], 0x7F606060u);  // black becomes a middle grey
  EXPECT_EQ(out[1], 0x7FE0E0E0u);  // white a light one
  EXPECT_EQ(out[2] >> 24, 0u);     // what was clear stays clear
  for (std::uint32_t p : out) EXPECT_TRUE(((p >> 16) & 0xFF) == (p & 0xFF) && ((p >> 8) & 0xFF) == (p & 0xFF));
}

}  // namespace
}  // namespace hanaroku
