#include "platform/Paint.h"

#include <gtest/gtest.h>

#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;

TEST(Paint, SystemColoursResolveThroughTheCanvasAndPlainColoursLoseTheirHighByte) {
  RecordingCanvas canvas;
  EXPECT_EQ(ResolveColor(canvas, kSysColorFlag | static_cast<TColor>(SysColor::BtnFace)), 0xC0C0C0u);
  EXPECT_EQ(ResolveColor(canvas, 0x00FF8000), 0x00FF8000u);
  EXPECT_EQ(ResolveColor(canvas, 0x12FF8000), 0x00FF8000u);
}

TEST(Paint, EdgesDrawOneRingPerBorderWithThePlatformsColours) {
  RecordingCanvas canvas;
  DrawEdge(canvas, {0, 0, 10, 8}, Edge::RaisedInner);
  auto lines = canvas.Of(PaintOp::Kind::Line);
  ASSERT_EQ(lines.size(), 4u);
  // Top and left light, bottom and right shadow; every border pixel covered.
  EXPECT_EQ(lines[0]->color, 0xFFFFFFu);
  EXPECT_EQ(lines[1]->color, 0xFFFFFFu);
  EXPECT_EQ(lines[2]->color, 0x808080u);
  EXPECT_EQ(lines[3]->color, 0x808080u);
  EXPECT_EQ(lines[1]->points[0], (Point{0, 0}));
  EXPECT_EQ(lines[1]->points[1], (Point{9, 0}));
  EXPECT_EQ(lines[3]->points[0], (Point{9, 7}));
  EXPECT_EQ(lines[3]->points[1], (Point{-1, 7}));

  canvas.Clear();
  DrawEdge(canvas, {0, 0, 10, 8}, Edge::Sunken);
  lines = canvas.Of(PaintOp::Kind::Line);
  ASSERT_EQ(lines.size(), 8u);
  EXPECT_EQ(lines[0]->color, 0x808080u);  // outer ring: shadow at the top left
  EXPECT_EQ(lines[4]->color, 0x404040u);  // inner ring: dark shadow
  EXPECT_EQ(lines[5]->points[0], (Point{1, 1}));
}

TEST(Paint, AnEdgeOfAnEmptyRectangleDrawsNothing) {
  RecordingCanvas canvas;
  DrawEdge(canvas, {5, 5, 5, 9}, Edge::Raised);
  EXPECT_TRUE(canvas.ops.empty());
}

TEST(Paint, ClipsIntersectAndArePoppedInOrder) {
  RecordingCanvas canvas;
  {
    ClipScope outer(canvas, {0, 0, 10, 10});
    ClipScope inner(canvas, {5, 5, 20, 20});
    canvas.FillRect({0, 0, 30, 30}, 1);
  }
  canvas.FillRect({0, 0, 30, 30}, 2);
  ASSERT_EQ(canvas.ops.size(), 2u);
  EXPECT_TRUE(canvas.ops[0].clipped);
  EXPECT_EQ(canvas.ops[0].clip, (Rect{5, 5, 10, 10}));
  EXPECT_FALSE(canvas.ops[1].clipped);
}

TEST(Geometry, RectangleArithmetic) {
  Rect r = Rect::FromSize(2, 3, 10, 4);
  EXPECT_EQ(r, (Rect{2, 3, 12, 7}));
  EXPECT_TRUE(r.Contains({2, 3}));
  EXPECT_FALSE(r.Contains({12, 3}));
  EXPECT_EQ(r.Inflated(-1, -1), (Rect{3, 4, 11, 6}));
  EXPECT_TRUE(r.Intersect({20, 20, 30, 30}).Empty());
  EXPECT_EQ(MakeColor(300, -5, 0x80), 0x8000FFu);
  EXPECT_EQ(RedOf(0x123456), 0x56);
  EXPECT_EQ(BlueOf(0x123456), 0x12);
}

}  // namespace
}  // namespace hanaroku
