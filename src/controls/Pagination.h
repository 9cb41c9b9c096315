#pragma once
// TPagination: a text laid out on printed pages, with the pane's own layout
// (PaneLayout) wrapping at the page. Vertical writing fills each page with
// columns from right to left, characters top to bottom; horizontal writing
// with lines from the top. A page holds whole display lines only, as many
// as fit across it (at least one), so no character is cut or lost between
// pages; the next page goes on with the next display line.
#include <string_view>
#include <vector>

#include "controls/PaneLayout.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace hanaroku {

class TPagination {
 public:
  // The text (Shift-JIS) and the measurer must outlive the pagination; the
  // measurer gives the advances and the line distance at the device's
  // resolution.
  TPagination(std::string_view sjis, const ITextMeasurer& measurer, bool vertical, const Rect& area);

  int PageCount() const noexcept;   // at least 1 (an empty text prints one blank page)
  int LinesPerPage() const noexcept { return perPage_; }
  int FirstLine(int page) const noexcept;
  int LineCount(int page) const noexcept;
  // The box of a display line on its page: a column (vertical) or a line.
  Rect LineBox(int line) const noexcept;
  std::vector<LayoutCell> Cells(int line) const { return layout_.Cells(line, text_); }
  bool Vertical() const noexcept { return layout_.Vertical(); }
  const PaneLayout& Layout() const noexcept { return layout_; }

 private:
  std::string_view text_;
  Rect area_;
  PaneLayout layout_;
  int lines_ = 0;
  int perPage_ = 1;
};

}  // namespace hanaroku
