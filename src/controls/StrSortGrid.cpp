#include "controls/StrSortGrid.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

#include "controls/DrawnControl.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

const std::string kNoCell;
constexpr TColor Sys(SysColor c) noexcept { return kSysColorFlag | static_cast<TColor>(c); }
constexpr TColor kCellLineColor = 0xC0C0C0;
constexpr TColor kMoveMarkColor = 0x000000;

// A cell's text as a single line of UTF-8: what fits into a cell, from the
// first kShownBytes bytes at most (a cell may hold a whole file).
constexpr std::size_t kShownBytes = 512;
std::string DisplayText(const std::string& sjis) {
  std::size_t shown = std::min(sjis.size(), kShownBytes);
  if (shown < sjis.size()) shown = enc::CharStart(sjis, shown);
  std::string text = enc::SjisToUtf8(std::string_view(sjis).substr(0, shown));
  std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\t'; }, ' ');
  return text;
}

}  // namespace

// One direction of the grid (columns across, rows down): the fixed cells,
// then the scrolled ones from `first`; each cell takes its size and the
// grid line after it.
struct TStrSortGrid::Axis {
  int fixed, first, count, defaultSize;
  const std::vector<int>& sizes;

  int SizeOf(int i) const { return sizes[static_cast<std::size_t>(i)] > 0 ? sizes[static_cast<std::size_t>(i)] : defaultSize; }
  int Step(int i) const { return SizeOf(i) + TStrSortGrid::kLineWidth; }
  int FixedExtent() const {
    int pos = 0;
    for (int i = 0; i < fixed && i < count; ++i) pos += Step(i);
    return pos;
  }
  // Calls shown(i, start) for the cells that begin before `limit`.
  template <class Shown>
  void ForEachShown(int limit, Shown shown) const {
    int pos = 0;
    for (int i = 0; i < fixed && i < count && pos < limit; pos += Step(i), ++i)
      if (shown(i, pos)) return;
    for (int i = first; i < count && pos < limit; pos += Step(i), ++i)
      if (shown(i, pos)) return;
  }
  std::optional<int> Start(int index) const {
    if (index >= fixed && index < first) return std::nullopt;
    std::optional<int> found;
    ForEachShown(1 << 30, [&](int i, int pos) {
      if (i == index) found = pos;
      return i == index;
    });
    return found;
  }
  std::optional<int> IndexAt(int v, int limit) const {
    std::optional<int> found;
    if (v < 0 || v >= limit) return found;
    ForEachShown(limit, [&](int i, int pos) {
      if (v < pos + Step(i)) found = i;
      return found.has_value();
    });
    return found;
  }
  // The cell whose ending line is within the sizing zone of v.
  std::optional<int> LineNear(int v, int limit) const {
    std::optional<int> found;
    ForEachShown(limit, [&](int i, int pos) {
      if (std::abs(v - (pos + SizeOf(i))) <= TStrSortGrid::kSizingZone) found = i;
      return found.has_value();
    });
    return found;
  }
  int Available(int extent) const { return extent - FixedExtent(); }
  // Whole cells shown from `first` (at least one).
  int VisibleCount(int extent) const {
    const int avail = Available(extent);
    int n = 0;
    for (int i = first, pos = 0; i < count && pos + SizeOf(i) <= avail; pos += Step(i), ++i) ++n;
    return std::max(n, 1);
  }
  // The first scrolled cell that shows `last` wholly at the end of the
  // extent (`last` itself when it is larger than the space).
  int FirstEndingWith(int last, int extent) const {
    const int avail = Available(extent);
    int i = last, pos = 0;
    while (i >= fixed && pos + SizeOf(i) <= avail) pos += Step(i--);
    return std::min(std::max(i + 1, fixed), last);
  }
};

TStrSortGrid::TStrSortGrid() {
  cells_.assign(2, std::vector<std::string>(static_cast<std::size_t>(colCount_)));
  colWidths_.assign(static_cast<std::size_t>(colCount_), 0);
  rowHeights_.assign(2, 0);
}

// ---- cells --------------------------------------------------------------------

