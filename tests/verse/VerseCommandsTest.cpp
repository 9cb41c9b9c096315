// The verse buttons of the main window: "百" and "句" load the collections
// into the left pane, "泉" sets the banner's poems, "走" runs and stops it,
// "設" takes the left pane's selection as its message, "白" its text colour.
#include "verse/VerseCommands.h"

#include <gtest/gtest.h>

#include "app/MainFormFixture.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using namespace testing;

std::string Sjis(const char* utf8) { return enc::Utf8ToSjis(utf8); }

class Verse : public MainForm {
 protected:
  void SetUp() override {
    MainForm::SetUp();
    fs.files["C:\\prog\\hyakunin.txt"] = Sjis("小倉百人一首\r\n\r\n一　秋の田の\r\n天智天皇\r\n");
    fs.files["C:\\prog\\haiku.txt"] = Sjis("古典俳句\r\n\r\n古池や蛙飛びこむ水の音\r\n松尾芭蕉\r\n");
    form.ShineSpeedButton2Click();  // the left pane on
  }
  void Select(const char* utf8) {
    form.RichEditNx2.SetText(Sjis(utf8));
    form.RichEditNx2.SelectAll();
  }
};

TEST_F(Verse, WithTheLeftPaneHiddenTheLoadButtonsDoNothingNotEvenWarn) {
  form.ShineSpeedButton2Click();
  ASSERT_FALSE(form.LeftPaneVisible);
  fs.files.clear();
  form.RichEditNx2.SetText("kept");
  form.Execute(Command::ShineSpeedButton3Click);
  form.Execute(Command::ShineSpeedButton18Click);
  EXPECT_TRUE(dialogs.messages.empty());
  EXPECT_EQ(form.RichEditNx2.Text(), "kept");
}

TEST_F(Verse, AMissingCollectionIsNamedInAWarningAndThePaneKeepsItsText) {
  fs.files.erase("C:\\prog\\haiku.txt");
  form.RichEditNx2.SetText("mine");
  form.RichEditNx2.SetModified(true);
  form.Execute(Command::ShineSpeedButton18Click);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "C:\\prog\\haiku.txt は、存在しません");
  EXPECT_EQ(form.RichEditNx2.Text(), "mine");
  EXPECT_TRUE(form.RichEditNx2.Modified());
}

TEST_F(Verse, HundredPoetsLoadUnmodifiedAndThePanelShowsTheShortenedPath) {
  form.ExeDir = "C:\\Program Files\\Hanaroku\\verse\\";
  fs.files[form.ExeDir + "hyakunin.txt"] = fs.files["C:\\prog\\hyakunin.txt"];
  form.LeftFileName = "C:\\t\\mine.txt";
  form.RichEditNx2.SetText("edited");
  form.RichEditNx2.SetModified(true);
  form.RichEditNx2.SetFontColor(0x00FF00);
  form.Execute(Command::ShineSpeedButton3Click);
  EXPECT_EQ(form.RichEditNx2.Text(), fs.files[form.ExeDir + "hyakunin.txt"]);
  EXPECT_FALSE(form.RichEditNx2.Modified());
  EXPECT_EQ(form.RichEditNx2.Font().color, form.LeftTextColor);
  EXPECT_EQ(form.LeftFileName, "C:\\t\\mine.txt");  // not the collection's
  // 8-pixel cells, 4 for a letter: 170 pixels hold 42 letters.
  EXPECT_EQ(form.StatusBar1.Panels[0].text, "C:\\...\\Hanaroku\\verse\\hyakunin.txt");
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(Verse, HaikuShowOnlyTheFileNameInThePanel) {
  form.ExeDir = "C:\\Program Files\\Hanaroku\\verse\\";
  fs.files[form.ExeDir + "haiku.txt"] = fs.files["C:\\prog\\haiku.txt"];
  form.Execute(Command::ShineSpeedButton18Click);
  EXPECT_EQ(form.RichEditNx2.Text(), fs.files["C:\\prog\\haiku.txt"]);
  EXPECT_EQ(form.StatusBar1.Panels[0].text, "haiku.txt");
}

TEST_F(Verse, IzumiPutsTheThreePoemsIntoTheBannerWithoutChangingItsRunning) {
  form.Execute(Command::ShineSpeedButton17Click);
  EXPECT_EQ(form.MsgSCR1.Msg(),
            "はるがすみたつやおそきと山がはの岩間をくくるおと聞こゆなり　　くらきよりくらき道にぞ入りぬべきはる"
            "かに照らせ山の端の月 　白露も夢もこの世もまぼろしもたとへていへばひさしかりけり　花守詠女");
  EXPECT_EQ(form.MsgSCR1.Interval(), 0u);
  form.Execute(Command::ShineSpeedButton14Click);
  form.Execute(Command::ShineSpeedButton17Click);
  EXPECT_EQ(form.MsgSCR1.Interval(), 30u);
}

TEST_F(Verse, RunTwiceIsBackToStandingWithItsCaption) {
  int changes = 0;
  form.Verse().OnRunCaptionChanged = [&] { ++changes; };
  EXPECT_EQ(form.Verse().ShineSpeedButton14Caption(), "走");
  form.Execute(Command::ShineSpeedButton14Click);
  EXPECT_EQ(form.MsgSCR1.Interval(), 30u);
  EXPECT_TRUE(form.MsgSCR1.Running());
  EXPECT_EQ(form.Verse().ShineSpeedButton14Caption(), "停");
  form.Execute(Command::ShineSpeedButton14Click);
  EXPECT_EQ(form.MsgSCR1.Interval(), 0u);
  EXPECT_FALSE(form.MsgSCR1.Running());
  EXPECT_EQ(form.Verse().ShineSpeedButton14Caption(), "走");
  EXPECT_EQ(changes, 2);
}

TEST_F(Verse, ASelectionOf125CharactersBecomesTheMessageAnd126AreRefused) {
  std::string text;
  for (int i = 0; i < 62; ++i) text += "あ";
  text += "\r\n";  // line breaks are not counted
  for (int i = 0; i < 62; ++i) text += "い";
  text += "a";
  Select(text.c_str());
  form.Execute(Command::ShineSpeedButton15Click);
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "125字選択");
  EXPECT_EQ(form.MsgSCR1.Msg(), text);  // line break and all
  EXPECT_TRUE(dialogs.messages.empty());

  Select((text + "b").c_str());
  form.Execute(Command::ShineSpeedButton15Click);
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "126字選択");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "125文字　三首 六句 までです");
  EXPECT_EQ(form.MsgSCR1.Msg(), text);
}

