#include "controls/ShineSpeedButton.h"

#include <gtest/gtest.h>

#include "platform/FakeTimer.h"
#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;

struct FakeButtonHost final : IShineButtonHost {
  int invalidated = 0, updates = 0, propertyChanges = 0;
  Point cursor{5, 5};
  bool under = true, captured = false, showing = true;
  std::function<void()> onUpdate;
  void Invalidate() override { ++invalidated; }
  void Update() override {
    ++updates;
    if (onUpdate) onUpdate();
  }
  Point CursorPos() const override { return cursor; }
  bool UnderCursor() const override { return under; }
  bool MouseCaptured() const override { return captured; }
  void SetMouseCapture(bool c) override { captured = c; }
  bool ParentShowing() const override { return showing; }
  void PropertiesChanged() override { ++propertyChanges; }
};

class ShineButtonTest : public ::testing::Test {
 protected:
  ShineButtonTest() {
    auto t = std::make_unique<test::FakeTimer>();
    timer = t.get();
    button = std::make_unique<TShineSpeedButton>(std::move(t));
    button->SetHost(&host);
    button->OnClick = [this] { ++clicks; };
  }

  void Press(Point p) { button->MouseDown(TMouseButton::mbLeft, ssLeft, p); }
  void Move(Point p) {
    host.cursor = p;
    host.under = button->Width() > p.x && p.x >= 0 && button->Height() > p.y && p.y >= 0;
    button->MouseMove(0, p);
  }
  void Release(Point p) {
    host.cursor = p;
    button->MouseUp(TMouseButton::mbLeft, 0, p);
  }
  std::vector<const PaintOp*> PaintAndGet(PaintOp::Kind kind) {
    canvas.Clear();
    button->Paint(canvas);
    return canvas.Of(kind);
  }

  FakeButtonHost host;
  test::FakeTimer* timer = nullptr;
  std::unique_ptr<TShineSpeedButton> button;
  RecordingCanvas canvas;
  int clicks = 0;
};

// ---- colour sets --------------------------------------------------------------

TEST(ShineBtnColors, SettersNotifyOnlyOnChangeAndAssignCopiesAllSeven) {
  int notices = 0;
  TShineBtnColors a(0x112233, [&] { ++notices; });
  a.SetColor(0x112233);
  EXPECT_EQ(notices, 0);
  a.SetColor(0x445566);
  a.SetGradation(true);
  a.SetGradVertical(true);
  EXPECT_EQ(notices, 3);
  EXPECT_EQ(a.Highlight(), clBtnHighlight);
  EXPECT_EQ(a.DarkShadow(), clWindowFrame);
  EXPECT_EQ(a.GradColor(), clBlue);

  int otherNotices = 0;
  TShineBtnColors b(0, [&] { ++otherNotices; });
  a.SetShadow(0x010101);
  a.AssignTo(b);
  EXPECT_EQ(otherNotices, 1);
  EXPECT_EQ(b.Color(), 0x445566u);
  EXPECT_EQ(b.Shadow(), 0x010101u);
  EXPECT_TRUE(b.Gradation());
  EXPECT_TRUE(b.GradVertical());
}

TEST_F(ShineButtonTest, DefaultsAndChangeNotificationRepaint) {
  EXPECT_EQ(button->Width(), 25);
  EXPECT_EQ(button->Height(), 25);
  EXPECT_EQ(button->State(), ShineState::Up);
  EXPECT_EQ(button->FrameType(), TFrameType::ftNormalFrame);
  EXPECT_EQ(button->Colors.Color(), clBtnFace);
  EXPECT_EQ(button->PressedColors.Color(), clBtnHighlight);
  EXPECT_EQ(button->ActiveColors.Color(), clHighlightText);
  EXPECT_EQ(button->Font().color, clBtnText);
  EXPECT_EQ(button->ActiveFont().color, clHighlight);
  EXPECT_EQ(button->Spacing(), 4);
  EXPECT_EQ(button->Margin(), -1);
  EXPECT_EQ(button->AlMargin(), -1);
  int before = host.invalidated;
  button->Colors.SetGradColor(0x123456);
  button->PressedColors.SetColor(0x654321);
  button->SetCaption("萬");
  EXPECT_EQ(host.invalidated, before + 3);
  button->SetCaption("萬");
  EXPECT_EQ(host.invalidated, before + 3);
}

