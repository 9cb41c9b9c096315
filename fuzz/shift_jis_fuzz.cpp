// The Shift-JIS converter both ways on any input. Every UTF-16 character
// (a surrogate pair, or any other unit, an unpaired half included) becomes
// exactly one character or one "?", so nothing after a bad unit is lost;
// decoded Shift-JIS encodes back to the same text, U+FFFD aside; and the
// character stepping agrees with itself.
#include <fuzzer/FuzzedDataProvider.h>

#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "platform/Encoding.h"

namespace enc = hanaroku::enc;

namespace {

std::size_t Utf16Characters(std::u16string_view s) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < s.size(); i += enc::Utf16CharLen(s, i)) ++n;
  return n;
}

void CheckStepping(std::string_view s) {
  std::size_t starts = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const std::size_t start = enc::CharStart(s, i);
    FUZZ_CHECK(start <= i && i - start <= 1);
    FUZZ_CHECK(enc::IsTrailPosition(s, i) == (start != i));
    starts += start == i;
  }
  FUZZ_CHECK(starts == enc::CharCount(s));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const bool asUtf16 = in.ConsumeBool();
  const std::string bytes = in.ConsumeRemainingBytesAsString();

  if (asUtf16) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2)
      text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                           static_cast<unsigned char>(bytes[i + 1]) << 8));
    std::u16string lost;
    const std::string sjis = enc::Utf16ToSjis(text, &lost);
    const std::u16string back = enc::SjisToUtf16(sjis);
    FUZZ_CHECK(back.size() == Utf16Characters(text));
    FUZZ_CHECK(enc::CharCount(sjis) == back.size());
    std::size_t questions = 0;
    for (char16_t c : back) questions += c == u'?';
    FUZZ_CHECK(questions >= Utf16Characters(lost));
    CheckStepping(sjis);
    enc::NameCharacters(lost, 8);
    return 0;
  }

  CheckStepping(bytes);
  const std::u16string wide = enc::SjisToUtf16(bytes);
  std::u16string lost;
  const std::u16string again = enc::SjisToUtf16(enc::Utf16ToSjis(wide, &lost));
  FUZZ_CHECK(again.size() == wide.size());
  for (std::size_t i = 0; i < wide.size(); ++i) FUZZ_CHECK(again[i] == (wide[i] == u'\uFFFD' ? u'?' : wide[i]));
  const std::string utf8 = enc::SjisToUtf8(bytes);
  FUZZ_CHECK(enc::Utf8ToUtf16(utf8) == wide);
  return 0;
}
