#include "controls/PaneLayout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

// FixedMeasurer(16): single byte 8 px, double byte 16 px, pitch 20.
constexpr int kCell = 16;
constexpr int kHalf = 8;
constexpr int kPitch = 20;

const std::string kA = "\x82\xa0";  // あ
const std::string kI = "\x82\xa2";  // い

std::string Rep(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

// Advances that differ per character, to catch mixed-up cells.
class VaryingMeasurer final : public ITextMeasurer {
 public:
  int CharAdvance(std::string_view c) const override {
    ++calls;
    unsigned code = static_cast<unsigned char>(c[0]);
    if (c.size() > 1) code = code * 256 + static_cast<unsigned char>(c[1]);
    return (c.size() > 1 ? 12 : 4) + static_cast<int>(code % 7);
  }
  int TextWidth(std::string_view s) const override { return static_cast<int>(s.size()) * 8; }
  int LinePitch() const override { return 18; }
  mutable int calls = 0;
};

class PaneLayoutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    layout.SetMeasurer(&fixed);
    layout.SetClientSize(400, 300);
  }
  // Horizontal layout with room for `cells` full-width cells after the margin.
  void Horizontal(int cells, int margin = 0) {
    layout.SetVertical(false);
    layout.SetMargin(margin);
    layout.SetClientSize(margin + cells * kCell, 300);
  }
  void Vertical(int cells, int margin = 0) {
    layout.SetVertical(true);
    layout.SetMargin(margin);
    layout.SetClientSize(300, margin + cells * kCell);
  }
  std::vector<std::size_t> Starts() const {
    std::vector<std::size_t> s;
    for (int i = 0; i < layout.AllLines(); ++i) s.push_back(layout.LineStart(i));
    return s;
  }

  FixedMeasurer fixed{kCell};
  PaneLayout layout;
};

TEST_F(PaneLayoutTest, FinalEmptyLineIsNotCountedButHoldsTheCaret) {
  layout.Rebuild("");
  EXPECT_EQ(layout.Count(), 0);
  EXPECT_EQ(layout.AllLines(), 1);
  EXPECT_EQ(layout.LineFromPos(0), 0);

  const std::string t = "a\r\nb\r\n";
  layout.Rebuild(t);
  EXPECT_EQ(layout.Count(), 2);
  EXPECT_EQ(layout.AllLines(), 3);
  EXPECT_EQ(layout.LineFromPos(6), layout.Count());
  EXPECT_EQ(layout.LineStart(2), 6u);
  EXPECT_EQ(layout.LineEnd(0), 1u);
  EXPECT_EQ(layout.NextLineStart(0), 3u);
  EXPECT_EQ(layout.BreakLength(0), 2);

  layout.Rebuild("a\r\nb");
  EXPECT_EQ(layout.Count(), 2);
  EXPECT_EQ(layout.AllLines(), 2);
}

TEST_F(PaneLayoutTest, LoneCrAndLfEndLines) {
  const std::string t = "a\rb\nc\n\rd";
  layout.Rebuild(t);
  ASSERT_EQ(layout.Count(), 5);
  EXPECT_EQ(Starts(), (std::vector<std::size_t>{0, 2, 4, 6, 7}));
  EXPECT_EQ(layout.BreakLength(0), 1);
  EXPECT_EQ(layout.BreakLength(3), 1);
  EXPECT_EQ(layout.BreakLength(4), 0);
  EXPECT_EQ(layout.LineEnd(4), t.size());
}

TEST_F(PaneLayoutTest, WrapsAtTheInlineExtentInBothOrientations) {
  for (bool vertical : {false, true}) {
    SCOPED_TRACE(vertical ? "vertical" : "horizontal");
    vertical ? Vertical(5, 6) : Horizontal(5, 6);
    layout.Rebuild(Rep(kA, 10));
    EXPECT_EQ(layout.Count(), 2);
    layout.Rebuild(Rep(kA, 11));
    EXPECT_EQ(layout.Count(), 3);
    EXPECT_EQ(layout.LineStart(1), 10u);
    EXPECT_EQ(layout.BreakLength(0), 0);
    // Half-width characters take half a cell; a logical line break restarts.
    layout.Rebuild(std::string(10, 'x') + "\r\n" + std::string(11, 'y'));
    EXPECT_EQ(layout.Count(), 3);
    // The other dimension does not matter.
    if (vertical)
      layout.SetClientSize(17, 6 + 5 * kCell);
    else
      layout.SetClientSize(6 + 5 * kCell, 17);
    layout.Rebuild(Rep(kA, 11));
    EXPECT_EQ(layout.Count(), 3);
  }
}

