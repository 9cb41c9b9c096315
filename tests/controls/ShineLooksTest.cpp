#include "controls/ShineLooks.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

// WCAG relative luminance and contrast of two 0x00BBGGRR colours.
double Luminance(TColor c) {
  auto lin = [](int v) {
    double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * lin(RedOf(c)) + 0.7152 * lin(GreenOf(c)) + 0.0722 * lin(BlueOf(c));
}
double Contrast(TColor a, TColor b) {
  double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

constexpr ShineLookId kAll[] = {ShineLookId::RightBar, ShineLookId::LeftBar, ShineLookId::ColourBar,
                                ShineLookId::HtmlBar, ShineLookId::Window};

TEST(ShineLooks, EveryLookIsAFlatVerticalGradientWithTheFamilysFonts) {
  for (ShineLookId id : kAll) {
    TShineSpeedButton b;
    b.SetCaption("萬");
    ApplyShineLook(b, id);
    EXPECT_EQ(b.FrameType(), TFrameType::ftFlatFrame);
    EXPECT_TRUE(b.Colors.Gradation() && b.Colors.GradVertical());
    EXPECT_EQ(b.Colors.Color(), LookOf(id).top);
    EXPECT_EQ(b.PressedColors.Color(), clBtnHighlight);
    EXPECT_FALSE(b.ActiveColorsEnabled());
    EXPECT_EQ(b.Font().face.name, "ＭＳ 明朝");
    EXPECT_TRUE(b.Font().face.bold);
    EXPECT_EQ(b.Font().color, clWhite);
    EXPECT_EQ(b.ActiveFont().face.name, "ＭＳ ゴシック");
    EXPECT_EQ(b.ActiveFont().color, clRed);
    EXPECT_EQ(b.Caption(), "萬");
  }
}

TEST(ShineLooks, CaptionsStayReadableWhereTheyStand) {
  for (ShineLookId id : kAll) {
    const ShineLook& look = LookOf(id);
    // The rows behind a 14-pixel caption centred in a 23-pixel button.
    for (int row = 4; row < 19; ++row) {
      TColor back = GradientStep(look.top, look.bottom, row, 23);
      EXPECT_GE(Contrast(clWhite, back), 7.0) << static_cast<int>(id) << " row " << row;
      EXPECT_GE(Contrast(clRed, back), 1.95) << static_cast<int>(id) << " row " << row;
    }
    // Pressed under the mouse: the red caption on the pale pressed look.
    EXPECT_GE(Contrast(clRed, look.pressedBottom), 2.9) << static_cast<int>(id);
  }
}

TEST(ShineLooks, AnUnknownIdFallsBackToTheFirstLook) {
  EXPECT_EQ(LookOf(static_cast<ShineLookId>(99)).top, LookOf(ShineLookId::RightBar).top);
}

}  // namespace
}  // namespace hanaroku
