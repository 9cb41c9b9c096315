// A UTF-8 poem opened in the real main window: the platform's converter
// gives the pane its Shift-JIS text, the status bar names the encoding, and
// the save writes the file back byte for byte.
#include "MainWindowFixture.h"  // first: windows.h

#include <gtest/gtest.h>

#include <string>

#include "platform/Encoding.h"

namespace hanaroku::win32 {
namespace {

class DocumentEncodingWin32 : public test::MainWindowTest {};

TEST_F(DocumentEncodingWin32, AUtf8PoemOpensAsTextAndSavesBackUnchanged) {
  const std::string poem = "ひさかたの　光のどけき　春の日に\nしづ心なく　花の散るらむ\n紀友則\n";
  const std::string file = Dir().File("歌.txt");
  test::WriteRaw(file, "\xEF\xBB\xBF" + poem);
  Form().DropDst1FileDrop({file});
  test::PumpMain();
  EXPECT_EQ(Form().RichEditNx1.Text(),
            enc::Utf8ToSjis("ひさかたの　光のどけき　春の日に\r\nしづ心なく　花の散るらむ\r\n紀友則\r\n"));
  EXPECT_EQ(Form().RightFileName, file);
  EXPECT_EQ(test::PanelText(Main().Handle(), 3), "1行0列 UTF-8 BOM");
  test::WriteRaw(file, "replaced");
  Form().Save1Click();
  EXPECT_EQ(test::ReadRaw(file), "\xEF\xBB\xBF" + poem);
}

}  // namespace
}  // namespace hanaroku::win32
