#pragma once
// The child window that hosts one of the program's own drawn controls
// (IDrawnControl): it paints the control through a GdiCanvas on a back
// buffer, passes the mouse on (enter, leave, press with capture, move,
// release) and reports clicks.
#include "platform/win32/Win32Util.h"

#include <functional>

#include "controls/DrawnControl.h"
#include "platform/win32/Gdi.h"

namespace hanaroku::win32 {

class DrawnControlWindow {
 public:
  struct Callbacks {
    std::function<void()> click;
    std::function<void(bool inside)> hover;  // the mouse came over it or left it
  };

  DrawnControlWindow() = default;
  ~DrawnControlWindow();
  DrawnControlWindow(const DrawnControlWindow&) = delete;
  DrawnControlWindow& operator=(const DrawnControlWindow&) = delete;

  // The control must outlive the window.
  void Create(HWND parent, const RECT& rect, IDrawnControl& control, Callbacks callbacks);
  HWND Handle() const noexcept { return wnd_; }

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnMouseMove(POINT p);
  void OnMouseLeave();
  void OnButtonUp(POINT p);
  Size ClientSize() const noexcept;

  HWND wnd_ = nullptr;
  IDrawnControl* control_ = nullptr;
  Callbacks callbacks_;
  bool tracking_ = false;
};

}  // namespace hanaroku::win32