TEST_F(PaneLayoutTest, WrapOffKeepsLogicalLines) {
  Horizontal(2);
  layout.SetWordWrap(false);
  layout.Rebuild(Rep(kA, 50) + "\r\n" + Rep(kI, 3));
  EXPECT_EQ(layout.Count(), 2);
  EXPECT_EQ(layout.LongestLine(), 50 * kCell);
  EXPECT_EQ(layout.LineWidth(1), 3 * kCell);
}

TEST_F(PaneLayoutTest, NeverSplitsADoubleByteCharacter) {
  // 40 px: "a" + two full-width fit exactly, the third goes to the next line.
  layout.SetClientSize(40, 300);
  const std::string t = "a" + Rep(kA, 3);
  layout.Rebuild(t);
  EXPECT_EQ(Starts(), (std::vector<std::size_t>{0, 5}));
  // Trail bytes that look like lead bytes.
  layout.SetClientSize(24, 300);
  const std::string u = "\x81\x81\x81\x81" "a\x81\x81";
  layout.Rebuild(u);
  EXPECT_EQ(Starts(), (std::vector<std::size_t>{0, 2, 5}));
}

TEST_F(PaneLayoutTest, ACharacterWiderThanTheExtentTakesALineOfItsOwn) {
  // 10 px: each 16 px kana overflows alone; "a" (8 px) fits but "ab" does not.
  layout.SetClientSize(10, 300);
  layout.Rebuild(Rep(kA, 4) + "ab");
  EXPECT_EQ(Starts(), (std::vector<std::size_t>{0, 2, 4, 6, 8, 9}));
  for (int i = 0; i < layout.Count(); ++i) EXPECT_LT(layout.LineStart(i), layout.NextLineStart(i));
}

TEST_F(PaneLayoutTest, DegenerateSizesDoNotHang) {
  const std::string t = Rep(kA, 20) + "\r\nabc\tdef\r\n";
  for (int w : {0, -5, 1}) {
    SCOPED_TRACE(w);
    layout.SetClientSize(w, w);
    layout.Rebuild(t);
    if (w <= 0)
      EXPECT_EQ(layout.Count(), 2);  // laid out as if unwrapped
    else
      EXPECT_EQ(layout.Count(), 20 + 7);  // one character per line
    EXPECT_EQ(layout.VisibleLines(), 0);
    layout.ScrollIntoView(t, t.size());
    (void)layout.HitTest(t, Point{5, 5});
    (void)layout.CaretRect(t, 3);
    layout.Update(t + "x", t.size(), 0, 1);
  }
  // A margin wider than the client.
  layout.SetClientSize(10, 10);
  layout.SetMargin(50);
  layout.Rebuild(t);
  EXPECT_EQ(layout.Count(), 2);
}

TEST_F(PaneLayoutTest, TabAdvancesToTheNextStopOfFourCells) {
  layout.SetWordWrap(false);
  const std::string t = "\tx" + std::string("ab\tc") + "\r\n" + kA + kA + kA + kA + "\tz";
  layout.Rebuild("\tx");
  auto cells = layout.Cells(0, "\tx");
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].advance, 4 * kCell);
  EXPECT_EQ(cells[1].inlineOffset, 4 * kCell);
  layout.Rebuild("ab\tc");
  cells = layout.Cells(0, "ab\tc");
  EXPECT_EQ(cells[3].inlineOffset, 4 * kCell);
  const std::string full = Rep(kA, 4) + "\tz";  // a tab right on a stop takes a whole stop
  layout.Rebuild(full);
  cells = layout.Cells(0, full);
  EXPECT_EQ(cells[5].inlineOffset, 8 * kCell);
}

TEST_F(PaneLayoutTest, CellsFollowTheMeasurer) {
  const std::string t = "a" + kA + "\r\n";
  layout.Rebuild(t);
  const auto cells = layout.Cells(0, t);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0].pos, 0u);
  EXPECT_EQ(cells[0].len, 1u);
  EXPECT_EQ(cells[0].advance, kHalf);
  EXPECT_EQ(cells[1].pos, 1u);
  EXPECT_EQ(cells[1].len, 2u);
  EXPECT_EQ(cells[1].inlineOffset, kHalf);
  EXPECT_TRUE(layout.Cells(1, t).empty());
  EXPECT_TRUE(layout.Cells(7, t).empty());
}

