#pragma once
// TStrSortGrid: a string grid whose rows are sorted by a press on a column's
// header cell. The grid keeps Shift-JIS cells in rows and columns, the first
// FixedRows rows and FixedCols columns fixed (drawn as headers, never
// scrolled); rows and columns can be resized by dragging the lines between
// the fixed cells, a row moved by dragging its fixed cell, cells selected one
// or a range at a time and edited in place in the platform's edit box.
//
// Sorting: a press on a header cell (unless SortOps is soNon, and unless the
// press starts resizing a column) sorts the rows below the fixed rows by
// that column: soUponly always ascending, soDownOnly always descending,
// soBoth ascending at the first press and the other way at each press
// after. The key of a row is its cell with the letters a to z in capitals;
// keys compare as byte strings; whole rows move, and rows with equal keys
// keep their order (reversed when descending). The sorted column's header
// shows the arrow picture "bbup" (ascending) or "bbdown" (descending)
// Spacing pixels after its text.
//
// The model is portable: the host feeds it mouse and key events in client
// pixels, shows the in-place editor where it asks (IGridEditor), keeps the
// scroll bars in line with TopRow and LeftCol and paints it on the painting
// port.
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"
#include "platform/Paint.h"

namespace hanaroku {

enum class TSortOps : std::uint8_t { soBoth, soUponly, soDownOnly, soNon };

struct GridCoord {
  int col = 0, row = 0;
  bool operator==(const GridCoord&) const = default;
};

// Cells from (left, top) to (right, bottom), both included.
struct GridRange {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const GridRange&) const = default;
  constexpr bool Contains(GridCoord c) const noexcept {
    return c.col >= left && c.col <= right && c.row >= top && c.row <= bottom;
  }
};

enum class GridKey : std::uint8_t { Left, Right, Up, Down, PageUp, PageDown, Home, End, Tab, Enter, F2, Escape };

// What the pointer would do at a place: the host shows the matching cursor.
enum class GridPointer : std::uint8_t { Normal, SizeColumn, SizeRow, MoveRow };

// The in-place editor: the platform's edit box over the cell being edited.
class IGridEditor {
 public:
  virtual ~IGridEditor() = default;
  // Shows the editor over `cell` (client pixels) holding `sjis`, all of it
  // selected, and gives it the focus.
  virtual void ShowEditor(const Rect& cell, const std::string& sjis) = 0;
  virtual void HideEditor() = 0;
  // The editor's text as Shift-JIS.
  virtual std::string EditorText() const = 0;
};

class TStrSortGrid {
 public:
  static constexpr const char* kUpPicture = "bbup";
  static constexpr const char* kDownPicture = "bbdown";
  static constexpr int kSizingZone = 3;  // pixels either side of a line that resize
  static constexpr int kMinCellSize = 4;

  TStrSortGrid();

  // ---- cells ---------------------------------------------------------------
  int ColCount() const noexcept { return colCount_; }
  int RowCount() const noexcept { return static_cast<int>(cells_.size()); }
  // Counts below FixedCols + 1 or FixedRows + 1 are raised to them.
  void SetColCount(int count);
  void SetRowCount(int count);
  int FixedCols() const noexcept { return fixedCols_; }
  int FixedRows() const noexcept { return fixedRows_; }
  void SetFixed(int cols, int rows);

  // Empty for a cell outside the grid.
  const std::string& Cell(int col, int row) const;
  void SetCell(int col, int row, std::string sjis);
  // The row's ColCount cells.
  const std::vector<std::string>& Row(int row) const { return cells_.at(static_cast<std::size_t>(row)); }
  // Empties the row, then fills it from the first column; more cells than
  // columns add columns, so that nothing of the row is lost.
  void SetRow(int row, std::vector<std::string> cells);
  // All rows at once (as SetRow does each), at least FixedRows + 1 of them;
  // the grid scrolls back to its first cell and forgets its sort.
  void SetRows(std::vector<std::vector<std::string>> rows);
  std::span<const std::vector<std::string>> Rows() const noexcept { return cells_; }
  // Every cell empty, and the rows back to FixedRows + 1.
  void Clear();

  // ---- geometry ------------------------------------------------------------
  int DefaultColWidth = 95;
  int DefaultRowHeight = 21;
  static constexpr int kLineWidth = 1;  // the grid lines
  int ColWidth(int col) const;
  int RowHeight(int row) const;
  void SetColWidth(int col, int width);
  void SetRowHeight(int row, int height);

  // The first scrolled (non-fixed) row and column shown.
  int TopRow() const noexcept { return topRow_; }
  int LeftCol() const noexcept { return leftCol_; }
  void SetTopRow(int row);
  void SetLeftCol(int col);
  // Rows and columns that fit into the client area below and right of the
  // fixed ones, counting only whole ones (at least 1).
  int VisibleRowCount(Size client) const;
  int VisibleColCount(Size client) const;
  // The highest TopRow / LeftCol that still fills the client area.
  int MaxTopRow(Size client) const;
  int MaxLeftCol(Size client) const;
  // Scrolls so that the cell is wholly shown (as far as it fits).
  void ScrollIntoView(GridCoord c, Size client);

