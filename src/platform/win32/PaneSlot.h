#pragma once
// The main window's hold on one pane window: creation as a child for a
// TRichEditSx, placement and visibility, and the pane as a control that the
// drop targets attach to (files dropped on the pane reach them).
#include "platform/win32/Win32Util.h"

#include <memory>
#include <string>

namespace hanaroku {
class IHookableControl;
class TRichEditSx;
}  // namespace hanaroku

namespace hanaroku::win32 {

class PaneSlot {
 public:
  // name: the pane's design name ("RichEditNx1"); form: the main window as
  // a control.
  PaneSlot(HWND parent, int id, TRichEditSx& pane, std::string name, IHookableControl* form);
  ~PaneSlot();
  PaneSlot(const PaneSlot&) = delete;
  PaneSlot& operator=(const PaneSlot&) = delete;

  HWND Handle() const noexcept;
  IHookableControl& Hookable() noexcept;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace hanaroku::win32
