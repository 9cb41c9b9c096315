// The script conversions in the real main window: a click on "萬" in the
// left pane's tool bar converts the poem there into man'yōgana and the
// status bar shows the time, the characters and the lines.
#include "MainWindowFixture.h"

#include <gtest/gtest.h>

#include <string>

#include "app/Commands.h"
#include "platform/Encoding.h"

namespace hanaroku::win32 {
namespace {

using test::IsElapsedText;
using test::PanelText;

using Conversions = test::LeftPaneShownTest;

TEST_F(Conversions, ManyoganaButtonConvertsThePoemInTheLeftPane) {
  ASSERT_TRUE(Main().Form().LeftPaneVisible);
  const std::string poem =
      enc::Utf8ToSjis("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ");
  Main().Form().RichEditNx2.SetText(poem);
  Main().Form().RichEditNx1.SetText(enc::Utf8ToSjis("右窓のうた"));
  Click("ShineSpeedButton21");

  const std::u16string out = enc::SjisToUtf16(Main().Form().RichEditNx2.Text());
  ASSERT_EQ(out.size(), 33u);
  for (char16_t c : out) EXPECT_FALSE(c >= u'ぁ' && c <= u'ゖ') << enc::Utf16ToUtf8(out);
  EXPECT_EQ(out[7], u'光');
  EXPECT_EQ(out[14], u'春');
  EXPECT_EQ(out[16], u'日');
  EXPECT_EQ(out[22], u'心');
  EXPECT_EQ(out[27], u'花');
  EXPECT_EQ(out[29], u'散');
  EXPECT_EQ(out.substr(5, 2), u"\r\n");
  EXPECT_EQ(Main().Form().RichEditNx1.Text(), enc::Utf8ToSjis("右窓のうた"));

  EXPECT_TRUE(IsElapsedText(PanelText(Main().Handle(), 1))) << PanelText(Main().Handle(), 1);
  EXPECT_EQ(PanelText(Main().Handle(), 2), "25字");
  EXPECT_EQ(PanelText(Main().Handle(), 3), "5行");
  EXPECT_EQ(Main().Form().StatusBar1.Panels[3].text, "5行");
}

TEST_F(Conversions, KanaButtonsConvertTheLeftPane) {
  Main().Form().RichEditNx2.SetText(enc::Utf8ToSjis("はなのいろは\r\nウツリニケリナ"));
  Click("HiraganaButton1");
  EXPECT_EQ(Main().Form().RichEditNx2.Text(), enc::Utf8ToSjis("ハナノイロハ\r\nウツリニケリナ"));
  EXPECT_TRUE(IsElapsedText(PanelText(Main().Handle(), 1)));
  Click("KatakanaButton1");
  EXPECT_EQ(Main().Form().RichEditNx2.Text(), enc::Utf8ToSjis("はなのいろは\r\nうつりにけりな"));
}

}  // namespace
}  // namespace hanaroku::win32
