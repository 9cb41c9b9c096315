#include "app/MainForm1.h"

#include <gtest/gtest.h>

#include <limits>

#include "app/MainFormFixture.h"
#include "app/ProgramEntry.h"
#include "app/Splash.h"
#include "controls/FakePrintDevice.h"

namespace hanaroku {
namespace {

using namespace testing;

TEST_F(MainForm, StartsUntitledWithDefaults) {
  EXPECT_EQ(host.caption, "Hanaroku");
  EXPECT_EQ(form.ExeDir, "C:\\prog\\");
  EXPECT_EQ(form.SettingsFileName, "C:\\prog\\hanaroku.ini");
  EXPECT_FALSE(form.LeftPaneVisible);
  EXPECT_EQ(form.Bounds, (WindowBounds{20, 20, 780, 550}));
  form.FormShow();
  EXPECT_EQ(form.LeftPaneWidth, 129);
  EXPECT_EQ(host.maximized, 0);
}

TEST_F(MainForm, FormShowWidthRulesAndMaximise) {
  form.SavedLeftWidth = 10;
  form.FormShow();
  EXPECT_EQ(form.LeftPaneWidth, 50);
  form.SavedLeftWidth = 760;
  form.FormShow();
  EXPECT_EQ(form.LeftPaneWidth, 630);
  form.WMSysCommand(0xF032);
  EXPECT_TRUE(form.WasMaximized);
  form.WMSysCommand(0xF060);
  EXPECT_TRUE(form.WasMaximized);
  form.WMSysCommand(0xF122);
  EXPECT_FALSE(form.WasMaximized);
  EXPECT_EQ(TMainForm1::MinTrackSize().width, 780);
  EXPECT_EQ(TMainForm1::MinTrackSize().height, 270);
}

TEST_F(MainForm, CommandLineRuleAndShortcutWithSplash) {
  fs.files["C:\\d\\a.TXT"] = "abc";
  fs.files["C:\\d\\b.Txt"] = "x";
  EXPECT_FALSE(OpenCommandLineFile(form, {"C:\\d\\b.Txt"}));
  EXPECT_FALSE(OpenCommandLineFile(form, {"C:\\d\\b.HTM"}));
  EXPECT_EQ(host.caption, "Hanaroku");
  EXPECT_TRUE(OpenCommandLineFile(form, {"C:\\d\\a.TXT", "C:\\d\\b.Txt"}));
  EXPECT_EQ(form.RichEditNx1.Text(), "abc");
  EXPECT_EQ(host.caption, "C:\\d\\a.TXT");
  ASSERT_EQ(host.splashShown, 1);
  EXPECT_EQ(host.splash.bounds, (WindowBounds{20, 57, 780, 513}));
  EXPECT_EQ(host.splash.labelLeft, 390 - 116);
  EXPECT_EQ(host.splash.labelTop, 256 - 41);
  ASSERT_NE(lastTimer, nullptr);
  EXPECT_EQ(lastTimer->interval, 300u);
  lastTimer->tick();
  EXPECT_EQ(host.splashClosed, 1);
  EXPECT_FALSE(form.ShowSplashOnOpen);

  fs.files["C:\\t\\poem.txt"] = "poem";
  shell.links["C:\\s\\poem.lnk"] = "C:\\t\\poem.txt";
  form.DropDst1FileDrop({"C:\\s\\poem.lnk", "C:\\d\\a.TXT"});
  EXPECT_EQ(form.RichEditNx1.Text(), "poem");
  EXPECT_EQ(host.caption, "C:\\t\\poem.txt");
  EXPECT_EQ(host.splashShown, 1);  // only at start-up
}

TEST_F(MainForm, TheSplashGoesBeforeTheBoxOfAFailedCommandLineLoad) {
  // The splash is on top of everything: a box shown under it would wait
  // for an answer the user cannot see.
  int closedWhenAsked = -1;
  dialogs.onMessage = [&] { closedWhenAsked = host.splashClosed; };
  EXPECT_TRUE(OpenCommandLineFile(form, {"C:\\d\\missing.txt"}));
  EXPECT_EQ(host.splashShown, 1);
  EXPECT_EQ(closedWhenAsked, 1);
  EXPECT_EQ(host.splashClosed, 1);
  ASSERT_NE(form.Splash(), nullptr);
  EXPECT_FALSE(form.Splash()->Visible());
  EXPECT_FALSE(form.Splash()->TimerEnabled());
  EXPECT_EQ(form.RichEditNx1.Text(), "");
  EXPECT_EQ(host.caption, "Hanaroku");
}

TEST_F(MainForm, FormShowTakesAnyStoredLeftWidthWithoutOverflow) {
  for (int stored : {std::numeric_limits<int>::min(), -1000000, std::numeric_limits<int>::max()}) {
    form.SavedLeftWidth = stored;
    form.FormShow();
    EXPECT_GE(form.LeftPaneWidth, 0) << stored;
    EXPECT_LE(form.LeftPaneWidth, form.Bounds.width) << stored;
  }
  // What the settings file holds is clamped when it is read.
  fs.files[form.SettingsFileName] = "[Form\\fNx2Width]\r\nInteger=-2147483648\r\n";
  form.FormCreate();
  EXPECT_GT(form.SavedLeftWidth, -100000);
  form.FormShow();
  EXPECT_GE(form.LeftPaneWidth, 0);
}

TEST_F(MainForm, NewAlwaysAsksAndSaveOnUntitledIsSaveAs) {
  dialogs.answers = {MsgResult::No};
  form.New1Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "現在の内容を廃棄します。よろしいですか。");
  EXPECT_EQ(host.caption, "Hanaroku");
  dialogs.answers = {MsgResult::Yes};
  form.New1Click();
  EXPECT_EQ(host.caption, "新規");

