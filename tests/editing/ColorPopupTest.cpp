// How the owner-drawn items of the right pane's popup menu measure and draw.
#include <gtest/gtest.h>

#include "editing/ColorPopup.h"

namespace hanaroku {
namespace {

using K = PopupDrawOp::Kind;
constexpr ItemRect kItem{0, 40, 100, 60};

TEST(ColorPopup, ItemsAre80WideAndSeparatorsHalfAsHigh) {
  EXPECT_EQ(MeasurePopupItem("N24", false).width, 80);
  EXPECT_EQ(MeasurePopupItem("N24", false).height, 20);
  EXPECT_EQ(MeasurePopupItem("N13", false).height, 20);
  EXPECT_EQ(MeasurePopupItem("N12", true).width, 80);
  EXPECT_EQ(MeasurePopupItem("N10", true).height, 10);
}

TEST(ColorPopup, ColourItemsAreFilledWithTheirColour) {
  const auto ops = DrawPopupItem("N24", "えんじ", false, kItem, true);
  ASSERT_EQ(ops.size(), 2u);
  EXPECT_EQ(ops[0], (PopupDrawOp{K::Fill, kItem, 0x2548C2, 0, ""}));
  EXPECT_EQ(ops[1], (PopupDrawOp{K::Text, {15, 40, 100, 60}, 0, 0, "えんじ"}));
  EXPECT_EQ(DrawPopupItem("N35", "銀", false, kItem, false)[0].color, 0xB7ABA8u);
}

TEST(ColorPopup, TheOtherItemsAreSandColoured) {
  const auto n13 = DrawPopupItem("N13", "文字選択確定", false, kItem, true);
  ASSERT_EQ(n13.size(), 2u);
  EXPECT_EQ(n13[0], (PopupDrawOp{K::Fill, kItem, 0xB9D3E8, 0, ""}));
  EXPECT_EQ(n13[1].rect.left, 2);
  // "折り返し": the box only while the right pane wraps.
  const auto wrapped = DrawPopupItem("N14", "折り返し", false, kItem, true);
  ASSERT_EQ(wrapped.size(), 3u);
  EXPECT_EQ(wrapped[1], (PopupDrawOp{K::Rectangle, {2, 48, 13, 52}, 0x000000, 0xB9D3E8, ""}));
  EXPECT_EQ(wrapped[2].rect.left, 15);
  EXPECT_EQ(DrawPopupItem("N14", "折り返し", false, kItem, false).size(), 2u);
}

TEST(ColorPopup, SeparatorsAreTwoLinesAcrossTheMiddle) {
  const ItemRect sep{0, 20, 100, 30};
  const auto ops = DrawPopupItem("N12", "", true, sep, true);
  ASSERT_EQ(ops.size(), 3u);
  EXPECT_EQ(ops[0], (PopupDrawOp{K::Fill, sep, 0xB9D3E8, 0, ""}));
  EXPECT_EQ(ops[1], (PopupDrawOp{K::Line, {1, 25, 99, 25}, 0x1A9185, 0, ""}));
  EXPECT_EQ(ops[2], (PopupDrawOp{K::Line, {1, 26, 99, 26}, 0xA7EFE8, 0, ""}));
}

}  // namespace
}  // namespace hanaroku
