#include "platform/win32/PaneSlot.h"

#include <stdexcept>

#include "controls/RichEditSx.h"
#include "platform/win32/PaneWindow.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

struct PaneSlot::Impl {
  PaneWindow window;
};

PaneSlot::PaneSlot(HWND parent, int id, TRichEditSx& pane, DropHandler onDrop) : impl_(std::make_unique<Impl>()) {
  PaneWindow::RegisterWindowClass(::GetModuleHandleW(nullptr));
  impl_->window.Create(parent, pane, id);
  impl_->window.SetDropHandler([onDrop = std::move(onDrop)](std::vector<std::string> names) {
    if (onDrop) onDrop(names);
  });
}

PaneSlot::~PaneSlot() = default;

HWND PaneSlot::Handle() const noexcept { return impl_->window.Handle(); }

}  // namespace hanaroku::win32
