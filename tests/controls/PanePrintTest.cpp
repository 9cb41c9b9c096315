// The print operation: runs of one colour per line, ink that shows on
// paper, the document's course on the device and a failing printer.
#include "controls/PanePrint.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "controls/FakePrintDevice.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

std::string Sjis(const char* utf8) { return enc::Utf8ToSjis(utf8); }

const FixedMeasurer kMeasurer{10, 12};

using test::FakePrintDevice;
using test::PrintRecord;

TEST(PanePrint, InkThatShowsOnPaper) {
  EXPECT_EQ(InkOnPaper(0x554239), 0x554239u);
  EXPECT_EQ(InkOnPaper(0xFF0000), 0xFF0000u);  // blue
  EXPECT_EQ(InkOnPaper(0xFFFFFF), 0x000000u);  // white
  EXPECT_EQ(InkOnPaper(0x00FFFF), 0x000000u);  // yellow
  EXPECT_EQ(InkOnPaper(0xF4F5E9), 0x000000u);
}

TEST(PanePrint, RunsSplitAtColoursAndTabsAndFollowTheLines) {
  const std::string text = Sjis("花の\t色は\r\nうつり");
  ColorRuns colors;
  colors.Reset(text.size());
  colors.Set(2, 4, 0x0000FF);  // の in red
  TPagination pages(text, kMeasurer, false, Rect{0, 0, 200, 100});
  const auto runs = PageRuns(pages, 0, text, colors, 0x554239);
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].sjis, Sjis("花"));
  EXPECT_EQ(runs[0].color, 0x554239u);
  EXPECT_EQ(runs[1].sjis, Sjis("の"));
  EXPECT_EQ(runs[1].color, 0x0000FFu);
  EXPECT_EQ(runs[1].origin, (Point{10, 0}));
  EXPECT_EQ(runs[2].sjis, Sjis("色は"));  // after the tab's gap
  EXPECT_EQ(runs[2].advances, (std::vector<int>{10, 10}));
  EXPECT_EQ(runs[2].origin.x, 40);        // the tab stop of four cells
  EXPECT_EQ(runs[3].sjis, Sjis("うつり"));
  EXPECT_EQ(runs[3].origin, (Point{0, 12}));
  EXPECT_EQ(runs[3].line, (Rect{0, 12, 200, 24}));
}

TEST(PanePrint, VerticalRunsStartAtTheTopOfTheirColumn) {
  const std::string text = Sjis("ひさかたの\r\n光");
  ColorRuns colors;
  colors.Reset(text.size());
  TPagination pages(text, kMeasurer, true, Rect{0, 0, 100, 30});
  const auto runs = PageRuns(pages, 0, text, colors, 0);
  ASSERT_EQ(runs.size(), 3u);  // 3 + 2 characters, then the second line
  EXPECT_EQ(runs[0].origin, (Point{88, 0}));
  EXPECT_EQ(runs[1].origin, (Point{76, 0}));
  EXPECT_EQ(runs[1].sjis, Sjis("たの"));
  EXPECT_EQ(runs[2].line, (Rect{64, 0, 76, 30}));
}

TEST(PanePrint, PrintsEveryPageAsOneDocument) {
  PrintRecord record;
  FakePrintDevice device(record);
  const std::string text(60, 'x');
  ColorRuns colors;
  colors.Reset(text.size());
  FontSpec font;
  font.name = "ＭＳ 明朝";
  font.color = 0x123456;
  // 100 wide: 20 half-width characters a line, 4 lines a page.
  PrintText(device, text, font, false, colors, "C:\\歌\\poem.txt");
  EXPECT_EQ(record.title, "C:\\歌\\poem.txt");
  EXPECT_EQ(record.font, font);
  EXPECT_FALSE(record.vertical);
  ASSERT_EQ(record.pages.size(), 1u);
  EXPECT_EQ(record.pages[0].size(), 3u);
  EXPECT_EQ(record.pages[0][0].origin, (Point{10, 10}));
  EXPECT_EQ(record.calls, (std::vector<std::string>{"begin", "page", "end"}));

  PrintRecord longer;
  FakePrintDevice second(longer);
  const std::string many(200, 'y');
  colors.Reset(many.size());
  PrintText(second, many, font, false, colors, "");
  EXPECT_EQ(longer.pages.size(), 3u);  // 10 lines: 4, 4, 2
  EXPECT_EQ(longer.title, "");
}

TEST(PanePrint, AFailingPrinterAbandonsTheDocument) {
  PrintRecord record;
  record.failAtPage = 1;
  FakePrintDevice device(record);
  const std::string text(200, 'y');
  ColorRuns colors;
  colors.Reset(text.size());
  EXPECT_THROW(PrintText(device, text, FontSpec{}, true, colors, "t"), std::runtime_error);
  EXPECT_EQ(record.calls, (std::vector<std::string>{"begin", "page", "abort"}));
}

}  // namespace
}  // namespace hanaroku
