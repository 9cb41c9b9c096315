#include "platform/win32/DrawnControlWindow.h"

#include <windowsx.h>

#include <stdexcept>
#include <string>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kClass[] = L"HanarokuDrawnControl";

POINT PointOf(LPARAM lp) noexcept { return POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

}  // namespace

DrawnControlWindow::~DrawnControlWindow() {
  DestroyObjectWindow(wnd_);
}

void DrawnControlWindow::Create(HWND parent, const RECT& r, IDrawnControl& control, Callbacks callbacks) {
  using Self = DrawnControlWindow;
  RegisterProgramClass(kClass, &PaintedWindowProc<Self, &Self::wnd_, &Self::Handle, &Self::OnPaint>, CS_DBLCLKS);
  control_ = &control;
  callbacks_ = std::move(callbacks);
  wnd_ = ::CreateWindowExW(0, kClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top, r.right - r.left,
                           r.bottom - r.top, parent, nullptr, ::GetModuleHandleW(nullptr), this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  control_->Invalidate = [this] {
    if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
  };
}

Size DrawnControlWindow::ClientSize() const noexcept {
  RECT c = ClientRect(wnd_);
  return Size{c.right, c.bottom};
}

LRESULT DrawnControlWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEMOVE:
      OnMouseMove(PointOf(lp));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      const POINT p = PointOf(lp);
      ::SetCapture(wnd_);
      control_->MouseDown(Point{p.x, p.y});
      return 0;
    }
    case WM_LBUTTONUP:
      OnButtonUp(PointOf(lp));
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != wnd_) control_->CaptureLost();
      return 0;
    case WM_ENABLE:
      control_->SetEnabled(wp != 0);
      return 0;
    case WM_NCDESTROY:
      control_->Invalidate = nullptr;
      wnd_ = nullptr;
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void DrawnControlWindow::OnPaint() {
  PaintOnCanvas(wnd_, [this](IPaintCanvas& canvas, Size client) { control_->Paint(canvas, client); });
}

void DrawnControlWindow::OnMouseMove(POINT p) {
  if (!tracking_) {
    tracking_ = TrackMouseLeave(wnd_);
    control_->MouseEnter();
    if (callbacks_.hover) callbacks_.hover(true);
  }
  control_->MouseMove(Point{p.x, p.y}, ClientSize());
}

void DrawnControlWindow::OnMouseLeave() {
  tracking_ = false;
  control_->MouseLeave();
  if (callbacks_.hover) callbacks_.hover(false);
}

void DrawnControlWindow::OnButtonUp(POINT p) {
  const bool click = control_->MouseUp(Point{p.x, p.y}, ClientSize());
  if (::GetCapture() == wnd_) ::ReleaseCapture();
  if (click && callbacks_.click) callbacks_.click();
}

}  // namespace hanaroku::win32
