#pragma once
// The replacements of the page conversions, each with the meaning of the
// replace-all primitive (ReplaceAllWholeChars: every whole-character
// occurrence, searching again from the top after each replacement), made
// with less work where the result is provably the same:
//   - a run of steps that each replace one double-byte character by text of
//     single-byte characters or by one double-byte character is one pass
//     over the characters into a new text of its size;
//   - a step whose replacement can neither hold its search text nor form one
//     with the text around it replaces the leftmost occurrences in one pass,
//     in place (a page is tens of megabytes: no copy per step);
//   - any other step runs the replace-all engine, and only when a skipping
//     scan finds its search text at all.
#include <span>
#include <string>

#include "convert/ReplaceSteps.h"

namespace hanaroku {

// Runs the steps (fixed replacements: candidates.front()) on text, in order.
void RunReplaceSteps(std::string& text, std::span<const ReplaceStep> steps);

}  // namespace hanaroku
