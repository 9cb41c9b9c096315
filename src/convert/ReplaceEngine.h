#pragma once
// The replace-all engine behind DoReplaceAll2, on plain Shift-JIS strings.
//
// Meaning: repeat { choose the replacement; find the first occurrence of the
// search text in the whole current text; stop when there is none; replace it }.
// Text produced by a replacement is searched again, so a replacement that
// forms a new occurrence with its neighbours is replaced in turn. Only whole
// characters are matched: an occurrence starts on a character boundary of the
// current text and ends on one.
//
// Character boundaries follow the pane: a lead byte (0x81-0x9F, 0xE0-0xFC)
// and the byte after it form one character, except that a line-break byte
// (CR or LF) is never a trail byte, and a lead byte at the very end stands
// alone.
//
// The engine computes that result in one left-to-right pass instead of
// rereading the text after each replacement; see ReplaceEngine.cpp for why
// the two agree.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "controls/ReplacedSpan.h"

namespace hanaroku {

// Length of the character at pos (1 or 2) by the pane's rule; pos < s.size().
std::size_t WholeCharLen(std::string_view s, std::size_t pos) noexcept;

// First whole-character occurrence of `what` in `text` starting at or after
// `from`; npos when none (always npos for an empty `what`).
std::size_t FindWholeChars(std::string_view text, std::string_view what, std::size_t from = 0) noexcept;

// A search text prepared for scanning: finds whole-character occurrences
// reading each byte of the text about once, given a character boundary to
// start from. The search text must outlive the finder.
class WholeCharFinder {
 public:
  explicit WholeCharFinder(std::string_view what) noexcept;
  std::size_t Length() const noexcept { return len_; }
  // First occurrence starting at or after pos and ending by stop, in a text
  // buf[0, end) (stop <= end); npos when none. kb is a character boundary
  // <= pos, and nothing before it is read; on return it is the last
  // boundary learned (<= the position found).
  std::size_t Find(const unsigned char* buf, std::size_t pos, std::size_t stop, std::size_t end,
                   std::size_t& kb) const noexcept;
  std::size_t Find(std::string_view text, std::size_t pos, std::size_t stop, std::size_t& kb) const noexcept {
    return Find(reinterpret_cast<const unsigned char*>(text.data()), pos, stop, text.size(), kb);
  }

 private:
  const unsigned char* s_;
  std::size_t len_;
  std::size_t anchor_ = 0;
  bool endsWhole_ = true;
};

// Every whole-character occurrence of `what`, left to right and never
// overlapping: what searching again from the end of each hit finds. One pass.
std::vector<std::size_t> FindAllWholeChars(std::string_view text, std::string_view what);

// Supplies the replacement of each pass. Next is called once per pass before
// the search, the last (unsuccessful) pass included; the view returned stays
// valid until the next call.
class IReplacementSource {
 public:
  virtual ~IReplacementSource() = default;
  virtual std::string_view Next() = 0;
};

// The same replacement in every pass.
class FixedReplacement final : public IReplacementSource {
 public:
  explicit FixedReplacement(std::string_view r) noexcept : r_(r) {}
  std::string_view Next() override { return r_; }

 private:
  std::string_view r_;
};

struct ReplaceAllResult {
  std::size_t count = 0;             // replacements made
  std::string text;                  // the new text; empty when count == 0
  std::size_t caret = 0;             // just after the last replacement (count > 0)
  std::vector<ReplacedSpan> spans;   // what changed, in positions of the original text (when asked for)
};

// Runs the replace-all on `text`. A replacement that itself holds the search
// text would make the loop endless; the text such a replacement inserts is
// never searched again instead (the search goes on after it and never
// returns before its end). Throws std::length_error when the text would grow
// beyond maxLength (nothing is returned then). Without recordSpans the
// result lists no spans.
ReplaceAllResult ReplaceAllWholeChars(std::string_view text, std::string_view search,
                                      IReplacementSource& source,
                                      std::size_t maxLength = std::numeric_limits<std::size_t>::max(),
                                      bool recordSpans = true);

// The generator of the man'yōgana draws: a 32-bit linear congruential
// generator seeded from the UTC time of day in milliseconds.
class ManRandom {
 public:
  explicit ManRandom(std::uint32_t seed = 0) noexcept : seed_(seed) {}
  static std::uint32_t SeedFromTimeOfDay(int hour, int minute, int second, int millisecond) noexcept {
    return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
  }
  // Advances the seed and returns an index in [0, n): the high 32 bits of
  // seed * n.
  std::uint32_t Next(std::uint32_t n) noexcept {
    seed_ = seed_ * 134775813u + 1u;
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * n) >> 32);
  }
  std::uint32_t Seed() const noexcept { return seed_; }

 private:
  std::uint32_t seed_;
};

// Draws one of `candidates` (the first n of them) in every pass.
class DrawnReplacement final : public IReplacementSource {
 public:
  DrawnReplacement(const std::string* candidates, std::uint32_t n, std::uint32_t seed) noexcept
      : candidates_(candidates), n_(n), random_(seed) {}
  std::string_view Next() override {
    ++draws_;
    return candidates_[random_.Next(n_)];
  }
  std::size_t Draws() const noexcept { return draws_; }

 private:
  const std::string* candidates_;
  std::uint32_t n_;
  ManRandom random_;
  std::size_t draws_ = 0;
};

}  // namespace hanaroku
