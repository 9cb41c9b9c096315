#pragma once
// How the owner-drawn items of PopupMenu1 (the right pane's popup menu)
// measure and draw themselves: every item 80 wide, items with text 20 high
// and the separators 10; the twelve colour items filled with their colour,
// the others with a light sand colour; "折り返し" marked with a small box
// while the right pane wraps; each separator two lines across its middle.
// The highlighted item looks like the others.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

namespace hanaroku {

struct ItemRect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const ItemRect&) const = default;
};

struct PopupDrawOp {
  enum class Kind : std::uint8_t {
    Fill,       // rect in color
    Rectangle,  // outline in color, filled with fill
    Line,       // from (left, top) to (right, top), the end point excluded, in color
    Text,       // one line from x = rect.left, centred between rect.top and rect.bottom, in the menu text colour
  };
  Kind kind = Kind::Fill;
  ItemRect rect;
  TColor color = 0;
  TColor fill = 0;
  std::string text;  // UTF-8
  bool operator==(const PopupDrawOp&) const = default;
};

struct PopupItemSize {
  int width = 0, height = 0;
};

inline constexpr TColor kPopupFill = 0xB9D3E8;

// The item named `name` ("N13", "N24", "N12", ...); separators have no caption.
PopupItemSize MeasurePopupItem(std::string_view name, bool separator) noexcept;
std::vector<PopupDrawOp> DrawPopupItem(std::string_view name, std::string_view caption, bool separator,
                                       const ItemRect& item, bool wordWrapChecked);

}  // namespace hanaroku
