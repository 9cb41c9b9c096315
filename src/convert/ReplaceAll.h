#pragma once
// DoReplaceAll2: the replace-all primitive on a pane. Replaces every
// whole-character occurrence of `search` (searching again from the top after
// each replacement, so occurrences formed with neighbours are replaced too),
// takes the result as one update of the pane, and leaves the caret just after
// the last replacement; when nothing was found the pane is left untouched.
#include <span>
#include <string_view>

namespace hanaroku {

class TRichEditSx;
class IReplacementSource;
struct ReplaceStep;

void DoReplaceAll2(TRichEditSx& pane, std::string_view search, std::string_view replacement);
// The same with a replacement chosen for every pass (the man'yōgana draws).
void ReplaceAllInPane(TRichEditSx& pane, std::string_view search, IReplacementSource& source);
// Runs the steps on the pane in order, with the result of running each with
// ReplaceAllInPane. Each run of character steps is one pass and one update of
// the pane; any other step is one update of its own.
void RunStepsInPane(TRichEditSx& pane, std::span<const ReplaceStep> steps);

}  // namespace hanaroku
