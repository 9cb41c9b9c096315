#include "controls/DropDst.h"

#include "platform/ErrorText.h"

namespace hanaroku {
namespace {

// Releases the shell's drop data at the end of the scope, whatever happens.
class FinishDrop {
 public:
  explicit FinishDrop(IDroppedFiles& drop) noexcept : drop_(drop) {}
  ~FinishDrop() { drop_.Finish(); }
  FinishDrop(const FinishDrop&) = delete;
  FinishDrop& operator=(const FinishDrop&) = delete;

 private:
  IDroppedFiles& drop_;
};

}  // namespace

TDropDst::TDropDst(Context context, DropDstProperties design)
    : TControlHook(context.findControl, context.ownerForm), context_(std::move(context)) {
  SetProperties(design);
}

TDropDst::~TDropDst() { Detach(); }

void TDropDst::SetAcceptDrop(bool accept) {
  if (accept == acceptDrop_) return;
  acceptDrop_ = accept;
  Register(acceptDrop_);
}

DropDstProperties TDropDst::Properties() const { return {Control(), Target(), acceptDrop_, onFileDrop_}; }

void TDropDst::SetProperties(const DropDstProperties& props) {
  Assign(props.Control, props.Target);
  acceptDrop_ = props.AcceptDrop;
  onFileDrop_ = props.OnFileDrop;
}

void TDropDst::Register(bool accept) {
  if (!HandleLive()) return;
  if (IDropAcceptance* shell = context_.acceptance ? context_.acceptance() : nullptr)
    shell->AcceptFiles(Handle(), accept);
}

void TDropDst::OnAttached(IHookableControl&) { Register(acceptDrop_); }

void TDropDst::OnDetaching(IHookableControl&) {
  // The window stays; drops onto it are no longer this target's.
  Register(false);
}

void TDropDst::HandleChanged(HandleChange change) {
  TControlHook::HandleChanged(change);
  Register(acceptDrop_);
}

void TDropDst::Dispatch(HookMessage& msg) {
  if (msg.kind != HookMessageKind::FileDrop || !msg.drop) {
    TControlHook::Dispatch(msg);
    return;
  }
  Drop(*msg.drop);
  msg.result = 0;
}

void TDropDst::Drop(IDroppedFiles& drop) {
  FinishDrop finish(drop);
  try {
    TFileDropEvent handler;
    if (!onFileDrop_.empty() && context_.findHandler) handler = context_.findHandler(onFileDrop_);
    if (!handler) return;
    const std::vector<std::string> files = drop.Files();
    const Point at = drop.DropPoint();
    handler(*this, files, at.x, at.y);
  } catch (...) {
    const std::string text = CurrentExceptionText();
    if (context_.reportError) {
      try {
        context_.reportError(text);
      } catch (...) {
        // Nothing more can be told; the drop is over either way.
      }
    }
  }
}

}  // namespace hanaroku
