#include "platform/win32/ShineButtonWindow.h"

#include <windowsx.h>

#include <vector>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/HintWindow.h"
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kShineButtonClass[] = L"HanarokuShineButton";

bool IsShineButton(HWND wnd) {
  wchar_t name[64] = {};
  return ::GetClassNameW(wnd, name, 64) && std::wstring_view(name) == kShineButtonClass;
}

BOOL CALLBACK CollectShineButton(HWND wnd, LPARAM lp) {
  if (IsShineButton(wnd)) reinterpret_cast<std::vector<HWND>*>(lp)->push_back(wnd);
  return TRUE;
}

Point ClientPoint(LPARAM lp) noexcept { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

TShiftState ShiftFromKeys(WPARAM keys) noexcept {
  TShiftState s = 0;
  if (keys & MK_SHIFT) s |= ssShift;
  if (keys & MK_CONTROL) s |= ssCtrl;
  if (keys & MK_LBUTTON) s |= ssLeft;
  if (keys & MK_RBUTTON) s |= ssRight;
  if (keys & MK_MBUTTON) s |= ssMiddle;
  if (::GetKeyState(VK_MENU) < 0) s |= ssAlt;
  return s;
}

}  // namespace

ShineButtonWindow::ShineButtonWindow() : model_(std::make_unique<TimerWin32>()) { model_.SetHost(this); }

ShineButtonWindow::~ShineButtonWindow() {
  model_.SetHost(nullptr);
  if (wnd_) {
    HWND w = wnd_;
    wnd_ = nullptr;
    HintMouseLeave(w);
    ::SetWindowLongPtrW(w, GWLP_USERDATA, 0);
    ::DestroyWindow(w);
  }
}

void ShineButtonWindow::Create(HWND parent, int id, const RECT& r) {
  RegisterProgramClass(kShineButtonClass,
                       &ObjectWindowProc<ShineButtonWindow, &ShineButtonWindow::wnd_, &ShineButtonWindow::Handle>,
                       CS_DBLCLKS);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (model_.Visible() ? WS_VISIBLE : 0);
  HWND wnd = ::CreateWindowExW(0, kShineButtonClass, Widen(model_.Caption()).c_str(), style, r.left, r.top,
                               r.right - r.left, r.bottom - r.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), this);
  if (!wnd) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  shownCaption_ = model_.Caption();
  shownHint_ = model_.Hint();
  model_.SetSize(r.right - r.left, r.bottom - r.top);
}

void ShineButtonWindow::SetBounds(const RECT& r) {
  if (wnd_)
    ::SetWindowPos(wnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOZORDER | SWP_NOACTIVATE);
  model_.SetSize(r.right - r.left, r.bottom - r.top);
}

ShineButtonWindow* ShineButtonWindow::FromHandle(HWND wnd) noexcept {
  if (!wnd || !IsShineButton(wnd)) return nullptr;
  return reinterpret_cast<ShineButtonWindow*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
}

bool ShineButtonWindow::DispatchDialogChar(HWND root, wchar_t ch) {
  // Collected first: a click may create or destroy windows.
  std::vector<HWND> buttons;
  ::EnumChildWindows(root, CollectShineButton, reinterpret_cast<LPARAM>(&buttons));
  for (HWND wnd : buttons) {
    if (!::IsWindow(wnd)) continue;
    ShineButtonWindow* button = FromHandle(wnd);
    if (button && button->model_.DialogChar(static_cast<char32_t>(ch))) return true;
  }
  return false;
}