// ---- background -------------------------------------------------------------------

TEST_F(ShineButtonTest, VerticalGradientStartsExactlyOnColorAndStopsOneStepShort) {
  button->SetCaption("萬");
  button->Colors.SetColor(0x000010);
  button->Colors.SetGradColor(0x0000FA);  // red 0x10 -> 0xFA over 25 rows
  button->Colors.SetGradation(true);
  button->Colors.SetGradVertical(true);
  auto fills = PaintAndGet(PaintOp::Kind::FillRect);
  ASSERT_EQ(fills.size(), 25u);
  EXPECT_EQ(fills[0]->rect, (Rect{0, 0, 25, 1}));
  EXPECT_EQ(fills[0]->color, 0x000010u);
  for (int row = 0; row < 25; ++row) {
    EXPECT_EQ(fills[row]->rect, (Rect{0, row, 25, row + 1}));
    EXPECT_EQ(RedOf(fills[row]->color), 0x10 + row * (0xFA - 0x10) / 25) << row;
  }
  EXPECT_LT(RedOf(fills[24]->color), 0xFA);
}

TEST_F(ShineButtonTest, HorizontalGradientRunsOverTheColumnsAndSolidFillIsOneRectangle) {
  button->SetSize(10, 20);
  button->Colors.SetColor(0x0A0A0A);
  button->Colors.SetGradColor(0x000000);
  button->Colors.SetGradation(true);
  auto fills = PaintAndGet(PaintOp::Kind::FillRect);
  ASSERT_EQ(fills.size(), 10u);
  EXPECT_EQ(fills[3]->rect, (Rect{3, 0, 4, 20}));
  EXPECT_EQ(fills[3]->color, 0x070707u);  // 10 + 3 * -10 / 10

  button->Colors.SetGradation(false);
  fills = PaintAndGet(PaintOp::Kind::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0]->color, 0x0A0A0Au);

  button->SetTransparent(true);
  EXPECT_TRUE(PaintAndGet(PaintOp::Kind::FillRect).empty());
}

TEST(ShineGradient, StepsTruncateTowardZeroInBothDirections) {
  EXPECT_EQ(GradientStep(0x000064, 0x000000, 1, 3), 0x000043u);  // 100 - 33
  EXPECT_EQ(GradientStep(0x000000, 0x000064, 2, 3), 0x000042u);  // 66
  EXPECT_EQ(GradientStep(0x123456, 0xABCDEF, 0, 7), 0x123456u);
  EXPECT_EQ(GradientStep(0x123456, 0xABCDEF, 3, 0), 0x123456u);
}

TEST_F(ShineButtonTest, SystemColoursAreResolvedBeforeTheGradientIsComputed) {
  button->Colors.SetColor(clBtnFace);
  button->Colors.SetGradColor(0xC0C0C0);
  button->Colors.SetGradation(true);
  button->Colors.SetGradVertical(true);
  auto fills = PaintAndGet(PaintOp::Kind::FillRect);
  for (const PaintOp* f : fills) EXPECT_EQ(f->color, 0xC0C0C0u);
}

// ---- frames ----------------------------------------------------------------------

std::vector<std::pair<Point, Point>> Segments(const std::vector<const PaintOp*>& lines) {
  std::vector<std::pair<Point, Point>> out;
  for (const PaintOp* l : lines) out.emplace_back(l->points[0], l->points[1]);
  return out;
}

TEST_F(ShineButtonTest, FlatFrameIsRaisedUpAndSunkenPressedAndOnlyUpFrameRemovesTheUpOne) {
  button->SetFrameType(TFrameType::ftFlatFrame);
  button->SetSize(20, 10);
  auto up = PaintAndGet(PaintOp::Kind::Line);
  ASSERT_EQ(up.size(), 4u);
  const std::vector<std::pair<Point, Point>> expected{
      {{0, 0}, {19, 0}}, {{0, 0}, {0, 9}}, {{19, 9}, {0, 9}}, {{19, 9}, {19, 0}}};
  EXPECT_EQ(Segments(up), expected);
  EXPECT_EQ(up[0]->color, 0xFFFFFFu);  // highlight top-left
  EXPECT_EQ(up[2]->color, 0x808080u);  // shadow bottom-right

  Press({5, 5});
  auto down = PaintAndGet(PaintOp::Kind::Line);
  ASSERT_EQ(down.size(), 4u);
  EXPECT_EQ(Segments(down), expected);
  EXPECT_EQ(down[0]->color, 0x808080u);
  EXPECT_EQ(down[2]->color, 0xFFFFFFu);
  Release({5, 5});

  button->SetUpFrame(false);
  host.under = false;
  button->MouseLeave();
  ASSERT_EQ(button->State(), ShineState::Up);
  EXPECT_TRUE(PaintAndGet(PaintOp::Kind::Line).empty());
  host.under = true;
  button->MouseEnter();
  EXPECT_EQ(PaintAndGet(PaintOp::Kind::Line).size(), 4u);  // ActiveFrame still frames the hover look
  button->SetEnabled(false);
  EXPECT_TRUE(PaintAndGet(PaintOp::Kind::Line).empty());
}

