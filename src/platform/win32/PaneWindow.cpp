// The pane window: message handlers, caret, scroll bars, input method and
// file drop. Painting is in PaneWindowPaint.cpp.
#include "platform/win32/PaneWindow.h"

#include <imm.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

#include "controls/PaneEditAccess.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMs = 60;
constexpr int kWheelUnit = 40;  // a third of a notch scrolls one line

HINSTANCE registeredInstance = nullptr;

bool KeyHeld(int vk) noexcept { return ::GetKeyState(vk) < 0; }

int Clamp(int v, int lo, int hi) noexcept { return v < lo ? lo : (v > hi ? hi : v); }

// DragFinish at the end of the WM_DROPFILES handler, whatever happens.
struct DropGuard {
  HDROP drop;
  ~DropGuard() { ::DragFinish(drop); }
};

}  // namespace

// ---- class and lifetime ----------------------------------------------------------

void PaneWindow::RegisterWindowClass(HINSTANCE instance) {
  if (registeredInstance) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = &PaneWindow::WndProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_IBEAM);
  wc.lpszClassName = kClassName;
  if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw std::runtime_error("RegisterClassEx (pane): " + SystemErrorText(::GetLastError()));
  registeredInstance = instance;
}

PaneWindow::PaneWindow() = default;

PaneWindow::~PaneWindow() {
  if (hwnd_) ::DestroyWindow(hwnd_);  // WM_NCDESTROY detaches from the model
}

HWND PaneWindow::Create(HWND parent, TRichEditSx& model, int id) {
  if (hwnd_) return hwnd_;
  if (!registeredInstance) RegisterWindowClass(::GetModuleHandleW(nullptr));
  model_ = &model;
  access_ = std::make_unique<PaneEditAccess>(model);
  measurer_.SetFont(model.Font(), model.Vertical());
  // ES_MULTILINE tells tools that read the style what the pane answers as.
  HWND wnd = ::CreateWindowExW(WS_EX_CLIENTEDGE, kClassName, L"",
                               WS_CHILD | WS_VISIBLE | WS_VSCROLL | WS_HSCROLL | WS_TABSTOP | WS_CLIPSIBLINGS |
                                   ES_MULTILINE | (model.ReadOnly() ? ES_READONLY : 0),
                               0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               registeredInstance, this);
  if (!wnd) {
    model_ = nullptr;
    access_.reset();
    throw std::runtime_error("CreateWindowEx (pane): " + SystemErrorText(::GetLastError()));
  }
  model.SetMeasurer(&measurer_);
  model.SetView(this);
  RECT rc = ClientRect(hwnd_);
  model.SetClientSize(rc.right, rc.bottom);
  UpdateScrollBars();
  return hwnd_;
}

LRESULT CALLBACK PaneWindow::WndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  PaneWindow* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<PaneWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    self->hwnd_ = wnd;
    ::SetWindowLongPtrW(wnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<PaneWindow*>(::GetWindowLongPtrW(wnd, GWLP_USERDATA));
  }
  if (!self || !self->hwnd_) return ::DefWindowProcW(wnd, msg, wParam, lParam);
  try {
    return self->HandleMessage(msg, wParam, lParam);
  } catch (...) {
    // Nothing crosses into Win32: the failure ends the command and is shown.
    self->buttonDown_ = self->dragging_ = false;
    ReportCurrentException(::GetAncestor(wnd, GA_ROOT));
    return 0;
  }
}

LRESULT PaneWindow::Default(UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  return ::DefWindowProcW(hwnd_, msg, wParam, lParam);
}

