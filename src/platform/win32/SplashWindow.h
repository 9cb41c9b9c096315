#pragma once
// The window of the loading splash TForm3: a borderless pop-up over the main
// window with the rotated label RotateLabel1. What it shows comes from the
// portable TForm3 (app/Splash.h); a click is handed back to it.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <string>

#include "app/MainForm1.h"

namespace hanaroku::win32 {

// TRotateLabel: a caption turned by Angle degrees about the label's centre,
// with an optional shadow.
struct RotateLabelStyle {
  std::wstring caption;
  std::wstring fontName;
  int fontHeight = 12;        // pixels
  TColor color = 0;           // text
  TColor background = 0;
  bool transparent = false;
  int angle = 0;              // degrees; outside 0..359 counts as 0
  bool enabled = true;
  bool shadowVisible = true;
  TColor shadowColor = 0x808080;
  int shadowLeft = 2, shadowTop = 2;
};

// Text origin of the rotated caption (tw x th) in a label of W x H.
POINT RotateLabelOrigin(int labelWidth, int labelHeight, int textWidth, int textHeight, int angle) noexcept;

// Paints the label into rect of dc.
void PaintRotateLabel(HDC dc, const RECT& rect, const RotateLabelStyle& style);

class SplashWindow {
 public:
  // Design size of RotateLabel1; the splash centres it by its placement.
  static constexpr int LabelWidth = 232, LabelHeight = 82;

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
