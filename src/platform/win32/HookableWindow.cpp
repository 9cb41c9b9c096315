#include "platform/win32/HookableWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <algorithm>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

HookableWindow::HookableWindow(std::string name, std::function<HWND()> current, IHookableControl* form)
    : name_(std::move(name)), current_(std::move(current)), form_(form) {
  if (HWND wnd = current_ ? current_() : nullptr) Adopt(wnd);
}

HookableWindow::~HookableWindow() {
  Release();
  const std::vector<IControlObserver*> observers = observers_;
  for (IControlObserver* o : observers) o->ControlDestroyed(*this);
}

void HookableWindow::Release() noexcept {
  if (wnd_ && ::IsWindow(wnd_)) ::RemoveWindowSubclass(wnd_, &WindowSubclass, reinterpret_cast<UINT_PTR>(this));
  if (parent_ && ::IsWindow(parent_))
    ::RemoveWindowSubclass(parent_, &ParentSubclass, reinterpret_cast<UINT_PTR>(this));
  wnd_ = parent_ = nullptr;
}

NativeHandle HookableWindow::Handle() const {
  HWND wnd = current_ ? current_() : nullptr;
  return wnd && ::IsWindow(wnd) ? ToNative(wnd) : 0;
}

void HookableWindow::SetWindowProc(WindowProcHandler handler) {
  proc_ = handler ? std::move(handler) : WindowProcHandler(&HookableWindow::DefaultProc);
  if (!wnd_)
    if (HWND wnd = current_ ? current_() : nullptr) Adopt(wnd);
}

void HookableWindow::AddObserver(IControlObserver* observer) {
  if (std::find(observers_.begin(), observers_.end(), observer) == observers_.end()) observers_.push_back(observer);
}

void HookableWindow::RemoveObserver(IControlObserver* observer) { std::erase(observers_, observer); }

void HookableWindow::DefaultProc(HookMessage& msg) {
  if (auto* n = static_cast<NativeMessage*>(msg.native)) msg.result = ::DefSubclassProc(n->wnd, n->msg, n->wp, n->lp);
}

void HookableWindow::Adopt(HWND wnd) {
  if (!wnd || !::IsWindow(wnd)) return;
  const UINT_PTR key = reinterpret_cast<UINT_PTR>(this);
  if (!::SetWindowSubclass(wnd, &WindowSubclass, key, reinterpret_cast<DWORD_PTR>(this))) return;
  wnd_ = wnd;
  id_ = ::GetDlgCtrlID(wnd);
  HWND parent = (::GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD) ? ::GetParent(wnd) : nullptr;
  if (parent != parent_) {
    if (parent_ && ::IsWindow(parent_)) ::RemoveWindowSubclass(parent_, &ParentSubclass, key);
    parent_ = parent && ::SetWindowSubclass(parent, &ParentSubclass, key, reinterpret_cast<DWORD_PTR>(this))
                  ? parent
                  : nullptr;
  }
}

void HookableWindow::Recreated(HWND wnd) {
  Adopt(wnd);
  if (wnd_ != wnd) return;
  HookMessage created;
  created.kind = HookMessageKind::Create;
  const WindowProcHandler proc = proc_;
  proc(created);
  ::SendMessageW(wnd, WM_NULL, 0, 0);  // the new window's first message through the hook
}

LRESULT HookableWindow::Route(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  NativeMessage native{wnd, msg, wp, lp};
  HookMessage m;
  m.native = &native;
  if (msg == WM_DESTROY) m.kind = HookMessageKind::Destroy;
  DroppedFilesWin32 drop(reinterpret_cast<HDROP>(wp));
  if (msg == WM_DROPFILES) {
    m.kind = HookMessageKind::FileDrop;
    m.drop = &drop;
  }
  try {
    const WindowProcHandler proc = proc_;  // a copy: the handler may replace it
    proc(m);
  } catch (...) {
    ReportCurrentException(::GetAncestor(wnd, GA_ROOT));
  }
  if (msg == WM_NCDESTROY) {
    ::RemoveWindowSubclass(wnd, &WindowSubclass, reinterpret_cast<UINT_PTR>(this));
    if (wnd == wnd_) wnd_ = nullptr;
  }
  return m.result;
}

LRESULT CALLBACK HookableWindow::WindowSubclass(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  return reinterpret_cast<HookableWindow*>(ref)->Route(wnd, msg, wp, lp);
}

LRESULT CALLBACK HookableWindow::ParentSubclass(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR key,
                                                 DWORD_PTR ref) {
  auto* self = reinterpret_cast<HookableWindow*>(ref);
  if (msg == WM_PARENTNOTIFY && LOWORD(wp) == WM_CREATE && !self->wnd_) {
    HWND child = reinterpret_cast<HWND>(lp);
    HWND current = self->current_ ? self->current_() : nullptr;
    const bool ours = current ? current == child : (self->id_ != 0 && HIWORD(wp) == self->id_);
    if (ours) {
      try {
        self->Recreated(child);
      } catch (...) {
        ReportCurrentException(::GetAncestor(wnd, GA_ROOT));
      }
    }
  }
  if (msg == WM_NCDESTROY) {
    ::RemoveWindowSubclass(wnd, &ParentSubclass, key);
    if (self->parent_ == wnd) self->parent_ = nullptr;
  }
  return ::DefSubclassProc(wnd, msg, wp, lp);
}

// ---- the shell -------------------------------------------------------------------

void DropAcceptanceWin32::AcceptFiles(NativeHandle window, bool accept) {
  HWND wnd = ToHwnd(window);
  if (wnd && ::IsWindow(wnd)) ::DragAcceptFiles(wnd, accept ? TRUE : FALSE);
}

std::vector<std::string> DroppedFilesWin32::Files() {
  std::vector<std::string> files;
  if (!drop_) return files;
  const UINT count = ::DragQueryFileW(drop_, 0xFFFFFFFF, nullptr, 0);
  files.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(drop_, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    name.resize(::DragQueryFileW(drop_, i, name.data(), length + 1));
    files.push_back(Narrow(name));
  }
  return files;
}

Point DroppedFilesWin32::DropPoint() {
  POINT p{};
  if (drop_) ::DragQueryPoint(drop_, &p);
  return {p.x, p.y};
}

void DroppedFilesWin32::Finish() {
  if (drop_) ::DragFinish(drop_);
  drop_ = nullptr;
}

}  // namespace hanaroku::win32
