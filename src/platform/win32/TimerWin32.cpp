// Window timers on a hidden message-only window of the UI thread. The same
// window owns the clipboard when the program writes to it.
#include <map>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kUtilityClass[] = L"HanarokuUtility";

// Live timers by id; an id is never reused during a run.
std::map<UINT_PTR, TimerWin32*>& Timers() {
  static std::map<UINT_PTR, TimerWin32*> timers;
  return timers;
}

UINT_PTR NextTimerId() noexcept {
  static UINT_PTR next = 0x4000;
  return ++next;
}

void OnTimer(UINT_PTR id) {
  auto it = Timers().find(id);
  if (it != Timers().end()) it->second->Fire();
}

LRESULT CALLBACK UtilityProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  try {
    if (msg == WM_TIMER) {
      OnTimer(static_cast<UINT_PTR>(wp));
      return 0;
    }
  } catch (...) {
    ReportCurrentException();
    return 0;
  }
  return ::DefWindowProcW(wnd, msg, wp, lp);
}

}  // namespace

HWND UtilityWindow() {
  static HWND wnd = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = UtilityProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = kUtilityClass;
    ::RegisterClassExW(&wc);
    return ::CreateWindowExW(0, kUtilityClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
  }();
  return wnd;
}

TimerWin32::TimerWin32() : id_(NextTimerId()) { Timers()[id_] = this; }

TimerWin32::~TimerWin32() {
  if (interval_) ::KillTimer(UtilityWindow(), id_);
  Timers().erase(id_);
}

void TimerWin32::SetInterval(unsigned ms) {
  if (ms == interval_) return;
  if (interval_) ::KillTimer(UtilityWindow(), id_);
  interval_ = ms;
  if (ms && !::SetTimer(UtilityWindow(), id_, ms, nullptr)) {
    interval_ = 0;
    throw std::runtime_error("SetTimer: " + SystemErrorText(::GetLastError()));
  }
}

void TimerWin32::Fire() {
  // Copy: the callback may replace itself or stop the timer.
  if (!interval_) return;
  auto tick = tick_;
  if (tick) tick();
}

}  // namespace hanaroku::win32
