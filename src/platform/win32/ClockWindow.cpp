#include "platform/win32/ClockWindow.h"

#include <windowsx.h>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {

ClockWindow::~ClockWindow() {
  if (label_) label_->OnChange = nullptr;
  DestroyObjectWindow(wnd_);
}

void ClockWindow::Create(HWND parent, int id, TClockLabel& label, Callbacks callbacks) {
  using Self = ClockWindow;
  RegisterProgramClass(kClassName,
                       &PaintedWindowProc<Self, &Self::wnd_, &Self::Handle, &Self::OnPaint>, CS_HREDRAW | CS_VREDRAW);
  label_ = &label;
  callbacks_ = std::move(callbacks);
  wnd_ = ::CreateWindowExW(0, kClassName, Widen(label.Caption()).c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0,
                           0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  label.OnChange = [this] { CaptionChanged(); };
}

void ClockWindow::Place(const RECT& r) {
  if (wnd_)
    ::SetWindowPos(wnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void ClockWindow::Refresh() {
  if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
}

void ClockWindow::CaptionChanged() {
  if (!wnd_ || !label_) return;
  ::SetWindowTextW(wnd_, Widen(label_->Caption()).c_str());
  ::InvalidateRect(wnd_, nullptr, FALSE);
}

LRESULT ClockWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
      OnMouseMove();
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      if (callbacks_.hint) callbacks_.hint(std::string());
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      pressed_ = true;
      ::SetCapture(wnd_);
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_CAPTURECHANGED:
      pressed_ = false;
      return 0;
    case WM_NCDESTROY:
      if (label_) label_->OnChange = nullptr;
      wnd_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void ClockWindow::OnPaint() {
  PaintOnCanvas(wnd_, [this](IPaintCanvas& canvas, Size client) {
    if (label_) label_->Paint(canvas, Rect::FromSize(0, 0, client.width, client.height));
  });
}

void ClockWindow::OnMouseMove() {
  if (tracking_) return;
  tracking_ = TrackMouseLeave(wnd_);
  if (callbacks_.hint && label_) callbacks_.hint(label_->Hint);
}

void ClockWindow::OnLButtonUp(int x, int y) {
  const bool pressed = pressed_;
  pressed_ = false;
  if (::GetCapture() == wnd_) ::ReleaseCapture();
  const RECT client = ClientRect(wnd_);
  const POINT p{x, y};
  if (pressed && ::PtInRect(&client, p) && callbacks_.click) callbacks_.click();
}

}  // namespace hanaroku::win32