TEST_F(PaneLayoutTest, VerticalColumnsRunFromRightToLeft) {
  Vertical(5, 4);
  const std::string t = kA + kI + "\r\n" + kI + "\r\n" + kA;
  layout.Rebuild(t);
  const int w = layout.ClientWidth();
  EXPECT_EQ(layout.LinePitch(), kPitch);
  Rect c0 = layout.CaretRect(t, 0);
  EXPECT_EQ(c0.left, w - kPitch);
  EXPECT_EQ(c0.right, w);
  EXPECT_EQ(c0.top, 4);
  EXPECT_EQ(c0.bottom - c0.top, PaneLayout::kCaretWidth);
  Rect c1 = layout.CaretRect(t, 2);  // second character: lower in the same column
  EXPECT_EQ(c1.left, w - kPitch);
  EXPECT_EQ(c1.top, 4 + kCell);
  Rect l1 = layout.CaretRect(t, 6);  // second line: next column to the left
  EXPECT_EQ(l1.left, w - 2 * kPitch);
  EXPECT_EQ(l1.top, 4);
  EXPECT_EQ(layout.CaretRect(t, 10).left, w - 3 * kPitch);
  // Clicks: the rightmost column is the first line.
  EXPECT_EQ(layout.HitTest(t, Point{w - 1, 4 + kCell + 2}), 2u);
  EXPECT_EQ(layout.HitTest(t, Point{w - kPitch - 1, 5}), 6u);
  // Scrolling one line moves the second line to the right edge.
  layout.SetTopLine(1);
  EXPECT_EQ(layout.CaretRect(t, 6).left, w - kPitch);
  EXPECT_EQ(layout.CaretRect(t, 0).left, w);
}

TEST_F(PaneLayoutTest, HorizontalPlacementAndScrollOffsets) {
  Horizontal(10, 3);
  layout.SetWordWrap(false);
  const std::string t = "ab" + kA + "\r\n" + Rep(kI, 30);
  layout.Rebuild(t);
  Rect r = layout.CaretRect(t, 2);
  EXPECT_EQ(r.left, 3 + 2 * kHalf);
  EXPECT_EQ(r.right - r.left, PaneLayout::kCaretWidth);
  EXPECT_EQ(r.top, 0);
  EXPECT_EQ(r.bottom, kPitch);
  EXPECT_EQ(layout.CaretRect(t, 6).top, kPitch);
  layout.SetInlineScroll(32);
  EXPECT_EQ(layout.CaretRect(t, 6).left, 3 - 32);
  EXPECT_EQ(layout.InlineScroll(), 32);
  layout.SetInlineScroll(100000);
  EXPECT_EQ(layout.InlineScroll(), layout.MaxInlineScroll());
  EXPECT_EQ(layout.MaxInlineScroll(), 30 * kCell + PaneLayout::kCaretWidth - 10 * kCell);
  EXPECT_TRUE(layout.InMargin(Point{2, 50}));
  EXPECT_FALSE(layout.InMargin(Point{3, 50}));
}

