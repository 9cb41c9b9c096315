// The clipboard port round-trips Unicode text, Japanese included.
#include <gtest/gtest.h>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

TEST(ClipboardWin32, JapaneseTextRoundTrips) {
  ClipboardWin32 cb;
  const std::u16string text = u"春過ぎて　夏来にけらし\r\n白妙の 𠮷";
  cb.SetText(text);
  std::u16string back;
  ASSERT_TRUE(cb.GetText(back));
  EXPECT_EQ(back, text);
}

TEST(ClipboardWin32, EmptyTextAndReplacement) {
  ClipboardWin32 cb;
  cb.SetText(u"first");
  cb.SetText(u"");
  std::u16string back = u"junk";
  ASSERT_TRUE(cb.GetText(back));
  EXPECT_TRUE(back.empty());
}

TEST(ClipboardWin32, NoTextGivesFalse) {
  ASSERT_TRUE(::OpenClipboard(UtilityWindow()));
  ::EmptyClipboard();
  ::CloseClipboard();
  ClipboardWin32 cb;
  std::u16string back = u"junk";
  EXPECT_FALSE(cb.GetText(back));
  EXPECT_TRUE(back.empty());
}

}  // namespace
}  // namespace hanaroku::win32
