#include "convert/ReplaceAll.h"

#include <limits>
#include <stdexcept>
#include <string>

#include "controls/RichEditColors.h"
#include "controls/RichEditSx.h"
#include "convert/ReplaceEngine.h"
#include "convert/ReplaceSteps.h"

namespace hanaroku {
namespace {

std::size_t LengthLimit(const TRichEditSx& pane) noexcept {
  const int max = pane.MaxLength();
  return max > 0 ? static_cast<std::size_t>(max) : static_cast<std::size_t>(std::numeric_limits<int>::max());
}

// Runs one rewrite of the pane's text; the pane takes its result as one
// update, with the caret after the last replacement. The replaced spans are
// only needed to keep colours.
template <class Rewrite>
void RewritePane(TRichEditSx& pane, Rewrite rewrite) {
  ReplaceAllResult res;
  try {
    res = rewrite(pane.Text(), LengthLimit(pane), !pane.Colors().Runs().empty());
  } catch (const std::length_error&) {
    throw MaxLengthError("テキストが最大長 (" + std::to_string(LengthLimit(pane)) + " バイト) を超えます。");
  }
  if (res.count == 0) return;  // selection left as it was
  pane.ReplaceSpans(std::move(res.text), res.spans, static_cast<int>(res.caret), 0);
}

}  // namespace

void ReplaceAllInPane(TRichEditSx& pane, std::string_view search, IReplacementSource& source) {
  RewritePane(pane, [&](std::string_view text, std::size_t limit, bool spans) {
    return ReplaceAllWholeChars(text, search, source, limit, spans);
  });
}

void DoReplaceAll2(TRichEditSx& pane, std::string_view search, std::string_view replacement) {
  FixedReplacement r(replacement);
  ReplaceAllInPane(pane, search, r);
}

void RunStepsInPane(TRichEditSx& pane, std::span<const ReplaceStep> steps) {
  std::size_t i = 0;
  while (i < steps.size()) {
    std::size_t j = i;
    while (j < steps.size() && IsCharacterStep(steps[j])) ++j;
    if (j > i) {
      const auto run = steps.subspan(i, j - i);
      RewritePane(pane, [run](std::string_view text, std::size_t, bool spans) {
        return ReplaceCharacters(text, run, nullptr, spans);
      });
      i = j;
    } else {
      const ReplaceStep& step = steps[i];
      RewritePane(pane, [&step](std::string_view text, std::size_t limit, bool spans) {
        return RunStep(text, step, limit, spans);
      });
      ++i;
    }
  }
}

}  // namespace hanaroku
