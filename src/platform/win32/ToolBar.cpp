#include "platform/win32/ToolBar.h"

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win32/Gdi.h"
#include "platform/win32/Win32Ports.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kStripClass[] = L"HanarokuToolStrip";
constexpr int kButtonHeight = 23;

// The application's hint window: AppHintN1's colours and font.
constexpr COLORREF kHintBack = 0xE9F5F4;
constexpr COLORREF kHintText = 0xB3734D;
constexpr int kHintPause = 500, kHintHidePause = 2500;

StripItemKind KindOf(const BarControlDef& def) noexcept {
  switch (def.kind) {
    case ControlKind::Grip: return StripItemKind::Grip;
    case ControlKind::Tab: return StripItemKind::Tab;
    case ControlKind::ClockCell: return StripItemKind::Clock;
    case ControlKind::BannerCell: return StripItemKind::Banner;
    case ControlKind::EditBox: return StripItemKind::EditBox;
    case ControlKind::CheckBox: return StripItemKind::CheckBox;
    case ControlKind::Label: return StripItemKind::Label;
    case ControlKind::ShineButton: return StripItemKind::Button;
    case ControlKind::PictureButton: break;
  }
  return def.caption.empty() ? StripItemKind::PictureButton : StripItemKind::Button;
}

}  // namespace

std::wstring PictureGlyph(Command c) {
  switch (c) {
    case Command::New1Click: return L"新";
    case Command::Open1Click: return L"開";
    case Command::Save1Click: return L"保";
    case Command::SaveAs1Click: return L"名";
    case Command::Print1Click: return L"印";
    case Command::Undo1Click: return L"戻";
    case Command::Redo1Click: return L"進";
    case Command::Cut1Click: return L"切";
    case Command::Copy1Click: return L"写";
    case Command::Paste1Click: return L"貼";
    case Command::SelectAllClick: return L"全";
    case Command::Find1Click: return L"検";
    case Command::FindNextButtonClick: return L"次";
    case Command::FindBack1Click: return L"前";
    case Command::Replace1Click: return L"換";
    case Command::HidukeClick: return L"日";
    case Command::Font1Click: return L"字";
    case Command::N7Click: return L"背";
    case Command::WordWrapClick: return L"折";
    case Command::VHClick: return L"V";
    default: return L"・";
  }
}

std::vector<StripItem> ItemsFromTable(ToolBarId bar) {
  std::span<const BarControlDef> table = BarControls(bar);
  std::vector<StripItem> items;
  items.reserve(table.size());
  for (const BarControlDef& def : table) {
    StripItem item;
    item.ref = ControlRef{bar, static_cast<int>(items.size())};
    item.kind = KindOf(def);
    item.name = std::string(def.name);
    item.caption = item.kind == StripItemKind::PictureButton ? PictureGlyph(def.command) : Widen(def.caption);
    item.hint = std::string(def.hint);
    item.command = def.command;
    item.width = def.size.width > 0 ? def.size.width : 23;
    items.push_back(std::move(item));
  }
  return items;
}

int LayoutStrip(std::vector<StripItem>& items, int height) noexcept {
  int x = 0;
  int buttonHeight = height < kButtonHeight + 2 ? height - 2 : kButtonHeight;
  if (buttonHeight < 1) buttonHeight = height;
  int top = (height - buttonHeight) / 2;
  for (StripItem& item : items) {
    if (!item.visible) {
      item.rect = RECT{0, 0, 0, 0};
      continue;
    }
    bool full = item.kind == StripItemKind::Grip || item.kind == StripItemKind::Tab;
    item.rect = full ? RECT{x, 0, x + item.width, height} : RECT{x, top, x + item.width, top + buttonHeight};
    x += item.width;
    if (item.kind == StripItemKind::Grip) x += 2;  // a little air after the grip
  }
  return x;
}

int HitTestStrip(const std::vector<StripItem>& items, int x, int y) noexcept {
  POINT p{x, y};
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i].visible && ::PtInRect(&items[i].rect, p)) return static_cast<int>(i);
  return -1;
}