LRESULT ShineButtonWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  // After a model call that may run a click nothing here touches `this`:
  // the handler may have destroyed this window and its owner.
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PRINTCLIENT:
      PaintInto(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_SIZE:
      model_.SetSize(LOWORD(lp), HIWORD(lp));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(lp, wp);
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
      HintCancel();
      model_.MouseDown(TMouseButton::mbLeft, ShiftFromKeys(wp), ClientPoint(lp));
      return 0;
    case WM_LBUTTONDBLCLK:
      HintCancel();
      model_.DoubleClick(ShiftFromKeys(wp), ClientPoint(lp));
      return 0;
    case WM_LBUTTONUP:
      model_.MouseUp(TMouseButton::mbLeft, ShiftFromKeys(wp), ClientPoint(lp));
      return 0;
    case WM_RBUTTONDOWN:
      HintCancel();
      model_.MouseDown(TMouseButton::mbRight, ShiftFromKeys(wp), ClientPoint(lp));
      break;  // on to the default handling: the context menu
    case WM_RBUTTONUP:
      model_.MouseUp(TMouseButton::mbRight, ShiftFromKeys(wp), ClientPoint(lp));
      break;
    case WM_CAPTURECHANGED:
      if (!releasing_) model_.CaptureLost();
      return 0;
    case WM_SYSCOLORCHANGE:
    case WM_THEMECHANGED:
      model_.Changed();
      break;
    case WM_NCDESTROY:
      HintMouseLeave(wnd_);
      wnd_ = nullptr;
      buffer_.Release();
      break;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void ShineButtonWindow::OnPaint() {
  PaintDc paint(wnd_);
  PaintInto(paint.Get());
}

void ShineButtonWindow::PaintInto(HDC target) {
  const int w = model_.Width(), h = model_.Height();
  HDC dc = buffer_.Prepare(target, w, h);
  if (!dc) dc = target;
  if (model_.Transparent()) {
    // No background of its own: the parent's colour shows through.
    HWND parent = ::GetParent(wnd_);
    auto brush = reinterpret_cast<HBRUSH>(::GetClassLongPtrW(parent, GCLP_HBRBACKGROUND));
    RECT rc{0, 0, w, h};
    ::FillRect(dc, &rc, brush ? brush : ::GetSysColorBrush(COLOR_BTNFACE));
  }
  {
    GdiCanvas canvas(dc);
    model_.Paint(canvas);
  }
  if (dc != target) buffer_.Present(target, w, h);
}

void ShineButtonWindow::OnMouseMove(LPARAM lp, WPARAM wp) {
  if (!tracking_) {
    tracking_ = TrackMouseLeave(wnd_);
    shownHint_ = model_.Hint();
    HintMouseEnter(wnd_, shownHint_);
    if (hover_) hover_(true);
    model_.MouseEnter();
  }
  model_.MouseMove(ShiftFromKeys(wp), ClientPoint(lp));
}

void ShineButtonWindow::OnMouseLeave() {
  tracking_ = false;
  HintMouseLeave(wnd_);
  if (hover_) hover_(false);
  model_.MouseLeave();
}

// ---- IShineButtonHost -------------------------------------------------------------

void ShineButtonWindow::Invalidate() {
  if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
}

void ShineButtonWindow::Update() {
  if (wnd_) ::UpdateWindow(wnd_);
}

Point ShineButtonWindow::CursorPos() const {
  POINT p{};
  ::GetCursorPos(&p);
  if (wnd_) ::ScreenToClient(wnd_, &p);
  return {p.x, p.y};
}

TShiftState ShineButtonWindow::KeyState() const {
  WPARAM keys = 0;
  if (::GetKeyState(VK_SHIFT) < 0) keys |= MK_SHIFT;
  if (::GetKeyState(VK_CONTROL) < 0) keys |= MK_CONTROL;
  if (::GetKeyState(VK_LBUTTON) < 0) keys |= MK_LBUTTON;
  if (::GetKeyState(VK_RBUTTON) < 0) keys |= MK_RBUTTON;
  if (::GetKeyState(VK_MBUTTON) < 0) keys |= MK_MBUTTON;
  return ShiftFromKeys(keys);
}

bool ShineButtonWindow::UnderCursor() const {
  POINT p{};
  return wnd_ && ::GetCursorPos(&p) && ::WindowFromPoint(p) == wnd_;
}

bool ShineButtonWindow::MouseCaptured() const { return ::GetCapture() != nullptr; }

void ShineButtonWindow::SetMouseCapture(bool capture) {
  if (!wnd_) return;
  if (capture) {
    ::SetCapture(wnd_);
  } else if (::GetCapture() == wnd_) {
    releasing_ = true;
    ::ReleaseCapture();
    releasing_ = false;
  }
}

bool ShineButtonWindow::ParentShowing() const {
  HWND parent = wnd_ ? ::GetParent(wnd_) : nullptr;
  return parent && ::IsWindowVisible(parent);
}

void ShineButtonWindow::PropertiesChanged() {
  if (!wnd_) return;
  const bool visible = (::GetWindowLongW(wnd_, GWL_STYLE) & WS_VISIBLE) != 0;
  if (visible != model_.Visible()) ::ShowWindow(wnd_, model_.Visible() ? SW_SHOWNA : SW_HIDE);
  RECT rc{};
  ::GetClientRect(wnd_, &rc);
  if (rc.right != model_.Width() || rc.bottom != model_.Height())
    ::SetWindowPos(wnd_, nullptr, 0, 0, model_.Width(), model_.Height(), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (model_.Caption() != shownCaption_) {
    shownCaption_ = model_.Caption();
    ::SetWindowTextW(wnd_, Widen(shownCaption_).c_str());
  }
  if (model_.Hint() != shownHint_) {
    shownHint_ = model_.Hint();
    HintTextChanged(wnd_, shownHint_);
  }
}

}  // namespace hanaroku::win32
