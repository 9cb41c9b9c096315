#pragma once
// PaneLayout: display lines and geometry of a pane. Lays the text out in
// flow coordinates (inline = along a line, block = across lines), wraps at
// the wrap extent when word wrap is on, and maps flow to client pixels:
// horizontal writing has lines top to bottom; vertical writing has columns
// from right to left, characters top to bottom.
#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"

namespace hanaroku {

struct Point {
  int x = 0, y = 0;
};
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// One character cell as painted.
struct LayoutCell {
  std::size_t pos = 0;   // byte offset in the text
  std::size_t len = 0;   // 1 or 2 bytes
  int inlineOffset = 0;  // from the start of the line, pixels
  int advance = 0;       // pixels along the line
};

class PaneLayout {
 public:
  void SetMeasurer(const ITextMeasurer* m) noexcept;
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
  int LongestLine() const noexcept;  // pixels, for the inline scroll range
  void ScrollIntoView(std::string_view text, std::size_t pos);

  bool Vertical() const noexcept { return vertical_; }
  bool WordWrap() const noexcept { return wordWrap_; }

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
