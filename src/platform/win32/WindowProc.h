#pragma once
// The window procedure of a window that belongs to a C++ object: the object
// comes as the creation parameter, is kept in GWLP_USERDATA, learns its
// handle at WM_NCCREATE, and gets every message through its handler. No
// exception crosses into Win32: a failing handler ends the command and is
// reported in a message box over the top-level window.
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

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
