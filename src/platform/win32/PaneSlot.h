#pragma once
// The main window's hold on one pane window: creation as a child for a
// TRichEditSx, the file drop handler, placement and visibility.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hanaroku {
class TRichEditSx;
}

namespace hanaroku::win32 {

using DropHandler = std::function<void(const std::vector<std::string>& names)>;

class PaneSlot {
 public:
  PaneSlot(HWND parent, int id, TRichEditSx& pane, DropHandler onDrop);
  ~PaneSlot();
  PaneSlot(const PaneSlot&) = delete;
  PaneSlot& operator=(const PaneSlot&) = delete;

  HWND Handle() const noexcept;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace hanaroku::win32
