#include "controls/AppHint.h"

#include <gtest/gtest.h>

#include <random>

#include "platform/FakeTimer.h"
#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;

// ---- shapes ------------------------------------------------------------------------

TEST(HintShape, TheBalloonGrowsNineDownAndPointsFromItsTopLeft) {
  const HintShape s = ActivateHintShape(THintStyle::hsFukidashi, Rect{100, 200, 160, 222});
  EXPECT_EQ(s.bounds, (Rect{100, 200, 160, 231}));
  ASSERT_EQ(s.region.kind, HintRegion::Kind::Polygon);
  const std::vector<Point> want{{14, 0}, {8, 9}, {0, 9}, {0, 31}, {60, 31}, {60, 9}, {14, 9}};
  EXPECT_EQ(s.region.polygon, want);
  EXPECT_TRUE(s.eraseBackground);
  const std::vector<Point> outline{{14, 0}, {9, 9}, {0, 9}, {0, 30}, {59, 30}, {59, 9}, {13, 9}, {13, 0}};
  EXPECT_EQ(BalloonOutline(60, 31), outline);
}

TEST(HintShape, RoundRectLineStringAndOwnerDrawRegions) {
  const Rect hint{10, 10, 50, 30};
  const HintShape round = ActivateHintShape(THintStyle::hsRoundRect, hint);
  EXPECT_EQ(round.bounds, hint);
  EXPECT_EQ(round.region.kind, HintRegion::Kind::RoundRect);
  EXPECT_EQ(round.region.rect, (Rect{0, 0, 40, 20}));

  const HintShape line = ActivateHintShape(THintStyle::hsLineString, hint);
  EXPECT_EQ(line.bounds, (Rect{10, 10, 71, 42}));
  EXPECT_EQ(line.region.kind, HintRegion::Kind::Rectangle);
  EXPECT_EQ(line.region.rect, (Rect{1, 1, 60, 31}));
  EXPECT_FALSE(line.eraseBackground);

  const HintShape owner = ActivateHintShape(THintStyle::hsOwnerDraw, hint);
  EXPECT_EQ(owner.bounds, hint);
  EXPECT_EQ(owner.region.kind, HintRegion::Kind::None);
}

// ---- text ----------------------------------------------------------------------------

TEST(HintText, MeasuresTheLinesWithTheMargin) {
  RecordingCanvas c;
  PaintFont f;
  f.height = 10;
  // Four kanji of 10 and two ASCII of 5: 50 wide, one line.
  EXPECT_EQ(HintTextSize(c, "左窓保存ab", f, 400), (Size{56, 12}));
  // Two lines: the wider decides.
  EXPECT_EQ(HintTextSize(c, "萬\r\n万葉仮名", f, 400), (Size{46, 22}));
  EXPECT_EQ(HintTextSize(c, "", f, 400), (Size{6, 12}));
}

TEST(HintText, BreaksAfterASpaceOrBetweenCharactersAndLosesNothing) {
  RecordingCanvas c;
  PaintFont f;
  f.height = 10;  // ASCII 5 wide
  EXPECT_EQ(BreakHintLines(c, "EXE Run1", f, 25), (std::vector<std::string>{"EXE", "Run1"}));
  EXPECT_EQ(BreakHintLines(c, "万葉仮名変換", f, 25), (std::vector<std::string>{"万葉", "仮名", "変換"}));
  // Narrower than one character: one per line, none dropped.
  EXPECT_EQ(BreakHintLines(c, "百人", f, 3), (std::vector<std::string>{"百", "人"}));
  EXPECT_EQ(BreakHintLines(c, "a\n\nb", f, 100), (std::vector<std::string>{"a", "", "b"}));
}

TEST(HintText, AnyBytesBreakWithoutLoss) {
  RecordingCanvas c;
  PaintFont f;
  f.height = 8;
  std::mt19937 rng(7);
  for (int round = 0; round < 300; ++round) {
    std::string text(rng() % 60, '\0');
    for (char& ch : text) ch = static_cast<char>(rng() % 256);
    const int width = static_cast<int>(rng() % 40);
    std::string kept;
    for (const std::string& line : BreakHintLines(c, text, f, width)) kept += line;
    std::string want;
    for (char ch : text)
      if (ch != ' ' && ch != '\r' && ch != '\n') want += ch;
    std::string got;
    for (char ch : kept)
      if (ch != ' ') got += ch;
    ASSERT_EQ(got, want) << "round " << round;
  }
}

