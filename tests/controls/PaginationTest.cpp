// Pages of a text: columns from right to left or lines from the top, whole
// display lines per page, every character once.
#include "controls/Pagination.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

// Full-width 10 pixels, half-width 5, lines 12 apart.
const FixedMeasurer kMeasurer{10, 12};

std::string Sjis(const char* utf8) { return enc::Utf8ToSjis(utf8); }

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(Pagination, VerticalColumnsRunRightToLeftPageAfterPage) {
  // 100 x 50: 8 columns of 5 full-width characters each.
  const std::string text = Repeat(Sjis("あ"), 100);
  TPagination pages(text, kMeasurer, true, Rect{0, 0, 100, 50});
  EXPECT_EQ(pages.LinesPerPage(), 8);
  ASSERT_EQ(pages.PageCount(), 3);  // 20 columns: 8, 8, 4
  EXPECT_EQ(pages.LineCount(0), 8);
  EXPECT_EQ(pages.LineCount(2), 4);
  EXPECT_EQ(pages.LineCount(3), 0);
  EXPECT_EQ(pages.FirstLine(1), 8);
  EXPECT_EQ(pages.LineBox(0), (Rect{88, 0, 100, 50}));
  EXPECT_EQ(pages.LineBox(1), (Rect{76, 0, 88, 50}));
  EXPECT_EQ(pages.LineBox(8), pages.LineBox(0));  // each page starts at the right edge
  const auto cells = pages.Cells(9);
  ASSERT_EQ(cells.size(), 5u);
  EXPECT_EQ(cells[0].pos, 9u * 5 * 2);
  EXPECT_EQ(cells[4].inlineOffset, 40);
}

TEST(Pagination, HorizontalLinesRunTopToBottomInAnOffsetArea) {
  const std::string text = Sjis("一行目\r\n二行目\r\n\r\n四\r\n五\r\n六");
  TPagination pages(text, kMeasurer, false, Rect{20, 30, 120, 80});
  EXPECT_EQ(pages.LinesPerPage(), 4);  // 50 / 12
  ASSERT_EQ(pages.PageCount(), 2);
  EXPECT_EQ(pages.LineBox(0), (Rect{20, 30, 120, 42}));
  EXPECT_EQ(pages.LineBox(3), (Rect{20, 66, 120, 78}));
  EXPECT_EQ(pages.LineBox(4), pages.LineBox(0));
  EXPECT_TRUE(pages.Cells(2).empty());  // the empty line keeps its place
}

TEST(Pagination, EmptyTextIsOneBlankPageAndATinyPageHoldsOneLine) {
  TPagination empty("", kMeasurer, true, Rect{0, 0, 100, 100});
  EXPECT_EQ(empty.PageCount(), 1);
  EXPECT_EQ(empty.LineCount(0), 0);

  // Narrower than a line pitch and than a character: one character a page.
  const std::string text = Sjis("花の色");
  TPagination tiny(text, kMeasurer, true, Rect{0, 0, 5, 4});
  EXPECT_EQ(tiny.LinesPerPage(), 1);
  EXPECT_EQ(tiny.PageCount(), 3);
  for (int p = 0; p < 3; ++p) ASSERT_EQ(tiny.Cells(tiny.FirstLine(p)).size(), 1u);
}

// Every character of any text is on exactly one page, in order, and only a
// character alone on its line may reach past the page.
TEST(Pagination, NoCharacterIsCutOrLost) {
  std::mt19937 rng(11);
  const std::string pieces[] = {Sjis("あ"), Sjis("漢"), "a", "W", "\t", "\r\n", "\n", "\r", Sjis("ｱ"), " ", "\x82"};
  for (int round = 0; round < 40; ++round) {
    std::string text;
    const int n = static_cast<int>(rng() % 400);
    for (int i = 0; i < n; ++i) text += pieces[rng() % std::size(pieces)];
    const bool vertical = round % 2 == 0;
    const Rect area{3, 7, 3 + 20 + static_cast<int>(rng() % 120), 7 + 20 + static_cast<int>(rng() % 120)};
    TPagination pages(text, kMeasurer, vertical, area);
    const int extent = vertical ? area.Height() : area.Width();
    std::size_t next = 0;
    for (int p = 0; p < pages.PageCount(); ++p) {
      for (int line = pages.FirstLine(p); line < pages.FirstLine(p) + pages.LineCount(p); ++line) {
        const Rect box = pages.LineBox(line);
        ASSERT_GE(box.left, area.left);
        ASSERT_LE(box.right, area.right);
        ASSERT_GE(box.top, area.top);
        ASSERT_LE(box.bottom, area.bottom);
        const auto cells = pages.Cells(line);
        for (std::size_t i = 0; i < cells.size(); ++i) {
          // Only line breaks are skipped between cells.
          while (next < cells[i].pos) {
            ASSERT_TRUE(text[next] == '\r' || text[next] == '\n') << "lost byte " << next;
            ++next;
          }
          ASSERT_EQ(cells[i].pos, next);
          next += cells[i].len;
          if (i > 0) {
            ASSERT_LE(cells[i].inlineOffset + cells[i].advance, extent) << "cut at " << cells[i].pos;
          }
        }
      }
    }
    while (next < text.size() && (text[next] == '\r' || text[next] == '\n')) ++next;
    EXPECT_EQ(next, text.size());
  }
}

}  // namespace
}  // namespace hanaroku