TEST_F(ShineButtonTest, NormalAndEnclosedFramesDrawTheirEdgesInOrder) {
  button->SetSize(20, 10);
  auto normal = PaintAndGet(PaintOp::Kind::Line);
  ASSERT_EQ(normal.size(), 6u);
  EXPECT_EQ(Segments(normal)[0], (std::pair<Point, Point>{{18, 8}, {0, 8}}));  // shadow, inset 2
  EXPECT_EQ(normal[0]->color, 0x808080u);
  EXPECT_EQ(Segments(normal)[2], (std::pair<Point, Point>{{19, 9}, {0, 9}}));  // dark shadow, inset 1
  EXPECT_EQ(normal[2]->color, 0x000000u);  // clWindowFrame
  EXPECT_EQ(normal[4]->color, 0xFFFFFFu);

  Press({5, 5});
  normal = PaintAndGet(PaintOp::Kind::Line);
  ASSERT_EQ(normal.size(), 6u);
  EXPECT_EQ(Segments(normal)[0], (std::pair<Point, Point>{{1, 1}, {19, 1}}));
  Release({5, 5});

  button->SetFrameType(TFrameType::ftEnclosedFrame);
  button->Colors.SetDarkShadow(0x0000AA);
  auto lines = PaintAndGet(PaintOp::Kind::Line);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(Segments(lines)[0], (std::pair<Point, Point>{{1, 1}, {18, 1}}));
  EXPECT_EQ(Segments(lines)[2], (std::pair<Point, Point>{{18, 8}, {1, 8}}));
  auto enclosing = canvas.Of(PaintOp::Kind::Polyline);
  ASSERT_EQ(enclosing.size(), 1u);
  EXPECT_EQ(enclosing[0]->points, (std::vector<Point>{{0, 0}, {0, 9}, {19, 9}, {19, 0}, {0, 0}}));
  EXPECT_EQ(enclosing[0]->color, 0x0000AAu);
}

TEST_F(ShineButtonTest, FrameFlagsFollowTheState) {
  button->SetActiveFrame(false);
  host.under = true;
  button->MouseEnter();
  ASSERT_EQ(button->State(), ShineState::Hover);
  EXPECT_TRUE(PaintAndGet(PaintOp::Kind::Line).empty());
  Press({5, 5});
  EXPECT_TRUE(PaintAndGet(PaintOp::Kind::Line).empty());
  button->SetDownFrame(false);
  Release({5, 5});
  button->SetGroupIndex(1);
  button->SetActiveFrame(true);
  button->SetDown(true);
  host.under = false;
  button->MouseLeave();
  ASSERT_EQ(button->State(), ShineState::Pressed);
  EXPECT_TRUE(PaintAndGet(PaintOp::Kind::Line).empty());
}

// ---- mouse -------------------------------------------------------------------------

TEST_F(ShineButtonTest, DragOffAndBackChangesTheLookAndReleasingOutsideDoesNotClick) {
  Press({10, 10});
  EXPECT_EQ(button->State(), ShineState::PressedHover);
  EXPECT_TRUE(host.captured);
  Move({30, 10});
  EXPECT_EQ(button->State(), ShineState::Up);
  Move({12, 12});
  EXPECT_EQ(button->State(), ShineState::PressedHover);
  Move({-3, 12});
  Release({-3, 12});
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(host.captured);
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(button->State(), ShineState::Up);
  EXPECT_FALSE(button->Hovering());
}

