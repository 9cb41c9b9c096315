#pragma once
// Port of the components that attach to another control's message handling
// (TControlHook, TDropDst): the control as it offers itself to a hook, the
// messages a hook tells apart, and the shell's file drops.
//
// A control routes every message of its native window through its current
// message handler (WindowProc), also after its native window was destroyed
// and created anew; a hook replaces that handler and calls the one it saved.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Geometry.h"

namespace hanaroku {

// A native window; 0 is none.
using NativeHandle = std::uintptr_t;

enum class HookMessageKind : std::uint8_t {
  Create,    // the control's native window has been created (anew)
  Destroy,   // the control's native window is being destroyed
  FileDrop,  // files were dropped onto the window; `drop` holds them
  Other,
};

// The shell's data of one drop.
class IDroppedFiles {
 public:
  virtual ~IDroppedFiles() = default;
  // Every dropped item's full path (UTF-8), in the order the shell gives them.
  virtual std::vector<std::string> Files() = 0;
  // The drop point in the client coordinates of the window.
  virtual Point DropPoint() = 0;
  // Releases the shell's drop data (once; later calls do nothing).
  virtual void Finish() = 0;
};

struct HookMessage {
  HookMessageKind kind = HookMessageKind::Other;
  IDroppedFiles* drop = nullptr;  // with FileDrop
  void* native = nullptr;         // the platform's own message (for the saved handler); may be null
  std::intptr_t result = 0;
};

using WindowProcHandler = std::function<void(HookMessage&)>;

class IHookableControl;

// Told when a control goes away for good.
class IControlObserver {
 public:
  virtual ~IControlObserver() = default;
  virtual void ControlDestroyed(IHookableControl& control) = 0;
};

class IHookableControl {
 public:
  virtual ~IHookableControl() = default;
  virtual std::string Name() const = 0;
  // The control's native window now; 0 while it has none.
  virtual NativeHandle Handle() const = 0;
  // The top-level window (form) that holds the control, the control itself
  // when it is one; null when there is none.
  virtual IHookableControl* Form() = 0;
  virtual WindowProcHandler WindowProc() const = 0;
  virtual void SetWindowProc(WindowProcHandler handler) = 0;
  virtual void AddObserver(IControlObserver* observer) = 0;
  virtual void RemoveObserver(IControlObserver* observer) = 0;
};

// The shell's registration of windows that accept dropped files.
class IDropAcceptance {
 public:
  virtual ~IDropAcceptance() = default;
  virtual void AcceptFiles(NativeHandle window, bool accept) = 0;
};

}  // namespace hanaroku
