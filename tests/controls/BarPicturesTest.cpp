// The grips' and tabs' pictures and where a named picture goes.
#include "controls/BarPictures.h"

#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;

TEST(BarPictures, NamedPicturesAreCentredAndShrunkToFit) {
  EXPECT_EQ(CentredPictureRect({16, 16}, Rect::FromSize(0, 0, 23, 23)), Rect::FromSize(3, 3, 16, 16));
  EXPECT_EQ(CentredPictureRect({16, 16}, Rect::FromSize(10, 0, 8, 12)), Rect::FromSize(10, 2, 8, 8));
  EXPECT_EQ(CentredPictureRect({32, 16}, Rect::FromSize(0, 0, 16, 16)), Rect::FromSize(0, 4, 16, 8));
  EXPECT_TRUE(CentredPictureRect({0, 16}, Rect::FromSize(0, 0, 16, 16)).Empty());
  EXPECT_TRUE(CentredPictureRect({16, 16}, Rect{}).Empty());
  RecordingCanvas c;
  NamedPicture("edit-copy")(c, Rect::FromSize(0, 0, 20, 20));
  NamedPicture("")(c, Rect::FromSize(0, 0, 20, 20));  // unknown: nothing
  ASSERT_EQ(c.Of(PaintOp::Kind::Picture).size(), 1u);
  EXPECT_EQ(c.Of(PaintOp::Kind::Picture)[0]->rect, Rect::FromSize(2, 2, 16, 16));
}

TEST(BarPictures, GripsAreTwoRidgesAndLightUp) {
  RecordingCanvas plain, lit;
  GripPicture(false)(plain, Rect::FromSize(0, 0, 9, 33));
  GripPicture(true)(lit, Rect::FromSize(0, 0, 9, 33));
  EXPECT_EQ(plain.Of(PaintOp::Kind::FillRect)[0]->color, 0xC0C0C0u);
  EXPECT_EQ(lit.Of(PaintOp::Kind::FillRect)[0]->color, kLitFace);
  EXPECT_EQ(plain.Of(PaintOp::Kind::Line).size(), 8u);   // two rings
  EXPECT_EQ(lit.Of(PaintOp::Kind::Line).size(), 16u);    // two double rings
  RecordingCanvas tiny;
  GripPicture(false)(tiny, Rect::FromSize(0, 0, 9, 4));
  EXPECT_TRUE(tiny.Of(PaintOp::Kind::Line).empty());
}

TEST(BarPictures, TabsShowTheirNameClippedToTheFlap) {
  RecordingCanvas plain, lit;
  TabPicture("左窓", false)(plain, Rect::FromSize(0, 0, 40, 13));
  TabPicture("左窓", true)(lit, Rect::FromSize(0, 0, 40, 13));
  ASSERT_EQ(plain.Texts(), std::vector<std::string>{"左窓"});
  const PaintOp* text = plain.Of(PaintOp::Kind::Text)[0];
  EXPECT_EQ(text->points[0], (Point{1 + (38 - 20) / 2, (12 - 10) / 2}));
  EXPECT_TRUE(text->clipped);
  EXPECT_EQ(text->clip, (Rect{1, 0, 39, 13}));
  EXPECT_EQ(lit.Of(PaintOp::Kind::Text)[0]->color, kLitText);
  EXPECT_NE(plain.Of(PaintOp::Kind::Text)[0]->color, kLitText);
}

}  // namespace
}  // namespace hanaroku
