#include "platform/win32/SplashWindow.h"

#include <cmath>

#include "platform/win32/Gdi.h"
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kSplashClass[] = L"HanarokuTForm3";
constexpr double kPi = 3.14159265358979323846;

}  // namespace

POINT RotateLabelOrigin(int labelWidth, int labelHeight, int textWidth, int textHeight, int angle) noexcept {
  if (angle < 0 || angle > 359) angle = 0;
  double a = angle * kPi / 180.0;
  POINT p;
  p.x = labelWidth / 2 - static_cast<int>(std::trunc(textWidth / 2.0 * std::cos(a))) -
        static_cast<int>(std::trunc(textHeight / 2.0 * std::sin(a)));
  p.y = static_cast<int>(std::trunc(textWidth / 2.0 * std::sin(a))) + labelHeight / 2 -
        static_cast<int>(std::trunc(textHeight / 2.0 * std::cos(a)));
  return p;
}

void PaintRotateLabel(HDC dc, const RECT& rect, const RotateLabelStyle& style) {
  DcStateGuard state(dc);
  if (!style.transparent) {
    BrushPtr bg = MakeSolidBrush(style.background);
    ::FillRect(dc, &rect, bg.get());
  }
  ::SetBkMode(dc, TRANSPARENT);
  int angle = (style.angle < 0 || style.angle > 359) ? 0 : style.angle;
  // Escapement in tenths of a degree, the default character set.
  FontPtr font = MakeFont(style.fontName, -style.fontHeight, DEFAULT_CHARSET, FW_NORMAL, angle * 10);
  SelectGuard useFont(dc, font.get());
  // The extent of the unturned caption.
  SIZE ext{};
  FontPtr flat = MakeFont(style.fontName, -style.fontHeight, DEFAULT_CHARSET);
  {
    SelectGuard measure(dc, flat.get());
    ::GetTextExtentPoint32W(dc, style.caption.c_str(), static_cast<int>(style.caption.size()), &ext);
  }
  int w = rect.right - rect.left, h = rect.bottom - rect.top;
  POINT o = RotateLabelOrigin(w, h, ext.cx, ext.cy, angle);
  int x = rect.left + o.x, y = rect.top + o.y;
  int n = static_cast<int>(style.caption.size());
  if (style.shadowVisible) {
    ::SetTextColor(dc, style.shadowColor);
    ::TextOutW(dc, x + style.shadowLeft, y + style.shadowTop, style.caption.c_str(), n);
  }
  if (style.enabled) {
    ::SetTextColor(dc, style.color);
    ::TextOutW(dc, x, y, style.caption.c_str(), n);
  } else {
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    ::TextOutW(dc, x + 1, y + 1, style.caption.c_str(), n);
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
    ::TextOutW(dc, x, y, style.caption.c_str(), n);
  }
}

SplashWindow::~SplashWindow() { Close(); }

void SplashWindow::Show(HWND owner, const SplashView& view) {
  view_ = view;
  RegisterProgramClass(kSplashClass, &ObjectWindowProc<SplashWindow, &SplashWindow::wnd_, &SplashWindow::Handle>);
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

void SplashWindow::Close() noexcept {
  if (wnd_) {
    HWND w = wnd_;
    wnd_ = nullptr;
    ::SetWindowLongPtrW(w, GWLP_USERDATA, 0);
    ::DestroyWindow(w);
  }
}

LRESULT SplashWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
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
  PaintDc paint(wnd_);
  RECT client = ClientRect(wnd_);
  BrushPtr bg = MakeSolidBrush(view_.color);
  ::FillRect(paint.Get(), &client, bg.get());
  RotateLabelStyle style;
  style.caption = Widen(view_.labelText);
  style.fontName = Widen(view_.labelFont);
  style.fontHeight = view_.labelHeight;
  style.color = view_.labelColor;
  style.background = view_.color;
  style.transparent = true;
  RECT label{view_.labelLeft, view_.labelTop, view_.labelLeft + LabelWidth, view_.labelTop + LabelHeight};
  PaintRotateLabel(paint.Get(), label, style);
}

}  // namespace hanaroku::win32
