#include "platform/win32/MainWindow.h"
#include "platform/win32/WindowProc.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/Clock.h"
#include "platform/FileSystem.h"
#include "platform/win32/Gdi.h"
#include "platform/win32/HintWindow.h"
#include "platform/win32/PaneSlot.h"
#include "platform/win32/ProgramPictures.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kMainClass[] = L"HanarokuTMainForm1";
constexpr int kIdRightPane = 10, kIdLeftPane = 11, kIdStatusBar = 12, kIdBarFirst = 20, kIdClock = 30;
enum BarIndex : int { kNNBar1 = 0, kNNBar3, kNNBar4, kNNBer5, kNNBar2 };

bool IsIconicOrHidden(HWND wnd) noexcept { return !wnd || ::IsIconic(wnd); }

}  // namespace

FrameLayout ComputeLayout(const TMainForm1& form, int clientWidth, int clientHeight, int statusHeight) noexcept {
  FrameLayout l;
  const ToolBarState& t = form.ToolBars;
  const bool visible[5] = {t.NNBar1, t.NNBar3, t.NNBar4, t.NNBer5, t.NNBar2};
  int y = 0;
  for (int i = 0; i < 5; ++i) {
    l.bars[i].visible = visible[i];
    l.bars[i].top = y;
    l.bars[i].height = BarDef(kAllToolBars[i]).height;
    if (visible[i]) y += l.bars[i].height;
  }
  int bottom = clientHeight - statusHeight;
  if (bottom < y) bottom = y;
  l.status = RECT{0, bottom, clientWidth, clientHeight};
  int x = 0;
  l.leftVisible = form.LeftPaneVisible;
  // A hidden left pane keeps the size it has when shown, so that it breaks
  // its lines at the same width either way.
  const int leftWidth = form.LeftPaneWidth < 0 ? 0 : form.LeftPaneWidth;
  l.left = RECT{0, y, leftWidth, bottom};
  if (l.leftVisible) x = leftWidth;
  l.splitterVisible = form.LeftPaneVisible && form.SplitterVisible;
  if (l.splitterVisible) {
    l.splitter = RECT{x, y, x + kSplitterWidth, bottom};
    x += kSplitterWidth;
  }
  l.right = RECT{x, y, clientWidth > x ? clientWidth : x, bottom};
  return l;
}

int SplitterDragWidth(int x, int grabOffset, int clientWidth) noexcept {
  int w = x - grabOffset;
  int most = clientWidth - kSplitterWidth - TMainForm1::SplitterMinSize;
  if (w > most) w = most;
  if (w < TMainForm1::SplitterMinSize) w = TMainForm1::SplitterMinSize;
  return w;
}

MainWindow::MainWindow() = default;

MainWindow::~MainWindow() {
  SetApplicationHintHandler(nullptr);
  secondary_.reset();
  if (form_) form_->BarControls.SetView(nullptr);
  splash_.Close();
  if (wnd_) {
    ::SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(wnd_);
  }
  if (popup_) ::DestroyMenu(popup_);
}

void MainWindow::Create(const std::string& programFile) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = &ObjectWindowProc<MainWindow, &MainWindow::wnd_, &MainWindow::Handle>;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hIcon = ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  wc.hbrBackground = nullptr;
  wc.lpszClassName = kMainClass;
  ::RegisterClassExW(&wc);
  LoadProgramPictures();

  form_ = std::make_unique<TMainForm1>(dialogs_, shell_, SystemFileSystem(), SystemClock(),
                                       [] { return std::unique_ptr<ITimer>(std::make_unique<TimerWin32>()); },
                                       *this);
  form_->ProgramFile = programFile;
  menuBar_ = BuildMenuBar(MainMenu1Items());
  popup_ = BuildPopupMenu(PopupMenu1Items());
  shortcuts_ = CollectShortcuts(MainMenu1Items());

  const WindowBounds& b = form_->Bounds;
  wnd_ = ::CreateWindowExW(WS_EX_APPWINDOW, kMainClass, L"Hanaroku", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, b.left,
                           b.top, b.width, b.height, nullptr, menuBar_, wc.hInstance, this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  dialogs_.SetOwner(wnd_);
  printer_.SetOwner(wnd_);
  secondary_ = std::make_unique<SecondaryWindowsHost>(wnd_, form_->Windows());
  form_->Windows().SetHost(secondary_.get());
  findDialogs_.SetOwner(wnd_);

  form_->FormCreate();
  ApplyBounds();
  SetCaption(form_->Caption);
  RefreshStatusBar();
  RefreshToolBars();
  LayoutChanged();
}

