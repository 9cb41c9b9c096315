#include "controls/UndoRing.h"

#include <stdexcept>
#include <unordered_set>

namespace hanaroku {

UndoRing::UndoRing() = default;  // slot 0: the empty pane, selection 0, top line 0

const TRichUndoMemory& UndoRing::Slot(int i) const {
  if (i < 0 || i >= kSlots) throw std::out_of_range("undo slot");
  return slots_[i];
}

void UndoRing::Save(const std::string& text, const Take& take) {
  const int base = index_;
  index_ = Next(index_);
  TRichUndoMemory& slot = slots_[index_];
  slot.Text = UndoText::Derive(slots_[base].Text, text);
  slot.Stream = slot.Text;
  take(slot);
  newest_ = index_;  // any redo history beyond is dropped
  if (index_ == oldest_) oldest_ = Next(oldest_);  // the ring is full
}

bool UndoRing::Record(int kind, const std::string& text, const Take& take) {
  const bool always = kind == 3 || kind == 6 || kind == 9;
  const bool kindPasses = always || kind != lastAction_;
  // Nothing happened since the last undo or redo when LastAction is 0.
  const bool changePasses = lastAction_ != 0 && kindPasses && text != slots_[index_].Text;
  lastAction_ = kind;
  if (!changePasses) return false;
  Save(text, take);
  return true;
}

bool UndoRing::CanUndo(const std::string& text) const {
  return !(index_ == oldest_ && text == slots_[index_].Text);
}

bool UndoRing::CanRedo(const std::string& text) const {
  return index_ != newest_ && text == slots_[index_].Text;
}

const TRichUndoMemory* UndoRing::StepBack(const std::string& text, const Take& take) {
  if (!CanUndo(text)) return nullptr;
  if (lastAction_ != 0) Record(0, text, take);
  // After a full ring the present state may itself be the oldest slot.
  if (index_ == oldest_) return nullptr;
  index_ = Prev(index_);
  return &slots_[index_];
}

const TRichUndoMemory* UndoRing::StepForward(const std::string& text) {
  if (!CanRedo(text)) return nullptr;
  index_ = Next(index_);
  lastAction_ = 0;
  return &slots_[index_];
}

std::size_t UndoRing::HeldBytes() const {
  std::unordered_set<const std::string*> seen;
  std::size_t bytes = 0;
  for (const TRichUndoMemory& slot : slots_)
    for (const UndoText* t : {&slot.Stream, &slot.Text})
      t->ForEachBuffer([&](const std::string* buffer, std::size_t size) {
        if (seen.insert(buffer).second) bytes += size;
      });
  return bytes;
}

}  // namespace hanaroku
