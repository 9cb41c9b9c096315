#include "editing/ColorPopup.h"

#include <charconv>

#include "editing/StringColoring.h"

namespace hanaroku {
namespace {

constexpr TColor kRuleDark = 0x1A9185;
constexpr TColor kRuleLight = 0xA7EFE8;
constexpr TColor kBlack = 0x000000;

// Row 0..11 of the colour items N24..N35, or -1.
int ColorRow(std::string_view name) noexcept {
  if (name.size() != 3 || name[0] != 'N') return -1;
  int n = 0;
  if (std::from_chars(name.data() + 1, name.data() + 3, n).ec != std::errc()) return -1;
  return n >= 24 && n <= 35 ? n - 24 : -1;
}

}  // namespace

Size MeasurePopupItem(std::string_view, bool separator) noexcept { return {80, separator ? 10 : 20}; }

void PaintPopupItem(IPaintCanvas& canvas, std::string_view name, std::string_view caption, bool separator,
                    const Rect& r, bool wordWrapChecked, const PaintFont& font) {
  const int row = ColorRow(name);
  canvas.FillRect(r, row >= 0 ? StringColor(row) : kPopupFill);
  if (separator) {
    const int y = r.top + r.Height() / 2;
    canvas.Line({r.left + 1, y}, {r.right - 1, y}, kRuleDark);
    canvas.Line({r.left + 1, y + 1}, {r.right - 1, y + 1}, kRuleLight);
    return;
  }
  if (name == "N14" && wordWrapChecked) {
    const Rect box{r.left + 2, r.top + 8, r.right - 87, r.bottom - 8};
    canvas.FillRect(box, kPopupFill);
    canvas.FrameRect(box, kBlack);
  }
  // One line, centred between the item's top and bottom.
  const int x = r.left + (name == "N13" ? 2 : 15);
  const int y = r.top + (r.Height() - canvas.TextExtent(caption, font).height) / 2;
  canvas.DrawText({x, y}, caption, font, kSysColorFlag | static_cast<TColor>(SysColor::MenuText));
}

}  // namespace hanaroku
