#include "controls/UndoText.h"

#include <algorithm>
#include <cstring>

namespace hanaroku {
namespace {

// Pieces shorter than this are joined with their short neighbours.
constexpr std::size_t kShortPiece = 16 * 1024;

std::size_t Mismatch(std::string_view a, std::string_view b) noexcept {
  const std::size_t n = std::min(a.size(), b.size());
  return static_cast<std::size_t>(std::mismatch(a.begin(), a.begin() + static_cast<std::ptrdiff_t>(n), b.begin()).first -
                                  a.begin());
}

std::size_t MismatchFromEnd(std::string_view a, std::string_view b) noexcept {
  const std::size_t n = std::min(a.size(), b.size());
  return static_cast<std::size_t>(
      std::mismatch(a.rbegin(), a.rbegin() + static_cast<std::ptrdiff_t>(n), b.rbegin()).first - a.rbegin());
}

}  // namespace

UndoText::UndoText(std::string_view text) : size_(text.size()) {
  if (!text.empty()) pieces_.push_back({std::make_shared<const std::string>(text), 0, text.size()});
}

std::string UndoText::Str() const {
  std::string s;
  s.reserve(size_);
  for (const Piece& p : pieces_) s.append(p.View());
  return s;
}

bool UndoText::operator==(std::string_view text) const noexcept {
  if (text.size() != size_) return false;
  std::size_t at = 0;
  for (const Piece& p : pieces_) {
    if (std::memcmp(p.View().data(), text.data() + at, p.length) != 0) return false;
    at += p.length;
  }
  return true;
}

std::size_t UndoText::CommonPrefix(std::string_view s) const noexcept {
  std::size_t at = 0;
  for (const Piece& p : pieces_) {
    const std::size_t same = Mismatch(p.View(), s.substr(at));
    at += same;
    if (same < p.length) break;
  }
  return at;
}

std::size_t UndoText::CommonSuffix(std::string_view s, std::size_t limit) const noexcept {
  std::size_t same = 0;
  for (auto p = pieces_.rbegin(); p != pieces_.rend() && same < limit; ++p) {
    const std::string_view mine = p->View().substr(p->length - std::min(p->length, limit - same));
    const std::size_t n = MismatchFromEnd(mine, s.substr(0, s.size() - same));
    same += n;
    if (n < mine.size()) break;
  }
  return same;
}

void UndoText::AppendRange(std::vector<Piece>& out, std::size_t from, std::size_t to) const {
  std::size_t at = 0;
  for (const Piece& p : pieces_) {
    const std::size_t start = std::max(from, at), end = std::min(to, at + p.length);
    if (start < end) out.push_back({p.buffer, p.offset + (start - at), end - start});
    at += p.length;
    if (at >= to) break;
  }
}

std::vector<UndoText::Piece> UndoText::Compact(std::vector<Piece> pieces) {
  std::vector<Piece> out;
  out.reserve(pieces.size());
  for (std::size_t i = 0; i < pieces.size();) {
    std::size_t j = i;
    while (j < pieces.size() && pieces[j].length < kShortPiece) ++j;
    if (j - i >= 2) {
      auto joined = std::make_shared<std::string>();
      for (std::size_t k = i; k < j; ++k) joined->append(pieces[k].View());
      const std::size_t length = joined->size();
      out.push_back({std::move(joined), 0, length});
      i = j;
    } else {
      out.push_back(std::move(pieces[i]));
      ++i;
    }
  }
  return out;
}

UndoText UndoText::Derive(const UndoText& base, std::string_view now) {
  const std::size_t head = base.CommonPrefix(now);
  const std::size_t tail = base.CommonSuffix(now, std::min(base.size_, now.size()) - head);
  std::vector<Piece> pieces;
  base.AppendRange(pieces, 0, head);
  const std::string_view middle = now.substr(head, now.size() - head - tail);
  if (!middle.empty()) pieces.push_back({std::make_shared<const std::string>(middle), 0, middle.size()});
  base.AppendRange(pieces, base.size_ - tail, base.size_);
  UndoText t;
  t.pieces_ = Compact(std::move(pieces));
  t.size_ = now.size();
  return t;
}

}  // namespace hanaroku
