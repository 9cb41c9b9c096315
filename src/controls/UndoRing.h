#pragma once
// Undo ring of 15 whole-text snapshots. The pane records the kind of every
// action; a snapshot of the state before the action is taken when the kind
// changed (or always, for clicks, pastes and composition starts) and only
// when the text differs from the current slot. Each snapshot's text is
// derived from the current slot's (UndoText), so the ring keeps about one
// copy of a large text plus what the edits changed.
//
// Kinds: 0 undo, 1 caret keys, 2 Enter, 3 mouse down, 4 Backspace/Delete/cut,
// 5 other keys (typing), 6 paste, 9 composition start.
#include <functional>
#include <string>

#include "controls/RichEditSx.h"

namespace hanaroku {

class UndoRing {
 public:
  static constexpr int kSlots = 15;
  // Fills a slot with the pane's present selection and first line (the
  // ring has set its text).
  using Take = std::function<void(TRichUndoMemory&)>;

  UndoRing();

  int Index() const noexcept { return index_; }
  int Newest() const noexcept { return newest_; }
  int Oldest() const noexcept { return oldest_; }
  int LastAction() const noexcept { return lastAction_; }
  const TRichUndoMemory& Slot(int i) const;

  // Kind test, change test, snapshot; LastAction := kind in every case.
  // Returns true when a snapshot was saved.
  bool Record(int kind, const std::string& text, const Take& take);

  bool CanUndo(const std::string& text) const;
  // Redo is refused once the text differs from the restored state, so that
  // typing after an undo is never thrown away by a redo.
  bool CanRedo(const std::string& text) const;

  // Step back (recording the present state first) or forward; the slot to
  // restore, or null when there is nothing to do.
  const TRichUndoMemory* StepBack(const std::string& text, const Take& take);
  const TRichUndoMemory* StepForward(const std::string& text);

  // Bytes of text the slots keep, each shared buffer counted once.
  std::size_t HeldBytes() const;

 private:
  static int Next(int i) noexcept { return i == kSlots - 1 ? 0 : i + 1; }
  static int Prev(int i) noexcept { return i == 0 ? kSlots - 1 : i - 1; }
  void Save(const std::string& text, const Take& take);

  TRichUndoMemory slots_[kSlots];
  int index_ = 0, newest_ = 0, oldest_ = 0;
  int lastAction_ = 1;
};

}  // namespace hanaroku
