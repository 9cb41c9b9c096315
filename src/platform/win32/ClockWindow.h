#pragma once
// The window of a clock label (TClockLabel): a child window that paints the
// label's recorded drawing whenever its caption changes, runs a click
// handler on a click (press and release inside) and names the label's hint
// while the mouse is over it. The window text follows the caption.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <string>

#include "controls/ClockLabel.h"

namespace hanaroku::win32 {

class ClockWindow {
 public:
  struct Callbacks {
    std::function<void()> click;
    std::function<void(const std::string&)> hint;  // "" when the mouse leaves
  };

  ClockWindow() = default;
  ~ClockWindow();
  ClockWindow(const ClockWindow&) = delete;
  ClockWindow& operator=(const ClockWindow&) = delete;

  // The label must outlive the window; its OnChange is taken over.
  void Create(HWND parent, int id, TClockLabel& label, Callbacks callbacks);
  HWND Handle() const noexcept { return wnd_; }
  void Place(const RECT& r);
  // Repaints with the label's current look (after a colour change).
  void Refresh();

  static constexpr wchar_t kClassName[] = L"HanarokuClockLabel";

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();
  void OnMouseMove();
  void OnLButtonUp(int x, int y);
  void CaptionChanged();

  HWND wnd_ = nullptr;
  TClockLabel* label_ = nullptr;
  Callbacks callbacks_;
  bool pressed_ = false, tracking_ = false;
};

}  // namespace hanaroku::win32