ToolStrip::~ToolStrip() {
  if (wnd_) {
    ::SetWindowLongPtrW(wnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(wnd_);
  }
}

void ToolStrip::Create(HWND parent, int id, int height, std::vector<StripItem> items, Callbacks callbacks) {
  RegisterProgramClass(kStripClass, &ObjectWindowProc<ToolStrip, &ToolStrip::wnd_, &ToolStrip::Handle>,
                       CS_HREDRAW | CS_VREDRAW);
  height_ = height;
  items_ = std::move(items);
  callbacks_ = std::move(callbacks);
  font_ = MakeFont(L"ＭＳ Ｐゴシック", -12);
  glyphFont_ = MakeFont(L"ＭＳ Ｐゴシック", -11, SHIFTJIS_CHARSET, FW_BOLD);
  wnd_ = ::CreateWindowExW(0, kStripClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 100, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), this);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  tooltip_ = ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, wnd_, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
  if (tooltip_) {
    static FontPtr hintFont = MakeFont(L"ＭＳ Ｐゴシック", -15);
    ::SendMessageW(tooltip_, WM_SETFONT, reinterpret_cast<WPARAM>(hintFont.get()), FALSE);
    ::SendMessageW(tooltip_, TTM_SETTIPBKCOLOR, kHintBack, 0);
    ::SendMessageW(tooltip_, TTM_SETTIPTEXTCOLOR, kHintText, 0);
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_INITIAL, kHintPause);
    ::SendMessageW(tooltip_, TTM_SETDELAYTIME, TTDT_AUTOPOP, kHintHidePause);
    ::SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 400);
  }
  Relayout();
}

void ToolStrip::SetItemVisible(Command c, bool visible) {
  bool changed = false;
  for (StripItem& item : items_)
    if (item.command == c && item.visible != visible) {
      item.visible = visible;
      changed = true;
    }
  if (changed) Relayout();
}

bool ToolStrip::AnyItemVisible() const noexcept {
  for (const StripItem& item : items_)
    if (item.visible) return true;
  return false;
}

void ToolStrip::SetClockColors(TColor background, TColor text) {
  clockBack_ = background;
  clockText_ = text;
  if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
}

void ToolStrip::SetBannerColors(TColor background, TColor text) {
  bannerBack_ = background;
  bannerText_ = text;
  if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
}

void ToolStrip::Refresh() {
  if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
}

bool ToolStrip::ItemEnabled(const StripItem& item) const {
  return callbacks_.usable && callbacks_.usable(item.ref);
}

void ToolStrip::Relayout() {
  LayoutStrip(items_, height_);
  hot_ = pressed_ = -1;
  UpdateTooltips();
  if (wnd_) ::InvalidateRect(wnd_, nullptr, FALSE);
}

