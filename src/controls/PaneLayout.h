#pragma once
// PaneLayout: display lines and geometry of a pane. Lays the text out in
// flow coordinates (inline = along a line, block = across lines), wraps at
// the wrap extent when word wrap is on, and maps flow to client pixels:
// horizontal writing has lines top to bottom; vertical writing has columns
// from right to left, characters top to bottom.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace hanaroku {

// One character cell as painted.
struct LayoutCell {
  std::size_t pos = 0;   // byte offset in the text
  std::size_t len = 0;   // 1 or 2 bytes
  int inlineOffset = 0;  // from the start of the line, pixels
  int advance = 0;       // pixels along the line
};

// Settings that move line breaks (measurer, orientation, wrap, the inline
// extent while wrapping, margin) take effect at the next Rebuild; an Update
// issued before that rebuilds in full. A tab advances to the next multiple
// of four full-width cells (the advance of U+3000) from the display line
// start. A lead byte followed by CR or LF is a character of its own, so line
// breaks are always seen. With word wrap on and an inline extent of 0 or
// less the text is laid out as if wrap were off.
//
// Wrapping follows the Japanese line-breaking rules (LineBreaking.h): a
// character that may not begin a line takes the characters before it to the
// next line with it (back to the last place a break is allowed), "、" and
// "。" hang past the extent instead, and a Latin run breaks only at a blank.
// Where a line offers no allowed break at all it breaks at the extent.
class PaneLayout {
 public:
  static constexpr int kCaretWidth = 2;   // thickness of the caret bar
  static constexpr int kTabCells = 4;     // full-width cells per tab stop

  void SetMeasurer(const ITextMeasurer* m) noexcept;  // also forgets cached advances
  void SetVertical(bool v) noexcept;
  void SetWordWrap(bool w) noexcept;
  void SetClientSize(int width, int height) noexcept;
  void SetMargin(int px) noexcept;  // selection bar / padding at the line start

  // Full layout of text, and the cheaper update after replacing `removed`
  // bytes at pos by `inserted` bytes (text is the new whole text).
  void Rebuild(std::string_view text);
  void Update(std::string_view text, std::size_t pos, std::size_t removed, std::size_t inserted);

  // Display lines. Count() leaves out a final empty line; LineFromPos may
  // return Count() for a caret on that final empty line.
  int Count() const noexcept;
  int AllLines() const noexcept;  // including the final empty line
  std::size_t LineStart(int line) const;
  std::size_t LineEnd(int line) const;      // before the line break, or at the wrap point
  std::size_t NextLineStart(int line) const;
  int LineFromPos(std::size_t pos) const;

  // Geometry (client pixels, before scrolling is applied by the caller's
  // scroll offsets below).
  std::vector<LayoutCell> Cells(int line, std::string_view text) const;
  // The cells of a display line that reach into [fromPx, toPx) inline
  // pixels: what a paint of a long line needs, in time proportional to
  // that stretch and not to the line.
  std::vector<LayoutCell> Cells(int line, std::string_view text, int fromPx, int toPx) const;
  // The caret stop of a display line nearest to an inline offset, where Up
  // and Down take the caret (a wrapped line ends before its last character).
  std::size_t PosAtInline(std::string_view text, int line, int goal) const;
  std::size_t HitTest(std::string_view text, Point client) const;  // nearest caret position
  Rect CaretRect(std::string_view text, std::size_t pos) const;     // in client pixels
  int LinePitch() const noexcept;
  int InlineExtent() const noexcept;  // width (horizontal) or height (vertical) available

  // Scrolling: first visible line and inline scroll in pixels.
  int TopLine() const noexcept;
  void SetTopLine(int line) noexcept;
  int InlineScroll() const noexcept;
  void SetInlineScroll(int px) noexcept;
  int VisibleLines() const noexcept;
  // The first visible line that fills the last page; a change of the text
  // pulls a larger TopLine back to it (SetTopLine itself may go on to the
  // last line, as scrolling by hand does).
  int MaxTopLine() const noexcept;
  int LongestLine() const noexcept;  // pixels, for the inline scroll range
  void ScrollIntoView(std::string_view text, std::size_t pos);

  bool Vertical() const noexcept { return vertical_; }
  bool WordWrap() const noexcept { return wordWrap_; }

