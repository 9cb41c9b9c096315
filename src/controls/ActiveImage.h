#pragma once
// TActiveImage: an image that shows another picture while the mouse is over
// it (the grips and tabs of the tool bars). On entering, while Active, the
// current picture is put aside and EnterPicture shown; on leaving the one
// put aside comes back. A press and release on it is a click.
#include "controls/DrawnControl.h"

namespace hanaroku {

class TActiveImage final : public IDrawnControl {
 public:
  void SetPicture(TPicture picture);
  void SetEnterPicture(TPicture picture) { enterPicture_ = std::move(picture); }
  // Whether the picture swaps; setting it repaints.
  void SetActive(bool active);
  bool Active() const noexcept { return active_; }
  // Whether the enter picture is showing.
  bool Entered() const noexcept { return entered_; }

  void Paint(IPaintCanvas& canvas, Size size) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(Point p) override;
  bool MouseUp(Point p, Size size) override;
  void CaptureLost() override { pressed_ = false; }
  void SetEnabled(bool enabled) override;

 private:
  TPicture picture_, enterPicture_, saved_;
  bool active_ = true;
  bool entered_ = false;
  bool pressed_ = false;
  bool enabled_ = true;
};

}  // namespace hanaroku
