#include "platform/win32/ToolBar.h"

#include <commctrl.h>
#include <imm.h>

#include <stdexcept>
#include <string>

#include "controls/ActiveImage.h"
#include "controls/BarPictures.h"
#include "controls/HWaSpeedButton.h"
#include "controls/ShineLooks.h"
#include "platform/win32/EditBoxes.h"
#include "platform/win32/GdiCanvas.h"
#include "platform/win32/HintWindow.h"
#include "platform/win32/ShineButtonWindow.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kBarClass[] = L"HanarokuToolBar";
constexpr int kFirstChildId = 100;
constexpr UINT_PTR kSubclassId = 0x4842;  // "HB"

HFONT ControlFont() {
  static FontPtr font = MakeFont(L"ＭＳ Ｐゴシック", -12);
  return font.get();
}

// Where the clock or the banner goes until its own window is there.
class CellPlaceholder final : public IDrawnControl {
 public:
  void Paint(IPaintCanvas& canvas, Size size) override {
    const Rect r = Rect::FromSize(0, 0, size.width, size.height);
    canvas.FillRect(r, background);
    DrawEdge(canvas, r, Edge::SunkenOuter);
  }
  bool MouseUp(Point p, Size size) override { return Rect::FromSize(0, 0, size.width, size.height).Contains(p); }
  void SetEnabled(bool) override {}
  TColor background = 0xE9F5F4;
};

// Each bar's gradient buttons in the bar's own hue of the family.
ShineLookId BarLook(ToolBarId bar) noexcept {
  switch (bar) {
    case ToolBarId::NNBar1: return ShineLookId::RightBar;
    case ToolBarId::NNBar3: return ShineLookId::LeftBar;
    case ToolBarId::NNBar4: return ShineLookId::ColourBar;
    case ToolBarId::NNBer5: return ShineLookId::HtmlBar;
    case ToolBarId::NNBar2: break;
  }
  return ShineLookId::Window;
}

}  // namespace

ToolBarWindow::~ToolBarWindow() {
  DestroyObjectWindow(wnd_);
}

