#pragma once
// The replace-all loop that rereads the whole text after every replacement,
// written as plainly as possible. Kept in the tests only, to check the
// one-pass engines against it.
#include <cstddef>
#include <string>

#include "convert/ReplaceEngine.h"

namespace hanaroku::testing {

inline bool RefLead(unsigned char b) { return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC); }
inline bool RefBreak(char c) { return c == '\r' || c == '\n'; }

inline std::size_t RefCharLen(const std::string& t, std::size_t p) {
  return RefLead(static_cast<unsigned char>(t[p])) && p + 1 < t.size() && !RefBreak(t[p + 1]) ? 2 : 1;
}

// First occurrence that covers whole characters of t, found by walking the
// characters from the start.
inline std::size_t RefFind(const std::string& t, const std::string& w) {
  if (w.empty()) return std::string::npos;
  for (std::size_t q = 0; q < t.size() && q + w.size() <= t.size(); q += RefCharLen(t, q)) {
    if (t.compare(q, w.size(), w) != 0) continue;
    std::size_t e = q;
    while (e < q + w.size()) e += RefCharLen(t, e);
    if (e == q + w.size()) return q;
  }
  return std::string::npos;
}

// The text and selection of a pane.
struct PaneState {
  std::string text;
  std::size_t selStart = 0, selLength = 0;
  bool operator==(const PaneState&) const = default;
};

// Each pass: draw the replacement, read the whole text, find the first
// occurrence from the top, select it and replace the selection. Returns
// false when the loop did not end within maxPasses.
inline bool RefLoop(PaneState& s, const std::string& search, IReplacementSource& src, std::size_t& count,
                    std::size_t maxPasses = 5000) {
  count = 0;
  for (std::size_t pass = 0; pass < maxPasses; ++pass) {
    const std::string r(src.Next());
    const std::string copy = s.text;  // read the whole text
    const std::size_t q = RefFind(copy, search);
    if (q == std::string::npos) return true;
    s.text.replace(q, search.size(), r);
    s.selStart = q + r.size();
    s.selLength = 0;
    ++count;
  }
  return false;
}

}  // namespace hanaroku::testing
