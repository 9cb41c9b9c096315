#pragma once
// PaneComposition: the input method's composition as the pane shows it. The
// string being composed is drawn inside the pane from the caret on, in the
// pane's writing direction (upright characters down the column in vertical
// writing, going on in the next column at the column's end), each character
// in the colours its clause's state takes from the pane's four composition
// colours. The candidate window goes beside the composed column (vertical)
// or below the composed line (horizontal), and never over the composed text.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace hanaroku {

class PaneLayout;
struct ImeColor;

// States of composed characters as the input method reports them.
enum class CompositionState : std::uint8_t {
  Input = 0,
  TargetConverted = 1,
  Converted = 2,
  TargetNotConverted = 3,
  InputError = 4,
  FixedConverted = 5,
};

// Which of the four composition colour entries a state is drawn in.
int ColorEntryOf(CompositionState s) noexcept;

struct CompositionCell {
  std::size_t index = 0;  // in the composition string, UTF-16 units
  std::size_t units = 1;  // 1, or 2 for a surrogate pair
  Rect box;               // client pixels
  TColor text = 0, background = 0;
  bool underline = false;
};

class PaneComposition {
 public:
  bool Active() const noexcept { return active_; }
  void Start() noexcept;
  // What the input method reports: the string, one state per UTF-16 unit
  // (missing ones count as input, unknown values as input errors), the
  // clause boundaries in units, the cursor (units; out of range: at the end).
  void Update(std::u16string text, std::vector<std::uint8_t> states, std::vector<std::uint32_t> clauses,
              int cursor);
  void End() noexcept;  // forgets the composition

  const std::u16string& Text() const noexcept { return text_; }
  std::size_t Cursor() const noexcept { return cursor_; }
  CompositionState StateAt(std::size_t unit) const noexcept;
  // Clauses as [start, end) unit ranges; the whole string when none were given.
  const std::vector<std::uint32_t>& ClauseBounds() const noexcept { return clauses_; }

  // The composed characters laid out from the caret at byte caretPos of the
  // pane's text; the measurer measures Shift-JIS characters (one that code
  // page 932 cannot hold takes a full-width cell).
  std::vector<CompositionCell> Cells(const PaneLayout& layout, std::string_view paneText, std::size_t caretPos,
                                     const ITextMeasurer& measurer, const ImeColor* colors) const;
  // The caret inside the composition (at the cursor), in client pixels.
  Rect CursorRect(const PaneLayout& layout, std::string_view paneText, std::size_t caretPos,
                  const std::vector<CompositionCell>& cells) const;

  // Where the candidate window goes: its reference point and the area it
  // must leave free (the composed text).
  struct CandidatePlace {
    Point at;
    Rect exclude;
  };
  CandidatePlace CandidateWindow(const PaneLayout& layout, const std::vector<CompositionCell>& cells) const;

 private:
  bool active_ = false;
  std::u16string text_;
  std::vector<std::uint8_t> states_;
  std::vector<std::uint32_t> clauses_;
  std::size_t cursor_ = 0;
};

}  // namespace hanaroku
