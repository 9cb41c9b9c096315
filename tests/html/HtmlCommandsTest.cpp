#include "html/HtmlCommands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainForm1.h"
#include "app/MainFormFixture.h"
#include "html/SymbolImages.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using namespace testing;

std::string S(const std::string& utf8) { return enc::Utf8ToSjis(utf8); }
std::string U(const std::string& sjis) { return enc::SjisToUtf8(sjis); }

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (std::size_t p = text.find(what); p != std::string::npos; p = text.find(what, p + what.size())) ++n;
  return n;
}

class HtmlCommands : public MainForm {
 protected:
  THtmlCommands& html() { return form.Html(); }
  THtmlPageSettings& page() { return form.PageSettings; }
  TRichEditSx& left() { return form.RichEditNx2; }
  TRichEditSx& right() { return form.RichEditNx1; }
  const std::string& panel1() { return form.StatusBar1.Panels[1].text; }
  void SetUp() override {
    MainForm::SetUp();
    for (TRichEditSx* p : {&left(), &right()}) p->SetClientSize(400, 18 * 10);
  }
};

TEST_F(HtmlCommands, ConversionOfTheLeftPane) {
  form.HtmButton1Click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"変換文字列がありません"});
  EXPECT_EQ(left().Text(), "");
  EXPECT_EQ(panel1(), "milli & count");

  // A line longer than the pane is high is one column: word wrap goes off first.
  left().SetText(S("春の野にすみれ摘みにと来し我ぞ野をなつかしみ一夜寝にける\r\n夏\r\n秋"));
  ASSERT_TRUE(left().WordWrap());
  ASSERT_GT(left().Lines().Count(), 3);
  page().SetCheckBox(10, true);
  form.HtmButton1Click();
  const std::string text = U(left().Text());
  EXPECT_EQ(text.substr(0, 8), "<HTML>\r\n");
  EXPECT_EQ(Count(text, "<TD><font size="), 4);  // three lines and the even line
  EXPECT_FALSE(left().WordWrap());
  EXPECT_FALSE(form.WordWrapH);
  EXPECT_EQ(page().TableWidth, "96");
  EXPECT_EQ(page().RuleWidth, "156");
  EXPECT_EQ(panel1(), "00:00:00:000");
  EXPECT_EQ(host.hourglass, (std::vector<bool>{true, false}));
  EXPECT_TRUE(left().Modified());  // an unsaved page is not lost without a question
}

TEST_F(HtmlCommands, LongTextPageIsSavedAndPreviewed) {
  std::string text;
  for (int i = 0; i < 31; ++i) text += S("行\r\n");
  right().SetText(text);
  right().SetWordWrap(false);
  ASSERT_FALSE(form.LeftPaneVisible);
  dialogs.savePaths = {"C:\\pages\\long.htm"};
  form.ShineSpeedButton35Click();
  EXPECT_TRUE(form.LeftPaneVisible);
  EXPECT_EQ(Count(U(left().Text()), "<TABLE"), 3);
  EXPECT_EQ(right().Text(), text);  // the right pane keeps its text, wrapping
  EXPECT_TRUE(right().WordWrap());
  EXPECT_TRUE(form.WordWrap);
  EXPECT_FALSE(left().WordWrap());
  EXPECT_EQ(fs.files["C:\\pages\\long.htm"], left().Text());
  EXPECT_FALSE(left().Modified());
  EXPECT_EQ(html().RightHtmlFileName, "C:\\pages\\long.htm");
  ASSERT_EQ(dialogs.specs.size(), 1u);
  EXPECT_EQ(dialogs.specs[0].filter, "Htm(*.htm)|*.htm|Html(*.html)|*.html|All(*.*)|*.*");
  EXPECT_EQ(dialogs.specs[0].defaultExt, "htm");
  EXPECT_EQ(shell.opened, std::vector<std::string>{"C:\\pages\\long.htm"});
  EXPECT_EQ(page().RuleWidth, "800");

  // A cancelled dialog previews the page saved before.
  page().SetCheckBox(9, true);
  dialogs.savePaths = {""};
  form.ShineSpeedButton35Click();
  EXPECT_EQ(dialogs.specs[1].filter, "Html(*.html)|*.html|Htm(*.htm)|*.htm|All(*.*)|*.*");
  EXPECT_EQ(shell.opened.size(), 2u);
}

