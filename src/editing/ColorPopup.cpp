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

PopupDrawOp Op(PopupDrawOp::Kind kind, ItemRect r, TColor color = 0, TColor fill = 0, std::string text = {}) {
  return PopupDrawOp{kind, r, color, fill, std::move(text)};
}

}  // namespace

PopupItemSize MeasurePopupItem(std::string_view, bool separator) noexcept { return {80, separator ? 10 : 20}; }

std::vector<PopupDrawOp> DrawPopupItem(std::string_view name, std::string_view caption, bool separator,
                                       const ItemRect& r, bool wordWrapChecked) {
  using K = PopupDrawOp::Kind;
  std::vector<PopupDrawOp> ops;
  const int row = ColorRow(name);
  ops.push_back(Op(K::Fill, r, row >= 0 ? StringColor(row) : kPopupFill));
  if (separator) {
    const int y = r.top + (r.bottom - r.top) / 2;
    ops.push_back(Op(K::Line, {r.left + 1, y, r.right - 1, y}, kRuleDark));
    ops.push_back(Op(K::Line, {r.left + 1, y + 1, r.right - 1, y + 1}, kRuleLight));
    return ops;
  }
  const bool wrapItem = name == "N14";
  if (wrapItem && wordWrapChecked)
    ops.push_back(Op(K::Rectangle, {r.left + 2, r.top + 8, r.right - 87, r.bottom - 8}, kBlack, kPopupFill));
  const int x = name == "N13" ? 2 : 15;
  ops.push_back(Op(K::Text, {r.left + x, r.top, r.right, r.bottom}, 0, 0, std::string(caption)));
  return ops;
}

}  // namespace hanaroku