TEST_F(Verse, AnEmptySelectionSetsAnEmptyMessage) {
  form.RichEditNx2.SetText(Sjis("花の色は"));
  form.RichEditNx2.SetSelStart(2);
  form.Execute(Command::ShineSpeedButton15Click);
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "0字選択");
  EXPECT_EQ(form.MsgSCR1.Msg(), "");
}

TEST_F(Verse, WhiteSwitchesBetweenWhiteAndTheLeftPanesTextColour) {
  ASSERT_EQ(form.MsgSCR1.Font().color, form.LeftTextColor);  // from the left pane at start
  form.Execute(Command::ShineSpeedButton16Click);
  EXPECT_EQ(form.MsgSCR1.Font().color, 0xFFFFFFu);
  form.LeftTextColor = 0x123456;
  form.Execute(Command::ShineSpeedButton16Click);
  EXPECT_EQ(form.MsgSCR1.Font().color, 0x123456u);
}

TEST_F(Verse, TheBannerFollowsTheLeftPanesColours) {
  EXPECT_EQ(form.MsgSCR1.Color(), form.RichEditNx2.Color());
  EXPECT_EQ(form.MsgSCR1.Interval(), 0u);
  EXPECT_TRUE(form.MsgSCR1.Show());
}

TEST_F(Verse, SoundCountOfTheWholeLeftPaneOrOfItsSelectionGoesToPanelTwo) {
  const std::string poem = Sjis("あきのたの　かりほのいほの　とまをあらみ　わがころもでは　つゆにぬれつつ\r\n天智天皇\r\n");
  form.RichEditNx2.SetText(poem + Sjis("ふるいけや　かはづとびこむ　みづのおと\r\n"));
  form.RichEditNx2.SetModified(false);
  form.Execute(Command::SoundCountButtonClick);
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "3行 計53?音");
  EXPECT_EQ(form.Verse().LastSoundCount().firstLine, 1);
  ASSERT_EQ(form.Verse().LastSoundCount().lines.size(), 3u);
  // The selection alone: the third line, numbered as the pane's.
  form.RichEditNx2.SetSelStart(static_cast<int>(poem.size()));
  form.RichEditNx2.SetSelLength(static_cast<int>(Sjis("ふるいけや　かはづとびこむ　みづのおと").size()));
  form.Execute(Command::SoundCountButtonClick);
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "5・7・5");
  EXPECT_EQ(form.Verse().LastSoundCount().firstLine, 3);
  // With the left pane hidden nothing is counted.
  form.StatusBar1.Panels[2].text = "kept";
  form.ShineSpeedButton2Click();
  form.Execute(Command::SoundCountButtonClick);
  EXPECT_EQ(form.StatusBar1.Panels[2].text, "kept");
  EXPECT_FALSE(form.RichEditNx2.Modified());
}

}  // namespace
}  // namespace hanaroku
