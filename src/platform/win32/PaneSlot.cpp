#include "platform/win32/PaneSlot.h"

#include <shellapi.h>

#include <optional>
#include <stdexcept>

#include "controls/RichEditSx.h"
#include "platform/win32/HookableWindow.h"
#include "platform/win32/PaneWindow.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

struct PaneSlot::Impl {
  PaneWindow window;
  std::optional<HookableWindow> hookable;
};

PaneSlot::PaneSlot(HWND parent, int id, TRichEditSx& pane, std::string name, IHookableControl* form)
    : impl_(std::make_unique<Impl>()) {
  PaneWindow::RegisterWindowClass(::GetModuleHandleW(nullptr));
  impl_->window.Create(parent, pane, id);
  // Whether the pane takes dropped files is its drop target's business.
  ::DragAcceptFiles(impl_->window.Handle(), FALSE);
  impl_->hookable.emplace(std::move(name), [w = &impl_->window] { return w->Handle(); }, form);
}

PaneSlot::~PaneSlot() {
  // The control goes before its window: observers forget it first.
  impl_->hookable.reset();
}

HWND PaneSlot::Handle() const noexcept { return impl_->window.Handle(); }

IHookableControl& PaneSlot::Hookable() noexcept { return *impl_->hookable; }

}  // namespace hanaroku::win32