// ---- painting --------------------------------------------------------------------------

TEST(HintPaint, TheMainWindowsBalloonFillsWritesAtThreeNineAndOutlinesInItsPen) {
  RecordingCanvas c;
  const TAppHintN h = MainWindowAppHint();
  PaintHint(c, h, "百人一首", Size{66, 26});
  const auto fills = c.Of(PaintOp::Kind::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0]->rect, (Rect{0, 0, 66, 26}));
  EXPECT_EQ(fills[0]->color, 15332852u);
  const auto texts = c.Of(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 1u);  // no shadow
  EXPECT_EQ(texts[0]->points[0], (Point{3, 9}));
  EXPECT_EQ(texts[0]->color, 11760461u);
  EXPECT_EQ(texts[0]->font.name, "ＭＳ Ｐゴシック");
  EXPECT_EQ(texts[0]->font.height, 15);
  const auto outline = c.Of(PaintOp::Kind::Polyline);
  ASSERT_EQ(outline.size(), 1u);
  EXPECT_EQ(outline[0]->color, 15261661u);
  EXPECT_EQ(outline[0]->width, 2);
  std::vector<Point> closed = BalloonOutline(66, 26);
  closed.push_back(closed.front());
  EXPECT_EQ(outline[0]->points, closed);
}

TEST(HintPaint, ShadowsAndOffsetsOfTheOtherStyles) {
  TAppHintN h;  // the defaults: shadow on
  h.HintStyle = THintStyle::hsRoundRect;
  RecordingCanvas round;
  PaintHint(round, h, "x", Size{20, 14});
  auto texts = round.Of(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->points[0], (Point{2, 2}));
  EXPECT_EQ(texts[0]->color, h.ShadowColor);
  EXPECT_EQ(texts[1]->points[0], (Point{1, 1}));
  ASSERT_EQ(round.Of(PaintOp::Kind::RoundRect).size(), 1u);
  EXPECT_EQ(round.Of(PaintOp::Kind::RoundRect)[0]->rect, (Rect{0, 0, 20, 14}));

  h.HintStyle = THintStyle::hsLineString;
  RecordingCanvas line;
  PaintHint(line, h, "x", Size{40, 30});
  EXPECT_TRUE(line.Of(PaintOp::Kind::FillRect).empty());  // no background
  texts = line.Of(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 5u);
  EXPECT_EQ(texts[4]->points[0], (Point{19, 11}));
  EXPECT_EQ(texts[4]->color, h.Font.color);
  const std::vector<Point> stroke{{1, 1}, {17, 28}, {40, 28}};
  EXPECT_EQ(line.Of(PaintOp::Kind::Polyline)[0]->points, stroke);

  // A clear brush fills nothing.
  h.HintStyle = THintStyle::hsFukidashi;
  h.Brush.solid = false;
  RecordingCanvas clear;
  PaintHint(clear, h, "x", Size{40, 30});
  EXPECT_TRUE(clear.Of(PaintOp::Kind::FillRect).empty());
}

TEST(HintPaint, OwnerDrawLeavesItAllToTheEvent) {
  TAppHintN h;
  h.HintStyle = THintStyle::hsOwnerDraw;
  RecordingCanvas c;
  PaintHint(c, h, "x", Size{10, 10});  // no handler: nothing, no crash
  EXPECT_TRUE(c.ops.empty());
  std::string seen;
  Size seenSize;
  h.OnPaint = [&](std::string_view text, IPaintCanvas& canvas, Size size) {
    seen = text;
    seenSize = size;
    canvas.FillRect(Rect{0, 0, 1, 1}, clRed);
  };
  PaintHint(c, h, "萬", Size{30, 20});
  EXPECT_EQ(seen, "萬");
  EXPECT_EQ(seenSize, (Size{30, 20}));
  EXPECT_EQ(c.ops.size(), 1u);
}

// ---- timing --------------------------------------------------------------------------

