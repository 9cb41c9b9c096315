#include "platform/win32/BannerWindow.h"
#include "platform/win32/WindowProc.h"

#include <stdexcept>

#include "platform/win32/Gdi.h"
#include "platform/win32/GdiCanvas.h"

namespace hanaroku::win32 {

BannerWindow::~BannerWindow() {
  Detach();
  DestroyObjectWindow(wnd_);
}

HWND BannerWindow::Create(HWND parent, TMsgSCR& model, const RECT& r) {
  if (wnd_) return wnd_;
  using Self = BannerWindow;
  RegisterProgramClass(kClassName, &PaintedWindowProc<Self, &Self::wnd_, &Self::Handle, &Self::OnPaint>);
  model_ = &model;
  HWND wnd = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, parent, nullptr, ::GetModuleHandleW(nullptr), this);
  if (!wnd) {
    model_ = nullptr;
    throw std::runtime_error("CreateWindowEx (banner): " + SystemErrorText(::GetLastError()));
  }
  model.SetView(this);
  OnSize();
  return wnd_;
}

void BannerWindow::Detach() noexcept {
  if (model_) model_->SetView(nullptr);
  model_ = nullptr;
}

bool BannerWindow::HasParent() const { return wnd_ && ::GetParent(wnd_); }

void BannerWindow::PaintNow(const std::function<void(IPaintCanvas&)>& paint) {
  if (!wnd_ || !::IsWindowVisible(wnd_)) return;
  WindowDc dc(wnd_);
  if (!dc.Get()) return;
  GdiCanvas canvas(dc.Get());
  paint(canvas);
}

void BannerWindow::Invalidate() {
  if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
}

LRESULT BannerWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
    case WM_MOVE:
      OnSize();
      return 0;
    case WM_NCDESTROY:
      Detach();
      wnd_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void BannerWindow::OnPaint() {
  PaintDc paint(wnd_);
  if (!model_ || !paint.Get()) return;
  GdiCanvas canvas(paint.Get());
  model_->Paint(canvas);
}

void BannerWindow::OnSize() {
  if (!model_ || !wnd_) return;
  RECT r{};
  ::GetWindowRect(wnd_, &r);
  POINT origin{r.left, r.top};
  if (HWND parent = ::GetParent(wnd_)) ::ScreenToClient(parent, &origin);
  const RECT client = ClientRect(wnd_);
  model_->SetBounds(origin.x, origin.y, client.right, client.bottom);
}

}  // namespace hanaroku::win32
