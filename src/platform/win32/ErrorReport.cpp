// The general error report: whatever escapes a command ends that command and
// is shown in a message box; the program goes on.
#include <exception>
#include <new>
#include <stdexcept>

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
  const char* text = nullptr;
  try {
    throw;
  } catch (const std::bad_alloc&) {
    text = "メモリが足りません。";
  } catch (const std::exception& e) {
    text = e.what();
  } catch (...) {
    text = "予期しないエラーが発生しました。";
  }
  if (!text || !*text) text = "エラーが発生しました。";
  try {
    ReportError(text, owner);
  } catch (...) {
    ::MessageBoxW(owner, L"Out of memory", L"Hanaroku", MB_OK | MB_ICONERROR | MB_TASKMODAL);
  }
}

}  // namespace hanaroku::win32