void MainWindow::Show(int showCommand) {
  UpdateBoundsFromWindow();
  form_->FormShow();
  LayoutChanged();
  ::ShowWindow(wnd_, maximizeOnShow_ ? SW_SHOWMAXIMIZED : showCommand);
  shown_ = true;
  maximizeOnShow_ = false;
  ::UpdateWindow(wnd_);
  FocusPane(PaneId::Right);
}

bool MainWindow::PreTranslate(MSG& msg) {
  if (findDialogs_.PreTranslate(msg)) return true;
  if (secondary_ && secondary_->PreTranslate(msg)) return true;
  if (msg.message != WM_KEYDOWN || !wnd_) return false;
  if (msg.hwnd != wnd_ && !::IsChild(wnd_, msg.hwnd)) return false;
  bool ctrl = ::GetKeyState(VK_CONTROL) < 0, alt = ::GetKeyState(VK_MENU) < 0, shift = ::GetKeyState(VK_SHIFT) < 0;
  std::optional<Command> c = FindShortcut(shortcuts_, static_cast<UINT>(msg.wParam), ctrl, alt, shift);
  // A shortcut of a disabled item does nothing here: the key goes on to the pane.
  if (!c || !form_->Enabled(*c)) return false;
  try {
    ExecuteCommand(*c);
  } catch (...) {
    ReportCurrentException(wnd_);
  }
  return true;
}

// ---- IMainWindowHost ---------------------------------------------------------

void MainWindow::SetCaption(const std::string& utf8) {
  if (wnd_) ::SetWindowTextW(wnd_, Widen(utf8).c_str());
}

void MainWindow::ShowSplash(const SplashView& view) {
  splash_.OnClick = [this] { form_->SplashClick(); };
  splash_.Show(wnd_, view);
}

void MainWindow::CloseSplash() { splash_.Close(); }

void MainWindow::Maximize() {
  if (!shown_)
    maximizeOnShow_ = true;
  else
    ::ShowWindow(wnd_, SW_MAXIMIZE);
}

void MainWindow::CloseWindow() {
  // Posted: the command that asks has to finish before the window goes.
  if (wnd_) ::PostMessageW(wnd_, WM_CLOSE, 0, 0);
}

void MainWindow::Repaint() {
  RefreshToolBars();
  if (wnd_) ::RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void MainWindow::FocusPane(PaneId pane) {
  PaneSlot* slot = pane == PaneId::Right ? rightPane_.get() : leftPane_.get();
  if (slot && ::IsWindowVisible(slot->Handle())) ::SetFocus(slot->Handle());
}

FocusOwner MainWindow::FocusedControl() const {
  const HWND focus = ::GetFocus();
  if (!focus) return FocusOwner::Other;
  if (rightPane_ && focus == rightPane_->Handle()) return FocusOwner::RightPane;
  if (leftPane_ && focus == leftPane_->Handle()) return FocusOwner::LeftPane;
  for (const ToolBarWindow& bar : bars_)
    if (std::optional<int> index = bar.IndexOf(focus)) return FocusOwnerOf(ControlRef{bar.Bar(), *index});
  return FocusOwner::Other;
}

IHookableControl* MainWindow::FindControl(const std::string& name) {
  if (name == "RichEditNx1" && rightPane_) return &rightPane_->Hookable();
  if (name == "RichEditNx2" && leftPane_) return &leftPane_->Hookable();
  if (name == "MainForm1") return formHook_.get();
  return nullptr;
}

bool MainWindow::ApplicationActive() const {
  DWORD process = 0;
  if (HWND front = ::GetForegroundWindow()) ::GetWindowThreadProcessId(front, &process);
  return process == ::GetCurrentProcessId();
}

void MainWindow::LayoutChanged() {
  if (!wnd_ || !form_ || !rightPane_) return;
  RECT client = ClientRect(wnd_);
  statusBar_.Resize();
  layout_ = ComputeLayout(*form_, client.right, client.bottom, statusBar_.Height());

  HDWP dwp = ::BeginDeferWindowPos(8);
  auto place = [&](HWND w, const RECT& r, bool visible) {
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (dwp) dwp = ::DeferWindowPos(dwp, w, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
  };
  for (int i = 0; i < 5; ++i) {
    const FrameLayout::Bar& bar = layout_.bars[i];
    place(bars_[i].Handle(), RECT{0, bar.top, client.right, bar.top + bar.height}, bar.visible);
  }
  place(leftPane_->Handle(), layout_.left, layout_.leftVisible);
  place(rightPane_->Handle(), layout_.right, true);
  if (dwp) ::EndDeferWindowPos(dwp);
  // If the left pane had the focus and went away, the right pane takes it.
  HWND focus = ::GetFocus();
  if (!layout_.leftVisible && focus == leftPane_->Handle()) FocusPane(PaneId::Right);
  ::InvalidateRect(wnd_, nullptr, TRUE);
}

void MainWindow::StatusPanelChanged(int index) {
  if (!form_ || index < 0 || index >= StatusBar::PanelCount) return;
  statusBar_.SetText(index, form_->StatusBar1.Panels[static_cast<std::size_t>(index)].text);
}

void MainWindow::MenuChecksChanged() {
  // The check marks are brought in line whenever a menu opens.
  if (popup_) UpdateMenuItems(popup_, CurrentMenuState());
}

void MainWindow::SetHourglass(bool on) {
  hourglass_ += on ? 1 : -1;
  if (hourglass_ < 0) hourglass_ = 0;
  ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(hourglass_ ? IDC_WAIT : IDC_ARROW)));
}

