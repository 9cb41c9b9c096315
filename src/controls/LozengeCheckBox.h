#pragma once
// TLozengeCheckBox: a check box drawn as a diamond. Checked, its two lower
// edges are white (pressed in); unchecked, its two upper edges (standing
// out). The caption follows the diamond, with a focus frame while the box
// has the focus, and embossed while it is disabled. A click (or the space
// bar while focused) turns it over, takes the focus, repaints and only then
// fires OnClick, so that the handler reads the new state.
#include <functional>
#include <string>

#include "controls/DrawnControl.h"

namespace hanaroku {

class TLozengeCheckBox final : public IDrawnControl {
 public:
  static constexpr Size kDefaultSize{170, 30};
  static constexpr int kCaptionLeft = 22;

  std::string Caption;  // UTF-8
  TColor Color = kSysColorFlag | static_cast<TColor>(SysColor::BtnFace);
  PaintFont Font;
  TColor FontColor = 0x000000;
  std::string Hint;

  bool Checked() const noexcept { return checked_; }
  void SetChecked(bool checked);
  bool Enabled() const noexcept { return enabled_; }
  bool Focused() const noexcept { return focused_; }
  // The host's focus changed.
  void SetFocused(bool focused);

  // Turns the box over as a click does.
  void Click();
  // The space bar; true when it was the box's.
  bool KeyPress(char32_t ch);

  void Paint(IPaintCanvas& canvas, Size size) override;
  void MouseDown(Point p) override;
  bool MouseUp(Point p, Size size) override;
  void CaptureLost() override { pressed_ = false; }
  void SetEnabled(bool enabled) override;

  std::function<void()> OnClick;
  // Asks the host for the keyboard focus.
  std::function<void()> TakeFocus;

 private:
  bool checked_ = false;
  bool enabled_ = true;
  bool focused_ = false;
  bool pressed_ = false;
};

}  // namespace hanaroku
