// Geometry of the small window pieces: the rotated label's text origin, the
// status bar's part edges and the tool strip layout.
#include <gtest/gtest.h>

#include "platform/win32/SplashWindow.h"
#include "platform/win32/StatusBar.h"
#include "platform/win32/ToolBar.h"

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

TEST(ToolStripItems, TableBecomesItems) {
  std::vector<StripItem> items = ItemsFromTable(ToolBarId::NNBar1);
  ASSERT_EQ(items.size(), BarControls(ToolBarId::NNBar1).size());
  EXPECT_EQ(items[0].kind, StripItemKind::Grip);
  EXPECT_EQ(items[0].width, 9);
  // A picture button without a caption gets a glyph letter.
  EXPECT_EQ(items[1].kind, StripItemKind::PictureButton);
  EXPECT_EQ(items[1].caption, L"新");
  EXPECT_EQ(items[18].kind, StripItemKind::Button);
  EXPECT_EQ(items[18].caption, L"左");
  EXPECT_EQ(items[18].hint, "左窓OnOff");
  EXPECT_EQ(items[20].kind, StripItemKind::Clock);
  EXPECT_EQ((items[20].ref), (ControlRef{ToolBarId::NNBar1, 20}));
}

TEST(ToolStripItems, LayoutRunsLeftToRightAndSkipsHiddenItems) {
  std::vector<StripItem> items = ItemsFromTable(ToolBarId::NNBar1);
  LayoutStrip(items, 33);
  EXPECT_EQ(items[0].rect.left, 0);
  EXPECT_EQ(items[0].rect.bottom, 33);  // the grip takes the whole height
  EXPECT_EQ(items[1].rect.left, 11);
  EXPECT_EQ(items[1].rect.bottom - items[1].rect.top, 23);
  EXPECT_EQ(items[1].rect.top, 5);  // centred
  EXPECT_EQ(items[2].rect.left, 34);
  EXPECT_EQ(HitTestStrip(items, 40, 10), 2);
  EXPECT_EQ(HitTestStrip(items, 40, 1), -1);  // above the button
  items[1].visible = false;
  LayoutStrip(items, 33);
  EXPECT_EQ(items[2].rect.left, 11);
  EXPECT_EQ(HitTestStrip(items, 15, 10), 2);
}

TEST(ToolStripItems, TabsFillASmallStrip) {
  std::vector<StripItem> tabs(2);
  for (StripItem& t : tabs) {
    t.kind = StripItemKind::Tab;
    t.width = 40;
  }
  tabs[0].visible = false;
  LayoutStrip(tabs, 13);
  EXPECT_EQ(tabs[1].rect.left, 0);
  EXPECT_EQ(tabs[1].rect.top, 0);
  EXPECT_EQ(tabs[1].rect.bottom, 13);
}

}  // namespace
}  // namespace hanaroku::win32
