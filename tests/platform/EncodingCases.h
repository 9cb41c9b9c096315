#pragma once
// Conversion cases that both platform converters (iconv natively, the Win32
// functions under Wine) must give alike: unpaired surrogates, stray lead
// bytes before line breaks, unmappable characters.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/Encoding.h"

namespace hanaroku::enc::cases {

struct ToSjisCase {
  std::u16string_view utf16;
  std::string_view sjis;   // expected bytes
  std::u16string_view lost;
};

// Every unpaired surrogate is one "?" and takes nothing with it.
inline constexpr ToSjisCase kToSjis[] = {
    {u"\xD800" u"A", "?A", u"\xD800"},
    {u"A\xD800\x3042" u"B", "A?\x82\xA0" "B", u"\xD800"},
    {u"\xDC00" u"A", "?A", u"\xDC00"},
    {u"A\xDC00\xD800", "A??", u"\xDC00\xD800"},
    {u"\xD800\xD800\xDC00" u"x", "??x", u"\xD800\xD800\xDC00"},     // a lone half, then a whole pair (U+10000)
    {u"\xD842\xDFB7\x82B1", "?\x89\xD4", u"\xD842\xDFB7"},           // 𠮷 is one "?", 花 follows
    {u"\xD800", "?", u"\xD800"},                                     // at the very end
    {u"\xD800\r\n", "?\r\n", u"\xD800"},
};

struct ToUtf16Case {
  std::string_view sjis;
  std::u16string_view utf16;
};

// A lead byte without its trail byte is one U+FFFD; a line break or another
// byte that cannot be a trail byte after it is kept.
inline constexpr ToUtf16Case kToUtf16[] = {
    {"a\x82\r\nb", u"a\xFFFD\r\nb"},
    {"\x82\n", u"\xFFFD\n"},
    {"\x82", u"\xFFFD"},
    {"\x82" "0", u"\xFFFD" u"0"},           // "0" cannot be a trail byte
    {"\x82\r\n\x82\xA0", u"\xFFFD\r\n\x3042"},
};

inline void ExpectToSjisCases() {
  for (const ToSjisCase& c : kToSjis) {
    std::u16string lost;
    EXPECT_EQ(Utf16ToSjis(c.utf16, &lost), c.sjis) << Utf16ToUtf8(c.utf16);
    EXPECT_EQ(lost, c.lost) << Utf16ToUtf8(c.utf16);
  }
}

inline void ExpectToUtf16Cases() {
  for (const ToUtf16Case& c : kToUtf16) EXPECT_EQ(SjisToUtf16(c.sjis), c.utf16) << c.sjis;
}

}  // namespace hanaroku::enc::cases
