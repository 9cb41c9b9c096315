#include "platform/win32/AboutBoxWindow.h"

#include <commctrl.h>
#include <shellapi.h>

#include <stdexcept>
#include <string>

#include "platform/win32/EditBoxes.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/HookableWindow.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kClass[] = L"HanarokuTAboutBox";
constexpr int kFirstId = 100;
constexpr UINT_PTR kEditSubclass = 0x4841;  // "HA"
constexpr COLORREF kLinkColor = 0xCC0000;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN | DS_MODALFRAME;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

int IdOf(std::size_t index) noexcept { return kFirstId + static_cast<int>(index); }

}  // namespace

AboutBoxWindow::~AboutBoxWindow() {
  if (box_) {
    box_->SetView(nullptr);
    box_->LCheckBox1.TakeFocus = nullptr;
  }
  DestroyObjectWindow(wnd_);
}

void AboutBoxWindow::Create(HWND owner, TAboutBox& box, std::function<void()> closed) {
  RegisterProgramClass(kClass, &ObjectWindowProc<AboutBoxWindow, &AboutBoxWindow::wnd_, &AboutBoxWindow::Handle>);
  box_ = &box;
  closed_ = std::move(closed);
  measurer_ = std::make_unique<GdiMeasurer>();
  measurer_->SetFont(FontSpec{"ＭＳ Ｐゴシック", 12}, false);
  background_ = MakeSolidBrush(TAboutBox::kColor);

  RECT frame{0, 0, TAboutBox::kClientWidth, TAboutBox::kClientHeight};
  ::AdjustWindowRectEx(&frame, kStyle, FALSE, kExStyle);
  const int w = frame.right - frame.left, h = frame.bottom - frame.top;
  const int x = (::GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (::GetSystemMetrics(SM_CYSCREEN) - h) / 2;
  wnd_ = ::CreateWindowExW(kExStyle, kClass, Widen(TAboutBox::kCaption).c_str(), kStyle, x, y, w, h, owner, nullptr,
                           ::GetModuleHandleW(nullptr), this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  CreateControls();
  box.SetView(this);
}

void AboutBoxWindow::CreateControls() {
  const HINSTANCE instance = ::GetModuleHandleW(nullptr);
  HFONT font = measurer_->PlainFont();
  LOGFONTW lf{};
  ::GetObjectW(font, sizeof lf, &lf);
  lf.lfUnderline = TRUE;
  linkFont_.reset(::CreateFontIndirectW(&lf));

  const std::span<const AboutControlDef> defs = TAboutBox::Controls();
  for (std::size_t i = 0; i < defs.size(); ++i) {
    const AboutControlDef& d = defs[i];
    const Rect& r = d.bounds;
    const HMENU id = reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(i)));
    HWND child = nullptr;
    switch (d.kind) {
      case AboutControlKind::Label:
      case AboutControlKind::Link:
      case AboutControlKind::FontSize:
        child = ::CreateWindowExW(0, L"STATIC", Widen(d.caption).c_str(),
                                  WS_CHILD | WS_VISIBLE | SS_NOPREFIX |
                                      (d.kind == AboutControlKind::Label ? 0 : SS_NOTIFY),
                                  r.left, r.top, r.Width(), r.Height(), wnd_, id, instance, nullptr);
        break;
      case AboutControlKind::ColorEdit:
        child = ::CreateWindowExW(WS_EX_CLIENTEDGE | (d.index <= 2 ? WS_EX_ACCEPTFILES : 0), L"EDIT", L"",
                                  WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, r.left, r.top, r.Width(),
                                  r.Height(), wnd_, id, instance, nullptr);
        if (child) {
          fields_[static_cast<std::size_t>(d.index - 1)] = child;
          ::SetWindowSubclass(child, &AboutBoxWindow::EditProc, kEditSubclass, reinterpret_cast<DWORD_PTR>(this));
        }
        break;
      case AboutControlKind::CheckBox:
        checkBox_.Create(wnd_, ToRECT(r), box_->LCheckBox1, {});
        child = checkBox_.Handle();
        box_->LCheckBox1.TakeFocus = [this] { ::SetFocus(checkBox_.Handle()); };
        box_->LCheckBox1.Font = PaintFont{"ＭＳ Ｐゴシック", 12};
        break;
      case AboutControlKind::Button:
        buttons_.push_back(CreateDialogButton(wnd_, IdOf(i), ToRECT(r), d.caption, d.hint));
        child = buttons_.back()->Handle();
        break;
    }
    if (!child) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
    if (d.kind != AboutControlKind::Button)
      ::SendMessageW(child, WM_SETFONT,
                     reinterpret_cast<WPARAM>(d.kind == AboutControlKind::Link ? linkFont_.get() : font), FALSE);
    controls_.emplace_back(&d, child);
  }
}

HWND AboutBoxWindow::ControlWindow(std::string_view name) const {
  for (const auto& [def, wnd] : controls_)
    if (def->name == name) return wnd;
  return nullptr;
}

void AboutBoxWindow::Show() {
  ::ShowWindow(wnd_, ::IsIconic(wnd_) ? SW_RESTORE : SW_SHOW);
  ::SetForegroundWindow(wnd_);
  ::BringWindowToTop(wnd_);
}

