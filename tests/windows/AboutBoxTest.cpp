// The settings window and the mini launcher, on the main window's settings.
#include "windows/AboutBox.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainFormFixture.h"
#include "windows/SecondaryWindows.h"

namespace hanaroku::testing {
namespace {

struct FakeAboutView final : IAboutBoxView {
  FixedMeasurer measurer{8};  // 4 pixels a letter: 58 letters fit into 233
  std::vector<int> changed;
  std::vector<std::pair<int, EditBoxAction>> actions;
  int closes = 0, fontSizeChanges = 0;
  void FieldChanged(int index) override { changed.push_back(index); }
  void FontSizeChanged() override { ++fontSizeChanges; }
  void FieldAction(int index, EditBoxAction a) override { actions.emplace_back(index, a); }
  void CloseWindow() override { ++closes; }
  const ITextMeasurer& FieldMeasurer() const override { return measurer; }
};

// Makes the view of each new settings window, as the real host does.
struct FakeWindowsHost final : ISecondaryWindowsHost {
  FakeAboutView aboutView;
  int aboutShown = 0, gridShown = 0;
  bool gridVisible = true;
  void CreateAboutBox(TAboutBox& box) override { box.SetView(&aboutView); }
  void CreateCountGrid(TForm2&) override {}
  void ShowAboutBox() override { ++aboutShown; }
  void ShowCountGrid() override { ++gridShown; }
  bool CountGridVisible() const override { return gridVisible; }
};

class AboutBoxTest : public MainForm {
 protected:
  FakeWindowsHost windowsHost;
  void SetUp() override {
    MainForm::SetUp();
    form.Windows().SetHost(&windowsHost);
  }
  TAboutBox& Open() {
    form.About1Click();
    return *form.Windows().AboutBox();
  }
  std::string Field(int i) { return form.Windows().AboutBox()->ColorEdit(i).Text(); }
};

TEST_F(AboutBoxTest, FormCreateFillsEveryField) {
  form.Expas = "C:\\tools\\edit.exe";
  form.Expas2 = "C:\\a\\very\\long\\folder\\name\\that\\goes\\on\\and\\on\\and\\on\\viewer.exe";
  form.PageSettings.bgc = "#fff8dc";
  form.PageSettings.Dai = "#111111";
  form.PageSettings.mclo = "#222222";
  form.PageSettings.mclt = "#333333";
  form.PageSettings.Lcl = "#444444";
  form.PageSettings.Mfn = "ＭＳ 明朝";
  form.PageSettings.Lint = "Back";
  form.PageSettings.Linu = "index.htm";
  form.PageSettings.fze = "3";
  form.PageSettings.FLink = true;
  TAboutBox& box = Open();
  EXPECT_EQ(Field(1), "C:\\tools\\edit.exe");
  EXPECT_NE(Field(2), form.Expas2);  // shortened to the field
  EXPECT_NE(Field(2).find("...\\"), std::string::npos);
  EXPECT_LE(windowsHost.aboutView.measurer.TextWidth(Field(2)), TAboutBox::kPathFieldWidth);
  const std::vector<std::string> rest = {"#fff8dc", "#111111", "#222222", "#333333", "#444444", "ＭＳ 明朝", "Back", "index.htm"};
  for (int i = 3; i <= 10; ++i) EXPECT_EQ(Field(i), rest[static_cast<std::size_t>(i - 3)]) << i;
  EXPECT_EQ(box.Label15(), "3");
  EXPECT_TRUE(box.LCheckBox1.Checked());
  EXPECT_EQ(box.LCheckBox1.Caption, "  LINK on/off");
  EXPECT_EQ(box.ColorEdit(10).Hint, "index.htm");
}

TEST_F(AboutBoxTest, OpeningTwiceShowsTheSameWindow) {
  TAboutBox& first = Open();
  first.ColorEdit(3).SetText("typed");
  form.ShineSpeedButton25Click();
  EXPECT_EQ(form.Windows().AboutBox(), &first);
  EXPECT_EQ(Field(3), "typed");  // not filled again
  EXPECT_EQ(windowsHost.aboutShown, 2);
  form.Windows().AboutBoxClosed();
  EXPECT_EQ(form.Windows().AboutBox(), nullptr);
  Open();
  EXPECT_EQ(Field(3), form.PageSettings.bgc);
}

TEST_F(AboutBoxTest, FontSizeToggles) {
  form.PageSettings.fze = "2";
  TAboutBox& box = Open();
  box.ControlClicked("Label15");
  EXPECT_EQ(box.Label15(), "3");
  EXPECT_EQ(form.PageSettings.fze, "3");
  box.Label15Click();
  EXPECT_EQ(form.PageSettings.fze, "2");
  // Anything but "2" (a hand-edited settings file) becomes "2".
  form.Windows().AboutBoxClosed();
  form.PageSettings.fze = "7";
  Open().Label15Click();
  EXPECT_EQ(form.PageSettings.fze, "2");
}

TEST_F(AboutBoxTest, LinkSwitchAndTextsTakeEffectAtOnce) {
  TAboutBox& box = Open();
  box.LCheckBox1.Click();
  EXPECT_TRUE(form.PageSettings.FLink);
  box.ColorEdit(9).SetText("戻る");
  EXPECT_EQ(form.PageSettings.Lint, "戻る");
  EXPECT_EQ(box.ColorEdit(9).Hint, "戻る");
  box.ColorEdit(10).SetText("../top.html");
  EXPECT_EQ(form.PageSettings.Linu, "../top.html");
  EXPECT_EQ(box.ColorEdit(10).Hint, "../top.html");
  // Typing in a colour field changes nothing yet.
  box.ColorEdit(3).SetText("red");
  EXPECT_EQ(form.PageSettings.bgc, "#fff8dc");
}

TEST_F(AboutBoxTest, OkAndExitApplyTheTitleBarDoesNot) {
  TAboutBox& box = Open();
  const std::string expas = form.Expas;
  for (int i = 1; i <= 8; ++i) box.ColorEdit(i).SetText("v" + std::to_string(i));
  box.ControlClicked("ShineSpeedButton2");  // OK
  EXPECT_EQ(form.PageSettings.bgc, "v3");
  EXPECT_EQ(form.PageSettings.Dai, "v4");
  EXPECT_EQ(form.PageSettings.mclo, "v5");
  EXPECT_EQ(form.PageSettings.mclt, "v6");
  EXPECT_EQ(form.PageSettings.Lcl, "v7");
  EXPECT_EQ(form.PageSettings.Mfn, "v8");
  EXPECT_EQ(form.Expas, expas);  // the launchers only change by a drop
  EXPECT_EQ(windowsHost.aboutView.closes, 0);

  box.ColorEdit(3).SetText("w3");
  box.ControlClicked("ShineSpeedButton1");  // Exit
  EXPECT_EQ(form.PageSettings.bgc, "w3");
  EXPECT_EQ(windowsHost.aboutView.closes, 1);
  form.Windows().AboutBoxClosed();

  Open().ColorEdit(3).SetText("x3");
  form.Windows().AboutBoxClosed();  // the title bar
  EXPECT_EQ(form.PageSettings.bgc, "w3");
}

TEST_F(AboutBoxTest, DroppedProgramsSetTheLaunchers) {
  shell.links["C:\\desk\\Editor.lnk"] = "C:\\Program Files\\Editor\\editor.exe";
  shell.links["C:\\desk\\Doc.lnk"] = "C:\\docs\\readme.txt";
  TAboutBox& box = Open();
  int hintChanges = 0;
  form.Windows().Launcher().OnHintChanged = [&] { ++hintChanges; };

  box.DropDst1FileDrop({"C:\\desk\\Editor.lnk", "C:\\other.exe"});
  EXPECT_EQ(form.Expas, "C:\\Program Files\\Editor\\editor.exe");
  EXPECT_EQ(Field(1), form.Expas);
  EXPECT_TRUE(form.ShineSpeedButton23Hint.ends_with("editor.exe")) << form.ShineSpeedButton23Hint;
  EXPECT_EQ(hintChanges, 1);

  box.DropDst2FileDrop({"C:\\BIN\\TOOL.EXE"});
  EXPECT_EQ(form.Expas2, "C:\\BIN\\TOOL.EXE");
  EXPECT_TRUE(form.ShineSpeedButton24Hint.ends_with("TOOL.EXE")) << form.ShineSpeedButton24Hint;

  // Not programs, mixed case, unresolved links, nothing: ignored.
  for (const std::vector<std::string>& drop : std::vector<std::vector<std::string>>{
           {"C:\\x\\Tool.Exe"}, {"C:\\desk\\Doc.lnk"}, {"C:\\desk\\Gone.lnk"}, {"C:\\x\\a.txt"}, {""}, {}})
    box.DropDst2FileDrop(drop);
  EXPECT_EQ(form.Expas2, "C:\\BIN\\TOOL.EXE");
  EXPECT_EQ(hintChanges, 2);
}

TEST_F(AboutBoxTest, ALongProgramPathIsShortenedForTheHint) {
  const std::string path = "C:\\" + std::string(300, 'd') + "\\tool.exe";
  Open().DropDst1FileDrop({path});
  EXPECT_EQ(form.Expas, path);
  EXPECT_LT(form.ShineSpeedButton23Hint.size(), path.size());
}

TEST_F(AboutBoxTest, TheLinksOpenTheReadmeAndAMailForm) {
  TAboutBox& box = Open();
  box.ControlClicked("Label3");
  box.ControlClicked("Label13");
  fs.files[form.ExeDir + "README.md"] = "# Hanaroku";
  box.Label3Click();
  ASSERT_EQ(shell.opened.size(), 3u);
  EXPECT_EQ(shell.opened[0], form.ExeDir);  // no README: the program's folder
  EXPECT_EQ(shell.opened[1], "mailto:?subject=Hanaroku");
  EXPECT_EQ(shell.opened[2], form.ExeDir + "README.md");
}

TEST_F(AboutBoxTest, EditCommandsReachTheFocusedField) {
  TAboutBox& box = Open();
  EXPECT_FALSE(form.Windows().SettingsEditAction(EditBoxAction::Copy));
  box.ColorEdit(7).DoEnter();
  EXPECT_TRUE(form.Windows().SettingsEditAction(EditBoxAction::Paste));
  ASSERT_EQ(windowsHost.aboutView.actions.size(), 1u);
  EXPECT_EQ(windowsHost.aboutView.actions[0], std::make_pair(7, EditBoxAction::Paste));
  // The main window's Copy, with no pane or bar box in focus, reaches it.
  host.focus = FocusOwner::Other;
  form.Copy1Click();
  ASSERT_EQ(windowsHost.aboutView.actions.size(), 2u);
  EXPECT_EQ(windowsHost.aboutView.actions[1], std::make_pair(7, EditBoxAction::Copy));
}

TEST_F(AboutBoxTest, APageFontAppliedHereRenamesTheFontButton) {
  TAboutBox& box = Open();
  EXPECT_EQ(form.BarControls.State("HtmButton8").caption, "明");
  box.ColorEdit(8).SetText("ＭＳ ゴシック");
  box.ControlClicked("ShineSpeedButton2");  // OK
  EXPECT_EQ(form.BarControls.State("HtmButton8").caption, "ゴ");
  box.ColorEdit(8).SetText(form.PageSettings.kMincho);
  box.ControlClicked("ShineSpeedButton1");  // Exit
  EXPECT_EQ(form.BarControls.State("HtmButton8").caption, "明");
}

TEST_F(AboutBoxTest, TheLauncherStartsItsProgramAndIsSilentWithout) {
  form.ShineSpeedButton23Click();
  form.ShineSpeedButton24Click();
  EXPECT_TRUE(shell.started.empty());
  form.Expas = "C:\\tools\\a.exe";
  form.Expas2 = "C:\\tools\\missing.exe";
  shell.startFails = true;
  form.ShineSpeedButton23Click();
  form.ShineSpeedButton24Click();
  EXPECT_EQ(shell.started, (std::vector<std::string>{"C:\\tools\\a.exe", "C:\\tools\\missing.exe"}));
  EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace hanaroku::testing