LRESULT PaneWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsEditMessage(msg)) return OnEditMessage(msg, wParam, lParam);
  switch (msg) {
    case WM_CREATE:
      ::DragAcceptFiles(hwnd_, TRUE);
      return 0;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_ERASEBKGND:
      return 1;  // painting covers everything
    case WM_SIZE:
      OnSize(LOWORD(lParam), HIWORD(lParam));
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_KILLFOCUS:
      OnKillFocus();
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS | DLGC_WANTTAB;
    case WM_KEYDOWN:
      OnKeyDown(wParam);
      return 0;
    case WM_KEYUP:
      OnKeyUp(wParam);
      return 0;
    case WM_CHAR:
      OnChar(wParam);
      return 0;
    case WM_UNICHAR:
      return wParam == UNICODE_NOCHAR ? TRUE : Default(msg, wParam, lParam);
    case WM_LBUTTONDOWN:
      OnLButtonDown(lParam, wParam);
      return 0;
    case WM_LBUTTONDBLCLK:
      OnLButtonDblClk(lParam);
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(lParam, wParam);
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(lParam);
      return 0;
    case WM_CAPTURECHANGED:
      OnCaptureChanged();
      return 0;
    case WM_MOUSEWHEEL:
      OnMouseWheel(wParam);
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(lParam)) return TRUE;
      break;
    case WM_VSCROLL:
      OnScroll(SB_VERT, LOWORD(wParam));
      return 0;
    case WM_HSCROLL:
      OnScroll(SB_HORZ, LOWORD(wParam));
      return 0;
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_IME_SETCONTEXT:
      // The pane draws the composition itself.
      return Default(msg, wParam, lParam & ~static_cast<LPARAM>(ISC_SHOWUICOMPOSITIONWINDOW));
    case WM_IME_STARTCOMPOSITION:
      return OnImeStartComposition(wParam, lParam);
    case WM_IME_COMPOSITION:
      return OnImeComposition(wParam, lParam);
    case WM_IME_ENDCOMPOSITION:
      OnImeEndComposition();
      return 0;
    case WM_IME_CHAR:
      return 0;  // the result string came with WM_IME_COMPOSITION
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wParam));
      return 0;
    case WM_SYSCOLORCHANGE:
      Invalidate();
      return 0;
    case WM_NCDESTROY: {
      LRESULT r = Default(msg, wParam, lParam);
      OnNcDestroy();
      return r;
    }
    default:
      break;
  }
  return Default(msg, wParam, lParam);
}

void PaneWindow::OnNcDestroy() {
  ::KillTimer(hwnd_, kAutoScrollTimer);
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
  hwnd_ = nullptr;
  caretMade_ = focused_ = composing_ = false;
  composition_.End();
  buttonDown_ = dragging_ = autoScroll_ = false;
  back_.Release();
  access_.reset();
  if (TRichEditSx* m = model_) {
    model_ = nullptr;
    m->SetView(nullptr);
    m->SetMeasurer(nullptr);  // the measurer goes with this object
  }
}

// ---- IPaneView --------------------------------------------------------------------

