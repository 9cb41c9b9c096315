#include "platform/win32/EditBoxes.h"

namespace hanaroku::win32 {

std::wstring ReadWindowTextW(HWND wnd) {
  std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(wnd)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(::GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

void SendEditAction(HWND edit, EditBoxAction action) noexcept {
  switch (action) {
    case EditBoxAction::Undo: ::SendMessageW(edit, EM_UNDO, 0, 0); break;
    case EditBoxAction::Cut: ::SendMessageW(edit, WM_CUT, 0, 0); break;
    case EditBoxAction::Copy: ::SendMessageW(edit, WM_COPY, 0, 0); break;
    case EditBoxAction::Paste: ::SendMessageW(edit, WM_PASTE, 0, 0); break;
    case EditBoxAction::SelectAll: ::SendMessageW(edit, EM_SETSEL, 0, -1); break;
    case EditBoxAction::Clear: ::SendMessageW(edit, WM_CLEAR, 0, 0); break;
  }
}

}  // namespace hanaroku::win32
