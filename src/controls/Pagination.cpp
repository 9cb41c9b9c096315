#include "controls/Pagination.h"

#include <algorithm>

namespace hanaroku {

TPagination::TPagination(std::string_view sjis, const ITextMeasurer& measurer, bool vertical, const Rect& area)
    : text_(sjis), area_(area) {
  layout_.SetMeasurer(&measurer);
  layout_.SetVertical(vertical);
  layout_.SetWordWrap(true);
  layout_.SetMargin(0);
  layout_.SetClientSize(std::max(1, area.Width()), std::max(1, area.Height()));
  layout_.Rebuild(text_);
  lines_ = layout_.Count();
  const int across = vertical ? area.Width() : area.Height();
  perPage_ = std::max(1, across / layout_.LinePitch());
}

int TPagination::PageCount() const noexcept { return std::max(1, (lines_ + perPage_ - 1) / perPage_); }

int TPagination::FirstLine(int page) const noexcept { return std::clamp(page, 0, PageCount()) * perPage_; }

int TPagination::LineCount(int page) const noexcept {
  if (page < 0 || page >= PageCount()) return 0;
  return std::clamp(lines_ - FirstLine(page), 0, perPage_);
}

Rect TPagination::LineBox(int line) const noexcept {
  const int k = line % perPage_;
  const int pitch = layout_.LinePitch();
  if (layout_.Vertical()) return {area_.right - (k + 1) * pitch, area_.top, area_.right - k * pitch, area_.bottom};
  return {area_.left, area_.top + k * pitch, area_.right, area_.top + (k + 1) * pitch};
}

}  // namespace hanaroku