void PaneWindow::Invalidate() {
  if (hwnd_) ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void PaneWindow::CaretMoved() {
  TrackSelection();
  UpdateScrollBars();
  UpdateCaret();
}

void PaneWindow::LayoutChanged() {
  SyncMeasurer();
  UpdateScrollBars();
  UpdateCaret();
}

void PaneWindow::SyncMeasurer() {
  if (!model_ || syncing_) return;
  if (!measurer_.SetFont(model_->Font(), model_->Vertical())) return;
  // New font or direction: the model lays its text out again with it.
  syncing_ = true;
  try {
    model_->SetMeasurer(&measurer_);
  } catch (...) {
    syncing_ = false;
    throw;
  }
  syncing_ = false;
  Invalidate();
}

// ---- caret ----------------------------------------------------------------------

void PaneWindow::TrackSelection() const noexcept {
  if (!model_) return;
  const int s0 = model_->SelStart(), len = model_->SelLength();
  const std::size_t s = static_cast<std::size_t>(std::max(0, len < 0 ? s0 + len : s0));
  const std::size_t e = s + static_cast<std::size_t>(len < 0 ? -len : len);
  if (s == e) {
    caretAtStart_ = false;
  } else if (s == lastSelStart_ && e != lastSelEnd_) {
    caretAtStart_ = false;  // the end moved
  } else if (e == lastSelEnd_ && s != lastSelStart_) {
    caretAtStart_ = true;  // the start moved
  } else if (s == lastSelEnd_ && e != lastSelEnd_) {
    caretAtStart_ = false;  // moved forward across the anchor
  } else if (e == lastSelStart_ && s != lastSelStart_) {
    caretAtStart_ = true;  // moved back across the anchor
  } else if (s != lastSelStart_ || e != lastSelEnd_) {
    caretAtStart_ = false;  // selected by program
  }
  lastSelStart_ = s;
  lastSelEnd_ = e;
}

std::size_t PaneWindow::CaretPos() const noexcept {
  TrackSelection();
  return caretAtStart_ ? lastSelStart_ : lastSelEnd_;
}

int PaneWindow::TextBoxOffset() const noexcept {
  if (!model_) return 0;
  const int pitch = model_->Layout().LinePitch();
  const int h = static_cast<int>(measurer_.Metrics().tmHeight);
  return pitch > h ? (pitch - h) / 2 : 0;
}

RECT PaneWindow::CaretBox() const {
  RECT box{};
  if (!model_) return box;
  const PaneLayout& lay = model_->Layout();
  const std::string& text = model_->Text();
  const std::size_t pos = std::min(CaretPos(), text.size());
  const int line = lay.LineFromPos(pos);
  const Point p = lay.FlowToClient(line, lay.InlineFromPos(text, pos));
  const int h = std::max<int>(1, measurer_.Metrics().tmHeight);
  const int off = TextBoxOffset();
  const int thick = PaneLayout::kCaretWidth;
  if (lay.Vertical())
    box = RECT{p.x + off, p.y, p.x + off + h, p.y + thick};
  else
    box = RECT{p.x, p.y + off, p.x + thick, p.y + off + h};
  return box;
}

void PaneWindow::UpdateCaret() {
  if (!hwnd_ || !model_ || !focused_) return;
  RECT box = CaretBox();
  if (composition_.Active() && !composition_.Text().empty()) {
    // The caret stands at the input method's cursor inside the composition.
    const Rect r = composition_.CursorRect(model_->Layout(), model_->Text(), CaretPos(), CompositionCells());
    box = RECT{r.left, r.top, r.right, r.bottom};
  }
  const SIZE size{box.right - box.left, box.bottom - box.top};
  if (!caretMade_ || size.cx != caretSize_.cx || size.cy != caretSize_.cy) {
    if (caretMade_) ::DestroyCaret();
    caretMade_ = ::CreateCaret(hwnd_, nullptr, size.cx, size.cy) != 0;
    caretSize_ = size;
    ::SetCaretPos(box.left, box.top);
    if (caretMade_) ::ShowCaret(hwnd_);
  } else {
    ::SetCaretPos(box.left, box.top);
  }
  if (composing_) PositionIme();
}

void PaneWindow::OnSetFocus() {
  focused_ = true;
  caretMade_ = false;
  SetHiraganaMode(hwnd_);
  UpdateCaret();
  if (onFocus_) onFocus_(true);
}

void PaneWindow::OnKillFocus() {
  focused_ = false;
  if (caretMade_) ::DestroyCaret();
  caretMade_ = false;
  if (onFocus_) onFocus_(false);
}

// ---- size and scrolling ---------------------------------------------------------------

void PaneWindow::OnSize(int width, int height) {
  if (!model_) return;
  model_->SetClientSize(width, height);
  UpdateScrollBars();
  UpdateCaret();
  Invalidate();
}

void PaneWindow::UpdateScrollBars() {
  if (!hwnd_ || !model_) return;
  const PaneLayout& lay = model_->Layout();
  const bool vert = lay.Vertical();
  if (vert != barsVertical_) {
    lineBar_ = inlineBar_ = BarState{};
    barsVertical_ = vert;
  }
  auto set = [this](int bar, BarState& state, int max, int page, int pos) {
    if (state.max == max && state.page == page && state.pos == pos) return;
    state = BarState{max, page, pos};
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_ALL | SIF_DISABLENOSCROLL;
    si.nMin = 0;
    si.nMax = max;
    si.nPage = static_cast<UINT>(page);
    si.nPos = pos;
    ::SetScrollInfo(hwnd_, bar, &si, TRUE);
  };
  // Lines (columns in vertical writing, where column 0 is at the right end).
  const int lines = std::max(1, lay.AllLines());
  const int page = std::max(1, lay.VisibleLines());
  const int top = std::max(0, lay.TopLine());
  const int lineMax = std::max(lines - 1, top + page - 1);
  const int lineRange = lineMax - page + 1;
  set(vert ? SB_HORZ : SB_VERT, lineBar_, lineMax, page, vert ? lineRange - top : top);
  // The inline offset.
  const int extent = std::max(1, lay.InlineExtent());
  const int scroll = std::max(0, lay.InlineScroll());
  const int inlineRange = std::max(lay.MaxInlineScroll(), scroll);
  set(vert ? SB_VERT : SB_HORZ, inlineBar_, inlineRange + extent - 1, extent, scroll);
}

void PaneWindow::OnScroll(int bar, int code) {
  if (!model_ || code == SB_ENDSCROLL) return;
  const bool vert = model_->Vertical();
  const bool lineBar = (bar == SB_VERT) != vert;
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  if (!::GetScrollInfo(hwnd_, bar, &si)) return;
  const int range = std::max(0, si.nMax - static_cast<int>(si.nPage) + 1);
  const int step = lineBar ? 1 : std::max<int>(1, measurer_.Metrics().tmHeight);
  const int pageStep = std::max(1, lineBar ? static_cast<int>(si.nPage) - 1 : static_cast<int>(si.nPage) * 9 / 10);
  int pos = si.nPos;
  switch (code) {
    case SB_LINEUP: pos -= step; break;
    case SB_LINEDOWN: pos += step; break;
    case SB_PAGEUP: pos -= pageStep; break;
    case SB_PAGEDOWN: pos += pageStep; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: pos = si.nTrackPos; break;
    case SB_TOP: pos = 0; break;
    case SB_BOTTOM: pos = range; break;
    default: return;
  }
  pos = Clamp(pos, 0, range);
  if (lineBar)
    model_->SetSelTopIndex(vert ? range - pos : pos);
  else
    ScrollInlineTo(pos);
  UpdateScrollBars();
}

void PaneWindow::ScrollInlineTo(int px) {
  PaneLayout& lay = model_->Layout();
  px = Clamp(px, 0, std::max(0, lay.MaxInlineScroll()));
  if (px == lay.InlineScroll()) return;
  lay.SetInlineScroll(px);
  Invalidate();
  UpdateScrollBars();
  UpdateCaret();
}

// ---- keyboard ---------------------------------------------------------------------

void PaneWindow::OnKeyDown(WPARAM vk) {
  if (model_) model_->KeyDown(static_cast<int>(vk), KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL));
}

