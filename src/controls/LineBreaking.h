#pragma once
// Japanese line breaking (kinsoku) as a book does it: which characters may
// not begin a display line (closing brackets, 、。, ー, small kana, 々, … and
// the like), which may not end one (opening brackets), which may hang past
// the line end instead of starting the next line (、。，．), and where a run
// of Latin text may break (only at a blank). Characters are Shift-JIS
// (code page 932), one or two bytes.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace hanaroku::linebreak {

using Flags = std::uint8_t;
inline constexpr Flags kNoStart = 1;  // never begins a line
inline constexpr Flags kNoEnd = 2;    // never ends a line
inline constexpr Flags kHang = 4;     // may hang past the line end (also kNoStart)
inline constexpr Flags kLatin = 8;    // part of a Latin run: no break inside one
inline constexpr Flags kInseparable = 16;  // no break between two of them (――)

// The rules of the character at pos, len bytes (1 or 2).
Flags ClassOf(std::string_view text, std::size_t pos, std::size_t len) noexcept;

// Whether a line may break between a character of class `before` and the
// character of class `after` that follows it.
constexpr bool BreakAllowed(Flags before, Flags after) noexcept {
  if ((before & kNoEnd) || (after & kNoStart)) return false;
  if ((before & kLatin) && (after & kLatin)) return false;
  return !((before & kInseparable) && (after & kInseparable));
}

}  // namespace hanaroku::linebreak