TEST_F(HtmlCommands, LongTextBreaksLongLinesAtThePaneWidth) {
  const std::string line = S("春の野にすみれ摘みにと来し我ぞ野をなつかしみ一夜寝にける");
  right().SetText(line);
  const std::vector<std::string> pieces = right().Lines().Strings();
  ASSERT_GT(pieces.size(), 2u);
  dialogs.savePaths = {""};
  page().SetCheckBox(8, false);
  form.ShineSpeedButton35Click();
  const std::string page = left().Text();
  for (const std::string& piece : pieces) {
    std::string column;
    for (std::size_t i = 0; i < piece.size(); i += enc::CharLen(piece, i)) column += "<br>" + piece.substr(i, enc::CharLen(piece, i));
    EXPECT_NE(page.find(column + "<br>\r\n"), std::string::npos) << U(piece);
  }
  EXPECT_EQ(right().Text(), line);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(HtmlCommands, FailedLongTextLeavesBothPanesAndCleansUp) {
  right().SetText(S("春\r\n夏\r\n"));
  right().SetWordWrap(false);
  left().SetText("keep");
  left().SetMaxLength(100);  // the page does not fit
  EXPECT_THROW(form.ShineSpeedButton35Click(), MaxLengthError);
  EXPECT_EQ(left().Text(), "keep");
  EXPECT_EQ(right().Text(), S("春\r\n夏\r\n"));
  EXPECT_TRUE(right().WordWrap());
  EXPECT_FALSE(left().Lines().Updating());
  EXPECT_FALSE(host.hourglass.back());
  EXPECT_FALSE(form.StopWatch1.Running());
  EXPECT_EQ(panel1(), "00:00:00:000");
  EXPECT_TRUE(dialogs.specs.empty());  // nothing is saved
}

TEST_F(HtmlCommands, OneStepPageOfTheRightPane) {
  form.ShineSpeedButton36Click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"変換文字列がありません"});
  right().SetText(S("月\r\n"));
  page().SetCheckBox(8, false);
  dialogs.savePaths = {"C:\\p.htm"};
  form.ShineSpeedButton36Click();
  EXPECT_TRUE(form.LeftPaneVisible);
  EXPECT_TRUE(page().CheckBoxChecked(8));
  EXPECT_NE(U(left().Text()).find("<br><br>月<br>"), std::string::npos);
  EXPECT_EQ(html().LeftHtmlFileName, "C:\\p.htm");
  EXPECT_EQ(fs.files["C:\\p.htm"], left().Text());
  EXPECT_EQ(shell.opened, std::vector<std::string>{"C:\\p.htm"});
  // With an empty right pane the left pane's own text is used.
  right().ClearAll();
  left().SetText(S("雪\r\n"));
  dialogs.savePaths = {""};
  form.ShineSpeedButton36Click();
  EXPECT_NE(U(left().Text()).find("<br><br>雪<br>"), std::string::npos);
}

TEST_F(HtmlCommands, InsertionAtTheMarkers) {
  left().SetText(S("古\r\n"));
  form.HtmButton1Click();  // rules on by default: the page has both markers
  right().SetText(left().Text());
  page().SetCheckBox(8, false);
  const std::string verse = S("一\r\n");
  auto insert = [&](const char* line) {
    left().SetText(S(line));
    dialogs.savePaths = {""};
    form.ShineSpeedButton38Click();
    EXPECT_EQ(left().Text(), S(line));  // the verse is given back
  };
  insert("下一\r\n");
  insert("下二\r\n");
  page().SetCheckBox(12, true);
  insert("上一\r\n");
  insert("上二\r\n");
  const std::string p = U(right().Text());
  const auto at = [&](const char* s) { return p.find(std::string("<br><br>") + s); };
  EXPECT_LT(p.find("<!--update-->"), at("上<br>二"));
  EXPECT_LT(at("上<br>二"), at("上<br>一"));
  EXPECT_LT(at("上<br>一"), at("古"));
  EXPECT_LT(at("古"), at("下<br>一"));
  EXPECT_LT(at("下<br>一"), at("下<br>二"));
  EXPECT_LT(at("下<br>二"), p.find("<!--insert-->"));
  EXPECT_FALSE(right().WordWrap());
  EXPECT_FALSE(form.WordWrap);
  EXPECT_EQ(Count(p, "<font size=\"2\" color=\"#008080\""), 5);

  // A page without markers.
  page().SetCheckBox(5, false);
  left().SetText(S("古\r\n"));
  form.HtmButton1Click();
  right().SetText(left().Text());
  form.StatusBar1.Panels[1].text = "x";
  left().SetText(verse);
  form.ShineSpeedButton38Click();
  EXPECT_EQ(dialogs.messages.back(), "挿入箇所がありません");
  EXPECT_EQ(left().Text(), verse);
  EXPECT_EQ(panel1(), "x");  // no elapsed time
  EXPECT_FALSE(host.hourglass.back());

  // An empty left pane.
  dialogs.messages.clear();
  left().ClearAll();
  form.ShineSpeedButton38Click();
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"文字列がありません", "変換文字列がありません"}));
}