void TStrSortGrid::SetColCount(int count) {
  count = std::max(count, fixedCols_ + 1);
  if (count == colCount_) return;
  if (editing_ && editCell_.col >= count) CancelEdit();
  colCount_ = count;
  for (std::vector<std::string>& row : cells_) row.resize(static_cast<std::size_t>(count));
  colWidths_.resize(static_cast<std::size_t>(count), 0);
  current_ = Clamped(current_);
  anchor_ = Clamped(anchor_);
  ClampScroll();
  Changed();
}

void TStrSortGrid::SetRowCount(int count) {
  count = std::max(count, fixedRows_ + 1);
  if (count == RowCount()) return;
  if (editing_ && editCell_.row >= count) CancelEdit();
  cells_.resize(static_cast<std::size_t>(count), std::vector<std::string>(static_cast<std::size_t>(colCount_)));
  rowHeights_.resize(static_cast<std::size_t>(count), 0);
  current_ = Clamped(current_);
  anchor_ = Clamped(anchor_);
  ClampScroll();
  Changed();
}

void TStrSortGrid::SetFixed(int cols, int rows) {
  fixedCols_ = std::max(cols, 0);
  fixedRows_ = std::max(rows, 0);
  SetColCount(colCount_);
  SetRowCount(RowCount());
  current_ = Clamped(current_);
  anchor_ = Clamped(anchor_);
  ClampScroll();
  Changed();
}

const std::string& TStrSortGrid::Cell(int col, int row) const {
  if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount()) return kNoCell;
  return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

void TStrSortGrid::SetCell(int col, int row, std::string sjis) {
  if (col < 0 || col >= colCount_ || row < 0 || row >= RowCount()) return;
  cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)] = std::move(sjis);
  Changed();
}

void TStrSortGrid::SetRow(int row, std::vector<std::string> cells) {
  if (row < 0 || row >= RowCount()) return;
  if (static_cast<int>(cells.size()) > colCount_) SetColCount(static_cast<int>(cells.size()));
  cells.resize(static_cast<std::size_t>(colCount_));
  cells_[static_cast<std::size_t>(row)] = std::move(cells);
  Changed();
}

void TStrSortGrid::Clear() { SetRows({}); }

void TStrSortGrid::SetRows(std::vector<std::vector<std::string>> rows) {
  CancelEdit();
  std::size_t widest = static_cast<std::size_t>(colCount_);
  for (const std::vector<std::string>& row : rows) widest = std::max(widest, row.size());
  if (widest > static_cast<std::size_t>(colCount_)) SetColCount(static_cast<int>(widest));
  rows.resize(std::max(rows.size(), static_cast<std::size_t>(fixedRows_ + 1)));
  for (std::vector<std::string>& row : rows) row.resize(static_cast<std::size_t>(colCount_));
  cells_ = std::move(rows);
  rowHeights_.assign(cells_.size(), 0);
  sortMade_ = false;
  sortedCol_ = -1;
  sortedHeader_.clear();
  current_ = anchor_ = Clamped({fixedCols_, fixedRows_});
  topRow_ = fixedRows_;
  leftCol_ = fixedCols_;
  drag_ = Drag::None;
  Changed();
}

// ---- geometry -------------------------------------------------------------------

int TStrSortGrid::ColWidth(int col) const {
  if (col < 0 || col >= colCount_) return 0;
  const int w = colWidths_[static_cast<std::size_t>(col)];
  return w > 0 ? w : DefaultColWidth;
}

int TStrSortGrid::RowHeight(int row) const {
  if (row < 0 || row >= RowCount()) return 0;
  const int h = rowHeights_[static_cast<std::size_t>(row)];
  return h > 0 ? h : DefaultRowHeight;
}

void TStrSortGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= colCount_) return;
  colWidths_[static_cast<std::size_t>(col)] = std::max(width, kMinCellSize);
  Changed();
}

void TStrSortGrid::SetRowHeight(int row, int height) {
  if (row < 0 || row >= RowCount()) return;
  rowHeights_[static_cast<std::size_t>(row)] = std::max(height, kMinCellSize);
  Changed();
}

