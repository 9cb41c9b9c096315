#pragma once
// Private state of TRichEditSx, shared by its source files.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "controls/PaneLayout.h"
#include "controls/RichEditColors.h"
#include "controls/RichEditSx.h"
#include "controls/UndoRing.h"
#include "platform/Canvas.h"

namespace hanaroku {

struct TRichEditSx::Impl {
  explicit Impl(TRichEditSx& owner);

  TRichEditSx& self;
  std::string text;
  std::size_t anchor = 0, caret = 0;  // the selection runs between them
  bool modified = false;
  std::uint64_t textStamp = 0;        // counts the changes of the text
  bool readOnly = false;
  int maxLength = 0;                  // bytes; 0: no limit
  bool vertical = false, wordWrap = true, selectionBar = false;
  TFont font;
  TColor background = 0xFFFFFF;
  ColorRuns colors;
  std::optional<TColor> insertColor;  // set on an empty selection; dropped when the caret moves
  ImeColor ime[4];
  UndoRing undo;

  // Display lines. An edit is applied to the layout lazily: one pending edit
  // is an Update, more than one (inside Lines.BeginUpdate) a single Rebuild.
  mutable PaneLayout layout;
  std::unique_ptr<FixedMeasurer> ownMeasurer;
  const ITextMeasurer* measurer = nullptr;
  enum class LayoutState { Clean, Pending, Dirty };
  mutable LayoutState layoutState = LayoutState::Dirty;
  mutable std::size_t pendingPos = 0, pendingRemoved = 0, pendingInserted = 0;

  // Lines.BeginUpdate nesting and what to do at the last EndUpdate.
  int updateDepth = 0;
  bool scrollPending = false, viewPending = false;

  IPaneView* view = nullptr;

  // Input state.
  bool dragging = false;
  char16_t pendingHigh = 0;  // first half of a surrogate pair typed
  int goalInline = -1;       // inline offset kept by Up/Down, -1: none

  std::size_t SelStart() const noexcept { return anchor < caret ? anchor : caret; }
  std::size_t SelEnd() const noexcept { return anchor < caret ? caret : anchor; }
  bool Updating() const noexcept { return updateDepth > 0; }

  // Layout upkeep.
  void NoteEdit(std::size_t pos, std::size_t removed, std::size_t inserted) noexcept;
  void NoteRelayout() noexcept { layoutState = LayoutState::Dirty; }
  void EnsureLayout() const;
  void ApplyMeasurer();
  int Margin() const noexcept;

  // The one edit primitive: replaces [pos, pos+removed) by ins, which takes
  // `color`; the selection becomes [newAnchor, newCaret].
  void Replace(std::size_t pos, std::size_t removed, std::string_view ins, TColor color,
               std::size_t newAnchor, std::size_t newCaret, bool scroll);
  // Replaces the whole text and selects [a, c). The colours are dropped, or
  // become `colorsAfter` when given (runs for the new text).
  void AssignText(std::string newText, bool modifiedAfter, std::size_t a, std::size_t c, bool scroll,
                  ColorRuns* colorsAfter = nullptr);
  // Colour that text inserted over the selection takes.
  TColor InsertionColor() const noexcept;
  // Replaces the selection as typing or pasting does: refused (false) when
  // MaxLength would be passed.
  bool TypeText(std::string_view sjis);
  void CheckLength(std::size_t removed, std::size_t inserted) const;
  bool FitsLength(std::size_t removed, std::size_t inserted) const noexcept;

  // Moves the selection; fires OnSelectionChange when it changed.
  void SetSelection(std::size_t newAnchor, std::size_t newCaret, bool scroll);
  void SetTopLine(int line);
  void ScrollCaret();

  // View notifications (held back while updating).
  void Changed(bool scroll, bool selectionMoved);
  void Repaint();
  void RelayoutAndNotify();
  void FireChange();
  void FireSelectionChange();

  // Undo glue.
  void TakeSnapshot(TRichUndoMemory& slot) const;
  void Restore(const TRichUndoMemory& slot);
  UndoRing::Take Taker() const {
    return [this](TRichUndoMemory& slot) { TakeSnapshot(slot); };
  }

  void SetDefaultImeColors() noexcept;
};

}  // namespace hanaroku
