#pragma once
// Helpers of the Win32 adapter tests: a scratch directory with a Japanese
// name under the temporary directory, removed with everything in it.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <string>

namespace hanaroku::win32::test {

class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::string& Path() const noexcept { return path_; }  // UTF-8, ends with "\"
  std::string File(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// The modeless find and replace dialogs may show while the scope lives; any
// other dialog still fails the test at once.
class ExpectedDialogs {
 public:
  ExpectedDialogs() noexcept;
  ~ExpectedDialogs();
  ExpectedDialogs(const ExpectedDialogs&) = delete;
  ExpectedDialogs& operator=(const ExpectedDialogs&) = delete;
};

// Raw helpers that do not go through the code under test.
void WriteRaw(const std::string& path, const std::string& bytes);
std::string ReadRaw(const std::string& path);
bool Exists(const std::string& path);
int CountFiles(const std::string& dir);

// Drives a modal dialog from inside its own message loop: runs `open`
// (which shows the dialog and returns when it closes); once the dialog is
// shown, it is handed to `onDialog`, which reads it and ends it with
// PressButton. A dialog still open after limitMs is cancelled, so no test
// can hang on it. Returns false when no dialog came or it had to be
// cancelled. While this runs, the dialog is not an unexpected one.
bool DriveDialog(const std::function<void()>& open, const std::function<void(HWND dialog)>& onDialog,
                 DWORD limitMs = 5000);
// The text of a dialog's control.
std::string ControlText(HWND dialog, int id);
// Presses a dialog button (IDOK, IDCANCEL) by posting its command.
void PressButton(HWND dialog, int id);

// Pumps messages until done() or limitMs have passed; returns done().
template <class Done>
bool PumpUntil(Done done, DWORD limitMs = 2000) {
  const DWORD start = ::GetTickCount();
  while (!done() && ::GetTickCount() - start < limitMs) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;  // posted by a main window going away
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
  }
  return done();
}

// Dispatches the messages waiting in the thread's queue (a bounded number).
void PumpMessages();
// A mouse position as a mouse message carries it.
inline LPARAM MouseXy(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

// A press and release of the left button in the middle of wnd (sent).
inline void ClickCentre(HWND wnd) {
  const RECT r = ClientRect(wnd);
  const LPARAM at = MouseXy(r.right / 2, r.bottom / 2);
  ::SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
  ::SendMessageW(wnd, WM_LBUTTONUP, 0, at);
}

inline std::wstring ClassNameOf(HWND wnd) {
  wchar_t name[64] = {};
  ::GetClassNameW(wnd, name, 64);
  return name;
}

}  // namespace hanaroku::win32::test
