#include "controls/RichEditColors.h"

#include <algorithm>

namespace hanaroku {

void ColorRuns::Reset(std::size_t length) noexcept {
  runs_.clear();
  length_ = length;
}

std::size_t ColorRuns::RunIndex(std::size_t pos) const noexcept {
  auto it = std::upper_bound(runs_.begin(), runs_.end(), pos,
                             [](std::size_t p, const Run& r) { return p < r.start; });
  return it == runs_.begin() ? 0 : static_cast<std::size_t>(it - runs_.begin()) - 1;
}

TColor ColorRuns::At(std::size_t pos) const noexcept {
  if (runs_.empty() || pos >= length_) return kDefault;
  return runs_[RunIndex(pos)].color;
}

std::size_t ColorRuns::SplitAt(std::size_t pos) {
  if (pos >= length_) return runs_.size();
  std::size_t i = RunIndex(pos);
  if (runs_[i].start == pos) return i;
  runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(i + 1), Run{pos, runs_[i].color});
  return i + 1;
}

void ColorRuns::Tidy(std::size_t from, std::size_t to) noexcept {
  if (runs_.empty()) return;
  from = from == 0 ? 1 : from;
  to = std::min(to, runs_.size() - 1);
  for (std::size_t i = to; i >= from && i < runs_.size(); --i) {
    if (runs_[i].color == runs_[i - 1].color) runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(i));
    if (i == from) break;
  }
  if (runs_.size() == 1 && runs_[0].color == kDefault) runs_.clear();
}

void ColorRuns::Set(std::size_t from, std::size_t to, TColor color) {
  to = std::min(to, length_);
  if (from >= to) return;
  if (runs_.empty()) {
    if (color == kDefault) return;
    runs_.push_back(Run{0, kDefault});
  }
  std::size_t a = SplitAt(from);
  std::size_t b = SplitAt(to);
  runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(a + 1), runs_.begin() + static_cast<std::ptrdiff_t>(b));
  runs_[a].color = color;
  Tidy(a, a + 1);
}

void ColorRuns::Replace(std::size_t pos, std::size_t removed, std::size_t inserted, TColor color) {
  pos = std::min(pos, length_);
  removed = std::min(removed, length_ - pos);
  if (runs_.empty()) {
    if (color == kDefault || inserted == 0) {
      length_ = length_ - removed + inserted;
      return;
    }
    if (length_ > removed) runs_.push_back(Run{0, kDefault});
  }
  std::size_t at = runs_.size();
  if (removed > 0 && !runs_.empty()) {
    std::size_t a = SplitAt(pos);
    std::size_t b = SplitAt(pos + removed);
    runs_.erase(runs_.begin() + static_cast<std::ptrdiff_t>(a), runs_.begin() + static_cast<std::ptrdiff_t>(b));
    for (std::size_t i = a; i < runs_.size(); ++i) runs_[i].start -= removed;
    at = a;
  }
  length_ -= removed;
  if (inserted > 0) {
    std::size_t b = runs_.empty() ? 0 : SplitAt(pos);
    for (std::size_t i = b; i < runs_.size(); ++i) runs_[i].start += inserted;
    runs_.insert(runs_.begin() + static_cast<std::ptrdiff_t>(b), Run{pos, color});
    length_ += inserted;
    at = b;
  }
  if (!runs_.empty()) Tidy(at == 0 ? 0 : at - 1, at + 1);
}

// Builds new runs from left to right out of the old ones: positions never
// decrease, a run of no length is overwritten and equal neighbours merge.
class ColorRuns::Builder {
 public:
  explicit Builder(const std::vector<Run>& old, std::size_t extra) : old_(old) { out_.reserve(old.size() + extra); }

  void Emit(std::size_t pos, TColor c) {
    if (!out_.empty() && out_.back().start == pos) {
      out_.back().color = c;
      if (out_.size() >= 2 && out_[out_.size() - 2].color == c) out_.pop_back();
    } else if (out_.empty() || out_.back().color != c) {
      out_.push_back(Run{pos, c});
    }
  }
  // Colour of old position pos; the positions asked for never decrease.
  TColor ColorAt(std::size_t pos) {
    while (ri_ + 1 < old_.size() && old_[ri_ + 1].start <= pos) ++ri_;
    return old_[ri_].color;
  }
  // Copies the old colours of [from, to), moved by shift.
  void Keep(std::size_t from, std::size_t to, std::ptrdiff_t shift) {
    if (from >= to) return;
    Emit(Moved(from, shift), ColorAt(from));
    while (ri_ + 1 < old_.size() && old_[ri_ + 1].start < to) {
      ++ri_;
      Emit(Moved(old_[ri_].start, shift), old_[ri_].color);
    }
  }
  std::vector<Run> Take() {
    if (out_.size() == 1 && out_[0].color == kDefault) out_.clear();
    return std::move(out_);
  }

 private:
  static std::size_t Moved(std::size_t pos, std::ptrdiff_t shift) noexcept {
    return static_cast<std::size_t>(static_cast<std::ptrdiff_t>(pos) + shift);
  }
  const std::vector<Run>& old_;
  std::vector<Run> out_;
  std::size_t ri_ = 0;  // the old run holding the last position looked at
};

void ColorRuns::Rewrite(std::span<const ReplacedSpan> spans, std::size_t newLength) {
  if (runs_.empty()) {
    length_ = newLength;
    return;
  }
  Builder b(runs_, 16);
  std::ptrdiff_t shift = 0;  // new position minus old position
  std::size_t old = 0;
  for (const ReplacedSpan& s : spans) {
    b.Keep(old, s.oldStart, shift);
    if (s.newLength > 0) {
      // An insertion takes the colour before it, as typing does.
      const std::size_t from = s.oldLength > 0 || s.oldStart == 0 ? s.oldStart : s.oldStart - 1;
      b.Emit(static_cast<std::size_t>(static_cast<std::ptrdiff_t>(s.oldStart) + shift), b.ColorAt(from));
    }
    shift += static_cast<std::ptrdiff_t>(s.newLength) - static_cast<std::ptrdiff_t>(s.oldLength);
    old = s.oldStart + s.oldLength;
  }
  b.Keep(old, length_, shift);
  runs_ = b.Take();
  length_ = newLength;
}

void ColorRuns::SetEach(std::span<const std::size_t> starts, std::size_t length, TColor color) {
  if (starts.empty() || length == 0) return;
  if (runs_.empty()) {
    if (color == kDefault) return;
    runs_.push_back(Run{0, kDefault});
  }
  Builder b(runs_, 2 * starts.size() + 1);
  std::size_t done = 0;  // everything before is placed
  for (std::size_t s : starts) {
    if (s < done || s >= length_) continue;
    b.Keep(done, s, 0);
    b.Emit(s, color);
    done = std::min(s + length, length_);
  }
  b.Keep(done, length_, 0);
  runs_ = b.Take();
}

}  // namespace hanaroku