class HintTiming : public ::testing::Test {
 protected:
  HintTiming() {
    auto t = std::make_unique<test::FakeTimer>();
    timer = t.get();
    model = std::make_unique<THintTimingModel>(std::move(t), &settings);
    model->OnShow = [this](const std::string& text) { shown.push_back(text); };
    model->OnHide = [this] { ++hides; };
  }
  void Tick() {
    ASSERT_NE(timer->interval, 0u) << "no timer running";
    timer->tick();
  }
  TAppHintN settings = MainWindowAppHint();
  test::FakeTimer* timer = nullptr;
  std::unique_ptr<THintTimingModel> model;
  std::vector<std::string> shown;
  int hides = 0;
};

TEST_F(HintTiming, ShowsAfterThePauseAndHidesAfterTheHidePause) {
  model->MouseEnter(1, "萬");
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(timer->interval, 500u);
  Tick();
  EXPECT_EQ(shown, std::vector<std::string>{"萬"});
  EXPECT_EQ(timer->interval, 2500u);
  Tick();
  EXPECT_EQ(hides, 1);
  EXPECT_FALSE(model->Showing());
  // Not again over the same control, even when it reports the mouse again.
  model->MouseEnter(1, "萬");
  EXPECT_EQ(timer->interval, 0u);
  EXPECT_EQ(shown.size(), 1u);
}

TEST_F(HintTiming, LeavingBeforeThePauseShowsNothing) {
  model->MouseEnter(1, "萬");
  model->MouseLeave(1);
  EXPECT_EQ(timer->interval, 0u);
  EXPECT_TRUE(shown.empty());
  EXPECT_EQ(hides, 0);
}

TEST_F(HintTiming, TheNextControlShowsAtOnceAfterAShownHint) {
  model->MouseEnter(1, "萬");
  Tick();
  // The new control reports itself before the old one's leave arrives.
  model->MouseEnter(2, "百人一首");
  EXPECT_EQ(shown, (std::vector<std::string>{"萬", "百人一首"}));
  model->MouseLeave(1);  // late: ignored
  EXPECT_TRUE(model->Showing());
  model->MouseLeave(2);
  EXPECT_EQ(hides, 1);
  // A moment later: still quick.
  model->MouseEnter(3, "俳句");
  EXPECT_EQ(shown.back(), "俳句");
  model->MouseLeave(3);
  Tick();  // the quick window closes
  model->MouseEnter(4, "置換");
  EXPECT_EQ(shown.back(), "俳句");
  EXPECT_EQ(timer->interval, 500u);
}

TEST_F(HintTiming, APressCancelsUntilAnotherControl) {
  model->MouseEnter(1, "萬");
  Tick();
  model->Cancel();
  EXPECT_EQ(hides, 1);
  EXPECT_EQ(timer->interval, 0u);
  model->MouseEnter(1, "萬");
  EXPECT_EQ(shown.size(), 1u);
  model->MouseEnter(2, "百");
  Tick();
  EXPECT_EQ(shown.back(), "百");
}

TEST_F(HintTiming, HintsChangedUnderTheMouseShowAsTheyAreNow) {
  model->MouseEnter(1, "走行＆停止");
  Tick();
  model->TextChanged(1, "停止");
  EXPECT_EQ(shown.back(), "停止");
  model->TextChanged(2, "other");  // not the control under the mouse
  EXPECT_EQ(shown.back(), "停止");
  model->TextChanged(1, "");
  EXPECT_FALSE(model->Showing());
  EXPECT_EQ(hides, 1);
  // A control without a hint gets one while the mouse rests on it.
  model->MouseLeave(1);
  model->MouseEnter(5, "");
  EXPECT_EQ(timer->interval, 0u);
  model->TextChanged(5, "EXE Run1");
  Tick();
  EXPECT_EQ(shown.back(), "EXE Run1");
}

TEST_F(HintTiming, AWindowThatWentAwayIsNotHiddenTwiceAndHidePauseZeroStays) {
  settings.HintHidePause = 0;
  model->MouseEnter(1, "萬");
  Tick();
  EXPECT_EQ(timer->interval, 0u);  // stays until the mouse leaves
  model->Hidden();
  EXPECT_FALSE(model->Showing());
  model->MouseLeave(1);
  EXPECT_EQ(hides, 1);
}

}  // namespace
}  // namespace hanaroku
