#pragma once
// The Win32 side of the window hooks: a control's native window offered to
// TControlHook / TDropDst, the shell's drop registration, and the shell's
// data of one WM_DROPFILES.
//
// HookableWindow routes every message of the control's current window
// through its WindowProc (subclassing the window). When that window is
// destroyed and the control creates a new one under the same parent, it
// finds the new window (the parent's WM_PARENTNOTIFY), subclasses it, tells
// the handler that the window was created and sends it a WM_NULL, so that a
// hook sees the new handle at once. Destroying the HookableWindow tells its
// observers that the control is gone.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <string>
#include <vector>

#include "platform/WindowHook.h"

namespace hanaroku::win32 {

inline HWND ToHwnd(NativeHandle h) noexcept { return reinterpret_cast<HWND>(h); }
inline NativeHandle ToNative(HWND w) noexcept { return reinterpret_cast<NativeHandle>(w); }

// The platform's message behind a HookMessage (HookMessage::native).
struct NativeMessage {
  HWND wnd;
  UINT msg;
  WPARAM wp;
  LPARAM lp;
};

class HookableWindow final : public IHookableControl {
 public:
  // `current` gives the control's window now (null while it has none); form
  // is the top-level window's HookableWindow (null: this is the form).
  HookableWindow(std::string name, std::function<HWND()> current, IHookableControl* form = nullptr);
  ~HookableWindow() override;
  HookableWindow(const HookableWindow&) = delete;
  HookableWindow& operator=(const HookableWindow&) = delete;

  std::string Name() const override { return name_; }
  NativeHandle Handle() const override;
  IHookableControl* Form() override { return form_ ? form_ : this; }
  WindowProcHandler WindowProc() const override { return proc_; }
  void SetWindowProc(WindowProcHandler handler) override;
  void AddObserver(IControlObserver* observer) override;
  void RemoveObserver(IControlObserver* observer) override;

  // The window's own handling of a message (what WindowProc calls last).
  static void DefaultProc(HookMessage& msg);

 private:
  static LRESULT CALLBACK WindowSubclass(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
  static LRESULT CALLBACK ParentSubclass(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
  LRESULT Route(HWND wnd, UINT msg, WPARAM wp, LPARAM lp);
  void Adopt(HWND wnd);
  void Recreated(HWND wnd);
  void Release() noexcept;

  std::string name_;
  std::function<HWND()> current_;
  IHookableControl* form_;
  WindowProcHandler proc_ = &HookableWindow::DefaultProc;
  std::vector<IControlObserver*> observers_;
  HWND wnd_ = nullptr;     // the window subclassed now
  HWND parent_ = nullptr;  // watched for a new window of the control
  int id_ = 0;             // the window's control id
};

// DragAcceptFiles.
class DropAcceptanceWin32 final : public IDropAcceptance {
 public:
  void AcceptFiles(NativeHandle window, bool accept) override;
};

// The HDROP of one WM_DROPFILES; Finish is DragFinish.
class DroppedFilesWin32 final : public IDroppedFiles {
 public:
  explicit DroppedFilesWin32(HDROP drop) noexcept : drop_(drop) {}
  ~DroppedFilesWin32() override = default;
  // Every path whole, however long.
  std::vector<std::string> Files() override;
  Point DropPoint() override;
  void Finish() override;
  bool Finished() const noexcept { return drop_ == nullptr; }

 private:
  HDROP drop_;
};

}  // namespace hanaroku::win32