TEST_F(PaneLayoutTest, HitTestAndCaretRectRoundTrip) {
  std::string t;
  t += "ab" + kA + "\tc" + kI + "\r\n";
  t += Rep(kA, 13) + "xyz\r";  // wraps
  t += "\n\r\n" + kI + "q\n" + kA;
  for (bool vertical : {false, true}) {
    for (bool wrap : {true, false}) {
      SCOPED_TRACE(std::string(vertical ? "vertical" : "horizontal") + (wrap ? " wrap" : " nowrap"));
      vertical ? Vertical(6, 5) : Horizontal(6, 5);
      layout.SetWordWrap(wrap);
      layout.Rebuild(t);
      layout.SetTopLine(1);
      layout.SetInlineScroll(wrap ? 0 : 20);
      for (std::size_t pos = 0; pos <= t.size(); pos += enc::CharLen(t, std::min(pos, t.size() - 1))) {
        if (pos > 0 && pos < t.size() && t[pos - 1] == '\r' && t[pos] == '\n') continue;  // not a caret place
        const Rect r = layout.CaretRect(t, pos);
        const Point mid{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        EXPECT_EQ(layout.HitTest(t, mid), pos) << "pos " << pos;
        if (pos == t.size()) break;
      }
    }
  }
}

TEST_F(PaneLayoutTest, HitTestPicksTheNearestBoundaryAndStaysInTheText) {
  Horizontal(20);
  const std::string t = kA + kI + "\r\n" + "ab\r\n";
  layout.Rebuild(t);
  EXPECT_EQ(layout.HitTest(t, Point{7, 5}), 0u);
  EXPECT_EQ(layout.HitTest(t, Point{8, 5}), 2u);
  EXPECT_EQ(layout.HitTest(t, Point{-40, 5}), 0u);        // left of the line start
  EXPECT_EQ(layout.HitTest(t, Point{300, 5}), 4u);        // past the end: line end, before CR LF
  EXPECT_EQ(layout.HitTest(t, Point{300, kPitch + 1}), 8u);
  EXPECT_EQ(layout.HitTest(t, Point{5, 299}), t.size());  // below the last line
  EXPECT_EQ(layout.HitTest(t, Point{5, -30}), 0u);        // above the first
  // Never between CR and LF, never on a trail byte.
  for (int x = -5; x < 200; x += 3)
    for (int y = -5; y < 100; y += 7) {
      const std::size_t p = layout.HitTest(t, Point{x, y});
      EXPECT_FALSE(p > 0 && p < t.size() && t[p - 1] == '\r' && t[p] == '\n');
      EXPECT_FALSE(enc::IsTrailPosition(t, p));
    }
  Vertical(20);
  layout.Rebuild(t);
  EXPECT_EQ(layout.HitTest(t, Point{-100, 5}), t.size());  // left of the last column
  EXPECT_EQ(layout.HitTest(t, Point{layout.ClientWidth() - 5, 1000}), 4u);
}

TEST_F(PaneLayoutTest, WrapPointBelongsToTheNextLine) {
  Horizontal(3);
  const std::string t = Rep(kA, 5);
  layout.Rebuild(t);
  ASSERT_EQ(layout.LineStart(1), 6u);
  EXPECT_EQ(layout.LineFromPos(6), 1);
  EXPECT_EQ(layout.LineEnd(0), 6u);
  const Rect r = layout.CaretRect(t, 6);
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.top, kPitch);
  // A click past the end of the wrapped line gives the wrap point.
  EXPECT_EQ(layout.HitTest(t, Point{200, 3}), 6u);
}

TEST_F(PaneLayoutTest, ScrollIntoViewMovesBothOffsets) {
  layout.SetClientSize(10 * kCell, 3 * kPitch);
  std::string t;
  for (int i = 0; i < 20; ++i) t += Rep(kA, 4) + "\r\n";
  layout.Rebuild(t);
  EXPECT_EQ(layout.VisibleLines(), 3);
  layout.ScrollIntoView(t, layout.LineStart(10));
  EXPECT_EQ(layout.TopLine(), 8);
  layout.ScrollIntoView(t, layout.LineStart(2));
  EXPECT_EQ(layout.TopLine(), 2);
  layout.ScrollIntoView(t, layout.LineStart(3));
  EXPECT_EQ(layout.TopLine(), 2);
  layout.SetTopLine(1000);
  EXPECT_EQ(layout.TopLine(), layout.AllLines() - 1);
  layout.SetTopLine(-3);
  EXPECT_EQ(layout.TopLine(), 0);

  layout.SetWordWrap(false);
  const std::string longLine = Rep(kA, 40);
  layout.Rebuild(longLine);
  layout.ScrollIntoView(longLine, longLine.size());
  const Rect end = layout.CaretRect(longLine, longLine.size());
  EXPECT_GE(end.left, 0);
  EXPECT_LE(end.right, layout.ClientWidth());
  layout.ScrollIntoView(longLine, 0);
  EXPECT_EQ(layout.InlineScroll(), 0);
  // Shrinking the text pulls both offsets back.
  layout.ScrollIntoView(longLine, longLine.size());
  layout.Rebuild("x");
  EXPECT_EQ(layout.InlineScroll(), 0);
  EXPECT_EQ(layout.TopLine(), 0);
}

