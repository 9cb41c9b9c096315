#include "controls/ActiveImage.h"

#include <utility>

namespace hanaroku {

void TActiveImage::SetPicture(TPicture picture) {
  // While entered the new picture is the one that comes back on leaving.
  (entered_ ? saved_ : picture_) = std::move(picture);
  if (!entered_) Repaint();
}

void TActiveImage::SetActive(bool active) {
  active_ = active;
  Repaint();
}

void TActiveImage::Paint(IPaintCanvas& canvas, Size size) {
  if (picture_) picture_(canvas, Rect::FromSize(0, 0, size.width, size.height));
}

void TActiveImage::MouseEnter() {
  if (!active_ || entered_) return;
  saved_ = std::move(picture_);
  picture_ = enterPicture_;
  entered_ = true;
  Repaint();
}

void TActiveImage::MouseLeave() {
  // Only a swapped picture is put back: a leave without its enter (the
  // image turned active while the mouse was over it) keeps the picture.
  if (!active_ || !entered_) return;
  picture_ = std::move(saved_);
  saved_ = nullptr;
  entered_ = false;
  Repaint();
}

void TActiveImage::MouseDown(Point) { pressed_ = enabled_; }

bool TActiveImage::MouseUp(Point p, Size size) {
  const bool click = pressed_ && enabled_ && Rect::FromSize(0, 0, size.width, size.height).Contains(p);
  pressed_ = false;
  return click;
}

void TActiveImage::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (!enabled) pressed_ = false;
}

}  // namespace hanaroku