  form.RichEditNx1.SetText("text");
  form.RichEditNx1.SetModified(true);
  dialogs.savePaths = {""};
  form.Save1Click();
  EXPECT_TRUE(form.RichEditNx1.Modified());
  ASSERT_FALSE(dialogs.specs.empty());
  EXPECT_EQ(dialogs.specs.back().filter,
            "Text(*.txt)|*.txt|All(*.*)|*.*|Text UTF-8(*.txt)|*.txt|Text UTF-8 BOM(*.txt)|*.txt");
  EXPECT_EQ(dialogs.specs.back().defaultExt, "txt");
  dialogs.savePaths = {"C:\\o\\out.txt"};
  form.Save1Click();
  EXPECT_FALSE(form.RichEditNx1.Modified());
  EXPECT_EQ(fs.files["C:\\o\\out.txt"], "text");
  EXPECT_EQ(form.RightFileName, "C:\\o\\out.txt");
  EXPECT_EQ(host.caption, "C:\\o\\out.txt");
}

TEST_F(MainForm, ExitWithBothModifiedSavesOnlyRightThenCloseQueryAsks) {
  form.RightFileName = "C:\\r.txt";
  form.LeftFileName = "C:\\l.txt";
  form.RichEditNx1.SetText("R");
  form.RichEditNx1.SetModified(true);
  form.RichEditNx2.SetText("L");
  form.RichEditNx2.SetModified(true);
  dialogs.answers = {MsgResult::Yes};
  form.Exit1Click();
  EXPECT_EQ(dialogs.messages.back(), "ファイルが保存されていません。保存しますか。");
  EXPECT_EQ(fs.files.count("C:\\r.txt"), 1u);
  EXPECT_EQ(fs.files.count("C:\\l.txt"), 0u);
  EXPECT_EQ(host.closes, 1);
  int saved = 0;
  form.SaveSettings = [&](TMainForm1&) { ++saved; };
  dialogs.answers = {MsgResult::No};
  EXPECT_FALSE(form.FormCloseQuery());
  EXPECT_EQ(form.RichEditNx2.Text(), "L");
  EXPECT_EQ(saved, 0);
  form.SaveSettings = [](TMainForm1&) { throw FileError("read-only"); };
  dialogs.answers = {MsgResult::Yes};
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(form.RichEditNx2.Text(), "");
}

TEST_F(MainForm, ASessionEndClearsAndWritesOnlyOnceItReallyEnds) {
  int saved = 0;
  form.SaveSettings = [&](TMainForm1&) { ++saved; };
  form.RichEditNx1.SetText("poem");
  form.RichEditNx1.SetModified(true);
  dialogs.answers = {MsgResult::No};
  EXPECT_FALSE(form.ConfirmClose());
  dialogs.answers = {MsgResult::Yes};
  EXPECT_TRUE(form.ConfirmClose());
  // The log-off may still be cancelled: nothing is lost yet.
  EXPECT_EQ(form.RichEditNx1.Text(), "poem");
  EXPECT_EQ(saved, 0);
  form.FinishClose();
  EXPECT_EQ(form.RichEditNx1.Text(), "");
  EXPECT_EQ(saved, 1);
  // Cleared text was agreed to be discarded: a later close asks nothing.
  const std::size_t asked = dialogs.messages.size();
  EXPECT_TRUE(form.FormCloseQuery());
  EXPECT_EQ(dialogs.messages.size(), asked);
}

TEST_F(MainForm, FailedReadAndWriteKeepTextAndNameAndReport) {
  fs.files["C:\\a.txt"] = "old";
  dialogs.openPaths = {"C:\\a.txt"};
  form.Open1Click();
  ASSERT_EQ(form.RightFileName, "C:\\a.txt");
  EXPECT_EQ(dialogs.specs.back().filter, "Text(*.txt)|*.txt|HTML|*.HTML;*.HTM");
  EXPECT_EQ(dialogs.specs.back().fileName, "*.txt");
  EXPECT_EQ(dialogs.specs.back().initialDir, "C:\\prog\\");
  form.RichEditNx1.SetModified(true);
  dialogs.openPaths = {"C:\\missing.txt"};
  form.Open1Click();
  EXPECT_EQ(form.RichEditNx1.Text(), "old");
  EXPECT_EQ(form.RightFileName, "C:\\a.txt");
  EXPECT_TRUE(form.RichEditNx1.Modified());
  EXPECT_NE(dialogs.messages.back().find("No such file"), std::string::npos);

  fs.files["C:\\big.txt"] = "x";
  fs.fakeSizes["C:\\big.txt"] = 200000001;
  dialogs.openPaths = {"C:\\big.txt"};
  form.Open1Click();
  EXPECT_EQ(form.RichEditNx1.Text(), "old");
  EXPECT_EQ(form.RightFileName, "C:\\a.txt");

  fs.failWrites = true;
  form.Save1Click();
  EXPECT_TRUE(form.RichEditNx1.Modified());
  EXPECT_EQ(fs.files["C:\\a.txt"], "old");
  EXPECT_NE(dialogs.messages.back().find("Permission denied"), std::string::npos);
}

TEST_F(MainForm, AllByteValuesRoundTrip) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  bytes += "\x82";  // a lone lead byte at the end
  fs.files["C:\\bin.txt"] = bytes;
  dialogs.openPaths = {"C:\\bin.txt"};
  form.Open1Click();
  EXPECT_EQ(form.RichEditNx1.Text(), bytes);
  form.Save1Click();
  EXPECT_EQ(fs.files["C:\\bin.txt"], bytes);
}

