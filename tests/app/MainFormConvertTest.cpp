// The script conversion buttons of the main window: each command runs its
// conversion on the left pane with the hourglass and writes the status bar.
#include <gtest/gtest.h>

#include "app/MainForm1.h"
#include "app/MainFormFixture.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using namespace testing;

bool HoldsHiragana(const std::string& sjis) {
  for (char16_t c : enc::SjisToUtf16(sjis))
    if (c >= u'ぁ' && c <= u'ゖ') return true;
  return false;
}

TEST_F(MainForm, ManyoganaButtonConvertsTheLeftPane) {
  ASSERT_TRUE(form.Enabled(Command::ShineSpeedButton21Click));
  form.RichEditNx1.SetText(S("ひさかたの"));
  form.RichEditNx2.SetText(S("ひさかたの\r\n光のどけき春の日に"));
  form.Execute(Command::ShineSpeedButton21Click);
  EXPECT_FALSE(HoldsHiragana(form.RichEditNx2.Text())) << enc::SjisToUtf8(form.RichEditNx2.Text());
  const std::u16string out = enc::SjisToUtf16(form.RichEditNx2.Text());
  EXPECT_EQ(out[7], u'光');
  EXPECT_EQ(out[12], u'春');
  EXPECT_EQ(form.RichEditNx1.Text(), S("ひさかたの"));
  EXPECT_EQ(host.hourglass, (std::vector<bool>{true, false}));
  EXPECT_EQ(form.StatusBar1.Panels[1].text, "00:00:00:000");
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "14字");
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "2行");
  EXPECT_FALSE(form.StopWatch1.Running());
}

TEST_F(MainForm, KanaButtonsRunTheirTables) {
  for (Command c : {Command::KatakanaButton1Click, Command::KatakanaButton2Click, Command::HiraganaButton1Click})
    EXPECT_TRUE(form.Enabled(c));
  form.RichEditNx2.SetText(S("ハナノイロハ"));
  form.StatusBar1.Panels[2].text = "x";
  form.Execute(Command::KatakanaButton1Click);
  EXPECT_EQ(form.RichEditNx2.Text(), S("はなのいろは"));
  form.Execute(Command::HiraganaButton1Click);
  EXPECT_EQ(form.RichEditNx2.Text(), S("ハナノイロハ"));
  form.Execute(Command::KatakanaButton2Click);
  EXPECT_EQ(form.RichEditNx2.Text(), S("八奈乃伊呂八"));
  EXPECT_EQ(form.StatusBar1.Panels[1].text, "00:00:00:000");
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "x");
  EXPECT_EQ(host.hourglass, (std::vector<bool>{true, false, true, false, true, false}));
  form.DoReplaceAll2(S("八"), S("波"));
  EXPECT_EQ(form.RichEditNx2.Text(), S("波奈乃伊呂波"));
}

}  // namespace
}  // namespace hanaroku
