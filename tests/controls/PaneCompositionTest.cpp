#include "controls/PaneComposition.h"

#include <gtest/gtest.h>

#include "RichEditTestSupport.h"

namespace hanaroku {
namespace {

using testing::PaneFixture;
using testing::S;

// The main window's composition colours, one entry per state.
constexpr ImeColor kColors[4] = {
    {0xFF0000, 0xFEF4F3, 0},               // input
    {0xFFFFFF, 0xFF8080, 0},               // clause being converted
    {0xFF0000, 0xDCF3F0, 4},               // converted
    {0x000000, 0xE2F2DD, 4},               // clause being converted, not yet converted
};

class PaneCompositionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    pane.SetImeColors(kColors);
    pane.SetText(S("ひさかたの\r\n光のどけき"));
    pane.Select(4, 0);  // after ひさ
  }
  std::vector<CompositionCell> Cells() const {
    return ime.Cells(pane.Layout(), pane.Text(), 4, f.measurer, pane.ImeColors());
  }
  PaneFixture f{10, 10};  // 10 cells of 16 px a line, lines 20 apart
  TRichEditSx& pane = f.pane;
  PaneComposition ime;
};

TEST_F(PaneCompositionTest, WhatTheInputMethodReportsIsKeptInRange) {
  EXPECT_FALSE(ime.Active());
  ime.Start();
  EXPECT_TRUE(ime.Active());
  ime.Update(u"はるのひ", {0, 1, 9}, {3, 2, 99}, 17);
  EXPECT_EQ(ime.StateAt(0), CompositionState::Input);
  EXPECT_EQ(ime.StateAt(1), CompositionState::TargetConverted);
  EXPECT_EQ(ime.StateAt(2), CompositionState::InputError);  // unknown value
  EXPECT_EQ(ime.StateAt(3), CompositionState::Input);       // not reported
  EXPECT_EQ(ime.ClauseBounds(), (std::vector<std::uint32_t>{0, 3, 4}));
  EXPECT_EQ(ime.Cursor(), 4u);
  ime.Update(u"", {}, {}, 0);
  EXPECT_TRUE(ime.Active());
  EXPECT_TRUE(Cells().empty());
  ime.End();
  EXPECT_FALSE(ime.Active());
  EXPECT_TRUE(ime.Text().empty());
}

TEST_F(PaneCompositionTest, VerticalCompositionRunsDownTheCaretColumn) {
  pane.SetVertical(true);
  pane.SetImeColors(kColors);  // a change of direction brings the pane's own colours back
  ime.Start();
  ime.Update(u"はるの", {0, 1, 2}, {0, 1, 2, 3}, 1);
  const std::vector<CompositionCell> cells = Cells();
  ASSERT_EQ(cells.size(), 3u);
  const Rect caret = pane.Layout().CaretRect(pane.Text(), 4);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(cells[i].box.left, caret.left);  // the caret's column
    EXPECT_EQ(cells[i].box.Width(), pane.Layout().LinePitch());
    EXPECT_EQ(cells[i].box.Height(), 16);
    EXPECT_EQ(cells[i].box.top, caret.top + 16 * static_cast<int>(i));  // upright, one below the other
  }
  // Each state in its entry's colours; underlined entries underlined.
  EXPECT_EQ(cells[0].background, kColors[0].background);
  EXPECT_EQ(cells[1].text, kColors[1].text);
  EXPECT_EQ(cells[1].background, kColors[1].background);
  EXPECT_FALSE(cells[1].underline);
  EXPECT_EQ(cells[2].background, kColors[2].background);
  EXPECT_TRUE(cells[2].underline);
  // The caret at the cursor, between the first and the second character.
  const Rect cursor = ime.CursorRect(pane.Layout(), pane.Text(), 4, cells);
  EXPECT_EQ(cursor.top, cells[1].box.top);
  EXPECT_EQ(cursor.left, cells[1].box.left);
  // The candidate window beside the column, level with the clause being converted.
  const auto place = ime.CandidateWindow(pane.Layout(), cells);
  EXPECT_EQ(place.at.x, cells[0].box.left);
  EXPECT_EQ(place.at.y, cells[1].box.top);
  for (const CompositionCell& c : cells) EXPECT_EQ(place.exclude.Intersect(c.box), c.box);
}

TEST_F(PaneCompositionTest, HorizontalCompositionRunsAlongTheCaretLine) {
  ime.Start();
  ime.Update(u"はるの", {3, 3, 0}, {}, -1);
  const std::vector<CompositionCell> cells = Cells();
  ASSERT_EQ(cells.size(), 3u);
  const Rect caret = pane.Layout().CaretRect(pane.Text(), 4);
  for (std::size_t i = 0; i < cells.size(); ++i) {
    EXPECT_EQ(cells[i].box.top, caret.top);
    EXPECT_EQ(cells[i].box.left, caret.left + 16 * static_cast<int>(i));
    EXPECT_EQ(cells[i].box.Height(), pane.Layout().LinePitch());
  }
  EXPECT_TRUE(cells[0].underline);
  const auto place = ime.CandidateWindow(pane.Layout(), cells);
  EXPECT_EQ(place.at.y, place.exclude.bottom);  // below the line
  EXPECT_EQ(place.at.x, cells[0].box.left);     // under the clause being converted
  // Without a cursor the caret stands after the composition.
  EXPECT_EQ(ime.CursorRect(pane.Layout(), pane.Text(), 4, cells).left, cells[2].box.right);
}

TEST_F(PaneCompositionTest, ALongCompositionGoesOnInTheNextColumn) {
  pane.SetVertical(true);
  pane.SetClientSize(200, 6 * 16 + 2);  // six cells a column
  ime.Start();
  ime.Update(u"あいうえおか", {}, {}, 0);
  const std::vector<CompositionCell> cells = Cells();
  ASSERT_EQ(cells.size(), 6u);
  // The caret stands after two characters: four fit, two go on one column to the left.
  EXPECT_EQ(cells[3].box.left, cells[0].box.left);
  EXPECT_EQ(cells[4].box.left, cells[0].box.left - pane.Layout().LinePitch());
  EXPECT_EQ(cells[4].box.top, cells[5].box.top - 16);
  const auto place = ime.CandidateWindow(pane.Layout(), cells);
  EXPECT_EQ(place.at.x, cells[4].box.left);  // left of both columns
}

TEST_F(PaneCompositionTest, ACharacterCodePage932CannotHoldTakesAFullCell) {
  ime.Start();
  ime.Update(u"😀a", {}, {}, 0);
  const std::vector<CompositionCell> cells = Cells();
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].units, 2u);
  EXPECT_EQ(cells[0].box.Width(), 16);
  EXPECT_EQ(cells[1].index, 2u);
  EXPECT_EQ(cells[1].box.Width(), 8);
}

}  // namespace
}  // namespace hanaroku