void PaneWindow::OnKeyUp(WPARAM vk) {
  if (model_) model_->KeyUp(static_cast<int>(vk), KeyHeld(VK_SHIFT), KeyHeld(VK_CONTROL));
}

void PaneWindow::OnChar(WPARAM ch) {
  if (!model_) return;
  const auto c = static_cast<char16_t>(ch);
  // Backspace, Enter, Tab and Ctrl+letters act through WM_KEYDOWN.
  if (c < 0x20 || c == 0x7F) return;
  model_->CharInput(std::u16string_view(&c, 1));  // the model pairs surrogates
}

// ---- mouse ------------------------------------------------------------------------

void PaneWindow::OnLButtonDown(LPARAM lParam, WPARAM keys) {
  if (!model_) return;
  if (::GetFocus() != hwnd_) ::SetFocus(hwnd_);
  lastMouse_ = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  buttonDown_ = dragging_ = true;
  ::SetCapture(hwnd_);
  model_->MouseDown(lastMouse_.x, lastMouse_.y, (keys & MK_SHIFT) != 0);
}

void PaneWindow::OnLButtonDblClk(LPARAM lParam) {
  if (!model_) return;
  lastMouse_ = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  buttonDown_ = true;
  dragging_ = false;
  ::SetCapture(hwnd_);
  model_->MouseDoubleClick(lastMouse_.x, lastMouse_.y);
}

void PaneWindow::OnMouseMove(LPARAM lParam, WPARAM keys) {
  lastMouse_ = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  if (!model_ || !dragging_ || !(keys & MK_LBUTTON)) return;
  model_->MouseMove(lastMouse_.x, lastMouse_.y);
  const RECT rc = ClientRect(hwnd_);
  const bool outside = lastMouse_.x < 0 || lastMouse_.y < 0 || lastMouse_.x >= rc.right || lastMouse_.y >= rc.bottom;
  if (outside && !autoScroll_) {
    autoScroll_ = ::SetTimer(hwnd_, kAutoScrollTimer, kAutoScrollMs, nullptr) != 0;
  } else if (!outside && autoScroll_) {
    ::KillTimer(hwnd_, kAutoScrollTimer);
    autoScroll_ = false;
  }
}

