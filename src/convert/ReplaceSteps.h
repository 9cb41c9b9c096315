#pragma once
// Table-driven rewrites as lists of replace-all steps, each meaning what
// ReplaceAllWholeChars does with it, run one after the other.
//
// Most tables replace one double-byte character by one double-byte
// character. Such "character steps" never change where characters begin, so
// a run of them gives the same result in a single pass over the characters:
// each character goes through the steps in their order, and a step that
// draws its replacement draws for its occurrences in text order, exactly as
// its own replace-all would. See ReplaceSteps.cpp.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ReplaceEngine.h"

namespace hanaroku {

// Replace every whole-character occurrence of `search` by candidates[0], or,
// when `drawn`, by a candidate drawn in every pass (ManRandom from `seed`
// among all candidates).
struct ReplaceStep {
  std::string search;
  std::vector<std::string> candidates;
  bool drawn = false;
  std::uint32_t seed = 0;
};

// The replacement of each pass of a step; counts its draws.
class StepReplacement final : public IReplacementSource {
 public:
  explicit StepReplacement(const ReplaceStep& step) noexcept : step_(&step), random_(step.seed) {}
  std::string_view Next() override {
    ++draws_;
    if (!step_->drawn) return step_->candidates.front();
    return step_->candidates[random_.Next(static_cast<std::uint32_t>(step_->candidates.size()))];
  }
  std::size_t Draws() const noexcept { return draws_; }

 private:
  const ReplaceStep* step_;
  ManRandom random_;
  std::size_t draws_ = 0;
};

// True when `search` and every replacement the step can make are each one
// whole double-byte character (a lead byte and a byte that is not CR or LF).
bool IsCharacterStep(const ReplaceStep& step) noexcept;

// One step by itself, with the one-pass engine.
ReplaceAllResult RunStep(std::string_view text, const ReplaceStep& step,
                         std::size_t maxLength = std::numeric_limits<std::size_t>::max(), bool recordSpans = true);

// A run of character steps (IsCharacterStep must hold for each) in one pass.
// The result is that of running them one after the other: the text, the
// replaced spans, and the caret just after the last replacement of the last
// step that replaced anything (count 0 and no text when none did). The
// replacements of each step go to stepCounts when given; each step draws
// one more time than it replaces, as its own replace-all does. Without
// recordSpans the result lists no spans.
ReplaceAllResult ReplaceCharacters(std::string_view text, std::span<const ReplaceStep> steps,
                                   std::vector<std::size_t>* stepCounts = nullptr, bool recordSpans = true);

}  // namespace hanaroku