void ToolBarWindow::Create(HWND parent, int id, ToolBarId bar, const TToolBarControls& controls,
                           Callbacks callbacks) {
  RegisterProgramClass(kBarClass, &ObjectWindowProc<ToolBarWindow, &ToolBarWindow::wnd_, &ToolBarWindow::Handle>);
  bar_ = bar;
  controls_ = &controls;
  callbacks_ = std::move(callbacks);
  wnd_ = ::CreateWindowExW(0, kBarClass, Widen(BarDef(bar).name).c_str(),
                           WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 100, Height(), parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  const int count = static_cast<int>(BarDef(bar).controls.size());
  children_.resize(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) CreateChild(i);
  Relayout();
  for (int i = 0; i < count; ++i) ControlChanged(i);
}

void ToolBarWindow::CreateChild(int index) {
  const BarControlDef& def = DefOf(Ref(index));
  switch (def.kind) {
    case ControlKind::Grip:
    case ControlKind::Tab: {
      const bool grip = def.kind == ControlKind::Grip;
      auto image = std::make_unique<TActiveImage>();
      image->SetPicture(grip ? GripPicture(false) : TabPicture(std::string(def.caption), false));
      image->SetEnterPicture(grip ? GripPicture(true) : TabPicture(std::string(def.caption), true));
      CreateDrawn(index, std::move(image));
      return;
    }
    case ControlKind::ShineButton:
      CreateShine(index);
      return;
    case ControlKind::PictureButton: {
      auto button = std::make_unique<THWaSpeedButton>();
      button->Glyph = std::string(def.picture);
      if (def.face != kNoFaceColor) button->Color = def.face;
      CreateDrawn(index, std::move(button));
      return;
    }
    case ControlKind::ClockCell:
    case ControlKind::BannerCell:
      CreateDrawn(index, std::make_unique<CellPlaceholder>());
      return;
    case ControlKind::EditBox:
      CreateNative(index, L"EDIT", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE);
      return;
    case ControlKind::CheckBox:
      CreateNative(index, L"BUTTON", WS_TABSTOP | BS_CHECKBOX, 0);
      return;
    case ControlKind::Label:
      CreateNative(index, L"STATIC", SS_LEFT | SS_NOTIFY | SS_CENTERIMAGE, 0);
      return;
  }
}

void ToolBarWindow::CreateDrawn(int index, std::unique_ptr<IDrawnControl> model) {
  Child& child = children_[static_cast<std::size_t>(index)];
  child.model = std::move(model);
  child.drawn = std::make_unique<DrawnControlWindow>();
  DrawnControlWindow::Callbacks cb;
  cb.click = [this, index] {
    HintCancel();
    if (callbacks_.click) callbacks_.click(Ref(index));
  };
  cb.hover = [this, index](bool inside) { Hover(index, inside); };
  child.drawn->Create(wnd_, RECT{0, 0, 1, 1}, *child.model, std::move(cb));
  child.wnd = child.drawn->Handle();
}

void ToolBarWindow::CreateShine(int index) {
  Child& child = children_[static_cast<std::size_t>(index)];
  const BarControlDef& def = DefOf(Ref(index));
  child.shine = std::make_unique<ShineButtonWindow>();
  TShineSpeedButton& button = child.shine->Model();
  ApplyShineLook(button, BarLook(bar_));
  if (def.face != kNoFaceColor) {
    // A colour button shows the colour it gives, plain.
    button.Colors.SetGradation(false);
    button.Colors.SetColor(def.face);
  }
  button.SetCaption(std::string(def.caption));
  child.shine->SetOnClick([this, index] {
    if (callbacks_.click) callbacks_.click(Ref(index));
  });
  child.shine->SetOnHover([this, index](bool inside) { Hover(index, inside); });
  child.shine->Create(wnd_, kFirstChildId + index, RECT{0, 0, 1, 1});
  child.wnd = child.shine->Handle();
}

void ToolBarWindow::CreateNative(int index, const wchar_t* cls, DWORD style, DWORD exStyle) {
  Child& child = children_[static_cast<std::size_t>(index)];
  const BarControlState& state = controls_->State(Ref(index));
  const std::wstring text = Widen(IsEditBox(index) ? state.text : state.caption);
  child.wnd = ::CreateWindowExW(exStyle, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 1, 1, wnd_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstChildId + index)),
                                ::GetModuleHandleW(nullptr), nullptr);
  if (!child.wnd) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  ::SendMessageW(child.wnd, WM_SETFONT, reinterpret_cast<WPARAM>(ControlFont()), FALSE);
  ::SetWindowSubclass(child.wnd, &ToolBarWindow::NativeChildProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

HWND ToolBarWindow::ControlWindow(int index) const noexcept {
  if (index < 0 || static_cast<std::size_t>(index) >= children_.size()) return nullptr;
  return children_[static_cast<std::size_t>(index)].wnd;
}

std::optional<int> ToolBarWindow::IndexOf(HWND child) const noexcept {
  if (!child) return std::nullopt;
  for (std::size_t i = 0; i < children_.size(); ++i)
    if (children_[i].wnd == child) return static_cast<int>(i);
  return std::nullopt;
}

bool ToolBarWindow::IsEditBox(int index) const { return DefOf(Ref(index)).kind == ControlKind::EditBox; }

void ToolBarWindow::ControlChanged(int index) {
  Child& child = children_.at(static_cast<std::size_t>(index));
  const ControlRef ref = Ref(index);
  const BarControlDef& def = DefOf(ref);
  const BarControlState& state = controls_->State(ref);
  if (child.shine) {
    TShineSpeedButton& button = child.shine->Model();
    button.SetCaption(state.caption);
    button.SetHint(state.hint);
    button.SetEnabled(controls_->Usable(ref));
  } else if (child.model) {
    if (auto* button = dynamic_cast<THWaSpeedButton*>(child.model.get())) button->Caption = state.caption;
    child.model->SetEnabled(controls_->Usable(ref));
    if (child.wnd) ::InvalidateRect(child.wnd, nullptr, FALSE);
  } else if (child.wnd) {
    const std::wstring want = Widen(def.kind == ControlKind::EditBox ? state.text : state.caption);
    if (ReadWindowTextW(child.wnd) != want) ::SetWindowTextW(child.wnd, want.c_str());
    if (def.kind == ControlKind::CheckBox)
      ::SendMessageW(child.wnd, BM_SETCHECK, state.checked ? BST_CHECKED : BST_UNCHECKED, 0);
    ::EnableWindow(child.wnd, state.enabled ? TRUE : FALSE);
  }
  // A gradient button tells the hint window itself.
  if (!child.shine && child.wnd) HintTextChanged(child.wnd, state.hint);
  if (child.visible != state.visible) Relayout();
}

void ToolBarWindow::Relayout() {
  const std::vector<Rect> rects = controls_->Layout(bar_);
  for (std::size_t i = 0; i < children_.size(); ++i) {
    Child& child = children_[i];
    child.visible = controls_->State(Ref(static_cast<int>(i))).visible;
    if (!child.wnd) continue;
    const Rect& r = rects[i];
    const UINT show = child.visible ? SWP_SHOWWINDOW : SWP_HIDEWINDOW;
    ::SetWindowPos(child.wnd, nullptr, r.left, r.top, r.Width(), r.Height(), SWP_NOZORDER | SWP_NOACTIVATE | show);
  }
}

Rect ToolBarWindow::CellRect(int index) const { return controls_->Layout(bar_).at(static_cast<std::size_t>(index)); }

void ToolBarWindow::SetCellWindow(int index, HWND cell) {
  Child& child = children_.at(static_cast<std::size_t>(index));
  const ControlKind kind = DefOf(Ref(index)).kind;
  if (kind != ControlKind::ClockCell && kind != ControlKind::BannerCell)
    throw std::invalid_argument("not a cell: " + std::string(DefOf(Ref(index)).name));
  if (child.wnd && !child.drawn && child.wnd != cell) {
    // A window put here before goes out of the bar's care.
    ::RemoveWindowSubclass(child.wnd, &ToolBarWindow::NativeChildProc, kSubclassId);
    ::ShowWindow(child.wnd, SW_HIDE);
  }
  child.drawn.reset();
  child.model.reset();
  child.wnd = cell;
  if (cell) {
    ::SetWindowSubclass(cell, &ToolBarWindow::NativeChildProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
  }
  Relayout();
}

void ToolBarWindow::SetCellBackground(ControlKind cell, TColor background) {
  for (std::size_t i = 0; i < children_.size(); ++i) {
    auto* placeholder = dynamic_cast<CellPlaceholder*>(children_[i].model.get());
    if (!placeholder || DefOf(Ref(static_cast<int>(i))).kind != cell || placeholder->background == background)
      continue;
    placeholder->background = background;
    ::InvalidateRect(children_[i].wnd, nullptr, FALSE);
  }
}

// ---- edit boxes --------------------------------------------------------------------

std::string ToolBarWindow::SelectedText(int index) const {
  HWND edit = ControlWindow(index);
  if (!edit || !IsEditBox(index)) return {};
  DWORD start = 0, end = 0;
  ::SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const std::wstring text = ReadWindowTextW(edit);
  if (start > end || end > text.size()) return {};
  return Narrow(std::wstring_view(text).substr(start, end - start));
}

void ToolBarWindow::ReplaceSelection(int index, std::string_view utf8) {
  HWND edit = ControlWindow(index);
  if (!edit || !IsEditBox(index)) return;
  const std::wstring text = Widen(utf8);
  ::SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

void ToolBarWindow::EditAction(int index, EditBoxAction action) {
  HWND edit = ControlWindow(index);
  if (edit && IsEditBox(index)) SendEditAction(edit, action);
}

void ToolBarWindow::Focus(int index) {
  if (HWND w = ControlWindow(index); w && ::IsWindowVisible(w)) ::SetFocus(w);
}

// ---- messages ----------------------------------------------------------------------

LRESULT ToolBarWindow::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      OnCommand(wp, lp);
      return 0;
    case WM_ERASEBKGND: {
      const RECT client = ClientRect(wnd_);
      ::FillRect(reinterpret_cast<HDC>(wp), &client, ::GetSysColorBrush(COLOR_BTNFACE));
      return 1;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
      HDC dc = reinterpret_cast<HDC>(wp);
      ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
      ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
      return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_NCDESTROY:
      wnd_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void ToolBarWindow::OnCommand(WPARAM wp, LPARAM lp) {
  const std::optional<int> index = IndexOf(reinterpret_cast<HWND>(lp));
  if (!index) return;
  const WORD code = HIWORD(wp);
  if (IsEditBox(*index)) {
    if (code == EN_CHANGE && callbacks_.textEdited)
      callbacks_.textEdited(Ref(*index), ReadWindowText(reinterpret_cast<HWND>(lp)));
    return;
  }
  if (code == BN_CLICKED && DefOf(Ref(*index)).kind == ControlKind::CheckBox && callbacks_.click)
    callbacks_.click(Ref(*index));
}

void ToolBarWindow::Hover(int index, bool inside) {
  const Child& child = children_.at(static_cast<std::size_t>(index));
  if (!child.shine && child.wnd) {
    if (inside)
      HintMouseEnter(child.wnd, controls_->State(Ref(index)).hint);
    else
      HintMouseLeave(child.wnd);
  }
  if (inside) {
    if (index == hovered_) return;
    hovered_ = index;
    if (callbacks_.hover) callbacks_.hover(Ref(index), true);
  } else if (index == hovered_) {
    hovered_ = -1;
    if (callbacks_.hover) callbacks_.hover(Ref(index), false);
  }
}

LRESULT CALLBACK ToolBarWindow::NativeChildProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR ref) {
  auto* self = reinterpret_cast<ToolBarWindow*>(ref);
  switch (msg) {
    case WM_MOUSEMOVE:
      if (std::optional<int> index = self->IndexOf(wnd); index && *index != self->hovered_) {
        TrackMouseLeave(wnd);
        self->Hover(*index, true);
      }
      break;
    case WM_MOUSELEAVE:
      if (std::optional<int> index = self->IndexOf(wnd)) self->Hover(*index, false);
      break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_KEYDOWN:
      HintCancel();
      break;
    case WM_SETFOCUS: {
      const LRESULT r = ::DefSubclassProc(wnd, msg, wp, lp);
      if (std::optional<int> index = self->IndexOf(wnd); index && DefOf(self->Ref(*index)).hiragana)
        SetHiraganaMode(wnd);
      return r;
    }
    case WM_NCDESTROY:
      ::RemoveWindowSubclass(wnd, &ToolBarWindow::NativeChildProc, kSubclassId);
      break;
    default:
      break;
  }
  return ::DefSubclassProc(wnd, msg, wp, lp);
}

}  // namespace hanaroku::win32
