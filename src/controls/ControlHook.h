#pragma once
// TControlHook: attaches itself to another control's message handling
// without the control's cooperation: it puts its own handler in the place of
// the control's, calls the saved one for every message, and puts it back
// when it detaches. The attachment belongs to the control, not to its native
// window, so it outlives re-creations of that window; the hook follows the
// window's handle through them (destroyed: none; created anew: the new one).
//
// The control is named (Control, as the settings keep it) and looked up when
// the hook attaches. When the control goes away for good, the hook forgets
// it without touching it and stays detached until Control is set again.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/WindowHook.h"

namespace hanaroku {

enum class THookTarget : std::uint8_t { htControl, htForm };

class TControlHook : private IControlObserver {
 public:
  // The controls by name; null when there is no such control (yet).
  using ControlFinder = std::function<IHookableControl*(const std::string& name)>;
  // The form that holds the hook's owner (htForm without a Control).
  using OwnerForm = std::function<IHookableControl*()>;

  static constexpr const char* kNoTargetError = "フック先を特定できません。";

  TControlHook(ControlFinder findControl, OwnerForm ownerForm);
  ~TControlHook() override;
  TControlHook(const TControlHook&) = delete;
  TControlHook& operator=(const TControlHook&) = delete;

  // ---- published ------------------------------------------------------------
  const std::string& Control() const noexcept { return control_; }
  // Detach, store, attach again. With htForm and no form to find: throws
  // std::runtime_error "フック先を特定できません。" (the value stays stored).
  void SetControl(std::string name);
  THookTarget Target() const noexcept { return target_; }
  void SetTarget(THookTarget target);

  // The owner has loaded its stored state: attach with the loaded Control.
  virtual void Loaded();

  // ---- state ----------------------------------------------------------------
  // The control attached to (null when detached).
  IHookableControl* Attached() const noexcept { return attached_; }
  // The attached control's native window as last seen: 0 for none, and 0
  // while a re-creation is under way.
  NativeHandle Handle() const noexcept { return handle_; }
  bool Recreating() const noexcept { return recreating_; }
  bool HandleLive() const noexcept { return attached_ && handle_ != 0 && !recreating_; }

 protected:
  enum class HandleChange : std::uint8_t { Destroyed, Created };
  // The native window of the attached control went or came; the base class
  // updates Handle().
  virtual void HandleChanged(HandleChange change);
  // Every message reaching the attached control; the base class passes it
  // to the control's own (saved) handler.
  virtual void Dispatch(HookMessage& msg);
  // Attaches when detached (silently staying detached without a control or
  // a native window under htControl).
  void Attach();
  void Detach();
  // Told after Attach attached and before Detach detaches (not when the
  // control was destroyed).
  virtual void OnAttached(IHookableControl&) {}
  virtual void OnDetaching(IHookableControl&) {}
  // Detaches and stores both values without attaching again (loading).
  void Assign(std::string control, THookTarget target);

 private:
  void HookProc(HookMessage& msg);
  void ControlDestroyed(IHookableControl& control) override;

  ControlFinder findControl_;
  OwnerForm ownerForm_;
  std::string control_;
  THookTarget target_ = THookTarget::htControl;
  IHookableControl* attached_ = nullptr;
  NativeHandle handle_ = 0;
  bool recreating_ = false;
  WindowProcHandler saved_;
};

}  // namespace hanaroku
