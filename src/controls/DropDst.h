#pragma once
// TDropDst: makes a control (or the form that holds it) accept files dragged
// from the desktop shell and reports each drop once, with every dropped path
// and the drop point. Built on TControlHook, so the acceptance follows the
// control across re-creations of its native window (a pane switching its
// word wrap, for one).
//
// The handler is named (OnFileDrop, as the settings keep it) and looked up
// at each drop. An error it raises goes to the general error report and no
// further; the shell's drop data is released in every case, and the drop is
// not passed on to the control.
#include <functional>
#include <string>
#include <vector>

#include "controls/ControlHook.h"

namespace hanaroku {

class TDropDst;

// Sender, the dropped paths (lives only during the call), the drop point in
// the client coordinates of the attached window.
using TFileDropEvent = std::function<void(TDropDst& sender, const std::vector<std::string>& files, int x, int y)>;

// A drop target's persistent properties (kept as DropDst1Component and
// DropDst2Component): the control and the handler by name.
struct DropDstProperties {
  std::string Control;  // "RichEditNx1" or "RichEditNx2"; empty: none
  THookTarget Target = THookTarget::htControl;
  bool AcceptDrop = true;
  std::string OnFileDrop;  // "DropDst1FileDrop" or "DropDst2FileDrop"; empty: none
  bool operator==(const DropDstProperties&) const = default;
};

class TDropDst final : public TControlHook {
 public:
  struct Context {
    ControlFinder findControl;
    OwnerForm ownerForm;
    std::function<IDropAcceptance*()> acceptance;  // the shell (null: none)
    std::function<TFileDropEvent(const std::string& name)> findHandler;
    std::function<void(const std::string& text)> reportError;  // the general error report
  };

  TDropDst(Context context, DropDstProperties design);
  ~TDropDst() override;

  bool AcceptDrop() const noexcept { return acceptDrop_; }
  // A different value is stored and registered on the attached window at once.
  void SetAcceptDrop(bool accept);
  const std::string& OnFileDrop() const noexcept { return onFileDrop_; }
  void SetOnFileDrop(std::string handlerName) { onFileDrop_ = std::move(handlerName); }

  // All persistent properties. Setting them (loading) detaches and stores
  // them; Loaded attaches.
  DropDstProperties Properties() const;
  void SetProperties(const DropDstProperties& props);

  // Loaded attaches with the loaded Control. Whenever the target attaches,
  // the attached window's acceptance follows AcceptDrop; detaching from a
  // live window withdraws it.

 private:
  void HandleChanged(HandleChange change) override;
  void Dispatch(HookMessage& msg) override;
  void OnAttached(IHookableControl& control) override;
  void OnDetaching(IHookableControl& control) override;
  void Register(bool accept);
  void Drop(IDroppedFiles& drop);

  Context context_;
  bool acceptDrop_ = true;
  std::string onFileDrop_;
};

}  // namespace hanaroku
