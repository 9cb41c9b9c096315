#include "html/PageColors.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace hanaroku {
namespace {

TEST(PageColors, DialogNamesBecomePageColours) {
  // $00BBGGRR: blue, green and red pairs turned round.
  EXPECT_EQ(ChangeColorF("$00FF8000"), "#0080FF");
  EXPECT_EQ(ChangeColorF(DialogColorName(0x00FF8000)), "#0080FF");
  EXPECT_EQ(ChangeColorF("clLtGray"), " Lightgrey");
  EXPECT_EQ(ChangeColorF("clDkGray"), "Darkslategray");
  EXPECT_EQ(ChangeColorF("clBtnFace"), "clBtnFace");
  // Every standard constant the dialog names has its HTML name.
  for (TColor c : {0x000000u, 0x000080u, 0x008000u, 0x008080u, 0x800000u, 0x800080u, 0x808000u, 0x808080u,
                   0xC0C0C0u, 0x0000FFu, 0x00FF00u, 0x00FFFFu, 0xFF0000u, 0xFF00FFu, 0xFFFF00u, 0xFFFFFFu}) {
    const std::string name = DialogColorName(c);
    ASSERT_EQ(name.substr(0, 2), "cl") << c;
    EXPECT_NE(ChangeColorF(name).substr(0, 2), "cl") << name;
  }
  // Any other colour is written in hexadecimal, whatever its platform name.
  EXPECT_EQ(DialogColorName(0x00C0DCC0), "$00C0DCC0");
}

TEST(PageColors, ShortOrStrangeNamesGiveWhatTheyHold) {
  EXPECT_EQ(ChangeColorF(""), "#");
  EXPECT_EQ(ChangeColorF("$00F"), "#F");
  EXPECT_EQ(ChangeColorF("$00FF80"), "#80FF");
  EXPECT_EQ(ChangeColorF("c"), "#");
  const std::string bytes("\xff\x00\x81\x40$0012345", 11);
  EXPECT_EQ(ChangeColorF(bytes).size(), 7u);
}

TEST(PageColors, DialogPresetOfAPageColour) {
  EXPECT_EQ(ColorDialogPreset("#fff8dc"), TColor{0xDCF8FF});
  EXPECT_EQ(ColorDialogPreset("#0080FF"), TColor{0xFF8000});
  EXPECT_EQ(ColorDialogPreset("White"), std::nullopt);
  EXPECT_EQ(ColorDialogPreset("#12345"), std::nullopt);
  EXPECT_EQ(ColorDialogPreset("#1234567"), std::nullopt);
  EXPECT_EQ(ColorDialogPreset(""), std::nullopt);
  EXPECT_THROW(ColorDialogPreset("#GG0000"), std::invalid_argument);
  EXPECT_THROW(ColorDialogPreset("#12 456"), std::invalid_argument);
}

}  // namespace
}  // namespace hanaroku
