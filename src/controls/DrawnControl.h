#pragma once
// A control of the program's own that a window hosts: it paints itself on
// the painting port and is told of the mouse. The host (a child window on
// Win32, a recording canvas in the tests) turns the platform's messages into
// these calls and repaints when the control asks.
#include <functional>
#include <string_view>

#include "platform/Geometry.h"
#include "platform/Paint.h"

namespace hanaroku {

// A picture a control shows: anything drawn into a rectangle.
using TPicture = std::function<void(IPaintCanvas&, const Rect&)>;

// A picture of the program's set by name, centred in the rectangle at its own
// size (scaled down when the rectangle is smaller).
TPicture NamedPicture(std::string name);
// Where a picture of `size` goes, centred in `area` at its own size, or
// shrunk to the area keeping its proportions.
Rect CentredPictureRect(Size size, const Rect& area) noexcept;
// The dotted frame of the platform's focus rectangle, just inside r: every
// other pixel in `color`.
void DrawFocusFrame(IPaintCanvas& canvas, const Rect& r, TColor color = 0x000000);

class IDrawnControl {
 public:
  virtual ~IDrawnControl() = default;
  virtual void Paint(IPaintCanvas& canvas, Size size) = 0;
  virtual void MouseEnter() {}
  virtual void MouseLeave() {}
  virtual void MouseDown(Point) {}
  virtual void MouseMove(Point, Size) {}
  // True when this release makes a click.
  virtual bool MouseUp(Point, Size) { return false; }
  // The host stops the mouse capture (another window took it).
  virtual void CaptureLost() {}
  virtual void SetEnabled(bool enabled) = 0;

  // Asks the host to repaint the control.
  std::function<void()> Invalidate;

 protected:
  void Repaint() const {
    if (Invalidate) Invalidate();
  }
};

}  // namespace hanaroku