TEST_F(PaneLayoutTest, AdvancesAreCachedAndForgottenWithTheMeasurer) {
  VaryingMeasurer varying;
  layout.SetMeasurer(&varying);
  const std::string t = Rep(kA + kI + "ab", 500);
  layout.Rebuild(t);
  const int afterFirst = varying.calls;
  EXPECT_LE(afterFirst, 6);  // four distinct characters and the tab cell
  layout.Rebuild(t);
  EXPECT_EQ(varying.calls, afterFirst);
  const int wide = layout.LongestLine();

  layout.SetMeasurer(&fixed);
  EXPECT_TRUE(layout.NeedsRebuild());
  layout.Update(t + "a", t.size(), 0, 1);  // falls back to a full layout
  EXPECT_FALSE(layout.NeedsRebuild());
  EXPECT_NE(layout.LongestLine(), wide);
  PaneLayout fresh;
  fresh.SetMeasurer(&fixed);
  fresh.SetClientSize(400, 300);
  fresh.Rebuild(t + "a");
  EXPECT_EQ(layout.LongestLine(), fresh.LongestLine());
  EXPECT_EQ(layout.Count(), fresh.Count());

  varying.calls = 0;
  layout.SetMeasurer(&varying);
  layout.SetVertical(true);
  layout.Rebuild(t);
  EXPECT_GT(varying.calls, 0);  // measured again for the new orientation
}

TEST_F(PaneLayoutTest, SettingsThatMoveBreaksAskForARebuild) {
  layout.Rebuild("abc");
  EXPECT_FALSE(layout.NeedsRebuild());
  layout.SetClientSize(400, 500);  // block extent only
  EXPECT_FALSE(layout.NeedsRebuild());
  layout.SetClientSize(300, 500);
  EXPECT_TRUE(layout.NeedsRebuild());
  layout.Rebuild("abc");
  layout.SetWordWrap(false);
  EXPECT_TRUE(layout.NeedsRebuild());
  layout.Rebuild("abc");
  layout.SetClientSize(100, 100);  // no wrap: the width does not matter
  EXPECT_FALSE(layout.NeedsRebuild());
}

// ---- Update against Rebuild ----------------------------------------------------

std::string RandomSjis(std::mt19937& rng, std::size_t chars) {
  static const std::vector<std::string> pieces = {
      "a", "b", "Z", " ", "\t", "\r\n", "\r\n", "\r", "\n", "\x82\xa0", "\x82\xa2", "\x88\x9f", "\x81\x5b",
      "\x81\x81", "\xe0\x40", "\xb1", "\x81", "\x82\r", "\x82\n", "\x82\xa0\x82\xa0\x82\xa0", "\x82\xa0\x82\xa2"};
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string s;
  for (std::size_t i = 0; i < chars; ++i) s += pieces[pick(rng)];
  return s;
}

void ExpectSameLayout(const PaneLayout& a, const PaneLayout& b, const std::string& what) {
  ASSERT_EQ(a.AllLines(), b.AllLines()) << what;
  for (int i = 0; i < a.AllLines(); ++i) {
    ASSERT_EQ(a.LineStart(i), b.LineStart(i)) << what << " line " << i;
    ASSERT_EQ(a.BreakLength(i), b.BreakLength(i)) << what << " line " << i;
    ASSERT_EQ(a.LineWidth(i), b.LineWidth(i)) << what << " line " << i;
  }
  ASSERT_EQ(a.Count(), b.Count()) << what;
  ASSERT_EQ(a.LongestLine(), b.LongestLine()) << what;
}

TEST_F(PaneLayoutTest, UpdateEqualsRebuildOnRandomEdits) {
  std::mt19937 rng(20240611);
  VaryingMeasurer varying;
  for (int round = 0; round < 120; ++round) {
    const bool wrap = round % 4 != 3;
    const bool vertical = round % 2 == 1;
    const int extent = std::uniform_int_distribution<int>(1, 120)(rng);
    const ITextMeasurer* m = (round % 3 == 0) ? static_cast<const ITextMeasurer*>(&fixed) : &varying;
    auto setup = [&](PaneLayout& l) {
      l.SetMeasurer(m);
      l.SetVertical(vertical);
      l.SetWordWrap(wrap);
      l.SetMargin(3);
      l.SetClientSize(vertical ? 200 : extent + 3, vertical ? extent + 3 : 200);
    };
    PaneLayout incremental;
    setup(incremental);
    std::string text = RandomSjis(rng, std::uniform_int_distribution<std::size_t>(0, 60)(rng));
    incremental.Rebuild(text);
    for (int edit = 0; edit < 40; ++edit) {
      std::uniform_int_distribution<std::size_t> at(0, text.size());
      std::size_t pos = at(rng);
      std::size_t removed = std::uniform_int_distribution<std::size_t>(0, std::min<std::size_t>(text.size() - pos, 6))(rng);
      if (edit % 5 == 0) removed = 0;
      const std::string ins = (edit % 3 == 0) ? std::string() : RandomSjis(rng, std::uniform_int_distribution<std::size_t>(0, 4)(rng));
      // Edits may land on trail bytes or between CR and LF: the layout must cope.
      text.replace(pos, removed, ins);
      incremental.Update(text, pos, removed, ins.size());
      PaneLayout full;
      setup(full);
      full.Rebuild(text);
      ExpectSameLayout(incremental, full, "round " + std::to_string(round) + " edit " + std::to_string(edit));
      if (HasFatalFailure()) return;
    }
  }
}

