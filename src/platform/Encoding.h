#pragma once
// Text encodings. Pane text, documents, settings and pages are Shift-JIS
// (code page 932) bytes; the user interface speaks UTF-8 inside the core and
// UTF-16 at the Win32 boundary. The code page 932 converter itself is the
// platform's (MultiByteToWideChar on Windows, iconv natively); lead-byte rules,
// character stepping and UTF-8/UTF-16 are ours.
#include <cstddef>
#include <string>
#include <string_view>

namespace hanaroku::enc {

// Shift-JIS lead bytes: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char b) noexcept {
  return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length in bytes of the character starting at pos: 2 for a lead byte that
// has a following byte, else 1. pos must be < s.size().
inline std::size_t CharLen(std::string_view s, std::size_t pos) noexcept {
  return (IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size()) ? 2 : 1;
}

// True for a byte that can follow a lead byte in code page 932:
// 0x40-0x7E and 0x80-0xFC.
constexpr bool IsTrailByte(unsigned char b) noexcept { return b >= 0x40 && b <= 0xFC && b != 0x7F; }

// UTF-16 surrogate halves.
constexpr bool IsHighSurrogate(char16_t c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char16_t c) noexcept { return c >= 0xDC00 && c <= 0xDFFF; }

// Code units of the character at i: 2 for a whole surrogate pair, else 1
// (an unpaired half is a character of its own). i must be < s.size().
inline std::size_t Utf16CharLen(std::u16string_view s, std::size_t i) noexcept {
  return IsHighSurrogate(s[i]) && i + 1 < s.size() && IsLowSurrogate(s[i + 1]) ? 2 : 1;
}

// Bytes that one undecodable character takes: the lead byte with the byte
// after it when that byte can be a trail byte, else the single byte, so that
// a line break after a stray lead byte is never swallowed. pos < s.size().
inline std::size_t InvalidCharLen(std::string_view s, std::size_t pos) noexcept {
  return IsLeadByte(static_cast<unsigned char>(s[pos])) && pos + 1 < s.size() &&
                 IsTrailByte(static_cast<unsigned char>(s[pos + 1]))
             ? 2
             : 1;
}

// True when pos falls on the second byte of a double-byte character (scanning
// from the start of s, so trail bytes that look like lead bytes are handled).
bool IsTrailPosition(std::string_view s, std::size_t pos) noexcept;

// Start of the character that holds byte pos (pos itself when it starts one).
std::size_t CharStart(std::string_view s, std::size_t pos) noexcept;

// Number of characters (a double-byte character counts one).
std::size_t CharCount(std::string_view s) noexcept;

// Code page 932 <-> UTF-16. Bytes that are not valid Shift-JIS become U+FFFD
// (one for each InvalidCharLen piece).
std::u16string SjisToUtf16(std::string_view sjis);
// Characters that code page 932 cannot store are replaced by '?' and, when
// lost is given, appended to it (each once per occurrence). An unpaired
// surrogate half is such a character: one '?', and the unit after it is
// converted on its own.
std::string Utf16ToSjis(std::u16string_view text, std::u16string* lost = nullptr);

// UTF-8 <-> UTF-16, portable. Invalid UTF-8 becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

// "U+20BB7": the code point in upper-case hex, at least four digits.
std::string CodePointName(char32_t cp);
// Each distinct character of chars once, in order of appearance, beside its
// code point ("𠮷 (U+20BB7)"), separated by two blanks; after `most` of them
// "…". An unpaired surrogate is shown as U+FFFD beside its own code point.
std::string NameCharacters(std::u16string_view chars, std::size_t most);

// Convenience: UTF-8 <-> Shift-JIS through UTF-16.
std::string Utf8ToSjis(std::string_view utf8, std::u16string* lost = nullptr);
std::string SjisToUtf8(std::string_view sjis);

// Platform converter hooks (one implementation per platform).
namespace detail {
std::u16string PlatformSjisToUtf16(std::string_view sjis);
std::string PlatformUtf16ToSjis(std::u16string_view text, std::u16string* lost);
}  // namespace detail

}  // namespace hanaroku::enc