TEST_F(MainForm, LeftDropTakesFirstAndShowsShortcutPath) {
  fs.files["C:\\t\\v.txt"] = "verse";
  shell.links["C:\\s\\v.lnk"] = "C:\\t\\v.txt";
  form.DropDst2FileDrop({"C:\\s\\v.lnk", "C:\\t\\other.txt"});
  EXPECT_EQ(form.RichEditNx2.Text(), "verse");
  EXPECT_EQ(form.LeftFileName, "C:\\t\\v.txt");
  EXPECT_EQ(form.StatusBar1.Panels[0].text, "C:\\s\\v.lnk");
  EXPECT_EQ(host.caption, "Hanaroku");
  form.DropDst2FileDrop({"C:\\t\\v.HTML"});
  EXPECT_EQ(form.LeftFileName, "C:\\t\\v.txt");
  // Left Open does nothing while the pane is hidden.
  dialogs.openPaths = {"C:\\t\\v.txt"};
  form.ShineSpeedButton5Click();
  EXPECT_EQ(dialogs.openPaths.size(), 1u);
}

TEST_F(MainForm, WholeTextCopyKeepsLeftFontNameAndColour) {
  TFont rf = form.RichEditNx1.Font();
  rf.name = "Right Face";
  rf.height = 30;
  rf.color = 0x123456;
  form.RichEditNx1.SetFont(rf);
  form.RichEditNx1.SetText("right");
  const TFont before = form.RichEditNx2.Font();
  form.HtmButton11Click();
  EXPECT_EQ(form.RichEditNx2.Text(), "right");
  EXPECT_EQ(form.RichEditNx2.Font().name, before.name);
  EXPECT_EQ(form.RichEditNx2.Font().color, before.color);
  EXPECT_EQ(form.RichEditNx2.Font().height, 30);
  EXPECT_FALSE(form.RichEditNx2.Modified());
}

