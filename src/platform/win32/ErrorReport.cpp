// The general error report: whatever escapes a command ends that command and
// is shown in a message box; the program goes on.
#include <exception>
#include <new>
#include <stdexcept>

#include "platform/ErrorText.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

void ReportError(const std::string& text, HWND owner) noexcept {
  try {
    std::wstring wide = Widen(text);
    HWND o = owner ? owner : ::GetActiveWindow();
    ::MessageBoxW(o, wide.c_str(), L"Hanaroku", MB_OK | MB_ICONERROR | (o ? 0 : MB_TASKMODAL));
  } catch (...) {
    ::MessageBoxW(owner, L"Out of memory", L"Hanaroku", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
}

void ReportCurrentException(HWND owner) noexcept {
  const std::string text = CurrentExceptionText();
  if (text.empty()) {
    ::MessageBoxW(owner, L"Out of memory", L"Hanaroku", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    return;
  }
  ReportError(text, owner);
}

}  // namespace hanaroku::win32