void TStrSortGrid::ClampScroll() {
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, RowCount() - 1));
  leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, colCount_ - 1));
}

void TStrSortGrid::SetTopRow(int row) {
  const int old = topRow_;
  topRow_ = row;
  ClampScroll();
  if (topRow_ == old) return;
  EndEdit();  // the editor stays over its cell only while nothing scrolls
  Changed();
}

void TStrSortGrid::SetLeftCol(int col) {
  const int old = leftCol_;
  leftCol_ = col;
  ClampScroll();
  if (leftCol_ == old) return;
  EndEdit();
  Changed();
}

TStrSortGrid::Axis TStrSortGrid::RowAxis() const { return Axis{fixedRows_, topRow_, RowCount(), DefaultRowHeight, rowHeights_}; }
TStrSortGrid::Axis TStrSortGrid::ColAxis() const { return Axis{fixedCols_, leftCol_, colCount_, DefaultColWidth, colWidths_}; }

int TStrSortGrid::VisibleRowCount(Size client) const { return RowAxis().VisibleCount(client.height); }
int TStrSortGrid::VisibleColCount(Size client) const { return ColAxis().VisibleCount(client.width); }
int TStrSortGrid::MaxTopRow(Size client) const {
  return RowAxis().FirstEndingWith(RowCount() - 1, client.height);
}
int TStrSortGrid::MaxLeftCol(Size client) const {
  return ColAxis().FirstEndingWith(colCount_ - 1, client.width);
}

void TStrSortGrid::ScrollIntoView(GridCoord c, Size client) {
  c = Clamped(c);
  int top = topRow_, left = leftCol_;
  if (c.row < top) top = c.row;
  else top = std::max(top, RowAxis().FirstEndingWith(c.row, client.height));
  if (c.col < left) left = c.col;
  else left = std::max(left, ColAxis().FirstEndingWith(c.col, client.width));
  SetTopRow(top);
  SetLeftCol(left);
}

std::optional<int> TStrSortGrid::ColLeft(int col) const { return ColAxis().Start(col); }
std::optional<int> TStrSortGrid::RowTop(int row) const { return RowAxis().Start(row); }

Rect TStrSortGrid::CellRect(GridCoord c, Size client) const {
  if (c.col < 0 || c.col >= colCount_ || c.row < 0 || c.row >= RowCount()) return {};
  const std::optional<int> x = ColLeft(c.col), y = RowTop(c.row);
  if (!x || !y || *x >= client.width || *y >= client.height) return {};
  return Rect::FromSize(*x, *y, ColWidth(c.col), RowHeight(c.row));
}

std::optional<GridCoord> TStrSortGrid::CellAt(Point p, Size client) const {
  const std::optional<int> col = ColAxis().IndexAt(p.x, client.width);
  const std::optional<int> row = RowAxis().IndexAt(p.y, client.height);
  if (!col || !row) return std::nullopt;
  return GridCoord{*col, *row};
}

std::optional<int> TStrSortGrid::ColumnLineAt(Point p, Size client) const {
  if (p.y < 0 || p.y >= RowAxis().FixedExtent()) return std::nullopt;
  return ColAxis().LineNear(p.x, client.width);
}

std::optional<int> TStrSortGrid::RowLineAt(Point p, Size client) const {
  if (p.x < 0 || p.x >= ColAxis().FixedExtent()) return std::nullopt;
  return RowAxis().LineNear(p.y, client.height);
}

GridPointer TStrSortGrid::PointerAt(Point p, Size client) const {
  if (drag_ == Drag::SizeColumn || ColumnLineAt(p, client)) return GridPointer::SizeColumn;
  if (drag_ == Drag::SizeRow || RowLineAt(p, client)) return GridPointer::SizeRow;
  if (drag_ == Drag::MoveRow) return GridPointer::MoveRow;
  return GridPointer::Normal;
}

// ---- selection -------------------------------------------------------------------

