#pragma once
// The window procedure of a window that belongs to a C++ object: the object
// comes as the creation parameter, is kept in GWLP_USERDATA, learns its
// handle at WM_NCCREATE, and gets every message through its handler. No
// exception crosses into Win32: a failing handler ends the command and is
// reported in a message box over the top-level window.
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

// Registers one of the program's window classes (arrow cursor, no
// background brush); a class already registered is left as it is.
inline void RegisterProgramClass(const wchar_t* name, WNDPROC proc, UINT style = 0) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  if (::GetClassInfoExW(instance, name, &wc)) return;
  wc.style = style;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name;
  ::RegisterClassExW(&wc);
}

// Asks for WM_MOUSELEAVE once the mouse leaves wnd; true when it will come.
inline bool TrackMouseLeave(HWND wnd) noexcept {
  TRACKMOUSEEVENT tme{};
  tme.cbSize = sizeof tme;
  tme.dwFlags = TME_LEAVE;
  tme.hwndTrack = wnd;
  return ::TrackMouseEvent(&tme) != 0;
}

// The object of wnd (set up at WM_NCCREATE) gets the message through
// `handle(object)`, exceptions reported; a window without its object, or
// one whose object has let it go, gets the default handling.
template <class T, HWND T::*Wnd, class Handle>
LRESULT ObjectMessage(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, Handle handle) {
  T* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    if (self) self->*Wnd = wnd;
  } else {
    self = reinterpret_cast<T*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
  }
  if (!self || !(self->*Wnd)) return ::DefWindowProcW(wnd, msg, wp, lp);
  try {
    return handle(*self);
  } catch (...) {
    ReportCurrentException(::GetAncestor(wnd, GA_ROOT));
    return 0;
  }
}

template <class T, HWND T::*Wnd, LRESULT (T::*Handler)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK ObjectWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  return ObjectMessage<T, Wnd>(wnd, msg, wp, lp, [&](T& self) { return (self.*Handler)(msg, wp, lp); });
}

// The same for a window that paints all of its client area itself:
// WM_PAINT goes to Paint, WM_ERASEBKGND has nothing to erase, and the
// handler gets every other message.
template <class T, HWND T::*Wnd, LRESULT (T::*Handler)(UINT, WPARAM, LPARAM), void (T::*Paint)()>
LRESULT CALLBACK PaintedWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  return ObjectMessage<T, Wnd>(wnd, msg, wp, lp, [&](T& self) -> LRESULT {
    if (msg == WM_PAINT) {
      (self.*Paint)();
      return 0;
    }
    if (msg == WM_ERASEBKGND) return 1;
    return (self.*Handler)(msg, wp, lp);
  });
}

// Destroys an object's window without telling the object (it is going):
// the window forgets the object first, and `wnd` is cleared.
inline void DestroyObjectWindow(HWND& wnd) noexcept {
  if (!wnd) return;
  const HWND w = wnd;
  wnd = nullptr;
  ::SetWindowLongPtrW(w, GWLP_USERDATA, 0);
  ::DestroyWindow(w);
}

}  // namespace hanaroku::win32