TEST_F(PaneLayoutTest, UpdateWithAWrongSizeRebuilds) {
  layout.Rebuild("abc");
  const std::string t = "abcdef\r\nx";
  layout.Update(t, 1, 0, 1);  // does not describe the change: laid out anew
  EXPECT_EQ(layout.Count(), 2);
  EXPECT_EQ(layout.TextSize(), t.size());
  PaneLayout empty;
  empty.Update(t, 0, 0, t.size());  // never built
  EXPECT_EQ(empty.Count(), 2);
}

TEST_F(PaneLayoutTest, EveryLineStartIsACharacterBoundary) {
  std::mt19937 rng(7);
  for (int round = 0; round < 50; ++round) {
    const std::string t = RandomSjis(rng, 80);
    layout.SetClientSize(std::uniform_int_distribution<int>(1, 60)(rng), 100);
    layout.Rebuild(t);
    for (int i = 0; i < layout.AllLines(); ++i) {
      const std::size_t s = layout.LineStart(i);
      // Walk from the start of its logical line: lead bytes never swallow a break.
      EXPECT_FALSE(s > 0 && s < t.size() && t[s - 1] == '\r' && t[s] == '\n');
      if (i > 0 && layout.BreakLength(i - 1) == 0) {
        const std::size_t prev = layout.LineStart(i - 1);
        std::size_t p = prev;
        while (p < s) p += (enc::IsLeadByte(static_cast<unsigned char>(t[p])) && p + 1 < t.size() && t[p + 1] != '\r' && t[p + 1] != '\n') ? 2 : 1;
        EXPECT_EQ(p, s) << "round " << round << " line " << i;
      }
    }
  }
}

// Advances and pitches far beyond any screen: widths and positions saturate
// instead of overflowing.
class HugeMeasurer final : public ITextMeasurer {
 public:
  int CharAdvance(std::string_view) const override { return 1 << 28; }
  int TextWidth(std::string_view s) const override { return static_cast<int>(s.size()); }
  int LinePitch() const override { return 1 << 30; }
};

TEST_F(PaneLayoutTest, WidthsBeyondTheIntegerRangeSaturate) {
  HugeMeasurer huge;
  layout.SetMeasurer(&huge);
  layout.SetWordWrap(false);
  const std::string t = Rep(kA, 9) + "\t" + Rep(kA, 3) + "\r\n\r\n\r\nx";
  layout.Rebuild(t);
  EXPECT_GT(layout.LineWidth(0), 1 << 28);
  EXPECT_GE(layout.LongestLine(), layout.LineWidth(0));
  EXPECT_GT(layout.MaxInlineScroll(), 0);
  int last = -1;
  for (const LayoutCell& c : layout.Cells(0, t)) {
    EXPECT_GE(c.inlineOffset, last);
    last = c.inlineOffset;
  }
  layout.ScrollIntoView(t, 20);
  (void)layout.CaretRect(t, 20);
  (void)layout.CaretRect(t, t.size());
  (void)layout.HitTest(t, Point{5, 5});
  layout.SetInlineScroll(1 << 30);
  layout.Update(t + "y", t.size(), 0, 1);
  layout.SetWordWrap(true);
  layout.Rebuild(t);
  EXPECT_GE(layout.Count(), 13);
}

// ---- long lines -------------------------------------------------------------

// A line of many kilobytes with tabs, half- and full-width characters.
std::string LongLine(std::mt19937& rng, std::size_t bytes) {
  static const std::vector<std::string> pieces = {"a", "b", "\t", " ", "\x82\xa0", "\x82\xa2", "\x88\x9f", "\xb1",
                                                  "\x82\xa0\x82\xa0\x82\xa0\x82\xa0", "xyz"};
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::string s;
  while (s.size() < bytes) s += pieces[pick(rng)];
  return s;
}

