#include "controls/LozengeCheckBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/ColorEdit.h"
#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;

constexpr Size kSize = TLozengeCheckBox::kDefaultSize;  // 170 x 30: m = 15

TEST(LozengeCheckBox, DrawsTheDiamondWithWhiteEdgesByState) {
  TLozengeCheckBox box;
  box.Caption = "  LINK on/off";
  RecordingCanvas off;
  box.Paint(off, kSize);
  ASSERT_FALSE(off.Of(PaintOp::Kind::FillRect).empty());
  EXPECT_EQ(off.Of(PaintOp::Kind::FillRect)[0]->rect, Rect::FromSize(0, 0, 170, 30));
  const auto diamond = off.Of(PaintOp::Kind::Polygon);
  ASSERT_EQ(diamond.size(), 1u);
  EXPECT_EQ(diamond[0]->points, (std::vector<Point>{{11, 8}, {4, 15}, {11, 22}, {18, 15}}));
  const auto upper = off.Of(PaintOp::Kind::Polyline);
  ASSERT_EQ(upper.size(), 1u);
  EXPECT_EQ(upper[0]->points, (std::vector<Point>{{4, 15}, {11, 8}, {18, 15}}));
  EXPECT_EQ(upper[0]->color, 0xFFFFFFu);

  box.SetChecked(true);
  RecordingCanvas on;
  box.Paint(on, {170, 31});  // m rounds up: 16
  const auto lower = on.Of(PaintOp::Kind::Polyline);
  ASSERT_EQ(lower.size(), 1u);
  EXPECT_EQ(lower[0]->points, (std::vector<Point>{{18, 16}, {11, 23}, {4, 16}}));
}

TEST(LozengeCheckBox, CaptionFocusFrameAndEmbossedWhenDisabled) {
  TLozengeCheckBox box;
  box.Caption = "LINK";
  RecordingCanvas plain;
  box.Paint(plain, kSize);
  const auto text = plain.Of(PaintOp::Kind::Text);
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0]->points[0].x, TLozengeCheckBox::kCaptionLeft);
  EXPECT_EQ(text[0]->points[0].y, (30 - box.Font.height) / 2);
  EXPECT_TRUE(plain.Of(PaintOp::Kind::Pixel).empty());

  box.SetFocused(true);
  RecordingCanvas focused;
  box.Paint(focused, {40, 30});  // narrower than the caption
  const auto dots = focused.Of(PaintOp::Kind::Pixel);
  ASSERT_FALSE(dots.empty());
  for (const PaintOp* dot : dots) EXPECT_LT(dot->points[0].x, 40);

  box.SetEnabled(false);
  RecordingCanvas disabled;
  box.Paint(disabled, kSize);
  const auto embossed = disabled.Of(PaintOp::Kind::Text);
  ASSERT_EQ(embossed.size(), 2u);
  EXPECT_EQ(embossed[0]->points[0].x, 24);  // highlight, one down and right
  EXPECT_EQ(embossed[0]->color, 0xFFFFFFu);
  EXPECT_EQ(embossed[1]->points[0].x, 23);
  EXPECT_EQ(embossed[1]->color, 0x808080u);
}

TEST(LozengeCheckBox, AClickTogglesTakesTheFocusRepaintsThenFiresOnClick) {
  TLozengeCheckBox box;
  std::vector<std::string> order;
  box.TakeFocus = [&] { order.push_back("focus"); };
  box.Invalidate = [&] { order.push_back("paint"); };
  box.OnClick = [&] { order.push_back(box.Checked() ? "click checked" : "click unchecked"); };
  box.MouseDown({30, 10});
  EXPECT_TRUE(box.MouseUp({30, 10}, kSize));
  EXPECT_EQ(order, (std::vector<std::string>{"focus", "paint", "click checked"}));
  // A release outside the box is no click.
  box.MouseDown({30, 10});
  EXPECT_FALSE(box.MouseUp({300, 10}, kSize));
  EXPECT_TRUE(box.Checked());
  // The space bar only while focused.
  EXPECT_FALSE(box.KeyPress(U' '));
  box.SetFocused(true);
  EXPECT_TRUE(box.KeyPress(U' '));
  EXPECT_FALSE(box.Checked());
  // Disabled, nothing turns it.
  box.SetEnabled(false);
  box.MouseDown({30, 10});
  EXPECT_FALSE(box.MouseUp({30, 10}, kSize));
  box.Click();
  EXPECT_FALSE(box.Checked());
}

TEST(ColorEdit, ShowsTheEnterColourWhileFocused) {
  TColorEdit edit;
  edit.SetColor(0x123456);
  edit.DoEnter();
  EXPECT_EQ(edit.Color(), TColorEdit::kDefaultEnterColor);
  EXPECT_EQ(TColorEdit::kDefaultEnterColor, 0xB6EFE7u);
  edit.DoEnter();  // a second enter must not put the enter colour aside
  edit.DoExit();
  EXPECT_EQ(edit.Color(), 0x123456u);
  edit.DoExit();
  EXPECT_EQ(edit.Color(), 0x123456u);

  int changes = 0;
  edit.OnChange = [&] { ++changes; };
  edit.SetText("#fff8dc");
  edit.SetText("#fff8dc");
  EXPECT_EQ(changes, 1);
}

}  // namespace
}  // namespace hanaroku
