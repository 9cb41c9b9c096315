// The pieces of the dialog port that need no user: filter lists for the
// common file dialogs and the font conversion.
#include <gtest/gtest.h>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

std::wstring Z(const wchar_t* s, std::size_t n) { return std::wstring(s, n); }

TEST(FilterToWin32, PairsBecomeNulSeparatedList) {
  std::wstring f = FilterToWin32("Text(*.txt)|*.txt|HTML|*.HTML;*.HTM");
  const wchar_t expected[] = L"Text(*.txt)\0*.txt\0HTML\0*.HTML;*.HTM\0";
  EXPECT_EQ(f, Z(expected, sizeof expected / sizeof(wchar_t)));
  // Ends with two NULs.
  ASSERT_GE(f.size(), 2u);
  EXPECT_EQ(f[f.size() - 1], L'\0');
  EXPECT_EQ(f[f.size() - 2], L'\0');
}

TEST(FilterToWin32, JapaneseDescriptionsAreWidened) {
  std::wstring f = FilterToWin32("テキスト|*.txt");
  const wchar_t expected[] = L"テキスト\0*.txt\0";
  EXPECT_EQ(f, Z(expected, sizeof expected / sizeof(wchar_t)));
}

TEST(FilterToWin32, EmptyAndIncompleteFilters) {
  EXPECT_TRUE(FilterToWin32("").empty());
  // A description without a pattern is dropped.
  EXPECT_TRUE(FilterToWin32("Text").empty());
  const wchar_t one[] = L"A\0*.a\0";
  EXPECT_EQ(FilterToWin32("A|*.a|B"), Z(one, sizeof one / sizeof(wchar_t)));
  EXPECT_EQ(FilterToWin32("A|*.a|B|"), Z(one, sizeof one / sizeof(wchar_t)));
}

TEST(FontConversion, RoundTripKeepsFaceHeightAndStyle) {
  FontSpec font;
  font.name = "ＭＳ 明朝";
  font.height = 18;
  font.bold = true;
  font.italic = true;
  font.charset = SHIFTJIS_CHARSET;
  LOGFONTW lf = ToLogFont(font);
  EXPECT_EQ(lf.lfHeight, -18);
  EXPECT_EQ(std::wstring(lf.lfFaceName), L"ＭＳ 明朝");
  EXPECT_EQ(lf.lfWeight, FW_BOLD);
  FontSpec back = FromLogFont(lf, 0x123456);
  EXPECT_EQ(back.name, font.name);
  EXPECT_EQ(back.height, 18);
  EXPECT_TRUE(back.bold);
  EXPECT_TRUE(back.italic);
  EXPECT_FALSE(back.underline);
  EXPECT_EQ(back.color, 0x123456u);
}

TEST(FontConversion, OverlongFaceIsCut) {
  FontSpec font;
  font.name = std::string(40, 'x');
  LOGFONTW lf = ToLogFont(font);
  EXPECT_EQ(std::wstring(lf.lfFaceName).size(), static_cast<std::size_t>(LF_FACESIZE - 1));
}

}  // namespace
}  // namespace hanaroku::win32