void ToolStrip::UpdateTooltips() {
  if (!tooltip_) return;
  // One tool per item, re-made after every layout.
  int count = static_cast<int>(::SendMessageW(tooltip_, TTM_GETTOOLCOUNT, 0, 0));
  for (int i = count - 1; i >= 0; --i) {
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    if (::SendMessageW(tooltip_, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(&ti)))
      ::SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  for (std::size_t i = 0; i < items_.size(); ++i) {
    const StripItem& item = items_[i];
    if (!item.visible || item.hint.empty()) continue;
    std::wstring text = Widen(item.hint);
    TTTOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.uFlags = TTF_SUBCLASS;
    ti.hwnd = wnd_;
    ti.uId = i + 1;
    ti.rect = item.rect;
    ti.lpszText = text.data();
    ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
}

LRESULT ToolStrip::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      OnPaint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      OnMouseMove(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_MOUSELEAVE:
      OnMouseLeave();
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      OnLButtonDown(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_LBUTTONUP:
      OnLButtonUp(GET_X_LPARAM(lp), GET_Y_LPARAM(lp));
      return 0;
    case WM_CAPTURECHANGED:
      if (pressed_ >= 0) {
        pressed_ = -1;
        ::InvalidateRect(wnd_, nullptr, FALSE);
      }
      return 0;
    case WM_NCDESTROY:
      wnd_ = nullptr;
      tooltip_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

void ToolStrip::OnPaint() {
  PaintBuffered(wnd_, [this](HDC dc, const RECT& client) {
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_BTNFACE));
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (items_[i].visible) DrawItem(dc, items_[i], static_cast<int>(i));
  });
}

void ToolStrip::DrawItem(HDC dc, const StripItem& item, int index) const {
  RECT r = item.rect;
  bool enabled = ItemEnabled(item);
  bool hot = index == hot_ && enabled;
  bool down = index == pressed_ && hot;
  DcStateGuard state(dc);
  ::SetBkMode(dc, TRANSPARENT);
  switch (item.kind) {
    case StripItemKind::Grip: {
      // Two raised ridges, lit under the mouse.
      if (hot) ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_BTNHILIGHT));
      RECT ridge{r.left + 2, r.top + 3, r.left + 5, r.bottom - 3};
      ::DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
      ridge.left += 3;
      ridge.right += 3;
      ::DrawEdge(dc, &ridge, BDR_RAISEDINNER, BF_RECT);
      return;
    }
    case StripItemKind::Clock:
    case StripItemKind::Banner: {
      bool clock = item.kind == StripItemKind::Clock;
      BrushPtr back = MakeSolidBrush(clock ? clockBack_ : bannerBack_);
      ::FillRect(dc, &r, back.get());
      ::DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
      return;
    }
    case StripItemKind::Tab: {
      RECT tab{r.left + 1, r.top, r.right - 1, r.bottom};
      ::FillRect(dc, &tab, ::GetSysColorBrush(hot ? COLOR_BTNHILIGHT : COLOR_BTNFACE));
      ::DrawEdge(dc, &tab, BDR_RAISEDINNER, BF_LEFT | BF_RIGHT | BF_BOTTOM);
      static FontPtr tabFont = MakeFont(L"ＭＳ Ｐゴシック", -10);
      SelectGuard font(dc, tabFont.get());
      ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
      ::DrawTextW(dc, item.caption.c_str(), static_cast<int>(item.caption.size()), &tab,
                  DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      return;
    }
    case StripItemKind::EditBox: {
      ::FillRect(dc, &r, ::GetSysColorBrush(COLOR_WINDOW));
      ::DrawEdge(dc, &r, EDGE_SUNKEN, BF_RECT);
      return;
    }
    case StripItemKind::CheckBox:
    case StripItemKind::Label: {
      std::wstring text = callbacks_.state ? Widen(callbacks_.state(item.ref).caption) : item.caption;
      RECT t = r;
      if (item.kind == StripItemKind::CheckBox) {
        RECT box{r.left, (r.top + r.bottom) / 2 - 6, r.left + 13, (r.top + r.bottom) / 2 + 7};
        UINT state = DFCS_BUTTONCHECK | (callbacks_.state && callbacks_.state(item.ref).checked ? DFCS_CHECKED : 0);
        ::DrawFrameControl(dc, &box, DFC_BUTTON, state);
        t.left += 15;
      }
      SelectGuard f(dc, font_.get());
      ::SetTextColor(dc, ::GetSysColor(COLOR_BTNTEXT));
      ::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &t, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
      return;
    }
    case StripItemKind::Button:
    case StripItemKind::PictureButton:
      break;
  }
  // Flat buttons: raised under the mouse, sunken while pressed.
  if (down)
    ::DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
  else if (hot)
    ::DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  RECT text = r;
  if (down) ::OffsetRect(&text, 1, 1);
  bool picture = item.kind == StripItemKind::PictureButton;
  const std::wstring caption =
      picture || !callbacks_.state ? item.caption : Widen(callbacks_.state(item.ref).caption);
  SelectGuard font(dc, picture ? glyphFont_.get() : font_.get());
  COLORREF color = picture ? RGB(0x2B, 0x4A, 0x8C) : ::GetSysColor(COLOR_BTNTEXT);
  if (!enabled) {
    ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT shade = text;
    ::OffsetRect(&shade, 1, 1);
    ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &shade,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    color = ::GetSysColor(COLOR_GRAYTEXT);
  }
  ::SetTextColor(dc, color);
  ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void ToolStrip::SetHot(int index) {
  if (index == hot_) return;
  hot_ = index;
  ::InvalidateRect(wnd_, nullptr, FALSE);
  if (callbacks_.hint)
    callbacks_.hint(index < 0 ? std::string() : callbacks_.state ? callbacks_.state(items_[index].ref).hint : items_[index].hint);
}

void ToolStrip::OnMouseMove(int x, int y) {
  if (!tracking_) {
    tracking_ = TrackMouseLeave(wnd_);
  }
  SetHot(HitTestStrip(items_, x, y));
}

void ToolStrip::OnMouseLeave() {
  tracking_ = false;
  if (pressed_ < 0) SetHot(-1);
}

void ToolStrip::OnLButtonDown(int x, int y) {
  int i = HitTestStrip(items_, x, y);
  if (i < 0 || !ItemEnabled(items_[i])) return;
  pressed_ = i;
  hot_ = i;
  ::SetCapture(wnd_);
  ::InvalidateRect(wnd_, nullptr, FALSE);
}

void ToolStrip::OnLButtonUp(int x, int y) {
  int pressed = pressed_;
  pressed_ = -1;
  if (::GetCapture() == wnd_) ::ReleaseCapture();
  ::InvalidateRect(wnd_, nullptr, FALSE);
  if (pressed < 0 || HitTestStrip(items_, x, y) != pressed) return;
  if (callbacks_.click && ItemEnabled(items_[pressed])) callbacks_.click(items_[pressed].ref);
}

}  // namespace hanaroku::win32
