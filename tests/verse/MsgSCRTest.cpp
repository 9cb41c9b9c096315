// The scrolling banner: the picture drawn once per message, two pixels a
// tick, the scroll length that lets even a short message pass the whole
// control, the restart from the right edge on a repaint while running.
#include "verse/MsgSCR.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "app/MainFormFixture.h"
#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;
using test::RecordingLayer;

using testing::FakeTimer;

struct FakeView final : IMsgSCRView {
  RecordingCanvas screen;
  int invalidated = 0;
  bool parent = true;
  bool HasParent() const override { return parent; }
  void PaintNow(const std::function<void(IPaintCanvas&)>& paint) override { paint(screen); }
  void Invalidate() override { ++invalidated; }
};

// Keeps the layers it makes, to look at what was drawn into them.
struct LayerKeepingCanvas final : RecordingCanvas {
  std::vector<RecordingLayer*> layers;
  std::unique_ptr<IPaintLayer> CreateLayer(Size size) override {
    auto layer = std::make_unique<RecordingLayer>(size);
    layers.push_back(layer.get());
    return layer;
  }
};

constexpr TColor kBack = 0xDDE3D5, kText = 0xFF0000;

class Banner : public ::testing::Test {
 protected:
  void SetUp() override {
    auto t = std::make_unique<FakeTimer>();
    timer = t.get();
    banner.SetTimer(std::move(t));
    banner.SetView(&view);
    MsgSCRProperties p;  // 167 x 20, "ＭＳ 明朝" 17 pixels
    p.Color = kBack;
    p.Font.color = kText;
    p.Msg = "月";        // 17 pixels wide on the recording canvas
    banner.SetProperties(p);
  }
  void Tick(int n = 1) {
    for (int i = 0; i < n; ++i) timer->tick();
  }
  // Where the last tick put the picture.
  int LastDrawnX() {
    auto layers = view.screen.Of(PaintOp::Kind::Layer);
    return layers.empty() ? 1 << 30 : layers.back()->points[0].x;
  }

  FakeView view;
  FakeTimer* timer = nullptr;
  TMsgSCR banner;
};

TEST(BannerModel, ANewBannerHasASpaceForMessageAndItsTimerOffAt100Ms) {
  auto t = std::make_unique<FakeTimer>();
  FakeTimer* timer = t.get();
  TMsgSCR banner(std::move(t));
  EXPECT_EQ(banner.Msg(), "　");
  EXPECT_EQ(banner.Interval(), 100u);
  EXPECT_FALSE(banner.Show());
  EXPECT_FALSE(banner.TimerEnabled());
  EXPECT_EQ(timer->interval, 0u);  // disabled
  banner.SetShow(true);
  EXPECT_EQ(timer->interval, 100u);
  ASSERT_TRUE(timer->tick);
}

TEST(BannerModel, MarginIsHalfTheFontSizeInPoints) {
  EXPECT_EQ(TMsgSCR::Margin(17), 6);  // 13 pt
  EXPECT_EQ(TMsgSCR::Margin(12), 4);  // 9 pt
  EXPECT_EQ(TMsgSCR::Margin(0), 0);
  EXPECT_EQ(TMsgSCR::Margin(-5), 0);
}

TEST_F(Banner, RunsAndStopsThroughIntervalWhileTheTimerStaysEnabled) {
  EXPECT_TRUE(banner.TimerEnabled());
  EXPECT_EQ(timer->interval, 0u);  // Interval 0: never ticks
  EXPECT_FALSE(banner.Running());
  banner.SetInterval(30);
  EXPECT_TRUE(banner.Running());
  EXPECT_EQ(timer->interval, 30u);
  banner.SetShow(false);
  EXPECT_EQ(timer->interval, 0u);
  EXPECT_EQ(banner.Interval(), 30u);
  EXPECT_FALSE(banner.Running());
}

TEST_F(Banner, TheMessageIsLaidOutOnceAndEachTickOnlyCopiesThePicture) {
  banner.SetInterval(30);
  banner.SetMsg("くらきよりくらき道にぞ");
  const int builds = banner.PictureBuilds();
  view.screen.Clear();
  Tick(500);
  EXPECT_EQ(banner.PictureBuilds(), builds);
  EXPECT_TRUE(view.screen.Of(PaintOp::Kind::Text).empty());
  EXPECT_EQ(view.screen.Of(PaintOp::Kind::Layer).size(), 500u);
  // Each message gets its picture once more.
  banner.SetMsg("はるかに照らせ");
  EXPECT_EQ(banner.PictureBuilds(), builds + 1);
}

