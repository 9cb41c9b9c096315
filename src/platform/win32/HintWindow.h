#pragma once
// The application's hints. Every control host reports the mouse entering and
// leaving a control with the control's hint text; the application hint
// (status panel 4 through the handler set here) follows at once, and the hint
// window THintEx (a pop-up in the shape of the TAppHintN settings' style)
// shows the text after the pause and hides it after the hide pause.
#include "platform/win32/Win32Util.h"  // first: windows.h without its clashing macros

#include <functional>
#include <string>

#include "controls/AppHint.h"

namespace hanaroku::win32 {

// The application's hint event (TMainForm1::ApplicationHint): called with
// the hint of the control under the mouse, "" when it leaves.
void SetApplicationHintHandler(std::function<void(const std::string&)> handler);

// The mouse entered `control` (any window, or a part of one identified by
// the window and a key of the caller's choice) whose hint is `hint` (UTF-8).
void HintMouseEnter(HWND control, const std::string& hint, UINT_PTR part = 0);
// The mouse left it.
void HintMouseLeave(HWND control, UINT_PTR part = 0);
// The control's hint changed while the mouse may be over it.
void HintTextChanged(HWND control, const std::string& hint, UINT_PTR part = 0);
// A press or a key hides the hint until the mouse enters another control.
void HintCancel();

// The settings of the hint window (the main window's AppHintN1 unless
// changed); a change shows with the next hint.
TAppHintN& ApplicationHintSettings();
// The hint window, or null before the first hint; and whether it shows.
HWND HintWindowHandle() noexcept;
bool HintWindowShowing() noexcept;

// Reports the mouse over a platform control (an edit box, a check box) by
// subclassing it; `hint` is asked each time the mouse enters.
void AttachHint(HWND control, std::function<std::string()> hint);

}  // namespace hanaroku::win32
