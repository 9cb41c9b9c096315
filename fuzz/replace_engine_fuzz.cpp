// The one-pass replace-all against the loop it stands for, written the slow
// way: choose the replacement, find the first whole-character occurrence in
// the whole current text (walking the character boundaries by the pane's
// rule), replace it, again until none is left. Drawn replacements (one
// candidate or several) on any bytes; outside the replaced spans the result
// is the original text.
#include <fuzzer/FuzzedDataProvider.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "convert/ReplaceEngine.h"

using namespace hanaroku;

namespace {

// Boundaries by the rule, and the first occurrence that starts and ends on one.
std::size_t SlowFind(const std::string& text, const std::string& what) {
  if (what.empty()) return std::string::npos;
  std::vector<bool> boundary(text.size() + 1, false);
  for (std::size_t i = 0; i < text.size(); i += WholeCharLen(text, i)) boundary[i] = true;
  boundary[text.size()] = true;
  for (std::size_t i = 0; i + what.size() <= text.size(); ++i)
    if (boundary[i] && boundary[i + what.size()] && text.compare(i, what.size(), what) == 0) return i;
  return std::string::npos;
}

struct SlowResult {
  std::size_t count = 0;
  std::string text;
};

// Nothing when the loop runs too long to wait for.
std::optional<SlowResult> SlowReplaceAll(std::string text, const std::string& search, IReplacementSource& source) {
  SlowResult r;
  for (int pass = 0; pass < 400; ++pass) {
    const std::string replacement(source.Next());
    const std::size_t at = SlowFind(text, search);
    if (at == std::string::npos) {
      if (r.count) r.text = text;
      return r;
    }
    text.replace(at, search.size(), replacement);
    ++r.count;
  }
  return std::nullopt;
}

// Whether any of the replacements holds the search text (the loop would not end).
bool HoldsSearch(const std::vector<std::string>& replacements, const std::string& search) {
  for (const std::string& r : replacements)
    if (r.find(search) != std::string::npos) return true;
  return false;
}

// Outside the spans the result is the original text, and the lengths add up.
void CheckSpans(const std::string& original, const ReplaceAllResult& result) {
  std::size_t at = 0, newAt = 0;
  for (const ReplacedSpan& s : result.spans) {
    FUZZ_CHECK(s.oldStart >= at && s.oldStart + s.oldLength <= original.size());
    const std::size_t same = s.oldStart - at;
    FUZZ_CHECK(result.text.compare(newAt, same, original, at, same) == 0);
    newAt += same + s.newLength;
    at = s.oldStart + s.oldLength;
  }
  FUZZ_CHECK(result.text.size() - newAt == original.size() - at);
  FUZZ_CHECK(result.text.compare(newAt, std::string::npos, original, at, std::string::npos) == 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const std::string search = in.ConsumeRandomLengthString(6);
  std::vector<std::string> candidates(in.ConsumeIntegralInRange<std::size_t>(1, 3));
  for (std::string& c : candidates) c = in.ConsumeRandomLengthString(6);
  const std::uint32_t seed = in.ConsumeIntegral<std::uint32_t>();
  const std::string text = in.ConsumeRemainingBytesAsString().substr(0, 4096);

  // A cascade may grow without end (a replacement whose end and beginning
  // form the search text across the seam of two copies, as "ab" -> "bb aa"):
  // only the length bound stops it, as the pane's maximum length does.
  const std::size_t bound = 64 * text.size() + 4096;
  DrawnReplacement fast(candidates.data(), static_cast<std::uint32_t>(candidates.size()), seed);
  ReplaceAllResult result;
  try {
    result = ReplaceAllWholeChars(text, search, fast, bound);
  } catch (const std::length_error&) {
    return 0;
  }
  if (result.count == 0) {
    FUZZ_CHECK(result.text.empty());
    FUZZ_CHECK(SlowFind(text, search) == std::string::npos);
  } else {
    CheckSpans(text, result);
    FUZZ_CHECK(result.caret <= result.text.size());
  }
  FUZZ_CHECK(FindWholeChars(text, search) == SlowFind(text, search));

  if (!HoldsSearch(candidates, search)) {
    DrawnReplacement slow(candidates.data(), static_cast<std::uint32_t>(candidates.size()), seed);
    if (const std::optional<SlowResult> expected = SlowReplaceAll(text, search, slow)) {
      FUZZ_CHECK(result.count == expected->count);
      FUZZ_CHECK(result.text == expected->text);
      FUZZ_CHECK(fast.Draws() == slow.Draws());
    }
  }
  // A bound the text may not pass: refused as a whole, or a result within it.
  DrawnReplacement bounded(candidates.data(), static_cast<std::uint32_t>(candidates.size()), seed);
  try {
    const ReplaceAllResult r = ReplaceAllWholeChars(text, search, bounded, text.size() + 8, false);
    FUZZ_CHECK(r.text.size() <= text.size() + 8 && r.spans.empty());
  } catch (const std::length_error&) {
  }
  return 0;
}
