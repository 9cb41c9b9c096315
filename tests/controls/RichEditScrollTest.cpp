// The pane's scroll position after changes of the text: clamped to the new
// extent, the caret in view, in both writing directions.
#include <gtest/gtest.h>

#include <string>

#include "RichEditTestSupport.h"
#include "controls/RichEditSx.h"

namespace hanaroku {
namespace {

using testing::FakeClipboard;
using testing::PaneFixture;
using testing::S;

constexpr int kEnd = 35;

std::string LongText(int lines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += S("ひさかたの光のどけき") + "\r\n";
  return text;
}

// Ctrl+End in a long text, Ctrl+A, paste three lines: all three lines are in
// view, the first at the top (the right edge in vertical writing).
TEST(RichEditScroll, PastingAShortTextOverALongOneShowsItWhole) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    PaneFixture f(12, 8);
    TRichEditSx& p = f.pane;
    p.SetVertical(vertical);
    if (vertical) p.SetClientSize(8 * 20, 12 * 16 + 2);
    p.SetText(LongText(300));
    p.KeyDown(kEnd, false, true);
    ASSERT_GT(p.SelTopIndex(), 250);
    p.SelectAll();
    FakeClipboard cb;
    cb.SetText(u"はるすぎて\r\nなつきにけらし\r\nしろたへの");
    p.PasteFromClipboard(cb);
    ASSERT_EQ(p.Lines().Count(), 3);
    EXPECT_EQ(p.SelTopIndex(), 0);
    const PaneLayout& lay = p.Layout();
    for (int pos : {0, p.LineIndex(1), p.LineIndex(2), p.TextLength()}) {
      const Rect r = lay.CaretRect(p.Text(), static_cast<std::size_t>(pos));
      EXPECT_GE(r.left, 0) << pos;
      EXPECT_GE(r.top, 0) << pos;
      EXPECT_LE(r.right, lay.ClientWidth()) << pos;
      EXPECT_LE(r.bottom, lay.ClientHeight()) << pos;
    }
  }
}

TEST(RichEditScroll, DeletingTheEndPullsTheLastPageBack) {
  PaneFixture f(12, 5);
  TRichEditSx& p = f.pane;
  p.SetText(LongText(40));
  p.KeyDown(kEnd, false, true);
  const int top = p.SelTopIndex();
  EXPECT_EQ(top, p.Layout().AllLines() - 5);
  // Delete the last ten lines: the page ends with the new last line.
  p.Select(p.LineIndex(30), p.TextLength());
  p.Clear();
  EXPECT_EQ(p.SelTopIndex(), p.Layout().AllLines() - 5);
  // Shorter than a page: no scrolling at all, also inside an update.
  {
    LinesUpdateScope update(p.Lines());
    p.Select(p.LineIndex(2), p.TextLength());
    p.Clear();
  }
  EXPECT_EQ(p.SelTopIndex(), 0);
  // Scrolling by hand may still show the last line at the top, as before.
  p.SetText(LongText(40));
  p.SetSelTopIndex(1000);
  EXPECT_EQ(p.SelTopIndex(), p.Layout().AllLines() - 1);
}

TEST(RichEditScroll, ShrinkingLinesPullsTheInlineScrollBack) {
  PaneFixture f(5, 5);
  TRichEditSx& p = f.pane;
  p.SetWordWrap(false);
  p.SetText(LongText(3));
  p.KeyDown(kEnd, false, false);
  p.Select(0, 0);
  p.KeyDown(kEnd, false, false);
  ASSERT_GT(p.Layout().InlineScroll(), 0);
  p.SelectAll();
  p.SetSelText("ab");
  EXPECT_EQ(p.Layout().InlineScroll(), 0);
}

}  // namespace
}  // namespace hanaroku
