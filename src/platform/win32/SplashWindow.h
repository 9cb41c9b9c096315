#pragma once
// The window of the loading splash TForm3: a borderless pop-up over the main
// window with the rotated label RotateLabel1, painted by the portable
// PaintSplash (app/Splash.h); a click is handed back to TForm3.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <string>

#include "app/Splash.h"

namespace hanaroku::win32 {

// The rotated label's text origin (controls/RotateLabel.h) as a POINT.
POINT RotateLabelOrigin(int labelWidth, int labelHeight, int textWidth, int textHeight, int angle) noexcept;

class SplashWindow {
 public:
  static constexpr int LabelWidth = TForm3::LabelWidth, LabelHeight = TForm3::LabelHeight;

  SplashWindow() = default;
  ~SplashWindow();
  SplashWindow(const SplashWindow&) = delete;
  SplashWindow& operator=(const SplashWindow&) = delete;

  // Creates (or moves) the window and paints it before returning.
  void Show(HWND owner, const SplashView& view);
  void Close() noexcept;
  bool Visible() const noexcept { return wnd_ != nullptr; }
  HWND Handle() const noexcept { return wnd_; }

  // A click anywhere on the splash.
  std::function<void()> OnClick;

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();

  HWND wnd_ = nullptr;
  SplashView view_;
};

}  // namespace hanaroku::win32
