#include "controls/ControlHook.h"

#include <stdexcept>

namespace hanaroku {

TControlHook::TControlHook(ControlFinder findControl, OwnerForm ownerForm)
    : findControl_(std::move(findControl)), ownerForm_(std::move(ownerForm)) {}

TControlHook::~TControlHook() { Detach(); }

void TControlHook::SetControl(std::string name) {
  Detach();
  control_ = std::move(name);
  Attach();
}

void TControlHook::SetTarget(THookTarget target) {
  Detach();
  target_ = target;
  Attach();
}

void TControlHook::Assign(std::string control, THookTarget target) {
  Detach();
  control_ = std::move(control);
  target_ = target;
}

void TControlHook::Loaded() {
  Detach();
  Attach();
}

void TControlHook::Attach() {
  if (attached_) return;
  IHookableControl* control = control_.empty() || !findControl_ ? nullptr : findControl_(control_);
  IHookableControl* target = control;
  if (target_ == THookTarget::htForm) target = control ? control->Form() : (ownerForm_ ? ownerForm_() : nullptr);
  if (!target || target->Handle() == 0) {
    if (target_ == THookTarget::htForm) throw std::runtime_error(kNoTargetError);
    return;
  }
  attached_ = target;
  handle_ = target->Handle();
  recreating_ = false;
  target->AddObserver(this);
  saved_ = target->WindowProc();
  target->SetWindowProc([this](HookMessage& msg) { HookProc(msg); });
  OnAttached(*target);
}

void TControlHook::Detach() {
  if (!attached_) return;
  IHookableControl* control = attached_;
  OnDetaching(*control);
  control->SetWindowProc(std::move(saved_));
  control->RemoveObserver(this);
  saved_ = nullptr;
  attached_ = nullptr;
  handle_ = 0;
  recreating_ = false;
}

void TControlHook::HookProc(HookMessage& msg) {
  if (msg.kind == HookMessageKind::Create) {
    recreating_ = true;
    handle_ = 0;
  } else if (msg.kind == HookMessageKind::Destroy) {
    HandleChanged(HandleChange::Destroyed);
  } else if (recreating_ && attached_ && attached_->Handle() != 0) {
    HandleChanged(HandleChange::Created);
  }
  Dispatch(msg);
}

void TControlHook::HandleChanged(HandleChange change) {
  recreating_ = false;
  handle_ = change == HandleChange::Created && attached_ ? attached_->Handle() : 0;
}

void TControlHook::Dispatch(HookMessage& msg) {
  // A copy: the handler may detach the hook, which replaces saved_.
  const WindowProcHandler saved = saved_;
  if (saved) saved(msg);
}

void TControlHook::ControlDestroyed(IHookableControl& control) {
  if (&control != attached_) return;
  HandleChanged(HandleChange::Destroyed);
  // Its handler is gone with it: nothing to put back.
  saved_ = nullptr;
  attached_ = nullptr;
}

}  // namespace hanaroku
