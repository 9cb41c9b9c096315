#include "platform/win32/SplashWindow.h"

#include "controls/RotateLabel.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kSplashClass[] = L"HanarokuTForm3";

}  // namespace

POINT RotateLabelOrigin(int labelWidth, int labelHeight, int textWidth, int textHeight, int angle) noexcept {
  const Point p = hanaroku::RotateLabelOrigin(Size{labelWidth, labelHeight}, Size{textWidth, textHeight}, angle);
  return POINT{p.x, p.y};
}

SplashWindow::~SplashWindow() { Close(); }

void SplashWindow::Show(HWND owner, const SplashView& view) {
  view_ = view;
  using Self = SplashWindow;
  RegisterProgramClass(kSplashClass, &PaintedWindowProc<Self, &Self::wnd_, &Self::Handle, &Self::OnPaint>);
  const WindowBounds& b = view.bounds;
  if (!wnd_) {
    std::wstring caption = Widen(view.caption);
    wnd_ = ::CreateWindowExW(WS_EX_TOOLWINDOW, kSplashClass, caption.c_str(), WS_POPUP, b.left, b.top, b.width,
                             b.height, owner, nullptr, ::GetModuleHandleW(nullptr), this);
    if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  } else {
    ::SetWindowPos(wnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::ShowWindow(wnd_, SW_SHOWNA);
  ::UpdateWindow(wnd_);
}

void SplashWindow::Close() noexcept { DestroyObjectWindow(wnd_); }

LRESULT SplashWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_LBUTTONUP:
      // The handler normally closes and so destroys this window: copy it.
      if (auto click = OnClick) click();
      return 0;
    case WM_NCDESTROY:
      wnd_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void SplashWindow::OnPaint() {
  PaintOnCanvas(wnd_, [this](IPaintCanvas& canvas, Size client) { PaintSplash(canvas, view_, client); });
}

}  // namespace hanaroku::win32
