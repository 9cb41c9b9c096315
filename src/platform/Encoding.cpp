#include "platform/Encoding.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace hanaroku::enc {

bool IsTrailPosition(std::string_view s, std::size_t pos) noexcept {
  return pos < s.size() && CharStart(s, pos) != pos;
}

std::size_t CharStart(std::string_view s, std::size_t pos) noexcept {
  if (pos >= s.size()) return pos;
  // Walk back over the run of bytes that could be lead bytes; the parity of
  // that run tells whether pos is a trail byte.
  std::size_t i = pos;
  while (i > 0 && IsLeadByte(static_cast<unsigned char>(s[i - 1]))) --i;
  return ((pos - i) % 2 == 1) ? pos - 1 : pos;
}

std::size_t CharCount(std::string_view s) noexcept {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); i += CharLen(s, i)) ++n;
  return n;
}

std::u16string SjisToUtf16(std::string_view sjis) { return detail::PlatformSjisToUtf16(sjis); }

std::string Utf16ToSjis(std::u16string_view text, std::u16string* lost) {
  return detail::PlatformUtf16ToSjis(text, lost);
}

std::u16string Utf8ToUtf16(std::string_view s) {
  std::u16string out;
  out.reserve(s.size());
  std::size_t i = 0;
  auto cont = [&](std::size_t k) {
    return i + k < s.size() && (static_cast<unsigned char>(s[i + k]) & 0xC0) == 0x80;
  };
  while (i < s.size()) {
    unsigned char b = static_cast<unsigned char>(s[i]);
    char32_t cp = 0xFFFD;
    std::size_t len = 1;
    if (b < 0x80) {
      cp = b;
    } else if ((b & 0xE0) == 0xC0 && cont(1)) {
      cp = ((b & 0x1F) << 6) | (s[i + 1] & 0x3F);
      len = 2;
      if (cp < 0x80) cp = 0xFFFD;
    } else if ((b & 0xF0) == 0xE0 && cont(1) && cont(2)) {
      cp = ((b & 0x0F) << 12) | ((s[i + 1] & 0x3F) << 6) | (s[i + 2] & 0x3F);
      len = 3;
      if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
    } else if ((b & 0xF8) == 0xF0 && cont(1) && cont(2) && cont(3)) {
      cp = ((b & 0x07) << 18) | ((s[i + 1] & 0x3F) << 12) | ((s[i + 2] & 0x3F) << 6) | (s[i + 3] & 0x3F);
      len = 4;
      if (cp < 0x10000 || cp > 0x10FFFF) cp = 0xFFFD;
    }
    i += len;
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
  }
  return out;
}

std::string Utf16ToUtf8(std::u16string_view s) {
  std::string out;
  out.reserve(s.size() * 3);
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t cp = s[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (s[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return out;
}

std::string CodePointName(char32_t cp) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(cp));
  return buf;
}

std::string NameCharacters(std::u16string_view chars, std::size_t most) {
  std::vector<char32_t> seen;
  std::string out;
  for (std::size_t i = 0; i < chars.size();) {
    const std::size_t n = Utf16CharLen(chars, i);
    const char32_t cp = n == 2 ? 0x10000 + ((chars[i] - 0xD800u) << 10) + (chars[i + 1] - 0xDC00u) : chars[i];
    const std::u16string_view ch = chars.substr(i, n);
    i += n;
    if (std::find(seen.begin(), seen.end(), cp) != seen.end()) continue;
    if (seen.size() == most) {
      out += "  …";
      break;
    }
    seen.push_back(cp);
    if (!out.empty()) out += "  ";
    out += Utf16ToUtf8(ch) + " (" + CodePointName(cp) + ")";
  }
  return out;
}

std::string Utf8ToSjis(std::string_view utf8, std::u16string* lost) {
  return Utf16ToSjis(Utf8ToUtf16(utf8), lost);
}

std::string SjisToUtf8(std::string_view sjis) { return Utf16ToUtf8(SjisToUtf16(sjis)); }

}  // namespace hanaroku::enc