TEST_F(ShineButtonTest, ReleasingOnColumnZeroOrRowZeroClicksThoughTheDragLookWasUp) {
  Press({10, 10});
  Move({0, 10});
  EXPECT_EQ(button->State(), ShineState::Up);
  Release({0, 10});
  EXPECT_EQ(clicks, 1);
  // Back under the mouse: the hover look and the hover timer.
  EXPECT_EQ(button->State(), ShineState::Hover);
  EXPECT_TRUE(button->HoverTimerRunning());

  Press({10, 10});
  Move({10, 0});
  Release({10, 0});
  EXPECT_EQ(clicks, 2);
  Press({10, 10});
  Release({25, 10});  // the right edge is outside
  EXPECT_EQ(clicks, 2);
}

TEST_F(ShineButtonTest, DisabledButtonsIgnoreThePressAndRightPressesDoNotClick) {
  button->SetEnabled(false);
  Press({5, 5});
  Release({5, 5});
  EXPECT_EQ(clicks, 0);
  EXPECT_EQ(button->State(), ShineState::Disabled);
  button->SetEnabled(true);
  button->MouseDown(TMouseButton::mbRight, ssRight, {5, 5});
  button->MouseUp(TMouseButton::mbRight, 0, {5, 5});
  EXPECT_EQ(clicks, 0);
  EXPECT_FALSE(button->Pressed());
}

TEST_F(ShineButtonTest, HoverTimerCatchesAMissedLeave) {
  int leaves = 0;
  button->OnMouseLeave = [&](TShineSpeedButton&, TShiftState, Point) { ++leaves; };
  host.under = true;
  button->MouseEnter();
  EXPECT_EQ(button->State(), ShineState::Hover);
  ASSERT_EQ(timer->interval, TShineSpeedButton::HoverCheckInterval);
  host.cursor = {3, 3};
  timer->tick();
  EXPECT_EQ(button->State(), ShineState::Hover);
  EXPECT_EQ(leaves, 0);
  host.cursor = {40, 3};  // left without a leave notification
  timer->tick();
  EXPECT_EQ(button->State(), ShineState::Up);
  EXPECT_FALSE(button->Hovering());
  EXPECT_EQ(timer->interval, 0u);
  EXPECT_EQ(leaves, 1);
}

TEST_F(ShineButtonTest, HoverTimerStopsWhilePressedAndEnterIsRefusedWhileTheMouseIsCaptured) {
  host.under = true;
  button->MouseEnter();
  Press({5, 5});
  timer->tick();
  EXPECT_EQ(timer->interval, 0u);
  Release({5, 5});

  host.under = false;
  button->MouseLeave();
  host.captured = true;  // another control holds the mouse
  int enters = 0;
  button->OnMouseEnter = [&](TShineSpeedButton&, TShiftState, Point) { ++enters; };
  button->MouseEnter();
  EXPECT_EQ(enters, 1);
  EXPECT_FALSE(button->Hovering());
  EXPECT_EQ(button->State(), ShineState::Up);
}

TEST_F(ShineButtonTest, MovingOverAButtonThatMissedTheEnterResynchronisesTheHover) {
  host.under = false;
  Move({5, 5});  // Move sets `under` from the position
  EXPECT_TRUE(button->Hovering());
  EXPECT_EQ(button->State(), ShineState::Hover);
}

TEST_F(ShineButtonTest, LosingTheCaptureEndsThePressWithoutAClick) {
  Press({5, 5});
  host.captured = false;
  host.under = false;
  button->CaptureLost();
  EXPECT_FALSE(button->Pressed());
  EXPECT_EQ(button->State(), ShineState::Up);
  Release({5, 5});
  EXPECT_EQ(clicks, 0);
}

TEST_F(ShineButtonTest, ClickDownHookShowsThePressedLookWhileTheHandlerRuns) {
  button->SetClickDownHook(true);
  ShineState during = ShineState::Up;
  int updatesBefore = 0;
  button->OnClick = [&] {
    during = button->State();
    updatesBefore = host.updates;
  };
  host.under = true;
  button->MouseEnter();
  button->Click();
  EXPECT_EQ(during, ShineState::PressedHover);
  EXPECT_EQ(updatesBefore, 1);
  EXPECT_EQ(host.updates, 2);
  EXPECT_EQ(button->State(), ShineState::Hover);

  button->OnClick = [&] { throw std::runtime_error("fails"); };
  EXPECT_THROW(button->Click(), std::runtime_error);
  EXPECT_EQ(button->State(), ShineState::Hover);
}

