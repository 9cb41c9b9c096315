#include "platform/Encoding.h"

#include <gtest/gtest.h>

#include "platform/EncodingCases.h"

namespace hanaroku::enc {
namespace {

TEST(Encoding, LeadBytesAndCharacterSteps) {
  EXPECT_TRUE(IsLeadByte(0x81));
  EXPECT_TRUE(IsLeadByte(0x9F));
  EXPECT_TRUE(IsLeadByte(0xE0));
  EXPECT_TRUE(IsLeadByte(0xFC));
  EXPECT_FALSE(IsLeadByte(0x80));
  EXPECT_FALSE(IsLeadByte(0xA0));  // half-width katakana are single bytes
  EXPECT_FALSE(IsLeadByte(0xDF));
  EXPECT_FALSE(IsLeadByte(0xFD));
  const std::string s = "\x82\xa0" "a" "\xb1" "\x81\x81";  // あ a ｱ ＝
  EXPECT_EQ(CharCount(s), 4u);
  EXPECT_EQ(CharLen(s, 0), 2u);
  EXPECT_EQ(CharLen(s, 2), 1u);
  EXPECT_EQ(CharLen(std::string_view("\x82", 1), 0), 1u);  // a lone lead byte at the end
}

TEST(Encoding, TrailPositionsFollowTheTextNotTheByte) {
  // A trail byte can itself look like a lead byte ("＝" is 81 81) or like
  // ASCII ("ー" is 81 5B): only the bytes before it tell.
  const std::string s = "\x81\x81\x81\x81" "a";  // ＝＝a
  EXPECT_FALSE(IsTrailPosition(s, 0));
  EXPECT_TRUE(IsTrailPosition(s, 1));
  EXPECT_FALSE(IsTrailPosition(s, 2));
  EXPECT_TRUE(IsTrailPosition(s, 3));
  EXPECT_FALSE(IsTrailPosition(s, 4));
  EXPECT_EQ(CharStart(s, 3), 2u);
  const std::string t = "a\x81\x5b" "b";  // aーb: 0x5B is '[' as a single byte
  EXPECT_TRUE(IsTrailPosition(t, 2));
  EXPECT_EQ(CharStart(t, 2), 1u);
}

TEST(Encoding, Cp932RoundTripAndInvalidBytes) {
  const std::string utf8 = "ひさかたの光のどけき春の日に ABC ｱｲｳ ～ー―…";
  const std::string sjis = Utf8ToSjis(utf8);
  EXPECT_EQ(sjis.substr(0, 2), "\x82\xd0");
  EXPECT_EQ(SjisToUtf8(sjis), utf8);
  // A lone trail-less lead byte and an undefined pair become U+FFFD, and
  // conversion goes on after them.
  const std::u16string w = SjisToUtf16(std::string("a\x85\x40" "b\x82", 5));
  ASSERT_GE(w.size(), 3u);
  EXPECT_EQ(w.front(), u'a');
  EXPECT_EQ(w.back(), u'\xFFFD');
}

TEST(Encoding, UnmappableCharactersAreReported) {
  std::u16string lost;
  const std::string s = Utf16ToSjis(u"a\u00e9\u82b1\U0001F338", &lost);  // a é 花 🌸
  EXPECT_EQ(lost, u"\u00e9\U0001F338");
  EXPECT_EQ(s, std::string("a?\x89\xd4?"));
}

TEST(Encoding, UnpairedSurrogatesAreOneQuestionMarkEachAndLoseNothingAfterThem) { cases::ExpectToSjisCases(); }

TEST(Encoding, AStrayLeadByteKeepsTheLineBreakAfterIt) { cases::ExpectToUtf16Cases(); }

TEST(Encoding, CharactersAreNamedWithTheirCodePoints) {
  EXPECT_EQ(CodePointName(0x41), "U+0041");
  EXPECT_EQ(CodePointName(0x20BB7), "U+20BB7");
  // 𠮷 twice and 🌸: each distinct character once, in order.
  EXPECT_EQ(NameCharacters(u"\U00020BB7\U0001F338\U00020BB7", 20), "\U00020BB7 (U+20BB7)  \U0001F338 (U+1F338)");
  // An unpaired half is named by its own code point.
  EXPECT_EQ(NameCharacters(u"\xD800" u"a", 20), "\uFFFD (U+D800)  a (U+0061)");
  EXPECT_EQ(NameCharacters(u"abc", 2), "a (U+0061)  b (U+0062)  …");
  EXPECT_EQ(NameCharacters(u"", 2), "");
}

TEST(Encoding, Utf8Utf16EdgeCases) {
  EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16("\xF0\x9F\x8C\xB8")), "\xF0\x9F\x8C\xB8");
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), std::u16string(u"\xFFFD"));  // overlong
  EXPECT_EQ(Utf8ToUtf16("\xE3\x81"), std::u16string(u"\xFFFD\xFFFD"));  // truncated
  EXPECT_EQ(Utf16ToUtf8(std::u16string(1, u'\xD800')), "\xEF\xBF\xBD");  // lone surrogate
}

}  // namespace
}  // namespace hanaroku::enc
