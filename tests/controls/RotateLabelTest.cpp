#include "controls/RotateLabel.h"

#include <gtest/gtest.h>

#include "app/Splash.h"
#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;

TEST(RotateLabelOrigin, TurnsTheTextAboutTheLabelsCentre) {
  EXPECT_EQ(RotateLabelOrigin({232, 82}, {200, 40}, 0), (Point{16, 21}));
  // A half turn: the reference point lies right of and below the centre.
  EXPECT_EQ(RotateLabelOrigin({100, 100}, {60, 20}, 180), (Point{80, 60}));
  // 45 degrees: trunc(30 * 0.7071) = 21, trunc(10 * 0.7071) = 7.
  EXPECT_EQ(RotateLabelOrigin({100, 100}, {60, 20}, 45), (Point{50 - 21 - 7, 21 + 50 - 7}));
  // Odd label sizes divide down; outside 0..359 counts as 0.
  EXPECT_EQ(RotateLabelOrigin({101, 99}, {60, 20}, 0), (Point{20, 39}));
  EXPECT_EQ(RotateLabelOrigin({101, 99}, {60, 20}, 360), RotateLabelOrigin({101, 99}, {60, 20}, 0));
}

TEST(RotateLabel, AnAngleOutsideTheCircleStoresZeroAndDrawsAsZero) {
  TRotateLabel label;
  label.SetCaption("Now Loading...");
  label.SetAngle(400);
  EXPECT_EQ(label.Angle(), 0);
  RecordingCanvas at400;
  label.Paint(at400);
  label.SetAngle(0);
  RecordingCanvas at0;
  label.Paint(at0);
  ASSERT_EQ(at400.ops.size(), at0.ops.size());
  for (std::size_t i = 0; i < at0.ops.size(); ++i) {
    EXPECT_EQ(at400.ops[i].points, at0.ops[i].points);
    EXPECT_EQ(at400.ops[i].font, at0.ops[i].font);
  }
  label.SetAngle(-1);
  EXPECT_EQ(label.Angle(), 0);
  label.SetAngle(359);
  EXPECT_EQ(label.Angle(), 359);
}

TEST(RotateLabel, PaintsBackgroundShadowAndTextWithTheTurnedFont) {
  TRotateLabel label;
  label.SetCaption("ab");
  label.SetExtent({40, 30});
  label.SetColor(0x112233);
  label.SetFont(ControlFont{PaintFont{"Times New Roman", 10}, 0x445566});
  label.SetAngle(90);
  RecordingCanvas c;
  label.Paint(c, {5, 7});
  ASSERT_EQ(c.ops.size(), 3u);
  EXPECT_EQ(c.ops[0].kind, PaintOp::Kind::FillRect);
  EXPECT_EQ(c.ops[0].rect, (Rect{5, 7, 45, 37}));
  EXPECT_EQ(c.ops[0].color, 0x112233u);
  // Text 10 x 10 turned a quarter: x = 20 - 0 - 5, y = 5 + 15 - 0.
  const Point o{5 + 15, 7 + 20};
  EXPECT_EQ(c.ops[1].points[0], (Point{o.x + 2, o.y + 2}));
  EXPECT_EQ(c.ops[1].color, 0x808080u);
  EXPECT_EQ(c.ops[2].points[0], o);
  EXPECT_EQ(c.ops[2].color, 0x445566u);
  EXPECT_EQ(c.ops[2].font.escapement, 900);
  EXPECT_EQ(c.ops[2].font.charset, 1);
  EXPECT_EQ(c.ops[2].font.name, "Times New Roman");
  EXPECT_EQ(c.ops[2].clip, (Rect{5, 7, 45, 37}));
}

TEST(RotateLabel, TransparentWithoutShadowAndDisabledEmbossed) {
  TRotateLabel label;
  label.SetCaption("x");
  label.SetTransparent(true);
  label.Shadow.SetVisible(false);
  label.SetEnabled(false);
  RecordingCanvas c;
  label.Paint(c);
  ASSERT_EQ(c.ops.size(), 2u);
  EXPECT_EQ(c.ops[0].color, clBtnHighlight);
  EXPECT_EQ(c.ops[1].color, clBtnShadow);
  EXPECT_EQ(c.ops[0].points[0].x, c.ops[1].points[0].x + 1);
  EXPECT_EQ(c.ops[0].points[0].y, c.ops[1].points[0].y + 1);
}

TEST(RotateLabel, ChangesOfTheLabelOrItsShadowAskForARepaintOnce) {
  TRotateLabel label;
  int repaints = 0;
  label.OnChange = [&] { ++repaints; };
  label.Shadow.SetOffsetLeft(4);
  label.Shadow.SetOffsetLeft(4);
  label.Shadow.SetColor(clRed);
  label.SetAngle(30);
  label.SetAngle(390);  // stores 0: a change
  label.SetAngle(-3);   // 0 again: none
  EXPECT_EQ(repaints, 4);
}

TEST(SplashPaint, FillsTheSplashAndDrawsNowLoadingAtItsPlace) {
  SplashView view;
  view.color = 0xE8DFDD;
  view.labelText = "Now Loading...";
  view.labelFont = "Times New Roman";
  view.labelHeight = 33;
  view.labelColor = 0x856556;
  view.labelLeft = 284;
  view.labelTop = 186;
  RecordingCanvas c;
  PaintSplash(c, view, {800, 455});
  ASSERT_GE(c.ops.size(), 2u);
  EXPECT_EQ(c.ops[0].rect, (Rect{0, 0, 800, 455}));
  EXPECT_EQ(c.ops[0].color, 0xE8DFDDu);
  const PaintOp& text = c.ops.back();
  EXPECT_EQ(text.text, "Now Loading...");
  EXPECT_EQ(text.color, 0x856556u);
  EXPECT_EQ(text.font.height, 33);
  // 14 ASCII characters of 16 in a label of 232 x 82 at (284, 186).
  EXPECT_EQ(text.points[0], (Point{284 + 116 - 112, 186 + 41 - 16}));
  EXPECT_EQ(text.clip, (Rect{284, 186, 284 + 232, 186 + 82}));
}

}  // namespace
}  // namespace hanaroku