TEST_F(ShineButtonTest, AClickHandlerMayDestroyTheButton) {
  button->SetClickDownHook(true);
  button->OnClick = [this] { button.reset(); };
  Press({5, 5});
  Release({5, 5});
  EXPECT_EQ(button, nullptr);
}

TEST_F(ShineButtonTest, DoubleClickPassesOnOnlyInThePressedLooks) {
  int doubles = 0;
  button->OnDblClick = [&] { ++doubles; };
  Press({5, 5});
  Release({5, 5});
  button->DoubleClick(ssLeft, {5, 5});
  Release({5, 5});
  EXPECT_EQ(doubles, 0);
  EXPECT_EQ(clicks, 2);

  button->SetGroupIndex(3);
  button->SetAllowAllUp(true);
  button->SetDown(true);
  button->DoubleClick(ssLeft, {5, 5});
  EXPECT_EQ(doubles, 1);
}

// ---- colours and fonts of the looks ---------------------------------------------------

TEST_F(ShineButtonTest, ActiveColorsAreInertWithoutActiveColorsEnabled) {
  button->SetCaption("萬");
  button->Colors.SetColor(0x00AA00);
  button->ActiveColors.SetColor(0x0000FF);
  ControlFont active{PaintFont{"ＭＳ ゴシック", 14, true}, clRed};
  button->SetActiveFont(active);
  host.under = true;
  button->MouseEnter();
  auto fills = PaintAndGet(PaintOp::Kind::FillRect);
  ASSERT_EQ(fills.size(), 1u);
  EXPECT_EQ(fills[0]->color, 0x00AA00u);
  auto texts = canvas.Of(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->font.name, "ＭＳ ゴシック");
  EXPECT_EQ(texts[0]->color, 0x0000FFu);

  button->SetActiveColorsEnabled(true);
  fills = PaintAndGet(PaintOp::Kind::FillRect);
  EXPECT_EQ(fills[0]->color, 0x0000FFu);
  Press({5, 5});
  fills = PaintAndGet(PaintOp::Kind::FillRect);
  EXPECT_EQ(fills[0]->color, 0x0000FFu);  // pressed under the mouse uses them too
  Move({40, 5});
  ASSERT_EQ(button->State(), ShineState::Up);
  fills = PaintAndGet(PaintOp::Kind::FillRect);
  EXPECT_EQ(fills[0]->color, 0x00AA00u);
}

TEST_F(ShineButtonTest, CaptionIsCentredMovedWhenPressedAndEmbossedWhenDisabled) {
  button->SetCaption("萬");  // 12 x 12 with the recording canvas's default font
  button->SetFont(ControlFont{PaintFont{"ＭＳ 明朝", 12, true}, clWhite});
  auto texts = PaintAndGet(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0]->points[0], (Point{6, 6}));  // (25 - 12) / 2
  EXPECT_EQ(texts[0]->color, 0xFFFFFFu);

  Press({5, 5});
  texts = PaintAndGet(PaintOp::Kind::Text);
  EXPECT_EQ(texts[0]->points[0], (Point{7, 7}));
  Release({5, 5});

  button->SetEnabled(false);
  button->SetDisabledHighlight(0x111111);
  button->SetDisabledShadow(0x222222);
  texts = PaintAndGet(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->points[0], (Point{7, 7}));
  EXPECT_EQ(texts[0]->color, 0x111111u);
  EXPECT_EQ(texts[1]->points[0], (Point{6, 6}));
  EXPECT_EQ(texts[1]->color, 0x222222u);
}

TEST_F(ShineButtonTest, FontShadowAndFontHighlightDrawTheCaptionTwiceMore) {
  button->SetCaption("A");
  button->SetFontShadow(0x000001);
  button->SetFontHighlight(0x000002);
  auto texts = PaintAndGet(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 3u);
  Point at = texts[2]->points[0];
  EXPECT_EQ(texts[0]->points[0], (Point{at.x + 1, at.y + 1}));
  EXPECT_EQ(texts[0]->color, 1u);
  EXPECT_EQ(texts[1]->points[0], (Point{at.x - 1, at.y - 1}));
  EXPECT_EQ(texts[1]->color, 2u);
}