GridCoord TStrSortGrid::Clamped(GridCoord c) const noexcept {
  return GridCoord{std::clamp(c.col, std::min(fixedCols_, colCount_ - 1), colCount_ - 1),
                   std::clamp(c.row, std::min(fixedRows_, RowCount() - 1), RowCount() - 1)};
}

GridRange TStrSortGrid::Selection() const noexcept {
  return GridRange{std::min(current_.col, anchor_.col), std::min(current_.row, anchor_.row),
                   std::max(current_.col, anchor_.col), std::max(current_.row, anchor_.row)};
}

void TStrSortGrid::Select(GridCoord c, bool extend) {
  c = Clamped(c);
  if (c == current_ && (extend || anchor_ == c)) return;
  current_ = c;
  if (!extend) anchor_ = c;
  Changed();
}

// ---- sorting ---------------------------------------------------------------------

std::string TStrSortGrid::SortKey(std::string_view sjisCell) {
  std::string key(sjisCell);
  // Only single-byte letters: the second byte of a double-byte character
  // may lie in a to z as well, and must not turn it into another character.
  for (std::size_t i = 0; i < key.size(); i += enc::CharLen(key, i))
    if (key[i] >= 'a' && key[i] <= 'z') key[i] = static_cast<char>(key[i] - 'a' + 'A');
  return key;
}

std::vector<std::uint32_t> TStrSortGrid::ArrowPixels(bool up) {
  constexpr std::uint32_t kInk = 0xFF404040;
  const int w = kArrowSize.width, h = kArrowSize.height;
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(w * h), 0);
  for (int y = 0; y < h; ++y) {
    const int half = up ? y : h - 1 - y;  // the row's reach either side of the middle
    for (int x = w / 2 - half; x <= w / 2 + half; ++x) pixels[static_cast<std::size_t>(y * w + x)] = kInk;
  }
  return pixels;
}

void TStrSortGrid::HeaderPressed(int col) {
  if (SortOps == TSortOps::soNon || col < 0 || col >= colCount_) return;
  EndEdit();
  bool ascending = nextAscending_;
  if (SortOps == TSortOps::soUponly) ascending = true;
  else if (SortOps == TSortOps::soDownOnly) ascending = false;
  else nextAscending_ = !ascending;
  sortedCol_ = col;
  sortedHeader_ = Cell(col, 0);
  sortMade_ = true;
  SortRows(col, ascending);
}

void TStrSortGrid::SortRows(int col, bool ascending) {
  ascending_ = ascending;
  const std::size_t first = static_cast<std::size_t>(fixedRows_);
  if (col < 0 || col >= colCount_ || cells_.size() <= first + 1) {
    Changed();
    return;
  }
  const std::size_t n = cells_.size() - first;
  std::vector<std::string> keys(n);
  for (std::size_t i = 0; i < n; ++i) keys[i] = SortKey(cells_[first + i][static_cast<std::size_t>(col)]);
  std::vector<std::size_t> order(n);
  std::iota(order.begin(), order.end(), std::size_t{0});
  // std::string compares its bytes as unsigned values.
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return keys[a] < keys[b]; });
  if (!ascending) std::reverse(order.begin(), order.end());
  std::vector<std::vector<std::string>> rows(n);
  std::vector<int> heights(n);
  for (std::size_t i = 0; i < n; ++i) {
    rows[i] = std::move(cells_[first + order[i]]);
    heights[i] = rowHeights_[first + order[i]];
  }
  std::move(rows.begin(), rows.end(), cells_.begin() + static_cast<std::ptrdiff_t>(first));
  std::copy(heights.begin(), heights.end(), rowHeights_.begin() + static_cast<std::ptrdiff_t>(first));
  Changed();
}

void TStrSortGrid::MoveRow(int from, int to) {
  const int last = RowCount() - 1;
  if (from == to || from < fixedRows_ || to < fixedRows_ || from > last || to > last) return;
  EndEdit();
  auto rotate = [from, to](auto& v) {
    auto f = v.begin() + from, t = v.begin() + to;
    if (from < to) std::rotate(f, f + 1, t + 1);
    else std::rotate(t, f, f + 1);
  };
  rotate(cells_);
  rotate(rowHeights_);
  Changed();
}

