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

// True when pos falls on the second byte of a double-byte character (scanning
// from the start of s, so trail bytes that look like lead bytes are handled).
bool IsTrailPosition(std::string_view s, std::size_t pos) noexcept;

// Start of the character that holds byte pos (pos itself when it starts one).
std::size_t CharStart(std::string_view s, std::size_t pos) noexcept;

// Number of characters (a double-byte character counts one).
std::size_t CharCount(std::string_view s) noexcept;

// Code page 932 <-> UTF-16. Bytes that are not valid Shift-JIS become U+FFFD.
std::u16string SjisToUtf16(std::string_view sjis);
// Characters that code page 932 cannot store are replaced by '?' and, when
// lost is given, appended to it (each once per occurrence).
std::string Utf16ToSjis(std::u16string_view text, std::u16string* lost = nullptr);

// UTF-8 <-> UTF-16, portable. Invalid UTF-8 becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view text);

// Convenience: UTF-8 <-> Shift-JIS through UTF-16.
std::string Utf8ToSjis(std::string_view utf8, std::u16string* lost = nullptr);
std::string SjisToUtf8(std::string_view sjis);

// Platform converter hooks (one implementation per platform).
namespace detail {
std::u16string PlatformSjisToUtf16(std::string_view sjis);
std::string PlatformUtf16ToSjis(std::u16string_view text, std::u16string* lost);
}  // namespace detail

}  // namespace hanaroku::enc
