#pragma once
// Small services on the platform's edit boxes shared by the program's
// windows: a window's whole text, and the edit commands sent to an edit box.
#include "platform/win32/Win32Util.h"

#include <string>

#include "app/ToolBars.h"

namespace hanaroku::win32 {

std::wstring ReadWindowTextW(HWND wnd);
inline std::string ReadWindowText(HWND wnd) { return Narrow(ReadWindowTextW(wnd)); }

// Undo, cut, copy, paste, select all or clear in the edit box.
void SendEditAction(HWND edit, EditBoxAction action) noexcept;

}  // namespace hanaroku::win32
