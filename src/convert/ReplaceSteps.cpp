// Character steps in one pass.
//
// Why a run of character steps S1 .. Sm gives, in one pass, the result of
// running each step's replace-all in turn.
// (1) The characters of a text are found by reading it from the start: a
//     lead byte and a following byte that is not CR or LF form one
//     character, any other byte is one by itself. A character step replaces
//     such a two-byte character by another one, so reading the new text from
//     the start meets its characters at the same positions as before: every
//     step leaves the positions of all characters unchanged.
// (2) Hence a whole-character occurrence of a step's search text (itself one
//     two-byte character) is exactly a character equal to it, and each
//     replace-all replaces all characters equal to its search text, in text
//     order, each once (the replacement is one character and is never read
//     again by the same step, unless it is the search text itself, which the
//     engine replaces once as well).
// (3) So the final character at a position depends only on the character
//     that stood there first: it goes through S1 .. Sm in order and is
//     replaced by every step whose search text it equals at that moment.
//     Going through the positions in text order, step k meets its
//     occurrences in the same order as its own replace-all, so a drawing step
//     draws the same replacement for each of them; the one extra draw of its
//     last, unsuccessful pass is made at the end.
// The pass below does exactly this, with a table from character code to the
// steps that search for it.
#include "convert/ReplaceSteps.h"

#include <cstring>

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

inline bool Break(unsigned char b) noexcept { return b == '\r' || b == '\n'; }

bool IsOneDoubleByteChar(std::string_view s) noexcept {
  return s.size() == 2 && enc::IsLeadByte(static_cast<unsigned char>(s[0])) &&
         !Break(static_cast<unsigned char>(s[1]));
}

inline std::size_t Code(unsigned char lead, unsigned char trail) noexcept {
  return (static_cast<std::size_t>(lead) << 8) | trail;
}
inline std::size_t Code(std::string_view c) noexcept {
  return Code(static_cast<unsigned char>(c[0]), static_cast<unsigned char>(c[1]));
}

// For every character code the steps that search for it, in step order.
class StepIndex {
 public:
  explicit StepIndex(std::span<const ReplaceStep> steps) : first_(1 << 16, -1), next_(steps.size(), -1) {
    for (std::size_t k = steps.size(); k-- > 0;) {
      const std::size_t c = Code(steps[k].search);
      next_[k] = first_[c];
      first_[c] = static_cast<int>(k);
    }
  }
  // The first step after `after` (-1: from the start) that searches for c;
  // -1 when none.
  int After(std::size_t c, int after) const noexcept {
    int k = first_[c];
    while (k >= 0 && k <= after) k = next_[static_cast<std::size_t>(k)];
    return k;
  }

 private:
  std::vector<int> first_, next_;
};

}  // namespace

bool IsCharacterStep(const ReplaceStep& step) noexcept {
  if (!IsOneDoubleByteChar(step.search) || step.candidates.empty()) return false;
  if (!step.drawn) return IsOneDoubleByteChar(step.candidates.front());
  for (const std::string& c : step.candidates)
    if (!IsOneDoubleByteChar(c)) return false;
  return true;
}

ReplaceAllResult RunStep(std::string_view text, const ReplaceStep& step, std::size_t maxLength,
                         bool recordSpans) {
  StepReplacement source(step);
  return ReplaceAllWholeChars(text, step.search, source, maxLength, recordSpans);
}

ReplaceAllResult ReplaceCharacters(std::string_view text, std::span<const ReplaceStep> steps,
                                   std::vector<std::size_t>* stepCounts, bool recordSpans) {
  ReplaceAllResult res;
  const StepIndex index(steps);
  std::vector<StepReplacement> sources;
  sources.reserve(steps.size());
  for (const ReplaceStep& s : steps) sources.emplace_back(s);
  std::vector<std::size_t> counts(steps.size(), 0), ends(steps.size(), 0);

  std::string out(text);
  unsigned char* b = reinterpret_cast<unsigned char*>(out.data());
  const std::size_t n = out.size();
  std::size_t p = 0;
  while (p < n) {
    if (!enc::IsLeadByte(b[p]) || p + 1 == n || Break(b[p + 1])) {
      ++p;
      continue;
    }
    int k = index.After(Code(b[p], b[p + 1]), -1);
    if (k >= 0) {
      do {
        const std::string_view r = sources[static_cast<std::size_t>(k)].Next();
        b[p] = static_cast<unsigned char>(r[0]);
        b[p + 1] = static_cast<unsigned char>(r[1]);
        ++counts[static_cast<std::size_t>(k)];
        ends[static_cast<std::size_t>(k)] = p + 2;
        k = index.After(Code(r), k);
      } while (k >= 0);
      if (recordSpans) res.spans.push_back({p, 2, 2});
    }
    p += 2;
  }
  for (StepReplacement& s : sources) s.Next();  // each step's last, unsuccessful pass

  for (std::size_t k = 0; k < steps.size(); ++k) {
    res.count += counts[k];
    if (counts[k] > 0) res.caret = ends[k];
  }
  if (stepCounts) *stepCounts = counts;
  if (res.count == 0) {
    res.spans.clear();
    return res;
  }
  res.text = std::move(out);
  return res;
}

}  // namespace hanaroku
