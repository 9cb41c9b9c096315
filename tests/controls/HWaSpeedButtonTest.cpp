// THWaSpeedButton: the flat button's looks (none, raised under the mouse,
// sunken while pressed), the Netscape frames, the picture and the disabled
// look, and when a release is a click.
#include "controls/HWaSpeedButton.h"

#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;

constexpr Size kSize{23, 23};
constexpr TColor kWhite = 0xFFFFFF, kGrey = 0x808080, kBlack = 0x000000;

// The colours of the top edge lines drawn, outermost first.
std::vector<TColor> TopEdges(const RecordingCanvas& c) {
  std::vector<TColor> out;
  for (const PaintOp* op : c.Of(PaintOp::Kind::Line))
    if (op->points[0].y == op->points[1].y && op->points[0].y <= 2 && op->points[0].x < op->points[1].x)
      out.push_back(op->color);
  return out;
}

RecordingCanvas Painted(THWaSpeedButton& b) {
  RecordingCanvas c;
  b.Paint(c, kSize);
  return c;
}

TEST(HWaSpeedButton, FlatLooksFollowTheMouse) {
  THWaSpeedButton b;
  b.Glyph = "document-new";
  EXPECT_TRUE(TopEdges(Painted(b)).empty());  // no frame at rest
  b.MouseEnter();
  EXPECT_TRUE(b.MouseInside());
  EXPECT_EQ(TopEdges(Painted(b)), std::vector<TColor>{kWhite});  // raised
  b.MouseDown({5, 5});
  EXPECT_TRUE(b.IsDown());
  RecordingCanvas down = Painted(b);
  EXPECT_EQ(TopEdges(down), std::vector<TColor>{kGrey});  // sunken
  // The picture, centred and one pixel further while down.
  auto pictures = down.Of(PaintOp::Kind::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0]->text, "document-new");
  EXPECT_EQ(pictures[0]->rect, Rect::FromSize(4, 4, 16, 16));
  b.MouseUp({5, 5}, kSize);
  EXPECT_EQ(Painted(b).Of(PaintOp::Kind::Picture)[0]->rect, Rect::FromSize(3, 3, 16, 16));
  b.MouseLeave();
  EXPECT_TRUE(TopEdges(Painted(b)).empty());
  // A button that is not flat always has its frame.
  b.Flat = false;
  EXPECT_EQ(TopEdges(Painted(b)).size(), 2u);
}

TEST(HWaSpeedButton, Netscape4DrawsABlackFrameUnderTheMouseAndWhilePressed) {
  THWaSpeedButton b;
  b.FlatStyle = TFlatStyle::fsNetscape4;
  EXPECT_TRUE(Painted(b).Of(PaintOp::Kind::FrameRect).empty());
  b.MouseEnter();
  RecordingCanvas hot = Painted(b);
  auto frames = hot.Of(PaintOp::Kind::FrameRect);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0]->color, kBlack);
  EXPECT_EQ(frames[0]->rect, Rect::FromSize(0, 0, 23, 23));
  // The platform's raised edge, then the style's outer and inner raised ones.
  EXPECT_EQ(TopEdges(hot).size(), 3u);
  b.MouseDown({1, 1});
  RecordingCanvas down = Painted(b);
  ASSERT_EQ(down.Of(PaintOp::Kind::FrameRect).size(), 1u);
  // After the frame a sunken edge one pixel inside.
  const PaintOp* last = down.Of(PaintOp::Kind::Line).back();
  EXPECT_EQ(last->points[0], (Point{21, 21}));
  // Office 97 adds nothing.
  b.FlatStyle = TFlatStyle::fsOffice97;
  EXPECT_TRUE(Painted(b).Of(PaintOp::Kind::FrameRect).empty());
}

TEST(HWaSpeedButton, DragOffAndBackAndReleaseInsideOrOutside) {
  THWaSpeedButton b;
  int repaints = 0;
  b.Invalidate = [&] { ++repaints; };
  b.MouseDown({5, 5});
  b.MouseMove({30, 5}, kSize);
  EXPECT_FALSE(b.IsDown());
  b.MouseMove({0, 0}, kSize);
  EXPECT_TRUE(b.IsDown());
  EXPECT_TRUE(b.MouseUp({0, 0}, kSize));  // column 0 is on the button
  b.MouseDown({5, 5});
  EXPECT_FALSE(b.MouseUp({23, 5}, kSize));
  EXPECT_FALSE(b.MouseUp({5, 5}, kSize));  // no press before it
  b.MouseDown({5, 5});
  b.CaptureLost();
  EXPECT_FALSE(b.IsDown());
  EXPECT_FALSE(b.MouseUp({5, 5}, kSize));
  EXPECT_GT(repaints, 0);
}

TEST(HWaSpeedButton, DisabledButtonsShowTheGreyPictureOrAnEmbossedCaption) {
  THWaSpeedButton b;
  b.Glyph = "edit-cut";
  b.SetEnabled(false);
  b.MouseEnter();
  EXPECT_FALSE(b.MouseInside());
  b.MouseDown({5, 5});
  EXPECT_FALSE(b.MouseUp({5, 5}, kSize));
  RecordingCanvas c = Painted(b);
  EXPECT_TRUE(TopEdges(c).empty());
  EXPECT_EQ(c.Of(PaintOp::Kind::Picture)[0]->text, DisabledPictureName("edit-cut"));

  THWaSpeedButton v;
  v.Caption = "V";
  v.Font.height = 12;
  RecordingCanvas enabled = Painted(v);
  ASSERT_EQ(enabled.Texts(), std::vector<std::string>{"V"});
  EXPECT_EQ(enabled.Of(PaintOp::Kind::Text)[0]->points[0], (Point{(23 - 6) / 2, (23 - 12) / 2}));
  v.SetEnabled(false);
  RecordingCanvas disabled = Painted(v);
  auto texts = disabled.Of(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->color, kWhite);  // highlight, one pixel down and right
  EXPECT_EQ(texts[0]->points[0].x, texts[1]->points[0].x + 1);
  EXPECT_EQ(texts[1]->color, kGrey);
  // Pressed, then disabled: it comes up.
  v.SetEnabled(true);
  v.MouseDown({1, 1});
  v.SetEnabled(false);
  EXPECT_FALSE(v.IsDown());
}

}  // namespace
}  // namespace hanaroku
