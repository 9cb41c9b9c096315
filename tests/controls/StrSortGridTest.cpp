#include "controls/StrSortGrid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/RecordingCanvas.h"

namespace hanaroku {
namespace {

using test::PaintOp;
using test::RecordingCanvas;
using Cells = std::vector<std::string>;

constexpr Size kClient{500, 300};

// A grid of five columns: the header, then rows of a number and a name.
TStrSortGrid GridOf(const std::vector<Cells>& rows) {
  TStrSortGrid grid;
  grid.SetColCount(5);
  grid.SetRows(rows);
  return grid;
}

std::vector<std::string> Column(const TStrSortGrid& grid, int col) {
  std::vector<std::string> out;
  for (int r = 1; r < grid.RowCount(); ++r) out.push_back(grid.Cell(col, r));
  return out;
}

// The point in the middle of a cell.
Point Centre(const TStrSortGrid& grid, GridCoord c) {
  const Rect r = grid.CellRect(c, kClient);
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

struct FakeEditor final : IGridEditor {
  bool shown = false;
  Rect where;
  std::string text;
  void ShowEditor(const Rect& cell, const std::string& sjis) override {
    shown = true;
    where = cell;
    text = sjis;
  }
  void HideEditor() override { shown = false; }
  std::string EditorText() const override { return text; }
};

const std::vector<Cells> kRows = {
    {"", "name", "count"}, {"1", "cherry", "3"}, {"2", "Apple", "1"}, {"3", "banana", "2"}, {"4", "apple", "9"}};

TEST(StrSortGrid, TwoPressesOnAHeaderSortAscendingThenDescending) {
  TStrSortGrid grid = GridOf(kRows);
  grid.MouseDown(Centre(grid, {1, 0}), kClient, false, false);
  EXPECT_TRUE(grid.SortMade());
  EXPECT_TRUE(grid.Ascending());
  EXPECT_EQ(grid.SortedCol(), 1);
  EXPECT_EQ(grid.SortedHeader(), "name");
  // "Apple" and "apple" share the key APPLE and keep their order.
  EXPECT_EQ(Column(grid, 1), (Cells{"Apple", "apple", "banana", "cherry"}));
  // Whole rows move with their key.
  EXPECT_EQ(Column(grid, 0), (Cells{"2", "4", "3", "1"}));
  EXPECT_EQ(Column(grid, 2), (Cells{"1", "9", "2", "3"}));

  grid.MouseDown(Centre(grid, {1, 0}), kClient, false, false);
  EXPECT_FALSE(grid.Ascending());
  EXPECT_EQ(Column(grid, 1), (Cells{"cherry", "banana", "apple", "Apple"}));
  EXPECT_EQ(grid.Cell(1, 0), "name");  // the header stays
}

TEST(StrSortGrid, SortOpsFixOrRefuseTheDirection) {
  TStrSortGrid grid = GridOf(kRows);
  grid.SortOps = TSortOps::soUponly;
  grid.HeaderPressed(2);
  grid.HeaderPressed(2);
  EXPECT_TRUE(grid.Ascending());
  EXPECT_EQ(Column(grid, 2), (Cells{"1", "2", "3", "9"}));
  grid.SortOps = TSortOps::soDownOnly;
  grid.HeaderPressed(2);
  grid.HeaderPressed(2);
  EXPECT_FALSE(grid.Ascending());
  EXPECT_EQ(Column(grid, 2), (Cells{"9", "3", "2", "1"}));

  TStrSortGrid fixedGrid = GridOf(kRows);
  fixedGrid.SortOps = TSortOps::soNon;
  fixedGrid.HeaderPressed(1);
  EXPECT_FALSE(fixedGrid.SortMade());
  EXPECT_EQ(Column(fixedGrid, 1), (Cells{"cherry", "Apple", "banana", "apple"}));
}

TEST(StrSortGrid, KeysCompareAsUnsignedBytesWithOnlyAsciiLettersRaised) {
  EXPECT_EQ(TStrSortGrid::SortKey("abcXYZ{"), "ABCXYZ{");
  // 0x83 0x61 is katakana ァ: its second byte is not a letter to raise.
  EXPECT_EQ(TStrSortGrid::SortKey("\x83\x61z"), "\x83\x61Z");
  // Double-byte text sorts after ASCII (bytes above 0x7F are not negative).
  TStrSortGrid grid = GridOf({{"", "h"}, {"", "k"}, {"", "\x82\xa0"}, {"", "zz"}, {"", "_"}, {"", ""}});
  grid.HeaderPressed(1);
  // "_" lies between "Z" and "z": "zz" sorts as "ZZ", before it.
  EXPECT_EQ(Column(grid, 1), (Cells{"", "k", "zz", "_", "\x82\xa0"}));
}

TEST(StrSortGrid, PressesOutsideTheHeaderDoNotSort) {
  TStrSortGrid grid = GridOf(kRows);
  grid.MouseDown(Centre(grid, {1, 2}), kClient, false, false);
  grid.MouseDown({kClient.width - 2, kClient.height - 2}, kClient, false, false);
  EXPECT_FALSE(grid.SortMade());
  EXPECT_EQ(grid.Current(), (GridCoord{1, 2}));
}

TEST(StrSortGrid, ShortAndLongRangesSortTheSame) {
  for (int n : {1, 2, 3, 4, 5, 17, 300}) {
    std::vector<Cells> rows{{"", "h"}};
    for (int i = 0; i < n; ++i) rows.push_back({"", std::to_string((i * 7919) % 1000)});
    TStrSortGrid grid = GridOf(rows);
    grid.HeaderPressed(1);
    const Cells up = Column(grid, 1);
    EXPECT_TRUE(std::is_sorted(up.begin(), up.end())) << n;
    grid.HeaderPressed(1);
    const Cells down = Column(grid, 1);
    EXPECT_TRUE(std::is_sorted(down.rbegin(), down.rend())) << n;
  }
}

TEST(StrSortGrid, TheSortedHeaderShowsItsArrowAfterTheText) {
  TStrSortGrid grid = GridOf(kRows);
  RecordingCanvas before;
  grid.Paint(before, kClient);
  EXPECT_TRUE(before.Of(PaintOp::Kind::Picture).empty());

  grid.HeaderPressed(1);
  const Rect header = grid.CellRect({1, 0}, kClient);
  RecordingCanvas up;
  grid.Paint(up, kClient);
  const auto pictures = up.Of(PaintOp::Kind::Picture);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0]->text, TStrSortGrid::kUpPicture);
  // "name" is 4 half-width letters of half the font height each.
  const int textWidth = 4 * grid.Font.height / 2;
  EXPECT_EQ(pictures[0]->rect.left, header.left + textWidth + grid.Spacing + 1);
  EXPECT_EQ(pictures[0]->rect.top, header.top + 2);

