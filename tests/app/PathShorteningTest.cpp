#include "app/PathShortening.h"

#include <gtest/gtest.h>

#include "platform/Canvas.h"

namespace hanaroku {
namespace {

// One pixel per byte, so widths are easy to reason about.
class ByteMeasurer final : public ITextMeasurer {
 public:
  int CharAdvance(std::string_view c) const override { return static_cast<int>(c.size()); }
  int TextWidth(std::string_view s) const override { return static_cast<int>(s.size()); }
  int LinePitch() const override { return 1; }
};

TEST(PathShortening, ElidesLeadingDirectoriesThenDriveThenDots) {
  ByteMeasurer m;
  const std::string p = "C:\\a\\b\\c\\f.txt";
  EXPECT_EQ(ShortenPathToWidth(p, m, 100), p);
  EXPECT_EQ(ShortenPathToWidth(p, m, 14), p);
  // The first elisions are wider than the path itself, so they are passed
  // through on the way: C:\...\b\c\f.txt, C:\...\c\f.txt, C:\...\f.txt.
  EXPECT_EQ(ShortenPathToWidth("C:\\abcdef\\b\\c\\f.txt", m, 16), "C:\\...\\b\\c\\f.txt");
  EXPECT_EQ(ShortenPathToWidth("C:\\abcdef\\b\\c\\f.txt", m, 14), "C:\\...\\c\\f.txt");
  EXPECT_EQ(ShortenPathToWidth(p, m, 13), "C:\\...\\f.txt");
  EXPECT_EQ(ShortenPathToWidth(p, m, 11), "...\\f.txt");
  EXPECT_EQ(ShortenPathToWidth(p, m, 5), "f.txt");
  // A bare name that is still too wide is returned whole.
  EXPECT_EQ(ShortenPathToWidth(p, m, 1), "f.txt");
  EXPECT_EQ(ShortenPathToWidth("NEW", m, 1), "NEW");
  EXPECT_EQ(ShortenPathToWidth("", m, 0), "");
}

TEST(PathShortening, PathsWithoutDrive) {
  ByteMeasurer m;
  EXPECT_EQ(ShortenPathToWidth("\\x\\y\\n.txt", m, 9), "...\\n.txt");
  EXPECT_EQ(ShortenPathToWidth("\\x\\y\\n.txt", m, 5), "n.txt");
  EXPECT_EQ(ShortenPathToWidth("dir\\n.txt", m, 5), "n.txt");
}

}  // namespace
}  // namespace hanaroku
