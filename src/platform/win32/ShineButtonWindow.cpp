#include "platform/win32/ShineButtonWindow.h"

#include <windowsx.h>

#include <vector>

#include "controls/ShineLooks.h"
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
  if (wnd_) HintMouseLeave(wnd_);
  DestroyObjectWindow(wnd_);
}

void ShineButtonWindow::Create(HWND parent, int id, const RECT& r) {
  using Self = ShineButtonWindow;
  RegisterProgramClass(kShineButtonClass,
                       &PaintedWindowProc<Self, &Self::wnd_, &Self::Handle, &Self::OnPaint>, CS_DBLCLKS);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | (model_.Visible() ? WS_VISIBLE : 0) | (tabStop_ ? WS_TABSTOP : 0);
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

void ShineButtonWindow::NotifyParent() {
  // By the handle alone: the parent's handler may destroy this object.
  const HWND wnd = wnd_;
  SetOnClick([wnd] {
    if (HWND parent = ::GetParent(wnd))
      ::SendMessageW(parent, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(wnd), BN_CLICKED), reinterpret_cast<LPARAM>(wnd));
  });
}

ShineButtonWindow* ShineButtonWindow::FromHandle(HWND wnd) noexcept {
  if (!wnd || !IsShineButton(wnd)) return nullptr;
  return reinterpret_cast<ShineButtonWindow*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
}

std::unique_ptr<ShineButtonWindow> CreateDialogButton(HWND parent, int id, const RECT& r, std::string_view caption,
                                                      std::string_view hint, int fontHeight) {
  auto button = std::make_unique<ShineButtonWindow>();
  TShineSpeedButton& model = button->Model();
  ApplyShineLook(model, ShineLookId::Window, fontHeight);
  model.SetCaption(std::string(caption));
  model.SetHint(std::string(hint));
  button->SetTabStop(true);
  button->Create(parent, id, r);
  button->NotifyParent();
  return button;
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
    case WM_GETDLGCODE:
      return DialogCode(reinterpret_cast<const MSG*>(lp));
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      spaceDown_ = false;
      ::InvalidateRect(wnd_, nullptr, FALSE);
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_RETURN) {
        KeyClick();
        return 0;
      }
      if (wp == VK_SPACE) {
        spaceDown_ = true;
        return 0;
      }
      break;
    case WM_KEYUP:
      if (wp == VK_SPACE && spaceDown_) {
        spaceDown_ = false;
        KeyClick();
        return 0;
      }
      break;
    case BM_CLICK:
      KeyClick();
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

// A button for the dialog manager, which leaves Enter on it to the button.
LRESULT ShineButtonWindow::DialogCode(const MSG* msg) const {
  const bool enter = msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN;
  return DLGC_BUTTON | (enter ? DLGC_WANTMESSAGE : 0);
}

// A press from the keyboard or BM_CLICK: the click of an enabled, visible button.
void ShineButtonWindow::KeyClick() {
  if (!model_.Enabled() || !model_.Visible()) return;
  HintCancel();
  model_.Click();
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
  if (::GetFocus() == wnd_ && w > 6 && h > 6) {
    RECT focus{3, 3, w - 3, h - 3};
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetBkColor(dc, RGB(255, 255, 255));
    ::DrawFocusRect(dc, &focus);
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
