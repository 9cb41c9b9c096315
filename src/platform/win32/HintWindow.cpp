#include "platform/win32/HintWindow.h"

#include <commctrl.h>

#include <map>
#include <memory>

#include "platform/win32/GdiCanvas.h"
#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

struct HoverKey {
  HWND wnd = nullptr;
  UINT_PTR part = 0;
  bool operator==(const HoverKey&) const = default;
};

constexpr wchar_t kHintClass[] = L"THintEx";
constexpr int kCursorMargin = 20;  // the hint starts this far below the hot spot

// The pop-up that shows one hint at a time.
class HintPopup {
 public:
  explicit HintPopup(const TAppHintN& settings) : settings_(settings) {}
  ~HintPopup() {
    if (wnd_) ::DestroyWindow(wnd_);
  }
  HintPopup(const HintPopup&) = delete;
  HintPopup& operator=(const HintPopup&) = delete;

  HWND Window() const noexcept { return wnd_; }
  bool Showing() const noexcept { return wnd_ && ::IsWindowVisible(wnd_); }

  void Show(const std::string& text);
  void Hide() {
    if (wnd_) ::ShowWindow(wnd_, SW_HIDE);
  }
  std::function<void()> onGone;  // destroyed from outside

 private:
  void Ensure();
  Rect HintRect(const std::string& text) const;
  void InstallRegion(const HintShape& shape);
  void GrabBackground(const Rect& bounds);
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void OnPaint();

  const TAppHintN& settings_;
  HWND wnd_ = nullptr;
  std::string text_;
  HintShape shape_;
  // What was on the screen under a style that does not erase its background.
  MemoryDc behindDc_;
  BitmapPtr behind_;
  HGDIOBJ oldBehind_ = nullptr;
};

void HintPopup::Ensure() {
  if (wnd_) return;
  using Self = HintPopup;
  RegisterProgramClass(kHintClass, &PaintedWindowProc<Self, &Self::wnd_, &Self::Handle, &Self::OnPaint>);
  // Layered and transparent for the mouse: a click where the hint stands
  // goes to the control below it instead of being lost on a disabled window.
  ::CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
                    kHintClass, L"", WS_POPUP | WS_DISABLED, 0, 0, 1, 1, nullptr, nullptr, ::GetModuleHandleW(nullptr),
                    this);
  if (wnd_) ::SetLayeredWindowAttributes(wnd_, 0, 255, LWA_ALPHA);
}

// The hint rectangle at the cursor, on the screen, before the style grows it.
Rect HintPopup::HintRect(const std::string& text) const {
  const int screenW = ::GetSystemMetrics(SM_CXSCREEN), screenH = ::GetSystemMetrics(SM_CYSCREEN);
  Size size;
  {
    WindowDc screen(nullptr);
    GdiCanvas canvas(screen.Get());
    size = HintTextSize(canvas, text, settings_.Font.face, std::max(40, screenW - 8));
  }
  POINT cursor{};
  ::GetCursorPos(&cursor);
  const int x = static_cast<int>(cursor.x), y = static_cast<int>(cursor.y);
  Rect r = Rect::FromSize(x, y + kCursorMargin, size.width, size.height);
  // On the screen: left of the right edge, above the cursor near the bottom
  // (with room for what the style adds).
  if (r.right > screenW) r = Rect::FromSize(std::max(0, screenW - size.width), r.top, size.width, size.height);
  if (r.bottom + 12 > screenH) r = Rect::FromSize(r.left, std::max(0, y - size.height - 12), size.width, size.height);
  return r;
}

void HintPopup::InstallRegion(const HintShape& shape) {
  ::SetWindowRgn(wnd_, nullptr, FALSE);  // the one installed before goes
  HRGN region = nullptr;
  const Rect& r = shape.region.rect;
  switch (shape.region.kind) {
    case HintRegion::Kind::Polygon: {
      std::vector<POINT> pts;
      for (const Point& p : shape.region.polygon) pts.push_back(POINT{p.x, p.y});
      region = ::CreatePolygonRgn(pts.data(), static_cast<int>(pts.size()), WINDING);
      break;
    }
    case HintRegion::Kind::RoundRect:
      region = ::CreateRoundRectRgn(r.left, r.top, r.right, r.bottom, 8, 8);
      break;
    case HintRegion::Kind::Rectangle:
      region = ::CreateRectRgn(r.left, r.top, r.right, r.bottom);
      break;
    case HintRegion::Kind::None:
      break;
  }
  if (region && !::SetWindowRgn(wnd_, region, FALSE)) ::DeleteObject(region);
}

void HintPopup::GrabBackground(const Rect& bounds) {
  if (oldBehind_) ::SelectObject(behindDc_.Get(), oldBehind_);
  oldBehind_ = nullptr;
  behind_.reset();
  behindDc_.Reset();
  if (shape_.eraseBackground) return;
  WindowDc screen(nullptr);
  behindDc_ = MemoryDc(screen.Get());
  behind_.reset(::CreateCompatibleBitmap(screen.Get(), bounds.Width(), bounds.Height()));
  if (!behindDc_ || !behind_) return;
  oldBehind_ = ::SelectObject(behindDc_.Get(), behind_.get());
  ::BitBlt(behindDc_.Get(), 0, 0, bounds.Width(), bounds.Height(), screen.Get(), bounds.left, bounds.top, SRCCOPY);
}

