#pragma once
// How the owner-drawn items of PopupMenu1 (the right pane's popup menu)
// measure and paint themselves: every item 80 wide, items with text 20 high
// and the separators 10; the twelve colour items filled with their colour,
// the others with a light sand colour; "折り返し" marked with a small box
// while the right pane wraps; each separator two lines across its middle.
// The highlighted item looks like the others.
#include <string_view>

#include "platform/Geometry.h"
#include "platform/Paint.h"

namespace hanaroku {

inline constexpr TColor kPopupFill = 0xB9D3E8;

// The item named `name` ("N13", "N24", "N12", ...); separators have no caption.
Size MeasurePopupItem(std::string_view name, bool separator) noexcept;
// Paints it into `item`, its caption in `font` and the menu text colour.
void PaintPopupItem(IPaintCanvas& canvas, std::string_view name, std::string_view caption, bool separator,
                    const Rect& item, bool wordWrapChecked, const PaintFont& font);

}  // namespace hanaroku