TEST_F(HtmlCommands, SaveAndPreviewOfTheLeftPage) {
  form.HtmButton3Click();
  form.HtmButton4Click();
  EXPECT_EQ(dialogs.messages, (std::vector<std::string>{"文字列がありません", "HTMLファイルがありません"}));
  dialogs.messages.clear();
  left().SetText("<HTML>\r\n");
  dialogs.savePaths = {""};
  form.HtmButton3Click();  // cancelled: the preview still runs
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"HTMLファイルがありません"});
  fs.failWrites = true;
  dialogs.savePaths = {"C:\\x.htm"};
  form.HtmButton3Click();
  EXPECT_TRUE(left().Modified());
  EXPECT_TRUE(html().LeftHtmlFileName.empty());
  fs.failWrites = false;
  dialogs.savePaths = {"C:\\x.htm"};
  form.HtmButton3Click();
  EXPECT_EQ(fs.files["C:\\x.htm"], "<HTML>\r\n");
  EXPECT_EQ(shell.opened, std::vector<std::string>{"C:\\x.htm"});
  form.ShineSpeedButton39Click();  // the right pane: its own file name
  EXPECT_TRUE(html().RightHtmlFileName.empty());
}

TEST_F(HtmlCommands, SymbolImagesAreOfferedBesideAPage) {
  fs.dirs.insert("C:\\prog\\kigou");
  for (std::string_view f : SymbolImageFiles()) fs.files["C:\\prog\\kigou\\" + std::string(f)] = std::string(f);
  page().SetCheckBox(8, false);
  page().SetCheckBox(6, true);
  left().SetText(S("花。\r\n"));
  form.HtmButton1Click();
  dialogs.answers = {MsgResult::Yes};
  dialogs.savePaths = {"C:\\pages\\a.htm"};
  form.HtmButton3Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_TRUE(fs.DirectoryExists("C:\\pages\\kigou"));
  for (std::string_view f : SymbolImageFiles()) EXPECT_EQ(fs.files["C:\\pages\\kigou\\" + std::string(f)], f);
  // The folder is there now: no second question.
  dialogs.savePaths = {"C:\\pages\\b.htm"};
  form.HtmButton3Click();
  EXPECT_EQ(dialogs.messages.size(), 1u);
  // Declined: nothing is copied. A page without images asks nothing.
  dialogs.answers = {MsgResult::No};
  dialogs.savePaths = {"C:\\other\\a.htm"};
  form.HtmButton3Click();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_FALSE(fs.DirectoryExists("C:\\other\\kigou"));
  page().SetCheckBox(6, false);
  left().SetText(S("花\r\n"));
  form.HtmButton1Click();
  dialogs.savePaths = {"C:\\third\\a.htm"};
  form.HtmButton3Click();
  EXPECT_EQ(dialogs.messages.size(), 2u);
}

TEST_F(HtmlCommands, SoftBreaksBecomeHardOnes) {
  form.HtmButton13Click();
  EXPECT_EQ(dialogs.messages, std::vector<std::string>{"文字列がありません"});
  left().SetWordWrap(false);
  left().SetText(S("春の野にすみれ摘みにと来し我ぞ野をなつかしみ一夜寝にける\r\n月"));
  left().SetWordWrap(true);
  const std::vector<std::string> pieces = left().Lines().Strings();
  left().SetWordWrap(false);
  ASSERT_GT(pieces.size(), 3u);
  form.HtmButton13Click();
  EXPECT_FALSE(left().WordWrap());
  EXPECT_FALSE(form.WordWrapH);
  EXPECT_EQ(left().Lines().Strings(), pieces);
}

