// Geometry of the small window pieces: the rotated label's text origin, the
// status bar's part edges.
#include <gtest/gtest.h>

#include "platform/win32/SplashWindow.h"
#include "platform/win32/StatusBar.h"

namespace hanaroku::win32 {
namespace {

TEST(RotateLabel, AngleZeroCentresTheText) {
  POINT p = RotateLabelOrigin(232, 82, 200, 40, 0);
  EXPECT_EQ(p.x, 116 - 100);
  EXPECT_EQ(p.y, 41 - 20);
}

TEST(RotateLabel, QuarterTurnAndOutOfRangeAngles) {
  // 90 degrees: the text runs upwards from below the centre.
  POINT p = RotateLabelOrigin(100, 100, 60, 20, 90);
  EXPECT_EQ(p.x, 50 - 0 - 10);
  EXPECT_EQ(p.y, 30 + 50 - 0);
  // Outside 0..359 draws as 0.
  POINT a = RotateLabelOrigin(100, 100, 60, 20, 400);
  POINT b = RotateLabelOrigin(100, 100, 60, 20, 0);
  EXPECT_EQ(a.x, b.x);
  EXPECT_EQ(a.y, b.y);
  POINT c = RotateLabelOrigin(100, 100, 60, 20, -5);
  EXPECT_EQ(c.x, b.x);
}

TEST(StatusBarParts, EdgesAddUpAndTheLastRunsToTheEdge) {
  std::array<int, 5> edges = PanelEdges(std::array<int, 5>{170, 90, 100, 120, 50});
  EXPECT_EQ(edges[0], 170);
  EXPECT_EQ(edges[1], 260);
  EXPECT_EQ(edges[2], 360);
  EXPECT_EQ(edges[3], 480);
  EXPECT_EQ(edges[4], -1);
}

}  // namespace
}  // namespace hanaroku::win32
