// ReplaceSpans: a whole-text rewrite taken as one change must leave the pane
// as the same replacements made one by one through SelText would.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "controls/RichEditColors.h"
#include "controls/RichEditSx.h"
#include "controls/RichEditTestSupport.h"

namespace hanaroku {
namespace {

using testing::CountingView;

TEST(RichEditRewrite, KeepsColoursAsReplacementsOneByOneWould) {
  std::mt19937 gen(4711);
  auto below = [&gen](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(gen); };
  const TColor palette[] = {0x0000FF, 0x00FF00, 0xFF0000};
  for (int c = 0; c < 2000; ++c) {
    std::string text;
    for (std::size_t i = below(40); i > 0; --i) text += static_cast<char>('a' + below(5));
    TRichEditSx one, whole;
    for (TRichEditSx* p : {&one, &whole}) p->SetText(text);
    for (std::size_t k = below(4); k > 0 && !text.empty(); --k) {
      const int from = static_cast<int>(below(text.size()));
      const int len = 1 + static_cast<int>(below(text.size() - static_cast<std::size_t>(from)));
      const TColor color = palette[below(3)];
      for (TRichEditSx* p : {&one, &whole}) {
        p->Select(from, len);
        p->SetSelColor(color);
      }
    }
    // Spans in order, apart or touching, each replaced by 0 to 3 bytes.
    std::vector<ReplacedSpan> spans;
    std::string result;
    std::size_t old = 0;
    int shift = 0, caret = 0;
    while (old < text.size() && below(3) != 0) {
      const std::size_t start = old + below(std::min<std::size_t>(4, text.size() - old));
      if (start >= text.size()) break;
      const std::size_t len = 1 + below(std::min<std::size_t>(3, text.size() - start));
      const std::string r(below(4), 'X');
      result += text.substr(old, start - old) + r;
      spans.push_back({start, len, r.size()});
      one.Select(static_cast<int>(start) + shift, static_cast<int>(len));
      one.SetSelText(r);
      shift += static_cast<int>(r.size()) - static_cast<int>(len);
      caret = static_cast<int>(start) + shift + static_cast<int>(len);
      old = start + len;
    }
    if (spans.empty()) continue;
    result += text.substr(old);
    whole.ReplaceSpans(result, spans, caret, 0);
    ASSERT_EQ(whole.Text(), one.Text()) << c;
    ASSERT_EQ(whole.Colors().Runs(), one.Colors().Runs()) << c;
    ASSERT_EQ(whole.SelStart(), one.SelStart()) << c;
    ASSERT_EQ(whole.SelLength(), 0);
  }
}

TEST(RichEditRewrite, IsOneChangeWithOneRelayout) {
  testing::PaneFixture f;
  CountingView view;
  f.pane.SetView(&view);
  f.pane.SetText("aXbXc");
  f.pane.Select(0, 0);
  int changes = 0, moves = 0;
  f.pane.OnChange = [&] { ++changes; };
  f.pane.OnSelectionChange = [&] { ++moves; };
  view = CountingView{};
  const int newest = f.pane.UndoNewest(), index = f.pane.UndoIndex();
  const std::vector<ReplacedSpan> spans = {{1, 1, 2}, {3, 1, 2}};
  f.pane.ReplaceSpans("aYYbYYc", spans, 6, 0);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(moves, 1);
  EXPECT_EQ(view.layoutChanges, 1);
  EXPECT_EQ(f.pane.SelStart(), 6);
  EXPECT_TRUE(f.pane.Modified());
  EXPECT_EQ(f.pane.UndoNewest(), newest);  // not recorded in the undo ring
  EXPECT_EQ(f.pane.UndoIndex(), index);
  f.pane.SetMaxLength(7);
  const std::vector<ReplacedSpan> longer = {{1, 2, 3}};
  EXPECT_THROW(f.pane.ReplaceSpans("aYYYbYYc", longer, 0, 0), MaxLengthError);
  EXPECT_EQ(f.pane.Text(), "aYYbYYc");
  f.pane.SetView(nullptr);
}

}  // namespace
}  // namespace hanaroku