TEST_F(ShineButtonTest, MultiLineCaptionsAlignEachLineAndTheAcceleratorIsUnderlined) {
  button->SetSize(40, 40);
  button->SetCaption("&Ab\r\nC");
  button->SetAlignment(TTextAlignment::taRightJustify);
  auto texts = PaintAndGet(PaintOp::Kind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0]->text, "Ab");
  EXPECT_EQ(texts[1]->text, "C");
  // Measured with the prefix (AccelCharDown is off): "&Ab" is 18 wide.
  EXPECT_EQ(texts[0]->points[0], (Point{(40 - 18) / 2 + 6, (40 - 24) / 2}));
  EXPECT_EQ(texts[1]->points[0], (Point{(40 - 18) / 2 + 12, (40 - 24) / 2 + 12}));
  auto lines = canvas.Of(PaintOp::Kind::Line);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines[0]->points[0], (Point{texts[0]->points[0].x, texts[0]->points[0].y + 11}));
  EXPECT_EQ(lines[0]->points[1], (Point{texts[0]->points[0].x + 6, texts[0]->points[0].y + 11}));

  button->SetShowAccelChar(false);
  texts = PaintAndGet(PaintOp::Kind::Text);
  EXPECT_EQ(texts[0]->text, "&Ab");
}

TEST(ShineAccel, PrefixesAreStrippedAndTheFirstAcceleratorFound) {
  int index = 0;
  EXPECT_EQ(StripAccelPrefixes("開く(&O)", &index), "開く(O)");
  EXPECT_EQ(index, 3);
  EXPECT_EQ(StripAccelPrefixes("A&&B", &index), "A&B");
  EXPECT_EQ(index, -1);
  EXPECT_EQ(StripAccelPrefixes("end&", &index), "end&");
  EXPECT_EQ(index, -1);
}

TEST_F(ShineButtonTest, AcceleratorClicksWhenEnabledVisibleAndShowing) {
  button->SetCaption("&Find");
  EXPECT_TRUE(button->DialogChar(U'f'));
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button->DialogChar(U'x'));
  host.showing = false;
  EXPECT_FALSE(button->DialogChar(U'F'));
  host.showing = true;
  button->SetVisible(false);
  EXPECT_FALSE(button->DialogChar(U'F'));
  button->SetVisible(true);
  button->SetEnabled(false);
  EXPECT_FALSE(button->DialogChar(U'F'));
  button->SetEnabled(true);
  button->SetShowAccelChar(false);
  EXPECT_FALSE(button->DialogChar(U'F'));
  EXPECT_EQ(clicks, 1);

  button->SetShowAccelChar(true);
  button->SetGroupIndex(2);
  button->SetAllowAllUp(true);
  button->SetAccelCharDown(true);
  EXPECT_TRUE(button->DialogChar(U'F'));
  EXPECT_TRUE(button->Down());
  EXPECT_TRUE(button->DialogChar(U'F'));
  EXPECT_FALSE(button->Down());
}

// ---- groups ------------------------------------------------------------------------------

TEST_F(ShineButtonTest, GroupButtonsAreExclusiveAndAllowAllUpLetsTheLastOneGoUp) {
  ButtonGroupParent parent;
  TShineSpeedButton other;
  button->SetGroupParent(&parent);
  other.SetGroupParent(&parent);
  button->SetGroupIndex(1);
  other.SetGroupIndex(1);

  button->SetDown(true);
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->State(), ShineState::Pressed);
  other.SetDown(true);
  EXPECT_TRUE(other.Down());
  EXPECT_FALSE(button->Down());
  EXPECT_EQ(button->State(), ShineState::Up);
  other.SetDown(false);  // without AllowAllUp a down button stays down
  EXPECT_TRUE(other.Down());

  other.SetAllowAllUp(true);  // the group takes it over
  EXPECT_TRUE(button->AllowAllUp());
  other.SetDown(false);
  EXPECT_FALSE(other.Down());

  // A click inside toggles Down; a plain button never stays down.
  Press({5, 5});
  Release({5, 5});
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->State(), ShineState::PressedHover);
  TShineSpeedButton plain;
  plain.SetDown(true);
  EXPECT_FALSE(plain.Down());
  button->SetGroupParent(nullptr);
}

