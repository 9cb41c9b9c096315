// The Win32 code page 932 converter gives what the native one gives for the
// awkward input: unpaired surrogates, stray lead bytes before line breaks.
#include <gtest/gtest.h>

#include "../platform/EncodingCases.h"
#include "platform/Encoding.h"

namespace hanaroku::enc {
namespace {

TEST(EncodingWin32, UnpairedSurrogatesAreOneQuestionMarkEachAndLoseNothingAfterThem) { cases::ExpectToSjisCases(); }

TEST(EncodingWin32, AStrayLeadByteKeepsTheLineBreakAfterIt) { cases::ExpectToUtf16Cases(); }

TEST(EncodingWin32, LongTextTakesTheWholeTextPath) {
  std::u16string text;
  for (int i = 0; i < 10000; ++i) text += u"花の色は\r\n";
  std::u16string lost;
  const std::string sjis = Utf16ToSjis(text, &lost);
  EXPECT_TRUE(lost.empty());
  EXPECT_EQ(sjis.size(), 100000u);
  EXPECT_EQ(SjisToUtf16(sjis), text);
}

}  // namespace
}  // namespace hanaroku::enc
