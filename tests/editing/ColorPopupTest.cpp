// How the owner-drawn items of the right pane's popup menu measure and paint.
#include <gtest/gtest.h>

#include "editing/ColorPopup.h"
#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using K = test::PaintOp::Kind;
constexpr Rect kItem{0, 40, 100, 60};
const PaintFont kFont{"ＭＳ Ｐゴシック", 12};

test::RecordingCanvas Paint(std::string_view name, std::string_view caption, bool separator, const Rect& r,
                            bool wrap) {
  test::RecordingCanvas canvas;
  PaintPopupItem(canvas, name, caption, separator, r, wrap, kFont);
  return canvas;
}

TEST(ColorPopup, ItemsAre80WideAndSeparatorsHalfAsHigh) {
  EXPECT_EQ(MeasurePopupItem("N24", false), (Size{80, 20}));
  EXPECT_EQ(MeasurePopupItem("N13", false), (Size{80, 20}));
  EXPECT_EQ(MeasurePopupItem("N12", true), (Size{80, 10}));
}

TEST(ColorPopup, ColourItemsAreFilledWithTheirColour) {
  const auto c = Paint("N24", "えんじ", false, kItem, true);
  ASSERT_EQ(c.ops.size(), 2u);
  EXPECT_EQ(c.ops[0].kind, K::FillRect);
  EXPECT_EQ(c.ops[0].rect, kItem);
  EXPECT_EQ(c.ops[0].color, 0x2548C2u);
  EXPECT_EQ(c.ops[1].kind, K::Text);
  EXPECT_EQ(c.ops[1].text, "えんじ");
  EXPECT_EQ(c.ops[1].points[0], (Point{15, 44}));  // 12 high, centred in 20
  EXPECT_EQ(c.ops[1].font, kFont);
  EXPECT_EQ(ResolveColor(c, c.ops[1].color), c.SystemColor(SysColor::MenuText));
  EXPECT_EQ(Paint("N35", "銀", false, kItem, false).ops[0].color, 0xB7ABA8u);
}

TEST(ColorPopup, TheOtherItemsAreSandColoured) {
  const auto n13 = Paint("N13", "文字選択確定", false, kItem, true);
  ASSERT_EQ(n13.ops.size(), 2u);
  EXPECT_EQ(n13.ops[0].color, 0xB9D3E8u);
  EXPECT_EQ(n13.ops[1].points[0].x, 2);
  // "折り返し": the box only while the right pane wraps.
  const auto wrapped = Paint("N14", "折り返し", false, kItem, true);
  ASSERT_EQ(wrapped.ops.size(), 4u);
  EXPECT_EQ(wrapped.ops[2].kind, K::FrameRect);
  EXPECT_EQ(wrapped.ops[2].rect, (Rect{2, 48, 13, 52}));
  EXPECT_EQ(wrapped.ops[2].color, 0x000000u);
  EXPECT_EQ(wrapped.ops[3].points[0].x, 15);
  EXPECT_EQ(Paint("N14", "折り返し", false, kItem, false).ops.size(), 2u);
}

TEST(ColorPopup, SeparatorsAreTwoLinesAcrossTheMiddle) {
  const Rect sep{0, 20, 100, 30};
  const auto c = Paint("N12", "", true, sep, true);
  ASSERT_EQ(c.ops.size(), 3u);
  EXPECT_EQ(c.ops[0].color, 0xB9D3E8u);
  EXPECT_EQ(c.ops[1].points, (std::vector<Point>{{1, 25}, {99, 25}}));
  EXPECT_EQ(c.ops[1].color, 0x1A9185u);
  EXPECT_EQ(c.ops[2].points, (std::vector<Point>{{1, 26}, {99, 26}}));
  EXPECT_EQ(c.ops[2].color, 0xA7EFE8u);
}

}  // namespace
}  // namespace hanaroku