  grid.HeaderPressed(1);
  RecordingCanvas down;
  grid.Paint(down, kClient);
  ASSERT_EQ(down.Of(PaintOp::Kind::Picture).size(), 1u);
  EXPECT_EQ(down.Of(PaintOp::Kind::Picture)[0]->text, TStrSortGrid::kDownPicture);

  // A header without text shows no arrow.
  TStrSortGrid blank = GridOf(kRows);
  blank.HeaderPressed(0);
  RecordingCanvas none;
  blank.Paint(none, kClient);
  EXPECT_TRUE(none.Of(PaintOp::Kind::Picture).empty());
}

TEST(StrSortGrid, TheCellEditorStoresItsTextWhenEditingEnds) {
  TStrSortGrid grid = GridOf(kRows);
  FakeEditor editor;
  grid.SetEditor(&editor);
  grid.MouseDown(Centre(grid, {2, 3}), kClient, false, true);  // double click
  ASSERT_TRUE(grid.Editing());
  EXPECT_TRUE(editor.shown);
  EXPECT_EQ(editor.text, "2");
  EXPECT_EQ(editor.where, grid.CellRect({2, 3}, kClient));
  editor.text = "two, or so";
  // A sort ends the edit first, so the new text sorts with its row.
  grid.HeaderPressed(2);
  EXPECT_FALSE(grid.Editing());
  EXPECT_FALSE(editor.shown);
  EXPECT_EQ(Column(grid, 2), (Cells{"1", "3", "9", "two, or so"}));

  grid.Select({1, 1});
  grid.KeyDown(GridKey::F2, false, false, kClient);
  ASSERT_TRUE(grid.Editing());
  editor.text = "changed";
  grid.CancelEdit();
  EXPECT_NE(grid.Cell(1, 1), "changed");
}

TEST(StrSortGrid, RowsGrowForWideRowsAndKeepAHeaderAndOneRow) {
  TStrSortGrid grid;
  grid.SetRows({});
  EXPECT_EQ(grid.RowCount(), 2);  // the fixed row and one to edit
  grid.SetRow(1, Cells(8, "x"));
  EXPECT_EQ(grid.ColCount(), 8);
  EXPECT_EQ(grid.Cell(7, 1), "x");
  EXPECT_EQ(grid.Cell(7, 0), "");
  EXPECT_EQ(grid.Cell(20, 20), "");  // outside: empty, not a crash
  grid.SetRowCount(0);
  EXPECT_EQ(grid.RowCount(), 2);
}

TEST(StrSortGrid, DraggingAFixedCellMovesItsRow) {
  TStrSortGrid grid = GridOf(kRows);
  grid.MouseDown(Centre(grid, {0, 1}), kClient, false, false);
  grid.MouseUp(Centre(grid, {0, 3}), kClient);
  EXPECT_EQ(Column(grid, 1), (Cells{"Apple", "banana", "cherry", "apple"}));
}

TEST(StrSortGrid, ANewLastRowScrollsIntoView) {
  std::vector<Cells> rows{{"h"}};
  for (int i = 1; i <= 40; ++i) rows.push_back({std::to_string(i)});
  TStrSortGrid grid = GridOf(rows);
  const int visible = grid.VisibleRowCount(kClient);
  ASSERT_LT(visible, 40);
  grid.ScrollIntoView({1, 40}, kClient);
  EXPECT_EQ(grid.TopRow(), 40 - visible + 1);
  EXPECT_FALSE(grid.CellRect({1, 40}, kClient).Empty());
  EXPECT_TRUE(grid.CellRect({1, 1}, kClient).Empty());
  EXPECT_FALSE(grid.CellRect({1, 0}, kClient).Empty());  // the header stays
}

TEST(StrSortGrid, ArrowPicturesPointTheirWay) {
  const Size size = TStrSortGrid::kArrowSize;
  auto inked = [&](const std::vector<std::uint32_t>& pixels, int y) {
    int n = 0;
    for (int x = 0; x < size.width; ++x) n += pixels[static_cast<std::size_t>(y * size.width + x)] != 0;
    return n;
  };
  const auto up = TStrSortGrid::ArrowPixels(true), down = TStrSortGrid::ArrowPixels(false);
  ASSERT_EQ(up.size(), static_cast<std::size_t>(size.width * size.height));
  EXPECT_EQ(inked(up, 0), 1);  // the point on top
  EXPECT_EQ(inked(up, size.height - 1), size.width);
  EXPECT_EQ(inked(down, 0), size.width);
  EXPECT_EQ(inked(down, size.height - 1), 1);
}

}  // namespace
}  // namespace hanaroku
