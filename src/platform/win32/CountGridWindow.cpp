#include "platform/win32/CountGridWindow.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "platform/win32/EditBoxes.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/ProgramPictures.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kFormClass[] = L"HanarokuTForm2";
constexpr wchar_t kGridClass[] = L"HanarokuTStrSortGrid";
constexpr int kGridId = 50, kFirstButtonId = 100;
constexpr UINT_PTR kEditorSubclass = 0x4847;  // "HG"

HFONT GridFont() {
  static FontPtr font = MakeFont(L"ＭＳ Ｐゴシック", -12);
  return font.get();
}

std::optional<GridKey> GridKeyOf(WPARAM key) noexcept {
  switch (key) {
    case VK_LEFT: return GridKey::Left;
    case VK_RIGHT: return GridKey::Right;
    case VK_UP: return GridKey::Up;
    case VK_DOWN: return GridKey::Down;
    case VK_PRIOR: return GridKey::PageUp;
    case VK_NEXT: return GridKey::PageDown;
    case VK_HOME: return GridKey::Home;
    case VK_END: return GridKey::End;
    case VK_TAB: return GridKey::Tab;
    case VK_RETURN: return GridKey::Enter;
    case VK_F2: return GridKey::F2;
    case VK_ESCAPE: return GridKey::Escape;
    default: return std::nullopt;
  }
}

bool Down(int key) noexcept { return ::GetKeyState(key) < 0; }

// The grid keeps its keys from the dialog manager: the arrows, the typed
// characters, Enter (edit) and Tab (the next cell); Ctrl+Tab goes on to the
// buttons.
LRESULT GridDialogCode(const MSG* msg) noexcept {
  LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (!Down(VK_CONTROL)) code |= DLGC_WANTTAB;
  if (msg && msg->message == WM_KEYDOWN && msg->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
  return code;
}

}  // namespace

// ---- SortGridWindow --------------------------------------------------------------

SortGridWindow::~SortGridWindow() {
  if (grid_) {
    grid_->SetEditor(nullptr);
    grid_->Invalidate = nullptr;
  }
  DestroyObjectWindow(wnd_);
}