TEST_F(MainForm, TogglesAndCaretPosition) {
  EXPECT_TRUE(form.VH);
  form.VHClick();
  EXPECT_FALSE(form.VH);
  EXPECT_FALSE(form.RichEditNx1.Vertical());
  form.VHClick();
  EXPECT_TRUE(form.VH);
  form.WordWrapClick();
  EXPECT_EQ(form.WordWrap, form.RichEditNx1.WordWrap());
  EXPECT_EQ(form.N14, form.WordWrap);
  form.ShineSpeedButton2Click();
  EXPECT_TRUE(form.LeftPaneVisible && form.SplitterVisible);
  form.RichEditNx1.SetText("a\r\nb\r\ncd");
  form.RichEditNx1.SetSelStart(6);
  form.GetColRow();
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "3行0列");
  form.RichEditNx1.SetSelStart(7);
  form.GetColRow();
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "3行1列");
  // Keys, clicks and edits in the right pane keep the panel current.
  form.RichEditNx1.KeyDown(36, false, true);  // Ctrl+Home
  form.RichEditNx1.KeyUp(36, false, true);
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "1行0列");
  form.RichEditNx1.CharInput(u"xy");
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "1行2列");
  form.RichEditNx2.CharInput(u"z");
  EXPECT_EQ(form.StatusBar1.Panels[3].text, "1行2列");
}

TEST_F(MainForm, ClockRunsAtStartAndAClickStopsOrRestartsIt) {
  EXPECT_EQ(form.ClockLabel2.Interval(), 300u);
  EXPECT_EQ(form.ClockLabel2.Hint, "クロック");
  EXPECT_EQ(form.ClockLabel2.Font.face.name, "Times New Roman");
  // FormCreate gave it the right pane's colours.
  EXPECT_EQ(form.ClockLabel2.Color, form.RichEditNx1.Color());
  EXPECT_EQ(form.ClockLabel2.Font.color, form.RichEditNx1.Font().color);
  ASSERT_TRUE(form.Enabled(Command::ClockLabel2Click));
  form.Execute(Command::ClockLabel2Click);
  EXPECT_EQ(form.ClockLabel2.Interval(), 0u);
  form.Execute(Command::ClockLabel2Click);
  EXPECT_EQ(form.ClockLabel2.Interval(), 300u);
}

TEST_F(MainForm, PrintPrintsTheRightPaneTitledAfterItsFile) {
  test::FakePrinter printer;
  form.Execute(Command::Print1Click);  // no printer service: nothing happens
  host.printer = &printer;
  ASSERT_TRUE(form.Enabled(Command::Print1Click));
  printer.accept = false;
  form.Execute(Command::Print1Click);
  EXPECT_EQ(printer.dialogs, 1);
  EXPECT_TRUE(printer.record.calls.empty());

  printer.accept = true;
  form.RichEditNx1.SetText(std::string(60, 'x'));
  form.RichEditNx2.SetText("left pane");
  form.RightFileName = "C:\\d\\poem.txt";
  form.Execute(Command::Print1Click);
  EXPECT_EQ(printer.record.title, "C:\\d\\poem.txt");
  EXPECT_EQ(printer.record.font, form.RichEditNx1.Font());
  EXPECT_TRUE(printer.record.vertical);
  ASSERT_EQ(printer.record.pages.size(), 1u);
  ASSERT_FALSE(printer.record.pages[0].empty());
  EXPECT_EQ(printer.record.pages[0][0].sjis.substr(0, 1), "x");
  EXPECT_EQ(host.hourglass, (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace hanaroku
