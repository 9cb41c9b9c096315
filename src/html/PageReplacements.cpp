#include "html/PageReplacements.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "convert/ReplaceEngine.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

// No page grows past what a pane can hold.
constexpr std::size_t kLongestPage = 200000000;

inline bool Lead(unsigned char b) noexcept { return enc::IsLeadByte(b); }
inline bool Break(unsigned char b) noexcept { return b == '\r' || b == '\n'; }

// A step that replaces one whole double-byte character by text whose
// characters are all single bytes, or by one double-byte character.
bool ReplacesOneCharacter(const ReplaceStep& step) {
  auto wholeDoubleByte = [](std::string_view t) {
    return t.size() == 2 && enc::IsLeadByte(static_cast<unsigned char>(t[0])) && t[1] != '\r' && t[1] != '\n';
  };
  const std::string& r = step.candidates.front();
  return wholeDoubleByte(step.search) &&
         (wholeDoubleByte(r) || std::none_of(r.begin(), r.end(), [](char c) {
            return enc::IsLeadByte(static_cast<unsigned char>(c));
          }));
}

// A run of such steps in one pass over the characters, with the result of
// running each replace-all in turn: a replacement made of single-byte
// characters keeps every character boundary after it and holds no
// double-byte character a later step could find, and one that is a double-
// byte character is found by a later step exactly where the step's own
// pass would find it. So each character of the text goes through the steps
// in their order, on its own.
void ReplaceCharacterRun(std::string& text, std::span<const ReplaceStep> run) {
  std::vector<std::string> results;
  std::vector<std::uint16_t> slot(0x10000, 0);  // code -> 1 + index into results
  auto code = [](std::string_view c) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(c[0]) << 8 | static_cast<unsigned char>(c[1]));
  };
  for (const ReplaceStep& step : run) {
    // Characters already on their way to this search text, and the text itself.
    const std::string& r = step.candidates.front();
    for (std::string& done : results)
      if (done == step.search) done = r;
    std::uint16_t& own = slot[code(step.search)];
    if (own == 0) {
      results.push_back(r);
      own = static_cast<std::uint16_t>(results.size());
    }
  }
  // The size of the result first, so that the new text is written into
  // one buffer of its size (a page is tens of megabytes): with room for the
  // growth of the steps after the run, which replace in place.
  const auto* b = reinterpret_cast<const unsigned char*>(text.data());
  const std::size_t n = text.size();
  auto forEachHit = [&](auto&& f) {
    for (std::size_t i = 0; i < n;) {
      // Whole characters as the replace-all engine steps them (WholeCharLen).
      if (!enc::IsLeadByte(b[i]) || i + 1 == n || b[i + 1] == '\r' || b[i + 1] == '\n') {
        ++i;
        continue;
      }
      if (const std::uint16_t k = slot[static_cast<std::size_t>(b[i]) << 8 | b[i + 1]]) f(i, results[k - 1u]);
      i += 2;
    }
  };
  std::size_t size = n;
  bool any = false;
  forEachHit([&](std::size_t, const std::string& r) {
    size = size - 2 + r.size();
    any = true;
  });
  if (!any) return;
  std::string out;
  out.reserve(size + size / 16);
  std::size_t copied = 0;
  forEachHit([&](std::size_t i, const std::string& r) {
    out.append(text, copied, i - copied);
    out += r;
    copied = i + 2;
  });
  out.append(text, copied, std::string::npos);
  text = std::move(out);
}

// Whether text made of `r` could take part in an occurrence of `s` that
// was not there before: r holds s (or s holds r, which covers an
// occurrence that runs over the whole of r), r ends with a beginning of s or
// begins with an end of s. Checked on bytes, so it errs on the safe side.
bool MayFormSearch(std::string_view s, std::string_view r) noexcept {
  if (r.find(s) != std::string_view::npos || s.find(r) != std::string_view::npos) return true;
  for (std::size_t k = 1; k < s.size() && k <= r.size(); ++k)
    if (r.substr(r.size() - k) == s.substr(0, k) || r.substr(0, k) == s.substr(s.size() - k)) return true;
  return false;
}