void PaneWindow::OnTimer(WPARAM id) {
  if (id != kAutoScrollTimer) return;
  if (!model_ || !dragging_) {
    ::KillTimer(hwnd_, kAutoScrollTimer);
    autoScroll_ = false;
    return;
  }
  // Dragging beyond the edge: scroll one line (or a cell) towards the mouse
  // and extend the selection to the edge.
  const RECT rc = ClientRect(hwnd_);
  const POINT m = lastMouse_;
  const bool vert = model_->Vertical();
  const int lineDir = vert ? (m.x >= rc.right ? -1 : (m.x < 0 ? 1 : 0)) : (m.y < 0 ? -1 : (m.y >= rc.bottom ? 1 : 0));
  const int inlineDir = vert ? (m.y < 0 ? -1 : (m.y >= rc.bottom ? 1 : 0)) : (m.x < 0 ? -1 : (m.x >= rc.right ? 1 : 0));
  if (lineDir) model_->SetSelTopIndex(model_->SelTopIndex() + lineDir);
  if (inlineDir)
    ScrollInlineTo(model_->Layout().InlineScroll() + inlineDir * std::max<int>(1, measurer_.Metrics().tmHeight));
  model_->MouseMove(Clamp(m.x, 0, std::max(0, static_cast<int>(rc.right) - 1)),
                    Clamp(m.y, 0, std::max(0, static_cast<int>(rc.bottom) - 1)));
}

void PaneWindow::OnLButtonUp(LPARAM lParam) {
  lastMouse_ = POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const bool wasDown = buttonDown_;
  buttonDown_ = dragging_ = false;
  if (autoScroll_) ::KillTimer(hwnd_, kAutoScrollTimer);
  autoScroll_ = false;
  if (::GetCapture() == hwnd_) ::ReleaseCapture();
  if (wasDown && model_) model_->MouseUp(lastMouse_.x, lastMouse_.y);
}

void PaneWindow::OnCaptureChanged() {
  if (!buttonDown_) return;
  // The capture was taken away mid-drag: the drag ends where the mouse was.
  buttonDown_ = dragging_ = false;
  if (autoScroll_) ::KillTimer(hwnd_, kAutoScrollTimer);
  autoScroll_ = false;
  if (model_) model_->MouseUp(lastMouse_.x, lastMouse_.y);
}

void PaneWindow::OnMouseWheel(WPARAM wParam) {
  if (!model_) return;
  wheelRest_ += GET_WHEEL_DELTA_WPARAM(wParam);
  const int use = wheelRest_ / kWheelUnit * kWheelUnit;
  wheelRest_ -= use;
  if (use) model_->MouseWheel(use);
}

bool PaneWindow::OnSetCursor(LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT || !model_) return false;
  POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(hwnd_, &p);
  const bool inBar = model_->SelectionBar() && model_->Layout().InMargin(Point{p.x, p.y});
  ::SetCursor(::LoadCursorW(nullptr, inBar ? IDC_ARROW : IDC_IBEAM));
  return true;
}

// ---- input method --------------------------------------------------------------------

void PaneWindow::PositionIme() {
  if (!hwnd_ || !model_) return;
  HIMC imc = ::ImmGetContext(hwnd_);
  if (!imc) return;
  const RECT box = CaretBox();
  const bool vert = model_->Vertical();
  COMPOSITIONFORM form{};
  form.dwStyle = CFS_POINT;
  // The text origin of the font: top-left, or with the vertical font the
  // top-right of the glyph box (its glyph tops face right).
  form.ptCurrentPos = vert ? POINT{box.right, box.top} : POINT{box.left, box.top};
  ::ImmSetCompositionWindow(imc, &form);
  LOGFONTW lf = PaneLogFont(model_->Font(), vert);
  ::ImmSetCompositionFontW(imc, &lf);
  // The candidate window beside the composed column, or below the composed
  // line; never over the composed text.
  const std::vector<CompositionCell> cells = CompositionCells();
  if (!cells.empty()) {
    const PaneComposition::CandidatePlace place = composition_.CandidateWindow(model_->Layout(), cells);
    CANDIDATEFORM cand{};
    cand.dwIndex = 0;
    cand.dwStyle = CFS_EXCLUDE;
    cand.ptCurrentPos = POINT{place.at.x, place.at.y};
    cand.rcArea = RECT{place.exclude.left, place.exclude.top, place.exclude.right, place.exclude.bottom};
    ::ImmSetCandidateWindow(imc, &cand);
  }
  ::ImmReleaseContext(hwnd_, imc);
}

