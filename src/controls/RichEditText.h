#pragma once
// Character stepping over pane text: Shift-JIS bytes with CR LF line ends.
// A caret stop is a byte offset that starts a character and does not split
// CR LF. Lead-byte rules are the ones of enc::, with one difference: a line
// break byte is never taken as the trail byte of a stray lead byte, so a line
// start is always a character boundary, whatever bytes a file holds.
#include <cstddef>
#include <string>
#include <string_view>

namespace hanaroku::richtext {

constexpr bool IsBreakByte(char c) noexcept { return c == '\r' || c == '\n'; }

// Length of the character at pos (1 or 2); pos < s.size().
std::size_t CharLenAt(std::string_view s, std::size_t pos) noexcept;

// True when pos is the second byte of a double-byte character.
bool IsTrail(std::string_view s, std::size_t pos) noexcept;

// True when pos holds a lead byte left without its trail byte: the last
// byte of s or of its line, not itself a trail byte.
bool IsStrayLead(std::string_view s, std::size_t pos) noexcept;

// True when pos is between the CR and the LF of a line break.
inline bool InsideCrLf(std::string_view s, std::size_t pos) noexcept {
  return pos > 0 && pos < s.size() && s[pos - 1] == '\r' && s[pos] == '\n';
}

// Positions clamped to [0, size] and moved off trail bytes and CR LF: back
// to the start of the character, or forward past its end.
std::size_t SnapBack(std::string_view s, std::size_t pos) noexcept;
std::size_t SnapForward(std::string_view s, std::size_t pos) noexcept;

// The caret stop after / before pos (a line break CR LF is one step).
std::size_t NextStop(std::string_view s, std::size_t pos) noexcept;
std::size_t PrevStop(std::string_view s, std::size_t pos) noexcept;

// Characters of s (a double-byte character counts one).
std::size_t CharCount(std::string_view s) noexcept;

// s without any CR or LF.
std::string RemoveCrLf(std::string_view s);

// Every CR LF, lone CR and lone LF of s as CR LF.
std::string NormalizeBreaks(std::string_view s);

// First occurrence of what in s starting in [from, to - what.size()] and
// ending by `to`, never starting or ending inside a double-byte character;
// npos when none. Without matchCase ASCII letters compare
// case-insensitively (not inside a double-byte character). Linear in the
// searched range for a given pattern: character boundaries are followed
// forward, never looked for backwards from each candidate.
std::size_t Find(std::string_view s, std::string_view what, std::size_t from, std::size_t to,
                 bool matchCase) noexcept;

// Word class of the character at pos, for word-wise caret moves and the
// double-click selection: 0 blank, 1 line break, 2 ASCII letters and digits,
// 3 other ASCII, 4 hiragana, 5 katakana (full and half width), 6 kanji,
// 7 other double-byte (symbols, full-width letters).
int WordClass(std::string_view s, std::size_t pos) noexcept;

// Word moves: the next word start after pos, the previous word start
// before pos, and the run of characters of one class around pos.
std::size_t NextWordStop(std::string_view s, std::size_t pos) noexcept;
std::size_t PrevWordStop(std::string_view s, std::size_t pos) noexcept;
void WordAt(std::string_view s, std::size_t pos, std::size_t& start, std::size_t& end) noexcept;

}  // namespace hanaroku::richtext
