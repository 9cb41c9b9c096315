#include "controls/Utf16Positions.h"

#include <algorithm>

#include "platform/Encoding.h"

namespace hanaroku {

std::size_t Utf16PieceLen(std::string_view text, std::size_t pos) noexcept {
  // A lead byte with a byte that can trail it is one character (or one
  // undecodable piece); anything else is a byte of its own.
  return enc::InvalidCharLen(text, pos);
}

void Utf16Positions::Reset(std::string_view text) {
  marks_.clear();
  marks_.reserve(text.size() / kStep + 1);
  std::size_t units = 0;
  for (std::size_t p = 0; p < text.size(); p += Utf16PieceLen(text, p), ++units)
    if (units % kStep == 0) marks_.push_back(p);
  if (marks_.empty()) marks_.push_back(0);
  units_ = units;
}

std::size_t Utf16Positions::ToUnits(std::string_view text, std::size_t byte) const noexcept {
  if (byte >= text.size()) return units_;
  const auto it = std::upper_bound(marks_.begin(), marks_.end(), byte);
  const auto k = static_cast<std::size_t>(it - marks_.begin()) - 1;
  std::size_t units = k * kStep;
  for (std::size_t p = marks_[k]; p < text.size(); ++units) {
    const std::size_t next = p + Utf16PieceLen(text, p);
    if (next > byte) return units;
    p = next;
  }
  return units_;
}

std::size_t Utf16Positions::ToBytes(std::string_view text, std::size_t units) const noexcept {
  if (units >= units_) return text.size();
  const std::size_t k = units / kStep;
  std::size_t p = marks_[k];
  for (std::size_t left = units % kStep; left > 0 && p < text.size(); --left) p += Utf16PieceLen(text, p);
  return p;
}

}  // namespace hanaroku