const ITextMeasurer& MainWindow::StatusBarMeasurer() { return statusBar_.Measurer(); }

// ---- window procedure ----------------------------------------------------------

LRESULT MainWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_SIZE:
      OnSize();
      return 0;
    case WM_MOVE:
      OnMove();
      return 0;
    case WM_GETMINMAXINFO:
      OnGetMinMaxInfo(*reinterpret_cast<MINMAXINFO*>(lp));
      return 0;
    case WM_SYSCOMMAND:
      return OnSysCommand(wp, lp);
    case WM_CLOSE:
      OnClose();
      return 0;
    case WM_QUERYENDSESSION:
      return !form_ || form_->ConfirmClose() ? TRUE : FALSE;
    case WM_ENDSESSION:
      if (wp && form_) form_->FinishClose();
      return 0;
    case WM_DESTROY:
      OnDestroy();
      return 0;
    case WM_COMMAND:
      OnCommand(wp, lp);
      return 0;
    case WM_INITMENUPOPUP:
      OnInitMenuPopup(reinterpret_cast<HMENU>(wp));
      return 0;
    case WM_MEASUREITEM:
      if (wp == 0) {
        MeasureColorItem(wnd_, *reinterpret_cast<MEASUREITEMSTRUCT*>(lp));
        return TRUE;
      }
      break;
    case WM_DRAWITEM:
      if (wp == 0) {
        DrawColorItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp), form_ && form_->WordWrap);
        return TRUE;
      }
      break;
    case WM_CONTEXTMENU:
      OnContextMenu(reinterpret_cast<HWND>(wp), GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_SETCURSOR:
      if (OnSetCursor(reinterpret_cast<HWND>(wp), LOWORD(lp))) return TRUE;
      break;
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
      OnLButtonDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_CAPTURECHANGED:
      dragging_ = false;
      return 0;
    case WM_SETFOCUS:
      OnSetFocus();
      return 0;
    case WM_ACTIVATE:
      OnActivate(wp);
      break;
    default:
      if (msg == findDialogs_.Message() && msg != 0) {
        findDialogs_.Dispatch(lp);
        RefreshToolBars();
        return 0;
      }
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void MainWindow::OnCreate() { CreateChildren(); }

void MainWindow::CreateChildren() {
  statusBar_.Create(wnd_, kIdStatusBar, form_->StatusBar1.FontName);
  ToolBarWindow::Callbacks cb;
  cb.click = [this](ControlRef c) {
    form_->ControlClicked(c);
    RefreshToolBars();
  };
  cb.textEdited = [this](ControlRef c, std::string_view text) { form_->ControlTextEdited(c, text); };
  cb.hover = [this](ControlRef c, bool inside) { ControlHover(c, inside); };
  for (int i = 0; i < kToolBarCount; ++i) bars_[i].Create(wnd_, kIdBarFirst + i, kAllToolBars[i], form_->BarControls, cb);
  // The hint of any control that reports to the hint window (the secondary
  // windows' buttons too) shows in status panel 4.
  SetApplicationHintHandler([this](const std::string& hint) { HandleHint(hint); });
  form_->BarControls.SetView(this);
  CreateClock();
  CreateBanner();
  formHook_ = std::make_unique<HookableWindow>("MainForm1", [this] { return wnd_; });
  leftPane_ = std::make_unique<PaneSlot>(wnd_, kIdLeftPane, form_->RichEditNx2, "RichEditNx2", formHook_.get());
  rightPane_ = std::make_unique<PaneSlot>(wnd_, kIdRightPane, form_->RichEditNx1, "RichEditNx1", formHook_.get());
}

void MainWindow::CreateClock() {
  ClockWindow::Callbacks callbacks;
  callbacks.click = [this] { ExecuteCommand(Command::ClockLabel2Click); };
  // Its hint comes from its cell of the bar, like every control's.
  clock_.Create(bars_[kNNBar1].Handle(), kIdClock, form_->ClockLabel2, std::move(callbacks));
  bars_[kNNBar1].SetCellWindow(BarControl("ClockLabel2").index, clock_.Handle());
}

void MainWindow::CreateBanner() {
  // The bar places it in its cell and shows its hint, like every control's.
  banner_.Create(bars_[kNNBar3].Handle(), form_->MsgSCR1, RECT{});
  bars_[kNNBar3].SetCellWindow(BarControl("MsgSCR1").index, banner_.Handle());
}

void MainWindow::OnSize() {
  if (!form_ || !rightPane_) return;
  if (!IsIconicOrHidden(wnd_)) {
    UpdateBoundsFromWindow();
    form_->FormResize();
  }
  LayoutChanged();
}

void MainWindow::OnMove() {
  if (form_ && !IsIconicOrHidden(wnd_)) UpdateBoundsFromWindow();
}

void MainWindow::OnGetMinMaxInfo(MINMAXINFO& info) {
  ::DefWindowProcW(wnd_, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  SizeLimit min = TMainForm1::MinTrackSize();
  info.ptMinTrackSize.x = min.width;
  info.ptMinTrackSize.y = min.height;
}

LRESULT MainWindow::OnSysCommand(WPARAM wp, LPARAM lp) {
  LRESULT r = ::DefWindowProcW(wnd_, WM_SYSCOMMAND, wp, lp);
  if (form_) form_->WMSysCommand(static_cast<unsigned>(wp));
  return r;
}

void MainWindow::OnClose() {
  if (!form_ || form_->FormCloseQuery()) {
    splash_.Close();
    ::DestroyWindow(wnd_);
  }
}

void MainWindow::OnDestroy() {
  ::SetMenu(wnd_, nullptr);
  if (menuBar_) ::DestroyMenu(menuBar_);
  menuBar_ = nullptr;
  ::PostQuitMessage(0);
}

void MainWindow::OnCommand(WPARAM wp, LPARAM lp) {
  if (lp != 0) return;  // notifications of child controls
  std::optional<Command> c = CommandFromId(LOWORD(wp));
  if (c && form_->Enabled(*c)) ExecuteCommand(*c);
}

void MainWindow::ExecuteCommand(Command c) {
  form_->Execute(c);
  RefreshToolBars();
}

void MainWindow::OnInitMenuPopup(HMENU menu) { UpdateMenuItems(menu, CurrentMenuState()); }

MenuState MainWindow::CurrentMenuState() const {
  MenuState state;
  state.enabled = [this](Command c) { return form_->Enabled(c); };
  state.checked = [this](CheckMark m) { return form_->IsChecked(m); };
  return state;
}

void MainWindow::OnContextMenu(HWND target, int x, int y) {
  if (!rightPane_ || target != rightPane_->Handle()) return;
  if (x == -1 && y == -1) {
    // From the keyboard: at the pane's top left corner.
    RECT r{};
    ::GetWindowRect(target, &r);
    x = r.left + 8;
    y = r.top + 8;
  }
  UpdateMenuItems(popup_, CurrentMenuState());
  form_->NNButton9Click();
  ::TrackPopupMenu(popup_, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, x, y, 0, wnd_, nullptr);
}

bool MainWindow::OnSetCursor(HWND target, UINT hitTest) {
  if (hourglass_ > 0) {
    ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_WAIT)));
    return true;
  }
  if (target != wnd_ || hitTest != HTCLIENT || !layout_.splitterVisible) return false;
  POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(wnd_, &p);
  if (!::PtInRect(&layout_.splitter, p)) return false;
  ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_SIZEWE)));
  return true;
}

