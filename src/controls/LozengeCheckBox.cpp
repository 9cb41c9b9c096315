#include "controls/LozengeCheckBox.h"

#include <algorithm>
#include <array>

namespace hanaroku {
namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kPen = 0x000000;

}  // namespace

void TLozengeCheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Repaint();
}

void TLozengeCheckBox::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled) pressed_ = false;
  Repaint();
}

void TLozengeCheckBox::SetFocused(bool focused) {
  if (focused == focused_) return;
  focused_ = focused;
  Repaint();
}

void TLozengeCheckBox::Click() {
  if (!enabled_) return;
  checked_ = !checked_;
  if (TakeFocus) TakeFocus();
  Repaint();
  if (OnClick) OnClick();
}

bool TLozengeCheckBox::KeyPress(char32_t ch) {
  if (ch != U' ' || !focused_) return false;
  Click();
  return true;
}

void TLozengeCheckBox::MouseDown(Point) { pressed_ = enabled_; }

bool TLozengeCheckBox::MouseUp(Point p, Size size) {
  const bool click = pressed_ && Rect::FromSize(0, 0, size.width, size.height).Contains(p);
  pressed_ = false;
  if (click) Click();
  return click;
}

void TLozengeCheckBox::Paint(IPaintCanvas& canvas, Size size) {
  const int m = (size.height + 1) / 2;
  canvas.FillRect(Rect::FromSize(0, 0, size.width, size.height), ResolveColor(canvas, Color));
  const Point top{11, m - 7}, left{4, m}, bottom{11, m + 7}, right{18, m};
  const std::array<Point, 4> diamond{top, left, bottom, right};
  canvas.Polygon(diamond, ResolveColor(canvas, Color), kPen);
  // The white edges: below when checked (pressed in), above when not.
  const std::array<Point, 3> lower{right, bottom, left}, upper{left, top, right};
  canvas.Polyline(checked_ ? lower : upper, kWhite);

  if (Caption.empty()) return;
  const Size text = canvas.TextExtent(Caption, Font);
  const int y = (size.height - text.height) / 2;
  if (!enabled_) {
    canvas.DrawText({kCaptionLeft + 2, y + 1}, Caption, Font, canvas.SystemColor(SysColor::BtnHighlight));
    canvas.DrawText({kCaptionLeft + 1, y}, Caption, Font, canvas.SystemColor(SysColor::BtnShadow));
    return;
  }
  canvas.DrawText({kCaptionLeft, y}, Caption, Font, ResolveColor(canvas, FontColor));
  if (focused_) {
    const Rect frame{kCaptionLeft - 1, y - 1, std::min(kCaptionLeft + text.width + 1, size.width), y + text.height + 1};
    DrawFocusFrame(canvas, frame);
  }
}

}  // namespace hanaroku
