// Code page 932 conversion with the Win32 converters, always with 932
// explicitly whatever the system's ANSI code page.
#include <windows.h>

#include "platform/Encoding.h"

namespace hanaroku::enc::detail {

std::u16string PlatformSjisToUtf16(std::string_view sjis) {
  std::u16string out;
  if (sjis.empty()) return out;
  // Fast path: the whole text is valid Shift-JIS.
  int whole = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data(), static_cast<int>(sjis.size()), nullptr, 0);
  if (whole > 0) {
    out.resize(static_cast<std::size_t>(whole));
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data(), static_cast<int>(sjis.size()),
                        reinterpret_cast<wchar_t*>(out.data()), whole);
    return out;
  }
  out.reserve(sjis.size());
  std::size_t i = 0;
  // Convert in valid stretches; an invalid character becomes U+FFFD alone.
  while (i < sjis.size()) {
    std::size_t len = InvalidCharLen(sjis, i);
    wchar_t w[2];
    int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, sjis.data() + i, static_cast<int>(len), w, 2);
    if (n <= 0) {
      out.push_back(u'\xFFFD');
    } else {
      for (int k = 0; k < n; ++k) out.push_back(static_cast<char16_t>(w[k]));
    }
    i += len;
  }
  return out;
}

std::string PlatformUtf16ToSjis(std::u16string_view text, std::u16string* lost) {
  std::string out;
  if (text.empty()) return out;
  // Fast path: every character has its code page 932 form.
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int count = static_cast<int>(text.size());
  BOOL anyDefault = FALSE;
  int whole = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, count, nullptr, 0, nullptr, &anyDefault);
  if (whole > 0 && !anyDefault) {
    out.resize(static_cast<std::size_t>(whole));
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide, count, out.data(), whole, nullptr, nullptr);
    return out;
  }
  out.reserve(text.size() * 2);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const std::size_t units = Utf16CharLen(text, i);
    char buf[8];
    BOOL usedDefault = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide + i, static_cast<int>(units), buf, sizeof buf,
                                nullptr, &usedDefault);
    if (n <= 0 || usedDefault) {
      if (lost) lost->append(text.substr(i, units));
      out.push_back('?');
    } else {
      out.append(buf, static_cast<std::size_t>(n));
    }
    i += units - 1;
  }
  return out;
}

}  // namespace hanaroku::enc::detail
