#include "editing/BackwardSearch.h"

#include <algorithm>

#include "controls/RichEditSx.h"

namespace hanaroku {
namespace {

// A hit becomes a mark after this many hits, or this many bytes after the
// last mark: a search back walks over fewer hits and bytes than that.
constexpr std::size_t kMarkHits = 32;
constexpr std::size_t kMarkBytes = 4096;

}  // namespace

void BackwardSearch::Reset(const TRichEditSx& pane, std::string_view what) {
  pane_ = &pane;
  stamp_ = pane.TextStamp();
  what_.assign(what);
  finder_ = WholeCharFinder(what_);
  marks_.clear();
  last_ = npos;
  sinceMark_ = 0;
  std::size_t kb = 0;
  next_ = finder_.Find(pane.Text(), 0, pane.Text().size(), kb);
}

std::size_t BackwardSearch::After(std::string_view text, std::size_t hit, std::size_t stop) const noexcept {
  std::size_t kb = hit + finder_.Length();  // a hit ends on a character boundary
  return finder_.Find(text, kb, stop, kb);
}

void BackwardSearch::Learn(std::string_view text, std::size_t limit) {
  const std::size_t len = finder_.Length();
  while (next_ != npos && next_ + len <= limit) {
    if (marks_.empty() || ++sinceMark_ >= kMarkHits || next_ - marks_.back() >= kMarkBytes) {
      marks_.push_back(next_);
      sinceMark_ = 0;
    }
    last_ = next_;
    next_ = After(text, last_, text.size());
  }
}

int BackwardSearch::Find(const TRichEditSx& pane, std::string_view what, int limit) {
  if (&pane != pane_ || pane.TextStamp() != stamp_ || what != what_) Reset(pane, what);
  const std::string_view text = pane.Text();
  const std::size_t stop = static_cast<std::size_t>(std::clamp(limit, 0, pane.TextLength()));
  Learn(text, stop);
  const std::size_t len = finder_.Length();
  if (last_ == npos) return -1;
  // Past every hit learned: the last one.
  if (last_ + len <= stop && (next_ == npos || next_ + len > stop)) return static_cast<int>(last_);
  auto mark = std::upper_bound(marks_.begin(), marks_.end(), stop,
                               [len](std::size_t s, std::size_t m) { return s < m + len; });
  if (mark == marks_.begin()) return -1;
  std::size_t hit = *--mark;
  for (std::size_t n = After(text, hit, stop); n != npos; n = After(text, hit, stop)) hit = n;
  return static_cast<int>(hit);
}

}  // namespace hanaroku