void PaneWindow::CompositionChanged() {
  Invalidate();
  UpdateCaret();
  PositionIme();
}

namespace {

// One part of the composition (GCS_COMPSTR, GCS_COMPATTR, GCS_COMPCLAUSE)
// as the input method holds it, in elements of T.
template <class T>
std::vector<T> CompositionPart(HIMC imc, DWORD part) {
  const LONG bytes = ::ImmGetCompositionStringW(imc, part, nullptr, 0);
  if (bytes <= 0) return {};
  std::vector<T> out((static_cast<std::size_t>(bytes) + sizeof(T) - 1) / sizeof(T));
  const LONG got = ::ImmGetCompositionStringW(imc, part, out.data(), static_cast<DWORD>(out.size() * sizeof(T)));
  out.resize(got > 0 ? static_cast<std::size_t>(got) / sizeof(T) : 0);
  return out;
}

}  // namespace

LRESULT PaneWindow::OnImeStartComposition(WPARAM, LPARAM) {
  if (model_) model_->ImeStartComposition();
  composing_ = true;
  composition_.Start();
  PositionIme();
  return 0;  // drawn by the pane, not by the input method's window
}

LRESULT PaneWindow::OnImeComposition(WPARAM, LPARAM lParam) {
  HIMC imc = ::ImmGetContext(hwnd_);
  if (!imc) return 0;
  std::u16string result;
  if (lParam & GCS_RESULTSTR) {
    const std::vector<wchar_t> r = CompositionPart<wchar_t>(imc, GCS_RESULTSTR);
    result.assign(r.begin(), r.end());
  }
  if (lParam & GCS_COMPSTR) {
    const std::vector<wchar_t> text = CompositionPart<wchar_t>(imc, GCS_COMPSTR);
    std::vector<std::uint8_t> states;
    if (lParam & GCS_COMPATTR) states = CompositionPart<std::uint8_t>(imc, GCS_COMPATTR);
    std::vector<std::uint32_t> clauses;
    if (lParam & GCS_COMPCLAUSE) clauses = CompositionPart<std::uint32_t>(imc, GCS_COMPCLAUSE);
    const int cursor = (lParam & GCS_CURSORPOS) ? ::ImmGetCompositionStringW(imc, GCS_CURSORPOS, nullptr, 0) : -1;
    composition_.Update(std::u16string(text.begin(), text.end()), std::move(states), std::move(clauses), cursor);
  } else if (!result.empty()) {
    composition_.Update({}, {}, {}, 0);  // the composed text went into the pane
  }
  ::ImmReleaseContext(hwnd_, imc);
  // The result goes in once: DefWindowProc must not send it as WM_IME_CHAR.
  if (!result.empty() && model_) model_->ImeResult(result);
  CompositionChanged();
  return 0;
}

void PaneWindow::OnImeEndComposition() {
  composing_ = false;
  composition_.End();
  Invalidate();
  UpdateCaret();
}

// ---- file drop -----------------------------------------------------------------------

void PaneWindow::OnDropFiles(HDROP drop) {
  DropGuard guard{drop};
  const UINT count = ::DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  std::vector<std::string> paths;
  paths.reserve(count);
  for (UINT i = 0; i < count; ++i) {
    const UINT len = ::DragQueryFileW(drop, i, nullptr, 0);
    if (len == 0) continue;
    std::wstring name(len + 1, L'\0');
    const UINT got = ::DragQueryFileW(drop, i, name.data(), len + 1);
    name.resize(got);
    if (!name.empty()) paths.push_back(Narrow(name));
  }
  if (!paths.empty() && onDrop_) onDrop_(std::move(paths));
}

}  // namespace hanaroku::win32