TEST_F(ShineButtonTest, ReleasingAGroupButtonOutsideKeepsItsDownState) {
  button->SetGroupIndex(4);
  button->SetDown(true);
  Press({5, 5});
  Move({50, 5});
  EXPECT_EQ(button->State(), ShineState::Pressed);
  host.under = false;
  Release({50, 5});
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->State(), ShineState::Pressed);
  EXPECT_EQ(clicks, 0);
}

TEST_F(ShineButtonTest, DisablingAPressedGroupButtonClearsDown) {
  button->SetGroupIndex(1);
  button->SetDown(true);
  Press({5, 5});
  button->SetEnabled(false);
  EXPECT_FALSE(button->Down());
  EXPECT_FALSE(button->Pressed());
  EXPECT_FALSE(host.captured);
  EXPECT_EQ(button->State(), ShineState::Disabled);
  Release({5, 5});
  EXPECT_EQ(clicks, 0);
  button->SetEnabled(true);
  EXPECT_EQ(button->State(), ShineState::Up);
}

TEST_F(ShineButtonTest, AnActionsCheckedStateAndImageApplyWithActionCheckedDown) {
  button->SetGroupIndex(5);
  ShineGlyph image{2, 2, {1, 2, 3, 4}};
  button->ActionChanged(true, image);
  EXPECT_FALSE(button->Down());
  button->SetActionCheckedDown(true);
  button->ActionChanged(true, image);
  EXPECT_TRUE(button->Down());
  EXPECT_EQ(button->Glyph(), image);
}

// ---- layout ---------------------------------------------------------------------------------

TEST(ShineLayout, CaptionOnlyIsCentredAndGlyphLeftWithMarginStandsFromTheEdge) {
  ShineLayout l = LayoutShineButton({25, 25}, {}, {12, 12}, TButtonLayout::blGlyphLeft, -1, 4, -1);
  EXPECT_EQ(l.caption, (Rect{6, 6, 18, 18}));
  EXPECT_TRUE(l.glyph.Empty());

  l = LayoutShineButton({60, 20}, {16, 16}, {12, 12}, TButtonLayout::blGlyphLeft, -1, 4, -1);
  EXPECT_EQ(l.glyph, (Rect{14, 2, 30, 18}));    // block 32 wide centred; glyph at the block's top
  EXPECT_EQ(l.caption, (Rect{34, 4, 46, 16}));  // centred in the block's height

  l = LayoutShineButton({60, 20}, {16, 16}, {12, 12}, TButtonLayout::blGlyphRight, 3, 4, -1);
  EXPECT_EQ(l.glyph, (Rect{41, 2, 57, 18}));
  EXPECT_EQ(l.caption, (Rect{25, 4, 37, 16}));
}

TEST(ShineLayout, StackedLayoutsAndAlMarginNarrowTheCaption) {
  ShineLayout l = LayoutShineButton({30, 40}, {16, 16}, {12, 12}, TButtonLayout::blGlyphTop, -1, 4, -1);
  EXPECT_EQ(l.glyph, (Rect{7, 4, 23, 20}));
  EXPECT_EQ(l.caption, (Rect{9, 24, 21, 36}));
  l = LayoutShineButton({30, 40}, {16, 16}, {12, 12}, TButtonLayout::blGlyphBottom, 2, 4, -1);
  EXPECT_EQ(l.caption, (Rect{9, 6, 21, 18}));  // the block stands 2 pixels above the bottom
  EXPECT_EQ(l.glyph, (Rect{7, 22, 23, 38}));

  l = LayoutShineButton({30, 40}, {16, 16}, {12, 12}, TButtonLayout::blGlyphTop, -1, 4, 3);
  EXPECT_EQ(l.caption.left, 3);
  EXPECT_EQ(l.caption.Width(), 24);
  l = LayoutShineButton({80, 20}, {16, 16}, {12, 12}, TButtonLayout::blGlyphLeft, 5, 4, 2);
  EXPECT_EQ(l.caption, (Rect{25, 4, 78, 16}));  // 80 - (5 + 16 + 4) - 2 wide
  // Without a glyph the spacing does not count.
  l = LayoutShineButton({80, 20}, {}, {12, 12}, TButtonLayout::blGlyphLeft, 5, 4, 2);
  EXPECT_EQ(l.caption, (Rect{5, 4, 78, 16}));
  // A block larger than the button: halving truncates toward zero.
  l = LayoutShineButton({10, 10}, {}, {13, 13}, TButtonLayout::blGlyphLeft, -1, 4, -1);
  EXPECT_EQ(l.caption.left, -1);
}

