#include "platform/win32/HintWindow.h"

#include <commctrl.h>

#include <map>

#include "platform/win32/WindowProc.h"

namespace hanaroku::win32 {
namespace {

struct HoverKey {
  HWND wnd = nullptr;
  UINT_PTR part = 0;
  bool operator==(const HoverKey&) const = default;
};

struct HintState {
  std::function<void(const std::string&)> applicationHint;
  HoverKey current;
  std::string text;
};

HintState& State() {
  static HintState state;
  return state;
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
  if (s.current == key && s.text == hint) return;
  s.current = key;
  s.text = hint;
  SetApplicationHint(hint);
}

void HintMouseLeave(HWND control, UINT_PTR part) {
  HintState& s = State();
  if (!(s.current == HoverKey{control, part})) return;
  s.current = {};
  s.text.clear();
  SetApplicationHint(std::string());
}

void HintTextChanged(HWND control, const std::string& hint, UINT_PTR part) {
  HintState& s = State();
  if (!(s.current == HoverKey{control, part}) || s.text == hint) return;
  s.text = hint;
  SetApplicationHint(hint);
}

void HintCancel() {}

void AttachHint(HWND control, std::function<std::string()> hint) {
  if (!control) return;
  bool fresh = Attached().find(control) == Attached().end();
  Attached()[control].hint = std::move(hint);
  if (fresh && !::SetWindowSubclass(control, HintSubclassProc, kHintSubclassId, 0)) Attached().erase(control);
}

}  // namespace hanaroku::win32
