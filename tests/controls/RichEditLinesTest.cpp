#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/RichEditTestSupport.h"

namespace hanaroku {
namespace {

using testing::PaneFixture;
using testing::S;

TEST(RichEditLines, AssignmentExchangeAndTheWholeTextAsLines) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText("one\r\ntwo\nthree");
  p.Lines().Put(1, S("二"));
  EXPECT_EQ(p.Text(), "one\r\n" + S("二") + "\nthree");  // the line's own break stays
  p.Lines().Put(3, "x");  // out of range: nothing
  p.Lines().Put(-1, "x");
  p.Lines().Exchange(0, 2);
  EXPECT_EQ(p.Text(), "three\r\n" + S("二") + "\none");
  p.Lines().Exchange(0, 9);
  EXPECT_EQ(p.Lines().Strings(), (std::vector<std::string>{"three", S("二"), "one"}));
  p.Lines().SetStrings(std::vector<std::string>{"a", "", "b"});
  EXPECT_EQ(p.Text(), "a\r\n\r\nb\r\n");
  EXPECT_EQ(p.SelStart(), 0);
  EXPECT_TRUE(p.Modified());
  p.Lines().SetStrings({});
  EXPECT_EQ(p.Text(), "");
  EXPECT_TRUE(p.Lines().Strings().empty());
}

TEST(RichEditLines, StringsAreTheDisplayLines) {
  PaneFixture f(4, 10);  // four double-byte characters to a line
  TRichEditSx& p = f.pane;
  p.SetText(S("一二三四五六七八九\r\n十"));
  EXPECT_EQ(p.Lines().Strings(), (std::vector<std::string>{S("一二三四"), S("五六七八"), S("九"), S("十")}));
  p.SetWordWrap(false);
  EXPECT_EQ(p.Lines().Strings(), (std::vector<std::string>{S("一二三四五六七八九"), S("十")}));
  // A wrapped piece can be assigned like any line.
  p.SetWordWrap(true);
  p.Lines().Put(1, "x");
  EXPECT_EQ(p.Text(), S("一二三四") + "x" + S("九\r\n十"));
}

}  // namespace
}  // namespace hanaroku