void HintPopup::Show(const std::string& text) {
  Ensure();
  if (!wnd_) return;
  text_ = text;
  const bool wasShowing = Showing();
  shape_ = ActivateHintShape(settings_.HintStyle, HintRect(text));
  const Rect& b = shape_.bounds;
  if (!wasShowing) GrabBackground(b);
  InstallRegion(shape_);
  ::SetWindowPos(wnd_, HWND_TOPMOST, b.left, b.top, b.Width(), b.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::InvalidateRect(wnd_, nullptr, FALSE);
  ::UpdateWindow(wnd_);
}

void HintPopup::OnPaint() {
  PaintBuffered(wnd_, [this](HDC dc, const RECT& client) {
    if (behind_) ::BitBlt(dc, 0, 0, client.right, client.bottom, behindDc_.Get(), 0, 0, SRCCOPY);
    GdiCanvas canvas(dc);
    PaintHint(canvas, settings_, text_, Size{client.right, client.bottom});
  });
}

LRESULT HintPopup::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the mouse goes on to what is below
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_NCDESTROY: {
      wnd_ = nullptr;
      if (onGone) onGone();
      break;
    }
    default:
      break;
  }
  return ::DefWindowProcW(wnd_, msg, wp, lp);
}

struct HintState {
  std::function<void(const std::string&)> applicationHint;
  HoverKey current;
  std::string text;
  THintTimingModel::Key serial = 0;  // the timing's key of `current`
  TAppHintN settings = MainWindowAppHint();
  std::unique_ptr<HintPopup> popup;
  std::unique_ptr<THintTimingModel> timing;

  THintTimingModel& Timing() {
    if (!timing) {
      popup = std::make_unique<HintPopup>(settings);
      timing = std::make_unique<THintTimingModel>(std::make_unique<TimerWin32>(), &settings);
      timing->OnShow = [this](const std::string& text) { popup->Show(text); };
      timing->OnHide = [this] { popup->Hide(); };
      popup->onGone = [this] { timing->Hidden(); };
    }
    return *timing;
  }
};

// Lives to the end of the process: its timer and window must not go in the
// static destruction, after the timers' table.
HintState& State() {
  static HintState* state = new HintState;
  return *state;
}

void SetApplicationHint(const std::string& text) {
  HintState& s = State();
  if (s.applicationHint) s.applicationHint(text);
}

// Platform controls that report their hint through a subclass.
struct AttachedHint {
  std::function<std::string()> hint;
  bool tracking = false;
};

std::map<HWND, AttachedHint>& Attached() {
  static std::map<HWND, AttachedHint> attached;
  return attached;
}

constexpr UINT_PTR kHintSubclassId = 0x48494E54;  // "HINT"

LRESULT CALLBACK HintSubclassProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  auto it = Attached().find(wnd);
  if (it != Attached().end()) {
    try {
      switch (msg) {
        case WM_MOUSEMOVE:
          if (!it->second.tracking) {
            it->second.tracking = TrackMouseLeave(wnd);
            HintMouseEnter(wnd, it->second.hint ? it->second.hint() : std::string());
          }
          break;
        case WM_MOUSELEAVE:
          it->second.tracking = false;
          HintMouseLeave(wnd);
          break;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_KEYDOWN:
          HintCancel();
          break;
        case WM_NCDESTROY:
          HintMouseLeave(wnd);
          Attached().erase(it);
          ::RemoveWindowSubclass(wnd, HintSubclassProc, kHintSubclassId);
          break;
        default:
          break;
      }
    } catch (...) {
      ReportCurrentException(::GetAncestor(wnd, GA_ROOT));
    }
  }
  return ::DefSubclassProc(wnd, msg, wp, lp);
}

}  // namespace

void SetApplicationHintHandler(std::function<void(const std::string&)> handler) {
  State().applicationHint = std::move(handler);
}

void HintMouseEnter(HWND control, const std::string& hint, UINT_PTR part) {
  HintState& s = State();
  HoverKey key{control, part};
  if (s.current == key) {
    HintTextChanged(control, hint, part);
    return;
  }
  s.current = key;
  s.text = hint;
  s.serial += 1;
  s.Timing().MouseEnter(s.serial, hint);
  SetApplicationHint(hint);
}

void HintMouseLeave(HWND control, UINT_PTR part) {
  HintState& s = State();
  if (!(s.current == HoverKey{control, part})) return;
  s.current = {};
  s.text.clear();
  s.Timing().MouseLeave(s.serial);
  SetApplicationHint(std::string());
}

void HintTextChanged(HWND control, const std::string& hint, UINT_PTR part) {
  HintState& s = State();
  if (!(s.current == HoverKey{control, part}) || s.text == hint) return;
  s.text = hint;
  s.Timing().TextChanged(s.serial, hint);
  SetApplicationHint(hint);
}

void HintCancel() {
  HintState& s = State();
  if (s.timing) s.timing->Cancel();
}

TAppHintN& ApplicationHintSettings() { return State().settings; }

HWND HintWindowHandle() noexcept {
  const HintState& s = State();
  return s.popup ? s.popup->Window() : nullptr;
}

bool HintWindowShowing() noexcept {
  const HintState& s = State();
  return s.popup && s.popup->Showing();
}

void AttachHint(HWND control, std::function<std::string()> hint) {
  if (!control) return;
  bool fresh = Attached().find(control) == Attached().end();
  Attached()[control].hint = std::move(hint);
  if (fresh && !::SetWindowSubclass(control, HintSubclassProc, kHintSubclassId, 0)) Attached().erase(control);
}

}  // namespace hanaroku::win32
