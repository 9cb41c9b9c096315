#include "convert/ReplaceAll.h"

#include <limits>

#include "controls/RichEditSx.h"
#include "convert/ReplaceEngine.h"

namespace hanaroku {

void ReplaceAllInPane(TRichEditSx& pane, std::string_view search, IReplacementSource& source) {
  const int max = pane.MaxLength();
  const std::size_t limit =
      max > 0 ? static_cast<std::size_t>(max) : static_cast<std::size_t>(std::numeric_limits<int>::max());
  ReplaceAllResult res;
  try {
    res = ReplaceAllWholeChars(pane.Text(), search, source, limit);
  } catch (const std::length_error&) {
    throw MaxLengthError("The text is too long.");
  }
  if (res.count == 0) return;  // selection left as it was
  pane.ReplaceAllText(res.text, static_cast<int>(res.caret), 0);
}

void DoReplaceAll2(TRichEditSx& pane, std::string_view search, std::string_view replacement) {
  FixedReplacement r(replacement);
  ReplaceAllInPane(pane, search, r);
}

}  // namespace hanaroku