LRESULT AboutBoxWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      // The dialog keys: Enter applies as "OK", Esc closes as the title bar does.
      if (wp == IDOK) box_->ShineSpeedButton2Click();
      else if (wp == IDCANCEL) ::PostMessageW(wnd_, WM_CLOSE, 0, 0);
      else OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
      return OnColor(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp));
    case WM_ERASEBKGND: {
      RECT r = ClientRect(wnd_);
      ::FillRect(reinterpret_cast<HDC>(wp), &r, background_.get());
      return 1;
    }
    case WM_SETCURSOR:
      for (const auto& [def, wnd] : controls_)
        if (reinterpret_cast<HWND>(wp) == wnd && def->kind == AboutControlKind::Link) {
          ::SetCursor(::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_HAND)));
          return TRUE;
        }
      break;
    case WM_CLOSE:
      ::DestroyWindow(wnd_);
      return 0;
    case WM_NCDESTROY: {
      wnd_ = nullptr;
      box_->SetView(nullptr);
      box_->LCheckBox1.TakeFocus = nullptr;
      // The owner frees the model and this window: nothing of it is touched after.
      std::function<void()> closed = std::move(closed_);
      if (closed) closed();
      return 0;
    }
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void AboutBoxWindow::OnCommand(int id, int code, HWND from) {
  const std::size_t index = static_cast<std::size_t>(id - kFirstId);
  if (!from || index >= controls_.size()) return;
  const AboutControlDef& def = *controls_[index].first;
  if (def.kind == AboutControlKind::ColorEdit) {
    TColorEdit& edit = box_->ColorEdit(def.index);
    switch (code) {
      case EN_SETFOCUS:
        edit.DoEnter();
        ::InvalidateRect(from, nullptr, TRUE);
        break;
      case EN_KILLFOCUS:
        edit.DoExit();
        ::InvalidateRect(from, nullptr, TRUE);
        break;
      case EN_CHANGE:
        if (!updating_) edit.SetText(ReadWindowText(from));
        break;
      default:
        break;
    }
    return;
  }
  if ((def.kind == AboutControlKind::Button && code == BN_CLICKED) || code == STN_CLICKED)
    box_->ControlClicked(def.name);
}

LRESULT AboutBoxWindow::OnColor(HDC dc, HWND control) {
  ::SetBkMode(dc, TRANSPARENT);
  for (const auto& [def, wnd] : controls_) {
    if (wnd != control) continue;
    if (def->kind == AboutControlKind::Link) ::SetTextColor(dc, kLinkColor);
    if (def->kind != AboutControlKind::ColorEdit) break;
    const TColorEdit& edit = box_->ColorEdit(def->index);
    const COLORREF back = (edit.Color() & kSysColorFlag) ? ::GetSysColor(COLOR_WINDOW) : edit.Color();
    ::SetBkColor(dc, back);
    ::SetBkMode(dc, OPAQUE);
    fieldBrushes_.resize(TAboutBox::kFieldCount);
    BrushPtr& brush = fieldBrushes_[static_cast<std::size_t>(def->index - 1)];
    brush = MakeSolidBrush(back);
    return reinterpret_cast<LRESULT>(brush.get());
  }
  return reinterpret_cast<LRESULT>(background_.get());
}

LRESULT CALLBACK AboutBoxWindow::EditProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  if (msg == WM_DROPFILES) {
    auto* self = reinterpret_cast<AboutBoxWindow*>(ref);
    for (int i = 1; i <= 2; ++i)
      if (self->Field(i) == wnd) {
        try {
          self->Dropped(i, reinterpret_cast<HDROP>(wp));
        } catch (...) {
          ReportCurrentException(self->wnd_);
        }
      }
    return 0;
  }
  if (msg == WM_NCDESTROY) ::RemoveWindowSubclass(wnd, &AboutBoxWindow::EditProc, kEditSubclass);
  return ::DefSubclassProc(wnd, msg, wp, lp);
}

void AboutBoxWindow::Dropped(int field, HDROP drop) {
  DroppedFilesWin32 files(drop);
  std::vector<std::string> names;
  try {
    names = files.Files();
  } catch (...) {
    files.Finish();
    throw;
  }
  files.Finish();
  if (field == 1) box_->DropDst1FileDrop(names);
  else box_->DropDst2FileDrop(names);
}

void AboutBoxWindow::FieldChanged(int index) {
  HWND edit = Field(index);
  if (!edit) return;
  const std::wstring text = Widen(box_->ColorEdit(index).Text());
  if (ReadWindowTextW(edit) == text) return;
  updating_ = true;
  ::SetWindowTextW(edit, text.c_str());
  updating_ = false;
}

void AboutBoxWindow::FontSizeChanged() {
  if (HWND label = ControlWindow("Label15")) ::SetWindowTextW(label, Widen(box_->Label15()).c_str());
  ::InvalidateRect(checkBox_.Handle(), nullptr, FALSE);
}

void AboutBoxWindow::FieldAction(int index, EditBoxAction action) {
  if (HWND edit = Field(index)) SendEditAction(edit, action);
}

void AboutBoxWindow::CloseWindow() {
  if (wnd_) ::PostMessageW(wnd_, WM_CLOSE, 0, 0);
}

}  // namespace hanaroku::win32
