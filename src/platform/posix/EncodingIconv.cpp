// Code page 932 conversion through glibc iconv, one character at a time at
// the edges so that invalid bytes and unmappable characters are handled the
// way the Win32 converter handles them.
#include <iconv.h>

#include <cerrno>
#include <stdexcept>

#include "platform/Encoding.h"

namespace hanaroku::enc::detail {
namespace {

class Iconv {
 public:
  Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv: CP932 is not available");
  }
  ~Iconv() { iconv_close(cd_); }
  Iconv(const Iconv&) = delete;
  Iconv& operator=(const Iconv&) = delete;
  // Converts as much as possible; returns false and leaves in/inLeft at the
  // offending input when a sequence cannot be converted.
  bool Run(const char*& in, size_t& inLeft, std::string& out) {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    while (inLeft > 0) {
      char buf[4096];
      char* o = buf;
      size_t oLeft = sizeof buf;
      size_t r = iconv(cd_, const_cast<char**>(&in), &inLeft, &o, &oLeft);
      out.append(buf, static_cast<size_t>(o - buf));
      if (r == static_cast<size_t>(-1) && errno != E2BIG) return false;
    }
    return true;
  }

 private:
  iconv_t cd_;
};

Iconv& ToUtf16() {
  thread_local Iconv cv("UTF-16LE", "CP932");
  return cv;
}
Iconv& FromUtf16() {
  thread_local Iconv cv("CP932", "UTF-16LE");
  return cv;
}

void AppendUtf16(std::u16string& out, const std::string& bytes) {
  for (size_t i = 0; i + 1 < bytes.size(); i += 2)
    out.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                        (static_cast<unsigned char>(bytes[i + 1]) << 8)));
}

}  // namespace

std::u16string PlatformSjisToUtf16(std::string_view sjis) {
  std::u16string out;
  out.reserve(sjis.size());
  const char* in = sjis.data();
  size_t left = sjis.size();
  while (left > 0) {
    std::string bytes;
    bool ok = ToUtf16().Run(in, left, bytes);
    AppendUtf16(out, bytes);
    if (!ok) {  // one invalid character: skip it whole, as Windows does
      size_t pos = sjis.size() - left;
      size_t len = InvalidCharLen(sjis, pos);
      out.push_back(u'\xFFFD');
      in += len;
      left -= len;
    }
  }
  return out;
}

std::string PlatformUtf16ToSjis(std::u16string_view text, std::u16string* lost) {
  std::string out;
  out.reserve(text.size() * 2);
  std::string le;
  le.reserve(text.size() * 2);
  for (char16_t c : text) {
    le.push_back(static_cast<char>(c & 0xFF));
    le.push_back(static_cast<char>(c >> 8));
  }
  const char* in = le.data();
  size_t left = le.size();
  while (left > 0) {
    bool ok = FromUtf16().Run(in, left, out);
    if (!ok) {
      size_t unit = (le.size() - left) / 2;
      size_t units = Utf16CharLen(text, unit);
      if (lost) lost->append(text.substr(unit, units));
      out.push_back('?');
      in += units * 2;
      left -= units * 2;
    }
  }
  return out;
}

}  // namespace hanaroku::enc::detail