// Whether t is a sequence of whole characters that ends on a boundary
// whatever follows it: its last character is not a lead byte on its own.
bool EndsWhole(std::string_view t) noexcept {
  std::size_t i = 0, last = 0;
  while (i < t.size()) {
    last = i;
    i += WholeCharLen(t, i);
  }
  return t.empty() || !(last == t.size() - 1 && Lead(static_cast<unsigned char>(t[last])));
}

// The leftmost whole-character occurrences of s, left to right, never
// overlapping. With MayFormSearch false and both texts ending whole,
// replacing them by r is the result of the rereading loop: text before a
// replacement is as it was, text after it keeps its character boundaries (r
// ends on one), and no occurrence can reach into r, so the next occurrence
// of the new text is the next one of the old text after the one replaced.
std::vector<std::size_t> FindLeftmost(const std::string& text, std::string_view s) {
  const auto* b = reinterpret_cast<const unsigned char*>(text.data());
  const std::boyer_moore_horspool_searcher searcher(s.begin(), s.end());
  std::vector<std::size_t> hits;
  std::size_t kb = 0, pos = 0;
  for (;;) {
    const auto it = std::search(text.cbegin() + static_cast<std::ptrdiff_t>(pos), text.cend(), searcher);
    if (it == text.cend()) break;
    const auto q = static_cast<std::size_t>(it - text.cbegin());
    // A boundary: back over the run of possible lead bytes before q (not
    // past the last boundary known); from the run's start the bytes pair up.
    std::size_t i = q;
    while (i > kb && Lead(b[i - 1])) --i;
    if ((q - i) % 2 != 0 && !Break(b[q])) {
      kb = pos = q + 1;  // q is the second byte of the character before
      continue;
    }
    hits.push_back(q);
    kb = pos = q + s.size();
  }
  return hits;
}

// The occurrences at `hits` (ascending, apart, each `length` bytes) replaced
// by r in place, without a second copy of the text: a replacement no longer
// than its search text closes up from the front, a longer one opens up from
// the back (within the text's spare room when it has enough).
void ReplaceAt(std::string& text, const std::vector<std::size_t>& hits, std::size_t length, std::string_view r) {
  if (hits.empty()) return;
  const std::size_t n = text.size();
  if (r.size() <= length) {
    char* d = text.data();
    std::size_t w = hits.front();
    for (std::size_t k = 0; k < hits.size(); ++k) {
      std::memcpy(d + w, r.data(), r.size());
      w += r.size();
      const std::size_t from = hits[k] + length, to = k + 1 < hits.size() ? hits[k + 1] : n;
      std::memmove(d + w, d + from, to - from);
      w += to - from;
    }
    text.resize(w);
    return;
  }
  text.resize(n + (r.size() - length) * hits.size());
  char* d = text.data();
  std::size_t w = text.size(), end = n;
  for (std::size_t k = hits.size(); k-- > 0;) {
    const std::size_t from = hits[k] + length;
    w -= end - from;
    std::memmove(d + w, d + from, end - from);
    w -= r.size();
    std::memcpy(d + w, r.data(), r.size());
    end = hits[k];
  }
}

}  // namespace

void RunReplaceSteps(std::string& text, std::span<const ReplaceStep> steps) {
  for (std::size_t i = 0; i < steps.size();) {
    std::size_t end = i;
    while (end < steps.size() && ReplacesOneCharacter(steps[end])) ++end;
    if (end > i) {
      ReplaceCharacterRun(text, steps.subspan(i, end - i));
      i = end;
      continue;
    }
    const ReplaceStep& step = steps[i++];
    const std::string& s = step.search;
    const std::string& r = step.candidates.front();
    if (s.empty()) continue;
    if (!MayFormSearch(s, r) && EndsWhole(s) && EndsWhole(r)) {
      ReplaceAt(text, FindLeftmost(text, s), s.size(), r);
      continue;
    }
    if (std::search(text.begin(), text.end(), std::boyer_moore_horspool_searcher(s.begin(), s.end())) == text.end())
      continue;
    ReplaceAllResult res;
    try {
      res = RunStep(text, step, kLongestPage, false);
    } catch (const std::length_error&) {
      // A replacement that forms its search text again with its neighbours
      // without end: refused before it eats the memory.
      throw std::length_error("ページが長くなりすぎるため、変換を取りやめました。");
    }
    if (res.count > 0) text = std::move(res.text);
  }
}

}  // namespace hanaroku
