#include "app/FileNames.h"

#include <gtest/gtest.h>

#include "app/Commands.h"

namespace hanaroku {
namespace {

TEST(FileNames, ExtensionIsByteExact) {
  EXPECT_EQ(ExtractFileExt("C:\\d.x\\f"), "");
  EXPECT_EQ(ExtractFileExt("C:\\d\\f.tar.txt"), ".txt");
  EXPECT_EQ(ExtractFilePath("C:\\d\\f.txt"), "C:\\d\\");
  EXPECT_TRUE(IsOpenableTextName("a.txt"));
  EXPECT_TRUE(IsOpenableTextName("a.TXT"));
  EXPECT_TRUE(IsOpenableTextName("a.htm"));
  EXPECT_TRUE(IsOpenableTextName("a.html"));
  EXPECT_FALSE(IsOpenableTextName("a.Txt"));
  EXPECT_FALSE(IsOpenableTextName("a.HTM"));
  EXPECT_FALSE(IsOpenableTextName("a.HTML"));
  EXPECT_FALSE(IsOpenableTextName(""));
  EXPECT_FALSE(IsOpenableTextName("a.lnk"));
  EXPECT_TRUE(IsCommandLineFile("a.lnk"));
  EXPECT_FALSE(IsCommandLineFile("a.LNK"));
}

TEST(Commands, TablesAreConsistent) {
  for (int i = 1; i < kCommandCount; ++i) {
    const auto c = static_cast<Command>(i);
    EXPECT_EQ(Info(c).id, c) << i;
    EXPECT_EQ(CommandByHandler(Info(c).handler), c);
  }
  int depth = 0;
  for (const auto& m : MainMenu1Items()) {
    if (m.kind == MenuKind::Popup) ++depth;
    if (m.kind == MenuKind::EndPopup) --depth;
    EXPECT_GE(depth, 0);
  }
  EXPECT_EQ(depth, 0);
  EXPECT_EQ(PopupColor(0), 0x2548C2u);
  EXPECT_EQ(PopupColor(11), 0xB7ABA8u);
}

}  // namespace
}  // namespace hanaroku