// ---- editing ---------------------------------------------------------------------

void TStrSortGrid::BeginEdit(Size client) {
  if (!editor_) return;
  EndEdit();
  ScrollIntoView(current_, client);
  const Rect r = CellRect(current_, client);
  if (r.Empty()) return;
  editing_ = true;
  editCell_ = current_;
  editor_->ShowEditor(r, Cell(current_.col, current_.row));
  Changed();
}

void TStrSortGrid::EndEdit() {
  if (!editing_) return;
  editing_ = false;
  std::string text = editor_ ? editor_->EditorText() : Cell(editCell_.col, editCell_.row);
  if (editor_) editor_->HideEditor();
  SetCell(editCell_.col, editCell_.row, std::move(text));
}

void TStrSortGrid::CancelEdit() {
  if (!editing_) return;
  editing_ = false;
  if (editor_) editor_->HideEditor();
  Changed();
}

// ---- input -----------------------------------------------------------------------

void TStrSortGrid::MouseDown(Point p, Size client, bool shift, bool doubleClick) {
  if (const std::optional<int> col = ColumnLineAt(p, client)) {
    EndEdit();
    drag_ = Drag::SizeColumn;
    dragIndex_ = *col;
    dragOrigin_ = ColLeft(*col).value_or(0);
    return;
  }
  if (const std::optional<int> row = RowLineAt(p, client)) {
    EndEdit();
    drag_ = Drag::SizeRow;
    dragIndex_ = *row;
    dragOrigin_ = RowTop(*row).value_or(0);
    return;
  }
  const std::optional<GridCoord> cell = CellAt(p, client);
  if (!cell) return;
  if (cell->row == 0) {
    HeaderPressed(cell->col);
    return;
  }
  if (cell->row < fixedRows_) return;
  if (cell->col < fixedCols_) {
    EndEdit();
    drag_ = Drag::MoveRow;
    dragIndex_ = moveTarget_ = cell->row;
    Changed();
    return;
  }
  if (editing_ && *cell == editCell_) return;
  EndEdit();
  Select(*cell, shift);
  if (doubleClick) {
    BeginEdit(client);
    return;
  }
  drag_ = Drag::Select;
}

void TStrSortGrid::MouseMove(Point p, Size client) {
  switch (drag_) {
    case Drag::SizeColumn:
      SetColWidth(dragIndex_, p.x - dragOrigin_);
      return;
    case Drag::SizeRow:
      SetRowHeight(dragIndex_, p.y - dragOrigin_);
      return;
    case Drag::Select:
      if (const std::optional<GridCoord> cell = CellAt(p, client)) Select(*cell, true);
      return;
    case Drag::MoveRow:
      if (const std::optional<GridCoord> cell = CellAt(p, client)) {
        const int target = Clamped(*cell).row;
        if (target != moveTarget_) {
          moveTarget_ = target;
          Changed();
        }
      }
      return;
    case Drag::None:
      return;
  }
}

void TStrSortGrid::MouseUp(Point p, Size client) {
  MouseMove(p, client);
  const Drag ended = drag_;
  drag_ = Drag::None;
  if (ended == Drag::MoveRow) {
    MoveRow(dragIndex_, moveTarget_);
    Changed();
  }
}

void TStrSortGrid::CaptureLost() {
  if (drag_ == Drag::None) return;
  drag_ = Drag::None;
  Changed();
}

bool TStrSortGrid::KeyDown(GridKey key, bool shift, bool ctrl, Size client) {
  if (editing_) return false;  // the editor has the keys
  GridCoord c = current_;
  bool extend = shift;
  const int page = VisibleRowCount(client);
  switch (key) {
    case GridKey::Left: --c.col; break;
    case GridKey::Right: ++c.col; break;
    case GridKey::Up: --c.row; break;
    case GridKey::Down: ++c.row; break;
    case GridKey::PageUp: c.row -= page; break;
    case GridKey::PageDown: c.row += page; break;
    case GridKey::Home: (ctrl ? c.row : c.col) = 0; break;
    case GridKey::End: (ctrl ? c.row : c.col) = ctrl ? RowCount() - 1 : colCount_ - 1; break;
    case GridKey::Tab:
      extend = false;
      c.col += shift ? -1 : 1;
      if (c.col >= colCount_) c = {fixedCols_, c.row + 1};
      else if (c.col < fixedCols_) c = {colCount_ - 1, c.row - 1};
      break;
    case GridKey::Enter:
    case GridKey::F2:
      BeginEdit(client);
      return true;
    case GridKey::Escape:
      return false;
  }
  Select(c, extend);
  ScrollIntoView(current_, client);
  return true;
}