  // The cell's rectangle in client pixels (without its grid lines); empty
  // when it is not shown.
  Rect CellRect(GridCoord c, Size client) const;
  std::optional<GridCoord> CellAt(Point p, Size client) const;
  GridPointer PointerAt(Point p, Size client) const;

  // ---- selection -----------------------------------------------------------
  GridCoord Current() const noexcept { return current_; }
  GridRange Selection() const noexcept;
  // Makes c (clamped to the scrolled cells) current; extend keeps the
  // anchor, so that the range runs from it to c.
  void Select(GridCoord c, bool extend = false);

  // ---- sorting -------------------------------------------------------------
  TSortOps SortOps = TSortOps::soBoth;
  int Spacing = 10;
  bool SortMade() const noexcept { return sortMade_; }
  int SortedCol() const noexcept { return sortedCol_; }
  const std::string& SortedHeader() const noexcept { return sortedHeader_; }
  bool Ascending() const noexcept { return ascending_; }
  // The press on header cell `col`: sorts as SortOps says.
  void HeaderPressed(int col);
  // Sorts the rows below the fixed rows by column col.
  void SortRows(int col, bool ascending);
  static std::string SortKey(std::string_view sjisCell);
  // The arrow pictures: a dark grey triangle pointing up (ascending) or
  // down, kArrowSize large, as straight-alpha 0xAARRGGBB pixels with the
  // top row first.
  static constexpr Size kArrowSize{9, 5};
  static std::vector<std::uint32_t> ArrowPixels(bool up);
  // Moves a whole scrolled row from one place to another, the rows between
  // moving up or down by one.
  void MoveRow(int from, int to);

  // ---- editing -------------------------------------------------------------
  void SetEditor(IGridEditor* editor) noexcept { editor_ = editor; }
  bool Editing() const noexcept { return editing_; }
  GridCoord EditedCell() const noexcept { return editCell_; }
  // Shows the editor over the current cell (scrolled into view).
  void BeginEdit(Size client);
  // Stores the editor's text in the edited cell and hides the editor.
  void EndEdit();
  // Hides the editor, the cell keeping its text.
  void CancelEdit();

  // ---- input ---------------------------------------------------------------
  void MouseDown(Point p, Size client, bool shift, bool doubleClick);
  void MouseMove(Point p, Size client);
  void MouseUp(Point p, Size client);
  void CaptureLost();
  // True when the key was the grid's.
  bool KeyDown(GridKey key, bool shift, bool ctrl, Size client);

  // ---- painting ------------------------------------------------------------
  TColor Color = kSysColorFlag | static_cast<TColor>(SysColor::Window);
  TColor FixedColor = kSysColorFlag | static_cast<TColor>(SysColor::BtnFace);
  TColor FontColor = kSysColorFlag | static_cast<TColor>(SysColor::WindowText);
  PaintFont Font;
  bool Focused = false;
  void Paint(IPaintCanvas& canvas, Size client) const;

  // The look or the scroll position changed: repaint (and bring the scroll
  // bars in line).
  std::function<void()> Invalidate;

 private:
  enum class Drag : std::uint8_t { None, Select, SizeColumn, SizeRow, MoveRow };
  struct Axis;
  Axis RowAxis() const;
  Axis ColAxis() const;

  void Changed() const {
    if (Invalidate) Invalidate();
  }
  // x of the column's left edge, y of the row's top edge, in client pixels;
  // nullopt for a scrolled cell left of LeftCol / above TopRow.
  std::optional<int> ColLeft(int col) const;
  std::optional<int> RowTop(int row) const;
  // The column whose right line (the row whose bottom line) is near p in
  // the fixed row (column); nullopt when there is none.
  std::optional<int> ColumnLineAt(Point p, Size client) const;
  std::optional<int> RowLineAt(Point p, Size client) const;
  GridCoord Clamped(GridCoord c) const noexcept;
  void ClampScroll();
  void PaintCell(IPaintCanvas& canvas, GridCoord c, const Rect& r) const;
  void PaintSortedHeader(IPaintCanvas& canvas, const Rect& r) const;

  int colCount_ = 5;
  int fixedCols_ = 1, fixedRows_ = 1;
  std::vector<std::vector<std::string>> cells_;
  std::vector<int> colWidths_;   // 0: the default
  std::vector<int> rowHeights_;  // 0: the default
  int topRow_ = 1, leftCol_ = 1;
  GridCoord current_{1, 1}, anchor_{1, 1};

  bool sortMade_ = false;
  int sortedCol_ = -1;
  std::string sortedHeader_;
  bool ascending_ = true;     // the direction of the last sort
  bool nextAscending_ = true; // soBoth: the direction of the next press

  IGridEditor* editor_ = nullptr;
  bool editing_ = false;
  GridCoord editCell_;

  Drag drag_ = Drag::None;
  int dragIndex_ = 0;   // the column or row being sized or moved
  int dragOrigin_ = 0;  // its left or top edge
  int moveTarget_ = 0;
};

}  // namespace hanaroku
