#include "app/DocumentEncoding.h"

#include "platform/Encoding.h"

namespace hanaroku {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kGeta = "\x81\xAC";  // 〓

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

std::u16string FromUtf16(std::string_view bytes, bool bigEndian) {
  std::u16string out;
  out.reserve(bytes.size() / 2 + 1);
  std::size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
    out += static_cast<char16_t>(bigEndian ? (a << 8 | b) : (b << 8 | a));
  }
  if (i < bytes.size()) out += u'\xFFFD';  // a lone last byte
  return out;
}

std::string ToUtf16(std::u16string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
    out += bigEndian ? hi : lo;
    out += bigEndian ? lo : hi;
  }
  return out;
}

// One character (or line) in Shift-JIS when it comes back the same.
bool RoundTrips(std::u16string_view text, std::string& sjis) {
  std::u16string lost;
  sjis = enc::Utf16ToSjis(text, &lost);
  return lost.empty() && enc::SjisToUtf16(sjis) == text;
}

// Shift-JIS for a text, with "〓" for every character that does not come
// back the same. The whole text is tried first, then the lines that fail,
// then the characters of those lines.
std::string ToSjis(std::u16string_view text, std::u16string& lost) {
  std::string whole;
  if (RoundTrips(text, whole)) return whole;
  std::string out, piece;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find(u'\n', start);
    end = end == std::u16string_view::npos ? text.size() : end + 1;
    const std::u16string_view line = text.substr(start, end - start);
    if (RoundTrips(line, piece)) {
      out += piece;
    } else {
      for (std::size_t i = 0; i < line.size();) {
        const std::size_t n = enc::Utf16CharLen(line, i);
        const std::u16string_view ch = line.substr(i, n);
        if (RoundTrips(ch, piece)) {
          out += piece;
        } else {
          out += kGeta;
          lost += ch;
        }
        i += n;
      }
    }
    start = end;
  }
  return out;
}

std::string Replace(std::string_view s, std::string_view from, std::string_view to) {
  std::string out;
  out.reserve(s.size() + s.size() / 16);
  std::size_t start = 0;
  for (std::size_t at; (at = s.find(from, start)) != std::string_view::npos; start = at + from.size()) {
    out.append(s.substr(start, at - start));
    out.append(to);
  }
  out.append(s.substr(start));
  return out;
}

bool HasNonAscii(std::string_view s) {
  for (char c : s)
    if (static_cast<unsigned char>(c) >= 0x80) return true;
  return false;
}

}  // namespace

std::string DocumentFormat::Name() const {
  switch (encoding) {
    case TextEncoding::ShiftJis: return "";
    case TextEncoding::Utf8: return bom ? "UTF-8 BOM" : "UTF-8";
    case TextEncoding::Utf16LE: return "UTF-16LE";
    case TextEncoding::Utf16BE: return "UTF-16BE";
  }
  return "";
}

bool IsValidUtf8(std::string_view s) noexcept {
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80) {
      ++i;
      continue;
    }
    int n;
    char32_t cp;
    if (b >= 0xC2 && b <= 0xDF) n = 1, cp = b & 0x1F;
    else if (b >= 0xE0 && b <= 0xEF) n = 2, cp = b & 0x0F;
    else if (b >= 0xF0 && b <= 0xF4) n = 3, cp = b & 0x07;
    else return false;
    if (i + static_cast<std::size_t>(n) >= s.size()) return false;  // cut at the end
    for (int k = 1; k <= n; ++k) {
      const auto c = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) return false;
      cp = cp << 6 | (c & 0x3F);
    }
    if ((n == 2 && cp < 0x800) || (n == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += static_cast<std::size_t>(n) + 1;
  }
  return true;
}

DecodedDocument DecodeDocument(std::string_view bytes) {
  DecodedDocument doc;
  std::u16string text;
  if (StartsWith(bytes, kUtf8Bom)) {
    doc.format = {TextEncoding::Utf8, true};
    text = enc::Utf8ToUtf16(bytes.substr(kUtf8Bom.size()));
  } else if (StartsWith(bytes, "\xFF\xFE")) {
    doc.format = {TextEncoding::Utf16LE, true};
    text = FromUtf16(bytes.substr(2), false);
  } else if (StartsWith(bytes, "\xFE\xFF")) {
    doc.format = {TextEncoding::Utf16BE, true};
    text = FromUtf16(bytes.substr(2), true);
  } else if (HasNonAscii(bytes) && IsValidUtf8(bytes)) {
    doc.format = {TextEncoding::Utf8, false};
    text = enc::Utf8ToUtf16(bytes);
  } else {
    doc.text.assign(bytes);
    return doc;
  }
  std::string sjis = ToSjis(text, doc.lost);
  doc.format.lossy = !doc.lost.empty();
  doc.format.lfOnly = sjis.find('\n') != std::string::npos && sjis.find('\r') == std::string::npos;
  doc.text = doc.format.lfOnly ? Replace(sjis, "\n", "\r\n") : std::move(sjis);
  return doc;
}

std::string EncodeDocument(std::string_view paneText, const DocumentFormat& format) {
  if (format.encoding == TextEncoding::ShiftJis) return std::string(paneText);
  const std::u16string text = enc::SjisToUtf16(format.lfOnly ? Replace(paneText, "\r\n", "\n") : std::string(paneText));
  switch (format.encoding) {
    case TextEncoding::Utf8:
      return (format.bom ? std::string(kUtf8Bom) : std::string()) + enc::Utf16ToUtf8(text);
    case TextEncoding::Utf16LE:
      return (format.bom ? std::string("\xFF\xFE") : std::string()) + ToUtf16(text, false);
    case TextEncoding::Utf16BE:
      return (format.bom ? std::string("\xFE\xFF") : std::string()) + ToUtf16(text, true);
    case TextEncoding::ShiftJis:
      break;
  }
  return std::string(paneText);
}

}  // namespace hanaroku