void SortGridWindow::Create(HWND parent, int id, TStrSortGrid& grid) {
  using Self = SortGridWindow;
  RegisterProgramClass(kGridClass, &PaintedWindowProc<Self, &Self::wnd_, &Self::Handle, &Self::OnPaint>, CS_DBLCLKS);
  grid_ = &grid;
  wnd_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, kGridClass, L"StrSortGrid1",
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | WS_CLIPCHILDREN, 0, 0, 10,
                           10, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           ::GetModuleHandleW(nullptr), this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  editor_ = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | ES_AUTOHSCROLL, 0, 0, 10, 10, wnd_, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
  if (!editor_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  ::SendMessageW(editor_, WM_SETFONT, reinterpret_cast<WPARAM>(GridFont()), FALSE);
  ::SetWindowSubclass(editor_, &SortGridWindow::EditorProc, kEditorSubclass, reinterpret_cast<DWORD_PTR>(this));
  grid.SetEditor(this);
  grid.Invalidate = [this] { Changed(); };
  UpdateScrollBars();
}

Size SortGridWindow::ClientSize() const noexcept {
  if (!wnd_) return {};
  const RECT c = ClientRect(wnd_);
  return Size{c.right, c.bottom};
}

void SortGridWindow::Changed() {
  if (!wnd_) return;
  ::InvalidateRect(wnd_, nullptr, FALSE);
  UpdateScrollBars();
}

void SortGridWindow::UpdateScrollBars() {
  const Size client = ClientSize();
  SCROLLINFO v{};
  v.cbSize = sizeof v;
  v.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
  v.nMin = grid_->FixedRows();
  v.nMax = grid_->RowCount() - 1;
  v.nPage = static_cast<UINT>(grid_->VisibleRowCount(client));
  v.nPos = grid_->TopRow();
  ::SetScrollInfo(wnd_, SB_VERT, &v, TRUE);
  SCROLLINFO h = v;
  h.nMin = grid_->FixedCols();
  h.nMax = grid_->ColCount() - 1;
  h.nPage = static_cast<UINT>(grid_->VisibleColCount(client));
  h.nPos = grid_->LeftCol();
  ::SetScrollInfo(wnd_, SB_HORZ, &h, TRUE);
}

void SortGridWindow::ShowEditor(const Rect& cell, const std::string& sjis) {
  ::SetWindowTextW(editor_, SjisToWide(sjis).c_str());
  ::SetWindowPos(editor_, HWND_TOP, cell.left + 1, cell.top + 1, std::max(cell.Width() - 2, 1),
                 std::max(cell.Height() - 2, 1), SWP_SHOWWINDOW);
  ::SendMessageW(editor_, EM_SETSEL, 0, -1);
  ::SendMessageW(editor_, EM_EMPTYUNDOBUFFER, 0, 0);
  ::SetFocus(editor_);
}

void SortGridWindow::HideEditor() {
  const bool hadFocus = ::GetFocus() == editor_;
  ::ShowWindow(editor_, SW_HIDE);
  if (hadFocus) ::SetFocus(wnd_);
}

std::string SortGridWindow::EditorText() const { return enc::Utf16ToSjis(ToU16(ReadWindowTextW(editor_))); }

LRESULT SortGridWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  const Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  switch (msg) {
    case WM_SIZE:
      UpdateScrollBars();
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      grid_->Focused = msg == WM_SETFOCUS;
      ::InvalidateRect(wnd_, nullptr, FALSE);
      return 0;
    case WM_GETDLGCODE:
      return GridDialogCode(reinterpret_cast<const MSG*>(lp));
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (::GetFocus() != editor_) ::SetFocus(wnd_);
      ::SetCapture(wnd_);
      grid_->MouseDown(p, ClientSize(), (wp & MK_SHIFT) != 0, msg == WM_LBUTTONDBLCLK);
      return 0;
    case WM_MOUSEMOVE:
      grid_->MouseMove(p, ClientSize());
      return 0;
    case WM_LBUTTONUP:
      if (::GetCapture() == wnd_) ::ReleaseCapture();
      grid_->MouseUp(p, ClientSize());
      return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lp) != wnd_) grid_->CaptureLost();
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lp) == HTCLIENT && reinterpret_cast<HWND>(wp) == wnd_) {
        POINT cursor{};
        ::GetCursorPos(&cursor);
        ::ScreenToClient(wnd_, &cursor);
        LPCWSTR shape = IDC_ARROW;
        switch (grid_->PointerAt({cursor.x, cursor.y}, ClientSize())) {
          case GridPointer::SizeColumn: shape = IDC_SIZEWE; break;
          case GridPointer::SizeRow: shape = IDC_SIZENS; break;
          case GridPointer::MoveRow: shape = IDC_SIZEALL; break;
          case GridPointer::Normal: break;
        }
        ::SetCursor(::LoadCursorW(nullptr, shape));
        return TRUE;
      }
      break;
    case WM_KEYDOWN:
      if (OnKey(wp)) return 0;
      break;
    case WM_CHAR:
      OnChar(static_cast<wchar_t>(wp));
      return 0;
    case WM_VSCROLL:
      OnScroll(SB_VERT, LOWORD(wp));
      return 0;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL: {
      wheelRest_ += GET_WHEEL_DELTA_WPARAM(wp);
      const int steps = wheelRest_ / WHEEL_DELTA;
      wheelRest_ -= steps * WHEEL_DELTA;
      if (steps) grid_->SetTopRow(std::min(grid_->TopRow() - 3 * steps, grid_->MaxTopRow(ClientSize())));
      return 0;
    }
    case WM_NCDESTROY:
      grid_->SetEditor(nullptr);
      grid_->Invalidate = nullptr;
      wnd_ = nullptr;
      return 0;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void SortGridWindow::OnPaint() {
  PaintOnCanvas(wnd_, [this](IPaintCanvas& canvas, Size client) { grid_->Paint(canvas, client); });
}

void SortGridWindow::OnScroll(int bar, int code) {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  ::GetScrollInfo(wnd_, bar, &si);
  const int page = std::max(static_cast<int>(si.nPage), 1);
  int pos = si.nPos;
  switch (code) {
    case SB_LINEUP: --pos; break;
    case SB_LINEDOWN: ++pos; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_TOP: pos = si.nMin; break;
    case SB_BOTTOM: pos = si.nMax; break;
    default: return;
  }
  const Size client = ClientSize();
  if (bar == SB_VERT) grid_->SetTopRow(std::min(pos, grid_->MaxTopRow(client)));
  else grid_->SetLeftCol(std::min(pos, grid_->MaxLeftCol(client)));
}

bool SortGridWindow::OnKey(WPARAM key) {
  const std::optional<GridKey> k = GridKeyOf(key);
  return k && grid_->KeyDown(*k, Down(VK_SHIFT), Down(VK_CONTROL), ClientSize());
}

// Typing on a cell starts editing it with the typed character.
void SortGridWindow::OnChar(wchar_t ch) {
  if (ch < L' ' || grid_->Editing() || Down(VK_CONTROL)) return;
  grid_->BeginEdit(ClientSize());
  if (!grid_->Editing()) return;
  const wchar_t text[2] = {ch, L'\0'};
  ::SetWindowTextW(editor_, text);
  ::SendMessageW(editor_, EM_SETSEL, 1, 1);
}