void MainWindow::OnPaint() {
  PaintDc paint(wnd_);
  RECT client = ClientRect(wnd_);
  ::FillRect(paint.Get(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
  if (layout_.splitterVisible) {
    RECT r = layout_.splitter;
    ::DrawEdge(paint.Get(), &r, EDGE_RAISED, BF_RECT);  // beveled
  }
}

void MainWindow::OnLButtonDown(int x, int y) {
  POINT p{x, y};
  if (!layout_.splitterVisible || !::PtInRect(&layout_.splitter, p)) return;
  dragging_ = true;
  grabOffset_ = x - layout_.splitter.left;
  ::SetCapture(wnd_);
}

void MainWindow::OnMouseMove(int x, int /*y*/) {
  if (!dragging_) return;
  RECT client = ClientRect(wnd_);
  int w = SplitterDragWidth(x, grabOffset_, client.right);
  if (w == form_->LeftPaneWidth) return;
  form_->LeftPaneWidth = w;
  LayoutChanged();
  ::UpdateWindow(wnd_);
}

void MainWindow::OnLButtonUp(int x, int y) {
  if (!dragging_) return;
  OnMouseMove(x, y);
  dragging_ = false;
  ::ReleaseCapture();
  form_->Splitter1Moved();
  LayoutChanged();
}

void MainWindow::OnSetFocus() {
  if (lastFocus_ && ::IsWindow(lastFocus_) && ::IsChild(wnd_, lastFocus_) && ::IsWindowVisible(lastFocus_))
    ::SetFocus(lastFocus_);
  else
    FocusPane(PaneId::Right);
}

void MainWindow::OnActivate(WPARAM wp) {
  if (LOWORD(wp) == WA_INACTIVE) {
    HWND focus = ::GetFocus();
    if (focus && ::IsChild(wnd_, focus)) lastFocus_ = focus;
  }
}

// ---- helpers -------------------------------------------------------------------

void MainWindow::ApplyBounds() {
  WindowBounds b = form_->Bounds;
  // A stored position on a screen that is no longer there: back to the default place.
  RECT r{b.left, b.top, b.left + b.width, b.top + b.height};
  if (!::MonitorFromRect(&r, MONITOR_DEFAULTTONULL)) {
    b.left = 20;
    b.top = 20;
  }
  ::SetWindowPos(wnd_, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateBoundsFromWindow();
}

void MainWindow::UpdateBoundsFromWindow() {
  RECT r{};
  if (!::GetWindowRect(wnd_, &r)) return;
  form_->Bounds = WindowBounds{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void MainWindow::RefreshStatusBar() {
  std::array<int, StatusBar::PanelCount> widths{};
  for (int i = 0; i < StatusBar::PanelCount; ++i) widths[i] = form_->StatusBar1.Panels[i].width;
  statusBar_.SetWidths(widths);
  for (int i = 0; i < StatusBar::PanelCount; ++i) StatusPanelChanged(i);
}

void MainWindow::RefreshToolBars() {
  if (!form_) return;
  bars_[kNNBar3].SetCellBackground(ControlKind::BannerCell, form_->MsgSCR1.Color());
  clock_.Refresh();
}

// ---- IToolBarView ----------------------------------------------------------------

void MainWindow::ControlChanged(ControlRef c) {
  Bar(c.bar).ControlChanged(c.index);
  if (hintOwner_ == c) HandleHint(form_->BarControls.State(c).hint);
}

// The control under the mouse names its hint; a leave reported late (after
// the mouse came over another control) does not clear the new one.
void MainWindow::ControlHover(ControlRef c, bool inside) {
  if (inside) {
    hintOwner_ = c;
    HandleHint(form_->BarControls.State(c).hint);
  } else if (hintOwner_ == c) {
    hintOwner_.reset();
    HandleHint(std::string());
  }
}

std::string MainWindow::EditSelectedText(ControlRef c) const { return Bar(c.bar).SelectedText(c.index); }

void MainWindow::EditReplaceSelection(ControlRef c, std::string_view utf8) {
  Bar(c.bar).ReplaceSelection(c.index, utf8);
}

void MainWindow::EditAction(ControlRef c, EditBoxAction action) { Bar(c.bar).EditAction(c.index, action); }

void MainWindow::FocusControl(ControlRef c) { Bar(c.bar).Focus(c.index); }

HWND MainWindow::ControlWindow(std::string_view name) const {
  const std::optional<ControlRef> c = FindBarControl(name);
  return c ? Bar(c->bar).ControlWindow(c->index) : nullptr;
}

void MainWindow::HandleHint(const std::string& hint) {
  if (hint == lastHint_) return;
  lastHint_ = hint;
  form_->ApplicationHint(hint);
}

}  // namespace hanaroku::win32