// ---- glyphs ---------------------------------------------------------------------------------

TEST(ShineGlyphEffects, BottomLeftIsTransparentAndTheEffectsChangeOnlyDrawnPixels) {
  const TColor T = 0x008080;  // clOlive at the bottom left
  ShineGlyph glyph{3, 3, {T, T, T, T, 0x102030, T, T, T, T}};
  GlyphImage image = GlyphTrueColor(glyph, 0, 0);
  EXPECT_FALSE(image.At(0, 0).has_value());
  EXPECT_EQ(image.At(1, 1), std::optional<TColor>(0x102030));

  GlyphImage outline = ApplyActiveLight(image, TActiveLight::aiFrameLight, 0x00FFFF);
  EXPECT_EQ(outline.At(1, 0), std::optional<TColor>(0x00FFFF));
  EXPECT_EQ(outline.At(0, 1), std::optional<TColor>(0x00FFFF));
  EXPECT_FALSE(outline.At(0, 0).has_value());  // corners do not touch
  EXPECT_EQ(outline.At(1, 1), std::optional<TColor>(0x102030));
  GlyphImage thick = ApplyActiveLight(image, TActiveLight::aiFrameLight2, 0x00FFFF);
  EXPECT_TRUE(thick.At(0, 0).has_value());

  EXPECT_EQ(ApplyActiveLight(image, TActiveLight::aiAddLight, 0xF0F0F0).At(1, 1), std::optional<TColor>(0xFFFFFF));
  EXPECT_EQ(ApplyActiveLight(image, TActiveLight::aiHalfLight, 0x000000).At(1, 1), std::optional<TColor>(0x081018));
  EXPECT_EQ(ApplyActiveLight(image, TActiveLight::aiXorLight, 0xFFFFFF).At(1, 1), std::optional<TColor>(0xEFDFCF));
  EXPECT_EQ(ApplyDrawImage(image, TDrawImage::diGrayscale, 0).At(1, 1), std::optional<TColor>(0x202020));
  EXPECT_FALSE(ApplyDrawImage(image, TDrawImage::diAlphaHalfTrans, 0).At(0, 0).has_value());
}

TEST(ShineGlyphEffects, MonochromeGlyphsTakeTheFontAndButtonColoursAndDisabledEngraves) {
  ShineGlyph mono{2, 2, {0, 1, 1, 1}, true};  // bottom-left set: the button colour is transparent
  GlyphImage image = GlyphTrueColor(mono, 0x0000FF, 0x00FF00);
  EXPECT_EQ(image.At(0, 0), std::optional<TColor>(0x0000FF));
  EXPECT_FALSE(image.At(1, 0).has_value());
  std::vector<bool> mask = EngravedMask(image);
  EXPECT_EQ(mask, (std::vector<bool>{true, false, false, false}));
  EXPECT_TRUE(GlyphTrueColor(ShineGlyph{2, 2, {1}}, 0, 0).pixels.empty());  // too few pixels: no glyph
}

TEST_F(ShineButtonTest, DisabledGlyphIsDrawnAsTwoMasksAndAnUpGlyphAsItsPixels) {
  const TColor T = 0x008080;
  button->SetGlyph(ShineGlyph{2, 2, {0x000001, T, T, T}});
  auto pixels = PaintAndGet(PaintOp::Kind::Pixel);
  ASSERT_EQ(pixels.size(), 1u);
  EXPECT_EQ(pixels[0]->points[0], (Point{11, 11}));  // 2 x 2 glyph centred in 25 x 25
  button->SetEnabled(false);
  pixels = PaintAndGet(PaintOp::Kind::Pixel);
  ASSERT_EQ(pixels.size(), 2u);
  EXPECT_EQ(pixels[0]->points[0], (Point{12, 12}));
  EXPECT_EQ(pixels[0]->color, 0xFFFFFFu);
  EXPECT_EQ(pixels[1]->points[0], (Point{11, 11}));
  EXPECT_EQ(pixels[1]->color, 0x808080u);
}

}  // namespace
}  // namespace hanaroku
