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

template <class T, HWND T::*Wnd, LRESULT (T::*Handler)(UINT, WPARAM, LPARAM)>
LRESULT CALLBACK ObjectWindowProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
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
    return (self->*Handler)(msg, wp, lp);
  } catch (...) {
    ReportCurrentException(::GetAncestor(wnd, GA_ROOT));
    return 0;
  }
}

}  // namespace hanaroku::win32
