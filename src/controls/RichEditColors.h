#pragma once
// Colour of every character of a pane, kept as runs: a run starts at a byte
// offset and lasts until the next run starts or the text ends. Text without
// a colour of its own (kDefault) is painted in the font colour. A pane that
// was never coloured holds no runs at all, so edits cost nothing.
#include <cstddef>
#include <span>
#include <vector>

#include "controls/ReplacedSpan.h"

#include "platform/Canvas.h"

namespace hanaroku {

class ColorRuns {
 public:
  static constexpr TColor kDefault = 0xFFFFFFFFu;  // "no colour of its own"

  struct Run {
    std::size_t start = 0;
    TColor color = kDefault;
    bool operator==(const Run&) const = default;
  };

  // Forgets every colour; the text is now `length` bytes long.
  void Reset(std::size_t length) noexcept;
  std::size_t Length() const noexcept { return length_; }

  TColor At(std::size_t pos) const noexcept;  // kDefault at or beyond the end
  // Colours [from, to).
  void Set(std::size_t from, std::size_t to, TColor color);
  // Follows an edit: `removed` bytes at pos replaced by `inserted` bytes
  // that take `color`.
  void Replace(std::size_t pos, std::size_t removed, std::size_t inserted, TColor color);

  // Follows a whole-text rewrite given as its replaced spans (old positions,
  // in order): each replaced piece takes the colour of the first character
  // it replaced, all other text keeps its colour, as the same replacements
  // made one by one would give. The text is now newLength bytes long.
  void Rewrite(std::span<const ReplacedSpan> spans, std::size_t newLength);

  // Colours [start, start + length) for every start, in one pass over the
  // runs. The starts are ascending and the spans do not overlap.
  void SetEach(std::span<const std::size_t> starts, std::size_t length, TColor color);

  // The runs, in order; empty when every character has the default colour.
  // Adjacent runs always differ in colour and the first starts at 0.
  const std::vector<Run>& Runs() const noexcept { return runs_; }
  // Index of the run holding pos (runs must not be empty).
  std::size_t RunIndex(std::size_t pos) const noexcept;

 private:
  class Builder;
  std::size_t SplitAt(std::size_t pos);  // a run starts at pos afterwards; returns its index
  void Tidy(std::size_t from, std::size_t to) noexcept;  // merges equal neighbours in [from, to]

  std::vector<Run> runs_;
  std::size_t length_ = 0;
};

}  // namespace hanaroku
