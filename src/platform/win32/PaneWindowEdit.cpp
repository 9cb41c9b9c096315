// The standard edit messages of the pane window: WM_GETTEXT and the EM_
// messages answered as the platform edit control answers them, in UTF-16
// characters (PaneEditAccess holds the rules; this only unpacks messages).
#include "platform/win32/PaneWindow.h"

#include <algorithm>
#include <cstring>

#include "controls/PaneEditAccess.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

// A position or line number as the messages carry it: -1 stays -1.
std::int64_t Signed(WPARAM v) noexcept { return static_cast<std::int64_t>(static_cast<int>(v)); }

const char16_t* TextOf(LPARAM lParam) noexcept {
  return lParam ? reinterpret_cast<const char16_t*>(lParam) : u"";
}

// Copies at most `room` characters of text into buffer (no terminating NUL).
std::size_t CopyOut(const std::u16string& text, LPARAM buffer, std::size_t room) noexcept {
  const std::size_t n = std::min(text.size(), room);
  if (n > 0) std::memcpy(reinterpret_cast<wchar_t*>(buffer), text.data(), n * sizeof(char16_t));
  return n;
}

}  // namespace

bool PaneWindow::IsEditMessage(UINT msg) noexcept {
  switch (msg) {
    case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_SETTEXT: case EM_GETSEL: case EM_SETSEL:
    case EM_REPLACESEL: case EM_GETLINECOUNT: case EM_LINEINDEX: case EM_LINELENGTH: case EM_GETLINE:
    case EM_LINEFROMCHAR: case EM_GETMODIFY: case EM_SETMODIFY: case EM_CANUNDO: case EM_UNDO: case WM_UNDO:
    case EM_SCROLLCARET: case WM_COPY: case WM_CUT: case WM_PASTE: case WM_CLEAR: case EM_SETREADONLY:
      return true;
    default:
      return false;
  }
}

LRESULT PaneWindow::OnEditMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!model_ || !access_) return 0;
  TRichEditSx& pane = *model_;
  PaneEditAccess& edit = *access_;
  switch (msg) {
    case WM_GETTEXT: {
      if (wParam == 0 || !lParam) return 0;
      const std::size_t n = CopyOut(edit.GetText(), lParam, static_cast<std::size_t>(wParam) - 1);
      reinterpret_cast<wchar_t*>(lParam)[n] = L'\0';
      return static_cast<LRESULT>(n);
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(edit.GetTextLength());
    case WM_SETTEXT:
      return edit.SetText(TextOf(lParam)) ? TRUE : FALSE;
    case EM_GETSEL: {
      const PaneEditAccess::Selection sel = edit.GetSel();
      if (wParam) *reinterpret_cast<DWORD*>(wParam) = static_cast<DWORD>(sel.start);
      if (lParam) *reinterpret_cast<DWORD*>(lParam) = static_cast<DWORD>(sel.end);
      if (sel.start > 0xFFFF || sel.end > 0xFFFF) return -1;
      return static_cast<LRESULT>(MAKELONG(sel.start, sel.end));
    }
    case EM_SETSEL:
      edit.SetSel(Signed(wParam), Signed(static_cast<WPARAM>(lParam)));
      return TRUE;
    case EM_REPLACESEL:
      edit.ReplaceSel(TextOf(lParam), wParam != 0);
      return 0;
    case EM_GETLINECOUNT:
      return edit.LineCount();
    case EM_LINEINDEX:
      return static_cast<LRESULT>(edit.LineIndex(Signed(wParam)));
    case EM_LINELENGTH:
      return static_cast<LRESULT>(edit.LineLength(Signed(wParam)));
    case EM_GETLINE: {
      if (!lParam) return 0;
      const std::size_t room = *reinterpret_cast<const WORD*>(lParam);
      return static_cast<LRESULT>(CopyOut(edit.GetLine(Signed(wParam)), lParam, room));
    }
    case EM_LINEFROMCHAR:
      return edit.LineFromChar(Signed(wParam));
    case EM_GETMODIFY:
      return pane.Modified() ? TRUE : FALSE;
    case EM_SETMODIFY:
      pane.SetModified(wParam != 0);
      return 0;
    case EM_CANUNDO:
      return pane.CanUndo() ? TRUE : FALSE;
    case EM_UNDO:
    case WM_UNDO:
      if (pane.ReadOnly() || !pane.CanUndo()) return FALSE;
      pane.Undo();
      return TRUE;
    case EM_SCROLLCARET:
      pane.ScrollCaret();
      return TRUE;
    case WM_COPY: {
      ClipboardWin32 clipboard;
      pane.CopyToClipboard(clipboard);
      return 0;
    }
    case WM_CUT: {
      ClipboardWin32 clipboard;
      pane.CutToClipboard(clipboard);
      return 0;
    }
    case WM_PASTE: {
      ClipboardWin32 clipboard;
      pane.PasteFromClipboard(clipboard);
      return 0;
    }
    case WM_CLEAR:
      if (!pane.ReadOnly()) pane.Clear();
      return 0;
    case EM_SETREADONLY: {
      pane.SetReadOnly(wParam != 0);
      const LONG_PTR style = ::GetWindowLongPtrW(hwnd_, GWL_STYLE);
      ::SetWindowLongPtrW(hwnd_, GWL_STYLE, wParam ? (style | ES_READONLY) : (style & ~static_cast<LONG_PTR>(ES_READONLY)));
      return TRUE;
    }
    default:
      return 0;
  }
}

}  // namespace hanaroku::win32
