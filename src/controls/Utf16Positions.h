#pragma once
// Utf16Positions: character positions in the UTF-16 form of a Shift-JIS
// text, as the platform edit control counts them, and the byte offsets they
// stand for. Every piece the converter turns into one UTF-16 unit (a
// double-byte character, a single byte, an undecodable piece, see
// enc::InvalidCharLen) counts one; a line break CR LF counts two. The map
// keeps the byte offset of every kStep-th unit, so one conversion costs a
// walk of at most kStep pieces after one O(n) pass over a changed text.
#include <cstddef>
#include <string_view>
#include <vector>

namespace hanaroku {

class Utf16Positions {
 public:
  static constexpr std::size_t kStep = 512;

  // Indexes text (call again after the text changed).
  void Reset(std::string_view text);
  std::size_t Units() const noexcept { return units_; }
  // Unit index of a byte offset; an offset inside a piece counts as that
  // piece's start, one beyond the text as its end.
  std::size_t ToUnits(std::string_view text, std::size_t byte) const noexcept;
  // Byte offset of a unit index; beyond the end: the text's size.
  std::size_t ToBytes(std::string_view text, std::size_t units) const noexcept;

 private:
  std::vector<std::size_t> marks_;  // byte offset of unit k * kStep
  std::size_t units_ = 0;
};

// Bytes of the piece of text at pos that becomes one UTF-16 unit.
std::size_t Utf16PieceLen(std::string_view text, std::size_t pos) noexcept;

}  // namespace hanaroku