// The offsets of every character found from scratch, walking the line.
std::vector<int> OffsetsByWalking(const PaneLayout& l, const std::string& t, int line) {
  std::vector<int> x;
  for (const LayoutCell& c : l.Cells(line, t)) x.push_back(c.inlineOffset);
  return x;
}

TEST_F(PaneLayoutTest, LongLinesAnswerFromTheirMarksAsAWalkWould) {
  std::mt19937 rng(99);
  VaryingMeasurer varying;
  layout.SetMeasurer(&varying);
  layout.SetWordWrap(false);
  const std::string t = LongLine(rng, 20000) + "\r\n" + LongLine(rng, 5000);
  layout.Rebuild(t);
  ASSERT_EQ(layout.Count(), 2);
  const auto cells = layout.Cells(0, t);
  const std::vector<int> x = OffsetsByWalking(layout, t, 0);
  for (std::size_t k = 0; k < cells.size(); k += 7) {
    const LayoutCell& c = cells[k];
    ASSERT_EQ(layout.InlineFromPos(t, c.pos), c.inlineOffset) << c.pos;
    layout.SetInlineScroll(0);
    if (c.advance >= 4) {
      EXPECT_EQ(layout.PosAtInline(t, 0, c.inlineOffset + 1), c.pos);
    }
    // A stretch of the line: exactly the cells that reach into it.
    const auto some = layout.Cells(0, t, c.inlineOffset + 3, c.inlineOffset + 200);
    ASSERT_FALSE(some.empty());
    EXPECT_EQ(some.front().pos, c.advance > 3 ? c.pos : cells[k + 1].pos);
    EXPECT_LE(some.size(), 200u);
    EXPECT_LT(some.back().inlineOffset, c.inlineOffset + 200);
  }
  EXPECT_EQ(layout.PosAtInline(t, 0, 1 << 30), layout.LineEnd(0));
  // Hit tests land where the caret of that position is drawn.
  layout.SetClientSize(400, 300);
  for (std::size_t k = 0; k < cells.size(); k += 211) {
    layout.ScrollIntoView(t, cells[k].pos);
    const Rect r = layout.CaretRect(t, cells[k].pos);
    EXPECT_EQ(layout.HitTest(t, Point{r.left + 1, r.top + 3}), cells[k].pos);
  }
}

TEST_F(PaneLayoutTest, EditsInLongLinesKeepTheirMarksRight) {
  std::mt19937 rng(4242);
  VaryingMeasurer varying;
  for (int round = 0; round < 6; ++round) {
    const bool wrap = round == 5;
    auto setup = [&](PaneLayout& l) {
      l.SetMeasurer(round % 2 ? static_cast<const ITextMeasurer*>(&varying) : &fixed);
      l.SetWordWrap(wrap);
      l.SetClientSize(300, 200);
    };
    PaneLayout incremental;
    setup(incremental);
    std::string text = LongLine(rng, 9000) + "\r\n" + LongLine(rng, 3000);
    incremental.Rebuild(text);
    for (int edit = 0; edit < 30; ++edit) {
      const std::size_t pos = std::uniform_int_distribution<std::size_t>(0, text.size())(rng);
      const std::size_t removed = std::min<std::size_t>(text.size() - pos, edit % 3);
      const std::string ins = edit % 4 == 0 ? "\t" : edit % 4 == 1 ? "\x82\xa0" : edit % 4 == 2 ? "" : "\r\nq";
      text.replace(pos, removed, ins);
      incremental.Update(text, pos, removed, ins.size());
      PaneLayout full;
      setup(full);
      full.Rebuild(text);
      const std::string what = "round " + std::to_string(round) + " edit " + std::to_string(edit);
      ExpectSameLayout(incremental, full, what);
      if (HasFatalFailure()) return;
      for (std::size_t q = 0; q <= text.size(); q += 53) {
        ASSERT_EQ(incremental.InlineFromPos(text, q), full.InlineFromPos(text, q)) << what << " pos " << q;
        const int line = full.LineFromPos(q);
        const int at = full.InlineFromPos(text, q);
        ASSERT_EQ(incremental.PosAtInline(text, line, at), full.PosAtInline(text, line, at)) << what << " pos " << q;
      }
    }
  }
}

}  // namespace
}  // namespace hanaroku
