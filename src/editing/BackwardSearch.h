#pragma once
// The backward search of the panes without one search from the top per hit.
//
// Searching back from a limit means: of the hits a walk of forward searches
// from the top of the text finds (each search starting where the previous
// hit ended, so hits never overlap), the last one that ends by the limit.
// That walk is learned once per text and search text, keeping every few
// hits (at least one per few kilobytes) as points to walk on from; a search
// back then walks forward from the last such point before its limit. A walk
// of many searches back through the text reads it about once.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ReplaceEngine.h"

namespace hanaroku {

class TRichEditSx;

class BackwardSearch {
 public:
  BackwardSearch() = default;
  BackwardSearch(const BackwardSearch&) = delete;
  BackwardSearch& operator=(const BackwardSearch&) = delete;

  // Start of the last hit of `what` (case-sensitive, whole characters) that
  // the walk from the top finds ending at or before limit; -1 when none.
  int Find(const TRichEditSx& pane, std::string_view what, int limit);

 private:
  static constexpr std::size_t npos = std::string_view::npos;
  void Reset(const TRichEditSx& pane, std::string_view what);
  // Learns the walk's hits that end by limit.
  void Learn(std::string_view text, std::size_t limit);
  // The walk's next hit after the hit at `hit`, ending by stop.
  std::size_t After(std::string_view text, std::size_t hit, std::size_t stop) const noexcept;

  const TRichEditSx* pane_ = nullptr;
  std::uint64_t stamp_ = 0;
  std::string what_;
  WholeCharFinder finder_{std::string_view{}};
  std::vector<std::size_t> marks_;  // hits to walk on from, ascending; the first hit is one
  std::size_t last_ = npos;         // the last hit learned
  std::size_t next_ = npos;         // the hit after it, not learned yet (npos: none)
  std::size_t sinceMark_ = 0;       // hits learned since the last mark
};

}  // namespace hanaroku