TEST_F(Banner, ThePictureHoldsTheMessageCentredInTheBannersColours) {
  LayerKeepingCanvas screen;
  banner.SetView(nullptr);
  banner.SetMsg("花の色は\r\nうつりにけりな");
  banner.Paint(screen);
  auto drawn = screen.Of(PaintOp::Kind::Layer);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0]->rect.Width(), 11 * 17 + 6);  // text wider than the control, plus the margin
  EXPECT_EQ(drawn[0]->rect.Height(), 20);
  EXPECT_EQ(banner.ScrollLength(), 11 * 17 + 6);
  // The picture: the background over its whole width, then the text as one
  // line, vertically centred (the cell is 17 pixels high in 20).
  ASSERT_EQ(screen.layers.size(), 1u);
  const RecordingCanvas& picture = screen.layers[0]->Recording();
  ASSERT_EQ(picture.ops.size(), 2u);
  EXPECT_EQ(picture.ops[0].kind, PaintOp::Kind::FillRect);
  EXPECT_EQ(picture.ops[0].rect, (Rect{0, 0, 11 * 17 + 6, 20}));
  EXPECT_EQ(picture.ops[0].color, kBack);
  EXPECT_EQ(picture.ops[1].kind, PaintOp::Kind::Text);
  EXPECT_EQ(picture.ops[1].text, "花の色はうつりにけりな");
  EXPECT_EQ(picture.ops[1].points[0], (Point{0, 1}));
  EXPECT_EQ(picture.ops[1].color, kText);
  EXPECT_EQ(picture.ops[1].font.name, "ＭＳ 明朝");
  EXPECT_EQ(picture.ops[1].font.height, 17);
}

TEST_F(Banner, ShortMessagesScrollFullyAcrossBeforeComingBackFromTheRight) {
  banner.SetInterval(30);
  banner.SetShow(true);  // starts from the right edge
  EXPECT_EQ(banner.Position(), 167);
  EXPECT_EQ(banner.ScrollLength(), 167 + 6);  // at least the control's width
  Tick();
  EXPECT_EQ(LastDrawnX(), 165);
  int least = 167;
  int ticks = 1;
  while (LastDrawnX() != 167 && ticks < 1000) {
    least = std::min(least, LastDrawnX());
    Tick();
    ++ticks;
  }
  ASSERT_LT(ticks, 1000);
  EXPECT_EQ(least, -171);          // the last step before the sum reaches 0
  EXPECT_LT(least + 17, 0);        // the text's right end has passed the left edge
  EXPECT_EQ(ticks, (167 + 173) / 2);
}

TEST_F(Banner, ARepaintWhileRunningStartsAgainFromTheRightEdge) {
  banner.SetInterval(30);
  Tick(40);
  EXPECT_EQ(banner.Position(), 167 - 80);
  RecordingCanvas screen;
  const int builds = banner.PictureBuilds();
  banner.Paint(screen);
  EXPECT_EQ(banner.Position(), 167);
  EXPECT_EQ(banner.PictureBuilds(), builds + 1);
  EXPECT_TRUE(banner.Running());
  EXPECT_EQ(timer->interval, 30u);
  ASSERT_FALSE(screen.Of(PaintOp::Kind::FillRect).empty());
  EXPECT_EQ(screen.Of(PaintOp::Kind::FillRect).back()->rect, (Rect{0, 0, 167, 20}));
  EXPECT_TRUE(screen.Of(PaintOp::Kind::Layer).empty());  // nothing until the next tick
}

TEST_F(Banner, StandingStillTheMessageStaysVisibleWhereItStopped) {
  // Never run yet: a repaint shows the message at the left edge.
  RecordingCanvas screen;
  banner.Paint(screen);
  auto layers = screen.Of(PaintOp::Kind::Layer);
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0]->points[0].x, 0);
  // Run a little, stop, cover and uncover: it is still where it stopped.
  banner.SetInterval(30);
  Tick(10);
  banner.SetInterval(0);
  screen.Clear();
  banner.Paint(screen);
  layers = screen.Of(PaintOp::Kind::Layer);
  ASSERT_EQ(layers.size(), 1u);
  EXPECT_EQ(layers[0]->points[0].x, -20);
  EXPECT_EQ(banner.Position(), -20);
}

TEST_F(Banner, ColoursAndFontTakeEffectInTheNextPicture) {
  banner.SetInterval(30);
  view.invalidated = 0;
  const int builds = banner.PictureBuilds();
  banner.SetColor(0x123456);
  banner.SetFontColor(0xFFFFFF);
  EXPECT_EQ(view.invalidated, 2);
  EXPECT_EQ(banner.PictureBuilds(), builds + 2);
  Tick(3);
  EXPECT_EQ(banner.PictureBuilds(), builds + 2);
  EXPECT_EQ(banner.Font().color, 0xFFFFFFu);
  // A system colour is resolved for drawing.
  banner.SetColor(kClBtnFace);
  RecordingCanvas screen;
  banner.Paint(screen);
  EXPECT_EQ(screen.Of(PaintOp::Kind::FillRect).front()->color, 0xC0C0C0u);
}

TEST_F(Banner, WithoutAParentNothingButTheBackgroundIsPainted) {
  view.parent = false;
  banner.SetInterval(30);
  Tick(5);
  RecordingCanvas screen;
  banner.Paint(screen);
  EXPECT_EQ(banner.Position(), 167 - 10);
  EXPECT_TRUE(screen.Of(PaintOp::Kind::Layer).empty());
}

}  // namespace
}  // namespace hanaroku