TEST_F(HtmlCommands, ColourButtons) {
  dialogs.colors = {0xFF8000u};
  form.HtmButton5Click();
  EXPECT_EQ(dialogs.colorShown.back(), 0xDCF8FFu);  // from "#fff8dc"
  EXPECT_EQ(page().bgc, "#0080FF");
  // A colour name: the dialog opens on the colour it showed last.
  page().bgc = "White";
  form.HtmButton5Click();
  EXPECT_EQ(dialogs.colorShown.back(), 0xFF8000u);
  EXPECT_EQ(page().bgc, "White");  // cancelled
  dialogs.colors = {0x0000FFu, 0xC0C0C0u, 0x123456u, 0x000001u};
  form.HtmButton6Click();
  EXPECT_EQ(page().mclo, "Red");
  EXPECT_EQ(page().SavedLineColor1, "Red");
  form.HtmButton7Click();
  EXPECT_EQ(page().mclt, "Silver");
  EXPECT_EQ(page().SavedLineColor2, "Silver");
  form.HtmButton12Click();
  EXPECT_EQ(page().Dai, "#563412");
  form.HtmButton10Click();
  EXPECT_EQ(page().Lcl, "#010000");
  // Seven characters with a hash that are not hexadecimal: a message, no dialog.
  page().bgc = "#GG0000";
  const std::size_t shown = dialogs.colorShown.size();
  form.HtmButton5Click();
  EXPECT_EQ(dialogs.colorShown.size(), shown);
  EXPECT_EQ(page().bgc, "#GG0000");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("#GG0000"), std::string::npos);
}

TEST_F(HtmlCommands, FontBaseAndQuickSettings) {
  form.HtmButton8Click();
  EXPECT_EQ(page().Mfn, "ＭＳ ゴシック");
  EXPECT_EQ(page().HtmButton8Caption, "ゴ");

  page().bgc = "White";
  page().SetCheckBox(3, true);
  page().SetCheckBox(11, true);
  page().TableWidth = "1";
  form.HtmButton9Click();  // "色" off: the colours stay
  EXPECT_EQ(page().bgc, "White");
  EXPECT_EQ(page().Mfn, "ＭＳ ゴシック");
  for (int i : {1, 2, 3, 6, 7, 10, 11, 12}) EXPECT_FALSE(page().CheckBoxChecked(i)) << i;
  for (int i : {4, 5, 8, 14}) EXPECT_TRUE(page().CheckBoxChecked(i)) << i;
  EXPECT_EQ(page().TableWidth, "700");
  page().SetCheckBox(13, true);
  form.HtmButton9Click();
  EXPECT_EQ(page().bgc, "#fff8dc");
  EXPECT_EQ(page().Mfn, "ＭＳ 明朝");
  EXPECT_EQ(page().HtmButton8Caption, "明");
  EXPECT_EQ(page().SavedLineColor1, "#8080FF");

  form.ShineSpeedButton40Click();
  for (int i : {1, 4, 5, 6, 8, 10, 11, 13}) EXPECT_TRUE(page().CheckBoxChecked(i)) << i;
  for (int i : {2, 3, 7, 12, 14}) EXPECT_FALSE(page().CheckBoxChecked(i)) << i;
  EXPECT_EQ(page().mclo, "Black");
  // Again, with black text already on: the text stays black, and turning
  // black text off gives back the reset colours.
  page().mclo = "#111111";
  form.ShineSpeedButton40Click();
  EXPECT_EQ(page().mclo, "Black");
  EXPECT_EQ(page().mclt, "Black");
  page().SetCheckBox(1, false);
  EXPECT_EQ(page().mclo, "#8080FF");
  EXPECT_EQ(page().mclt, "#D0A2A2");
}

TEST_F(HtmlCommands, TitleTextsFollowTheirEditBoxes) {
  // At start the boxes show the titles read from the settings.
  EXPECT_EQ(form.BarControls.Text("Edit4"), page().Title);
  form.BarControls.SetText("Edit4", "花の歌");
  form.BarControls.SetText("Edit5", "hana");
  EXPECT_EQ(page().Title, "花の歌");
  EXPECT_EQ(form.BarControls.State("Edit4").hint, "花の歌");
  EXPECT_EQ(page().PageTitle, "hana");
  EXPECT_EQ(form.BarControls.State("Edit5").hint, "hana");
  // The base settings write the titles into the boxes; the font toggle and
  // the check boxes show on the bar.
  page().Title = "題";
  form.Execute(Command::HtmButton9Click);
  EXPECT_EQ(form.BarControls.Text("Edit4"), "題");
  form.Execute(Command::HtmButton8Click);
  EXPECT_EQ(form.BarControls.State("HtmButton8").caption, "ゴ");
  form.Execute(Command::ShineSpeedButton40Click);
  EXPECT_TRUE(form.BarControls.State("CheckBox6").checked);
  EXPECT_FALSE(form.BarControls.State("CheckBox14").checked);
}

}  // namespace
}  // namespace hanaroku