  // ---- additions -----------------------------------------------------------
  // Forget the cached character advances (the measurer's font changed).
  void InvalidateMeasures() noexcept;
  // True when a setting changed since the last Rebuild in a way that moves
  // line breaks.
  bool NeedsRebuild() const noexcept { return dirty_; }
  int Margin() const noexcept { return margin_; }
  int ClientWidth() const noexcept { return width_; }
  int ClientHeight() const noexcept { return height_; }
  std::size_t TextSize() const noexcept { return textSize_; }
  // Bytes of the line break ending a display line (0 at a wrap point or the
  // end of the text, 1 for a lone CR or LF, 2 for CR LF).
  int BreakLength(int line) const;
  // Inline pixels of a display line, leaving out a "、" or "。" that hangs
  // past the extent (it takes no scroll range).
  int LineWidth(int line) const;
  // Inline offset of the caret at pos within its display line, pixels.
  int InlineFromPos(std::string_view text, std::size_t pos) const;
  // Client pixels of the top-left corner of the cell at (line, inlinePx),
  // with the scroll offsets applied.
  Point FlowToClient(int line, int inlinePx) const noexcept;
  // Display line under a client point (may lie outside 0..AllLines()-1).
  int LineAtClient(Point client) const noexcept;
  // True when the point lies in the margin before the line starts (the
  // selection bar).
  bool InMargin(Point client) const noexcept;
  int MaxInlineScroll() const noexcept;   // largest useful InlineScroll
  // Counts the Rebuilds and Updates: what is cached from the text (such as
  // its UTF-16 positions) is stale when this changed.
  std::uint64_t Generation() const noexcept { return generation_; }

 private:
  struct LaidLine {
    std::size_t start = 0, next = 0;
    std::size_t reach = 0;  // end of the bytes that decided where the line ends
    int width = 0;  // without a hanging character
    std::uint8_t brk = 0;
    bool leadTab = false;  // a tab before the first mark laid
  };
  // A known place inside a display line: a character start and its inline
  // offset. Long lines carry one every kMarkBytes, so that positions and
  // offsets inside them are found from the nearest mark.
  struct Mark {
    std::size_t pos = 0;
    int x = 0;
    bool tab = false;  // a tab lies between this mark and the next one (or the line end)
  };
  static constexpr std::size_t kMarkBytes = 1024;
  int Advance(std::string_view text, std::size_t pos, std::size_t len) const;
  int CellAdvance(std::string_view text, std::size_t pos, std::size_t len, int x) const;
  int TabAdvance(int x) const;
  int TabStop() const;
  std::size_t StepAt(std::string_view text, std::size_t pos) const noexcept;
  bool Wrapping() const noexcept;
  // Lays one display line out from `from` (its start, or a mark inside it),
  // appending the marks it passes.
  LaidLine LayLine(std::string_view text, std::size_t start, Mark from, std::vector<Mark>& marks) const;
  // An edit inside a long line without wrapping: the line is laid again
  // from the mark before the edit only until it meets an old mark again
  // with offsets that the rest of the line can simply follow. False when
  // that does not apply; nothing is changed then.
  bool ShiftWithinLine(std::string_view text, std::size_t pos, std::size_t removed, std::size_t inserted);
  Mark MarkBeforePos(int line, std::size_t pos) const;
  Mark MarkBeforeInline(int line, int px) const;
  // Calls visit(cell) for the cells of a line from a mark until it returns false.
  template <class Visit>
  void WalkCells(std::string_view text, int line, Mark from, Visit&& visit) const;
  void Append(const LaidLine& l);
  void ClampScroll() noexcept;
  void RecomputeLongest() noexcept;
  const ITextMeasurer& M() const noexcept;

  std::vector<std::uint8_t> breaks_;  // per display line, see BreakLength
  std::vector<int> widths_;           // per display line
  std::vector<std::size_t> reaches_;  // per display line: LaidLine::reach - start
  std::vector<Mark> marks_;           // by position, none at a line start
  std::size_t textSize_ = 0;
  std::uint64_t generation_ = 0;
  bool dirty_ = true;
  mutable std::vector<int> advances_;  // per character code; -1 unknown
  mutable int tabStop_ = -1;

 private:
  const ITextMeasurer* measurer_ = nullptr;
  bool vertical_ = false;
  bool wordWrap_ = true;
  int width_ = 0, height_ = 0, margin_ = 0;
  int topLine_ = 0, inlineScroll_ = 0;
  std::vector<std::size_t> starts_;  // display line starts
  int longest_ = 0;
};

}  // namespace hanaroku
