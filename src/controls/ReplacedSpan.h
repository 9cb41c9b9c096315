#pragma once
// A piece of a text replaced in a whole-text rewrite: bytes
// [oldStart, oldStart + oldLength) of the old text became newLength bytes of
// the new text. A rewrite lists its spans in text order, without overlaps;
// the text between them is unchanged.
#include <cstddef>

namespace hanaroku {

struct ReplacedSpan {
  std::size_t oldStart = 0;
  std::size_t oldLength = 0;
  std::size_t newLength = 0;
  bool operator==(const ReplacedSpan&) const = default;
};

}  // namespace hanaroku