// ---- painting --------------------------------------------------------------------

void TStrSortGrid::Paint(IPaintCanvas& canvas, Size client) const {
  canvas.FillRect(Rect::FromSize(0, 0, client.width, client.height), ResolveColor(canvas, Color));
  const Axis rows = RowAxis(), cols = ColAxis();
  rows.ForEachShown(client.height, [&](int row, int y) {
    cols.ForEachShown(client.width, [&](int col, int x) {
      PaintCell(canvas, {col, row}, Rect::FromSize(x, y, cols.SizeOf(col), rows.SizeOf(row)));
      return false;
    });
    return false;
  });
  if (drag_ == Drag::MoveRow)
    if (const std::optional<int> y = RowTop(moveTarget_))
      canvas.FillRect(Rect::FromSize(0, *y - 1, client.width, 2), kMoveMarkColor);
}

void TStrSortGrid::PaintCell(IPaintCanvas& canvas, GridCoord c, const Rect& r) const {
  const bool fixed = c.col < fixedCols_ || c.row < fixedRows_;
  const TColor line = fixed ? ResolveColor(canvas, Sys(SysColor::BtnShadow)) : kCellLineColor;
  canvas.FillRect(Rect{r.right, r.top, r.right + kLineWidth, r.bottom + kLineWidth}, line);
  canvas.FillRect(Rect{r.left, r.bottom, r.right, r.bottom + kLineWidth}, line);
  const std::string& text = Cell(c.col, c.row);
  if (c.row == 0 && sortMade_ && c.col == sortedCol_ && !text.empty()) {
    PaintSortedHeader(canvas, r);
    return;
  }
  // The focused cell is drawn plain with a focus frame; the rest of the
  // selection, and the current cell while the grid is not focused, in the
  // highlight colours.
  const bool focusedCell = Focused && c == current_;
  const bool highlighted = !fixed && Selection().Contains(c) && !focusedCell;
  TColor back = ResolveColor(canvas, fixed ? FixedColor : Color), fore = ResolveColor(canvas, FontColor);
  if (highlighted) {
    back = canvas.SystemColor(SysColor::Highlight);
    fore = canvas.SystemColor(SysColor::HighlightText);
  }
  canvas.FillRect(r, back);
  if (fixed) DrawEdge(canvas, r, Edge::RaisedInner);
  if (!text.empty()) {
    ClipScope clip(canvas, r);
    canvas.DrawText({r.left + 2, r.top + 2}, DisplayText(text), Font, fore);
  }
  if (focusedCell && !editing_) DrawFocusFrame(canvas, r);
}

void TStrSortGrid::PaintSortedHeader(IPaintCanvas& canvas, const Rect& r) const {
  canvas.FillRect(r, ResolveColor(canvas, FixedColor));
  DrawEdge(canvas, r, Edge::RaisedInner);
  ClipScope clip(canvas, r);
  const std::string text = DisplayText(Cell(sortedCol_, 0));
  canvas.DrawText({r.left + 1, r.top + 2}, text, Font, ResolveColor(canvas, FontColor));
  const char* picture = ascending_ ? kUpPicture : kDownPicture;
  const Size size = canvas.PictureSize(picture);
  if (size.width <= 0 || size.height <= 0) return;
  const int x = r.left + canvas.TextExtent(text, Font).width + Spacing + 1;
  canvas.DrawPicture(Rect::FromSize(x, r.top + 2, size.width, size.height), picture);
}

}  // namespace hanaroku