LRESULT CALLBACK SortGridWindow::EditorProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  auto* self = reinterpret_cast<SortGridWindow*>(ref);
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | ::DefSubclassProc(wnd, msg, wp, lp);
    case WM_KEYDOWN:
      if (wp == VK_RETURN || wp == VK_TAB) {
        self->grid_->EndEdit();
        if (wp == VK_TAB) self->grid_->KeyDown(GridKey::Tab, Down(VK_SHIFT), false, self->ClientSize());
        return 0;
      }
      if (wp == VK_ESCAPE) {
        self->grid_->CancelEdit();
        return 0;
      }
      break;
    case WM_CHAR:
      if (wp == L'\r' || wp == L'\t' || wp == 0x1B) return 0;  // no beep for the keys above
      break;
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(wnd, &SortGridWindow::EditorProc, kEditorSubclass);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(wnd, msg, wp, lp);
}

// ---- CountGridWindow ---------------------------------------------------------------

CountGridWindow::~CountGridWindow() {
  if (form_) form_->SetView(nullptr);
  DestroyObjectWindow(wnd_);
}

void CountGridWindow::Create(HWND owner, TForm2& form, std::function<void()> closed) {
  RegisterProgramClass(kFormClass, &ObjectWindowProc<CountGridWindow, &CountGridWindow::wnd_, &CountGridWindow::Handle>);
  form_ = &form;
  closed_ = std::move(closed);
  panelBrush_ = MakeSolidBrush(TForm2::kPanelColor);
  const Size size = TForm2::kDesignSize;
  wnd_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, kFormClass, Widen(form.Caption).c_str(),
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, size.width,
                           size.height, owner, nullptr, ::GetModuleHandleW(nullptr), this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  const std::span<const GridButtonDef> defs = TForm2::Buttons();
  for (std::size_t i = 0; i < defs.size(); ++i) {
    buttons_.push_back(CreateDialogButton(wnd_, kFirstButtonId + static_cast<int>(i), ToRECT(defs[i].bounds),
                                          defs[i].caption, defs[i].hint));
  }
  const Size arrow = TStrSortGrid::kArrowSize;
  RegisterMadePicture(TStrSortGrid::kUpPicture, arrow.width, arrow.height, TStrSortGrid::ArrowPixels(true));
  RegisterMadePicture(TStrSortGrid::kDownPicture, arrow.width, arrow.height, TStrSortGrid::ArrowPixels(false));
  form.StrSortGrid1.Font = PaintFont{"ＭＳ Ｐゴシック", 12};
  grid_.Create(wnd_, kGridId, form.StrSortGrid1);
  Layout();
  form.SetView(this);
}

HWND CountGridWindow::ButtonWindow(std::string_view name) const {
  const std::span<const GridButtonDef> defs = TForm2::Buttons();
  for (std::size_t i = 0; i < defs.size() && i < buttons_.size(); ++i)
    if (defs[i].name == name) return buttons_[i]->Handle();
  return nullptr;
}

void CountGridWindow::Show() {
  ::ShowWindow(wnd_, ::IsIconic(wnd_) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(wnd_);
}

void CountGridWindow::Layout() {
  const RECT c = ClientRect(wnd_);
  if (HWND g = grid_.Handle())
    ::MoveWindow(g, 0, TForm2::kPanelHeight, c.right, std::max<int>(c.bottom - TForm2::kPanelHeight, 0), TRUE);
}

LRESULT CountGridWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      Layout();
      return 0;
    case WM_ERASEBKGND: {
      RECT panel = ClientRect(wnd_);
      panel.bottom = TForm2::kPanelHeight;
      ::FillRect(reinterpret_cast<HDC>(wp), &panel, panelBrush_.get());
      return 1;
    }
    case WM_COMMAND: {
      // Esc (IDCANCEL from the dialog keys) does not close the table.
      const std::size_t index = static_cast<std::size_t>(LOWORD(wp) - kFirstButtonId);
      if (HIWORD(wp) == BN_CLICKED && index < TForm2::Buttons().size())
        form_->ButtonClicked(TForm2::Buttons()[index].name);
      return 0;
    }
    case WM_SETFOCUS:
      ::SetFocus(form_->StrSortGrid1.Editing() ? grid_.Editor() : grid_.Handle());
      return 0;
    case WM_CLOSE:
      if (form_->FormCloseQuery()) ::DestroyWindow(wnd_);
      return 0;
    case WM_NCDESTROY: {
      wnd_ = nullptr;
      form_->SetView(nullptr);
      std::function<void()> closed = std::move(closed_);
      if (closed) closed();  // frees the model and this window
      return 0;
    }
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void CountGridWindow::CaptionChanged() {
  if (wnd_) ::SetWindowTextW(wnd_, Widen(form_->Caption).c_str());
}

void CountGridWindow::EditorAction(EditBoxAction action) {
  if (form_->StrSortGrid1.Editing()) SendEditAction(grid_.Editor(), action);
}

}  // namespace hanaroku::win32
