#pragma once
// UndoText: the text of an undo snapshot, held as pieces of shared,
// immutable buffers. A snapshot is derived from the one before it: what the
// two have in common at their start and end is shared, only the bytes in
// between are copied. Fifteen snapshots of a large document therefore cost
// about one copy of it plus what the edits changed.
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace hanaroku {

class UndoText {
 public:
  UndoText() = default;
  // The text as one fresh piece.
  explicit UndoText(std::string_view text);
  UndoText& operator=(std::string_view text) { return *this = UndoText(text); }

  // `now`, sharing with `base` their common start and end.
  static UndoText Derive(const UndoText& base, std::string_view now);

  std::size_t size() const noexcept { return size_; }
  bool empty() const noexcept { return size_ == 0; }
  std::string Str() const;
  bool operator==(std::string_view text) const noexcept;

  // Each buffer this text holds, for adding up what a set of snapshots keeps.
  template <class Visit>
  void ForEachBuffer(Visit&& visit) const {
    for (const Piece& p : pieces_) visit(p.buffer.get(), p.buffer->size());
  }
  std::size_t PieceCount() const noexcept { return pieces_.size(); }

 private:
  struct Piece {
    std::shared_ptr<const std::string> buffer;
    std::size_t offset = 0, length = 0;
    std::string_view View() const noexcept { return std::string_view(*buffer).substr(offset, length); }
  };
  // Length of the common start of this text and s.
  std::size_t CommonPrefix(std::string_view s) const noexcept;
  // Length of the common end of this text and s, at most `limit`.
  std::size_t CommonSuffix(std::string_view s, std::size_t limit) const noexcept;
  // The pieces covering [from, to) of this text.
  void AppendRange(std::vector<Piece>& out, std::size_t from, std::size_t to) const;
  // Joins every run of two or more short pieces into one fresh piece, so that
  // the pieces stay few however many edits a history holds.
  static std::vector<Piece> Compact(std::vector<Piece> pieces);

  std::vector<Piece> pieces_;
  std::size_t size_ = 0;
};

}  // namespace hanaroku
