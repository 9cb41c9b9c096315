#pragma once
// TRotateLabel: a label whose caption turns by Angle degrees about the
// label's centre, with a shadow (TShadow) drawn behind it.
#include <functional>
#include <string>

#include "controls/ControlStyle.h"

namespace hanaroku {

// The shadow of a rotated label. Every change of a value fires OnChange.
class TShadow {
 public:
  TColor Color() const noexcept { return color_; }
  int OffsetLeft() const noexcept { return offsetLeft_; }
  int OffsetTop() const noexcept { return offsetTop_; }
  bool Visible() const noexcept { return visible_; }
  void SetColor(TColor v) { Set(color_, v); }
  void SetOffsetLeft(int v) { Set(offsetLeft_, v); }
  void SetOffsetTop(int v) { Set(offsetTop_, v); }
  void SetVisible(bool v) { Set(visible_, v); }

  std::function<void()> OnChange;

 private:
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = value;
    if (OnChange) OnChange();
  }
  TColor color_ = 0x808080;
  int offsetLeft_ = 2, offsetTop_ = 2;
  bool visible_ = true;
};

// The origin of a caption of textSize turned by `angle` degrees so that it
// turns about the centre of a label of labelSize; an angle outside 0..359
// counts as 0.
Point RotateLabelOrigin(Size labelSize, Size textSize, int angle) noexcept;

class TRotateLabel {
 public:
  TRotateLabel();
  TRotateLabel(const TRotateLabel&) = delete;
  TRotateLabel& operator=(const TRotateLabel&) = delete;

  int Angle() const noexcept { return angle_; }
  // Degrees; a value outside 0..359 stores 0.
  void SetAngle(int degrees);
  TShadow Shadow;

  const std::string& Caption() const noexcept { return caption_; }  // UTF-8
  void SetCaption(std::string v) { Set(caption_, std::move(v)); }
  const ControlFont& Font() const noexcept { return font_; }
  void SetFont(const ControlFont& v) { Set(font_, v); }
  TColor Color() const noexcept { return color_; }
  void SetColor(TColor v) { Set(color_, v); }
  bool Transparent() const noexcept { return transparent_; }
  void SetTransparent(bool v) { Set(transparent_, v); }
  bool Enabled() const noexcept { return enabled_; }
  void SetEnabled(bool v) { Set(enabled_, v); }
  Size Extent() const noexcept { return size_; }
  void SetExtent(Size v) { Set(size_, v); }

  // The label must be repainted (any property or the shadow changed).
  std::function<void()> OnChange;

  // Paints the label with its top-left corner at `at`.
  void Paint(IPaintCanvas& canvas, Point at = {}) const;

 private:
  template <class T>
  void Set(T& field, T value) {
    if (field == value) return;
    field = std::move(value);
    Changed();
  }
  void Changed() const {
    if (OnChange) OnChange();
  }

  int angle_ = 0;
  std::string caption_;
  ControlFont font_{PaintFont{}, clBtnText};
  TColor color_ = clBtnFace;
  bool transparent_ = false;
  bool enabled_ = true;
  Size size_{65, 17};
};

}  // namespace hanaroku
