// The tool bars as data (every control in its place with its command), the
// run-time state of the controls, and how the main window keeps them in line.
#include "app/ToolBars.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/MainFormFixture.h"

namespace hanaroku {
namespace {

std::vector<std::string> Names(ToolBarId bar) {
  std::vector<std::string> names;
  for (const BarControlDef& c : BarControls(bar)) names.emplace_back(c.name);
  return names;
}

TEST(ToolBarTables, EveryBarHasItsControlsInOrder) {
  for (ToolBarId bar : {ToolBarId::NNBar1, ToolBarId::NNBar3, ToolBarId::NNBar4, ToolBarId::NNBer5})
    EXPECT_EQ(BarControls(bar).front().kind, ControlKind::Grip) << BarDef(bar).name;
  EXPECT_EQ(BarControls(ToolBarId::NNBar1).size(), 28u);
  EXPECT_EQ(BarControls(ToolBarId::NNBar3).size(), 27u);  // with the sound count "音"
  EXPECT_EQ(Names(ToolBarId::NNBar4),
            (std::vector<std::string>{"ActiveImage5", "NNButton1", "NNButton4", "NNButton5", "NNButton2", "Edit2",
                                      "NNButton8", "NNButton3", "Edit3", "ShineSpeedButton32", "SCButton1",
                                      "SCButton2", "SCButton3", "SCButton4", "SCButton5", "SCButton6", "SCButton7",
                                      "SCButton8", "SCButton9", "SCButton10", "SCButton11", "SCButton12",
                                      "ShineSpeedButton30", "NNButton6", "NNButton7"}));
  EXPECT_EQ(BarControls(ToolBarId::NNBer5).size(), 34u);
  EXPECT_EQ(Names(ToolBarId::NNBar2),
            (std::vector<std::string>{"ActiveImage2", "ActiveImage4", "ActiveImage6", "ActiveImage8"}));
  EXPECT_EQ(BarDef(ToolBarId::NNBar1).height, 33);
  EXPECT_EQ(BarDef(ToolBarId::NNBar2).height, 13);
}

TEST(ToolBarTables, NamesAreUniqueAndEveryButtonNamesAHandler) {
  std::set<std::string> seen;
  for (ControlRef c : AllBarControls()) {
    const BarControlDef& def = DefOf(c);
    EXPECT_TRUE(seen.insert(std::string(def.name)).second) << def.name;
    EXPECT_EQ(FindBarControl(def.name), c);
    if (RunsCommand(def.kind)) {
      EXPECT_NE(def.command, Command::None) << def.name;
      EXPECT_FALSE(Info(def.command).handler.empty()) << def.name;
    }
    EXPECT_FALSE(def.hint.empty()) << def.name;
    if (def.kind == ControlKind::PictureButton) {
      EXPECT_NE(def.picture.empty(), def.caption.empty()) << def.name;
    }
  }
  EXPECT_FALSE(FindBarControl("NoSuchButton"));
  EXPECT_THROW(BarControl("NoSuchButton"), std::out_of_range);
  EXPECT_THROW(DefOf(ControlRef{ToolBarId::NNBar2, 4}), std::out_of_range);
}

TEST(ToolBarTables, CheckBoxesAndColourButtons) {
  std::set<int> indexes;
  for (const BarControlDef& c : BarControls(ToolBarId::NNBer5))
    if (c.kind == ControlKind::CheckBox) {
      EXPECT_EQ(c.name, "CheckBox" + std::to_string(c.index));
      indexes.insert(c.index);
    }
  EXPECT_EQ(indexes.size(), 14u);
  EXPECT_EQ(DefOf(BarControl("CheckBox6")).caption, "記");
  EXPECT_EQ(DefOf(BarControl("CheckBox6")).hint, "記号（特殊文字）変換");
  // The colour buttons show the popup's colours, but for the lighter yellow.
  for (int i = 1; i <= 12; ++i) {
    const BarControlDef& b = DefOf(BarControl("SCButton" + std::to_string(i)));
    EXPECT_EQ(b.size.width, 18);
    EXPECT_TRUE(b.caption.empty());
    EXPECT_EQ(b.face, i == 3 ? 0x43DAE7u : PopupColor(i - 1)) << i;
  }
  EXPECT_TRUE(DefOf(BarControl("Edit2")).hiragana);
  EXPECT_FALSE(DefOf(BarControl("Edit3")).hiragana);
  EXPECT_EQ(DefOf(BarControl("Edit2")).size.width, 152);
  EXPECT_EQ(DefOf(BarControl("Edit3")).size.width, 73);
}

TEST(ToolBarLayout, ControlsFollowOneAnotherAndHiddenOnesTakeNoRoom) {
  TToolBarControls bars;
  std::vector<Rect> r = bars.Layout(ToolBarId::NNBar1);
  EXPECT_EQ(r[0], Rect::FromSize(0, 0, 9, 33));   // the grip: the whole height
  EXPECT_EQ(r[1], Rect::FromSize(11, 5, 23, 23));  // centred
  EXPECT_EQ(r[2].left, 34);
  for (std::size_t i = 1; i < r.size(); ++i) EXPECT_GE(r[i].left, r[i - 1].right) << i;
  // The right-pane bar fits the window at its smallest width.
  EXPECT_LE(r.back().right, 760);

  std::vector<Rect> tabs = bars.Layout(ToolBarId::NNBar2);
  EXPECT_EQ(tabs[1].left, 40);
  bars.SetVisible(BarControl("ActiveImage2"), false);
  tabs = bars.Layout(ToolBarId::NNBar2);
  EXPECT_TRUE(tabs[0].Empty());
  EXPECT_EQ(tabs[1], Rect::FromSize(0, 0, 40, 13));

  std::vector<Rect> colour = bars.Layout(ToolBarId::NNBar4);
  const ControlRef edit2 = BarControl("Edit2");
  EXPECT_EQ(colour[static_cast<std::size_t>(edit2.index)].Width(), 152);
  EXPECT_EQ(colour[static_cast<std::size_t>(edit2.index)].Height(), 21);
}

struct RecordingView final : IToolBarView {
  std::vector<ControlRef> changed;
  std::vector<std::pair<ControlRef, EditBoxAction>> actions;
  void ControlChanged(ControlRef c) override { changed.push_back(c); }
  std::string EditSelectedText(ControlRef) const override { return "選択"; }
  void EditAction(ControlRef c, EditBoxAction a) override { actions.emplace_back(c, a); }
};

TEST(ToolBarControls, SettersTellTheViewOnlyOfChanges) {
  TToolBarControls bars;
  RecordingView view;
  bars.SetView(&view);
  const ControlRef b = BarControl("ShineSpeedButton14");
  EXPECT_EQ(bars.State(b).caption, "走");
  bars.SetCaption(b, "走");
  EXPECT_TRUE(view.changed.empty());
  bars.SetCaption(b, "停");
  bars.SetHint(b, "走行＆停止");
  bars.SetEnabled(b, false);
  bars.SetEnabled(b, false);
  ASSERT_EQ(view.changed.size(), 2u);
  EXPECT_EQ(view.changed[0], b);
  EXPECT_EQ(bars.State("ShineSpeedButton14").caption, "停");

  int changes = 0;
  bars.OnTextChange = [&](ControlRef) { ++changes; };
  bars.SetText("Edit2", "はな");
  bars.SetText("Edit2", "はな");
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(bars.Text("Edit2"), "はな");
  // Selection and clipboard reach the real edit box only.
  EXPECT_EQ(bars.SelectedText(BarControl("Edit2")), "選択");
  EXPECT_EQ(bars.SelectedText(b), "");
  bars.Action(b, EditBoxAction::Paste);
  EXPECT_TRUE(view.actions.empty());
  bars.SetView(nullptr);
  EXPECT_EQ(bars.SelectedText(BarControl("Edit2")), "");
}

TEST(ToolBarControls, ButtonsNeedAHandlerBoxesDoNot) {
  TToolBarControls bars;
  bars.HasHandler = [](Command c) { return c == Command::New1Click; };
  EXPECT_TRUE(bars.Usable(BarControl("HWaSpeedButton1")));
  EXPECT_FALSE(bars.Usable(BarControl("HWaSpeedButton2")));
  EXPECT_TRUE(bars.Usable(BarControl("CheckBox4")));
  EXPECT_TRUE(bars.Usable(BarControl("Edit4")));
  bars.SetEnabled(BarControl("HWaSpeedButton1"), false);
  EXPECT_FALSE(bars.Usable(BarControl("HWaSpeedButton1")));
  bars.SetVisible(BarControl("Edit4"), false);
  EXPECT_FALSE(bars.Usable(BarControl("Edit4")));
}

using testing::MainForm;

TEST_F(MainForm, BarControlsShowTheWindowsFieldsAfterStart) {
  // The launcher hints computed at start are the buttons' hints now.
  EXPECT_EQ(form.BarControls.State("ShineSpeedButton23").hint, form.ShineSpeedButton23Hint);
  EXPECT_EQ(form.BarControls.State("HtmButton8").caption, "明");
  EXPECT_TRUE(form.BarControls.State("CheckBox14").checked);
  EXPECT_FALSE(form.BarControls.State("CheckBox6").checked);
  EXPECT_EQ(form.BarControls.Text("Edit4"), form.PageSettings.Title);
  EXPECT_EQ(form.BarControls.Text("Edit5"), form.PageSettings.PageTitle);
  // Collapsed at start: the colour-string and HTML bars show their tabs.
  EXPECT_FALSE(form.BarControls.State("ActiveImage2").visible);
  EXPECT_TRUE(form.BarControls.State("ActiveImage6").visible);
  // A button without a handler yet is disabled, one with a handler enabled.
  for (ControlRef c : AllBarControls()) {
    if (RunsCommand(DefOf(c).kind) && form.BarControls.State(c).visible) {
      EXPECT_EQ(form.BarControls.Usable(c), form.Enabled(DefOf(c).command)) << DefOf(c).name;
    }
  }
  EXPECT_TRUE(form.BarControls.Usable(BarControl("HtmButton1")));
  EXPECT_TRUE(form.BarControls.Usable(BarControl("ShineSpeedButton21")));
  EXPECT_TRUE(form.BarControls.Usable(BarControl("NNButton6")));
}

TEST_F(MainForm, ClickingACheckBoxTurnsItOverAndRunsItsRule) {
  RecordingView view;
  form.BarControls.SetView(&view);
  ASSERT_TRUE(form.PageSettings.CheckBoxChecked(14));
  form.ControlClicked(BarControl("CheckBox6"));
  EXPECT_TRUE(form.PageSettings.CheckBoxChecked(6));
  EXPECT_FALSE(form.PageSettings.CheckBoxChecked(14));
  EXPECT_TRUE(form.PageSettings.CheckBoxChecked(1));  // symbol images switch black text on
  EXPECT_EQ(form.PageSettings.mclo, "Black");
  EXPECT_TRUE(form.BarControls.State("CheckBox6").checked);
  EXPECT_FALSE(form.BarControls.State("CheckBox14").checked);
  EXPECT_TRUE(form.BarControls.State("CheckBox1").checked);
  EXPECT_EQ(view.changed.size(), 3u);  // just the three boxes that turned
  form.ControlClicked(BarControl("CheckBox6"));
  EXPECT_FALSE(form.PageSettings.CheckBoxChecked(6));
  EXPECT_FALSE(form.BarControls.State("CheckBox6").checked);
  form.BarControls.SetView(nullptr);
}

TEST_F(MainForm, ClicksRunCommandsOnlyWithAHandler) {
  form.ControlClicked(BarControl("ShineSpeedButton2"));
  EXPECT_TRUE(form.LeftPaneVisible);
  for (ControlRef c : AllBarControls()) {  // a button without a handler yet: nothing happens
    if (RunsCommand(DefOf(c).kind) && !form.Enabled(DefOf(c).command)) {
      form.ControlClicked(c);
      break;
    }
  }
  // The banner's run button shows whether it runs.
  form.ControlClicked(BarControl("ShineSpeedButton14"));
  EXPECT_EQ(form.BarControls.State("ShineSpeedButton14").caption, "停");
  form.ControlClicked(BarControl("ShineSpeedButton14"));
  EXPECT_EQ(form.BarControls.State("ShineSpeedButton14").caption, "走");
  // Collapsing all four bars shows the four tabs; expanding them hides the strip.
  form.ControlClicked(BarControl("ActiveImage6"));
  form.ControlClicked(BarControl("ActiveImage8"));
  for (const char* grip : {"ActiveImage1", "ActiveImage3", "ActiveImage5", "ActiveImage7"})
    form.ControlClicked(BarControl(grip));
  for (const char* tab : {"ActiveImage2", "ActiveImage4", "ActiveImage6", "ActiveImage8"})
    EXPECT_TRUE(form.BarControls.State(tab).visible) << tab;
  EXPECT_FALSE(form.ToolBars.NNBar1 || form.ToolBars.NNBar3 || form.ToolBars.NNBar4 || form.ToolBars.NNBer5);
  for (const char* tab : {"ActiveImage2", "ActiveImage4", "ActiveImage6", "ActiveImage8"})
    form.ControlClicked(BarControl(tab));
  EXPECT_FALSE(form.ToolBars.NNBar2);
  for (const char* tab : {"ActiveImage2", "ActiveImage4", "ActiveImage6", "ActiveImage8"})
    EXPECT_FALSE(form.BarControls.State(tab).visible) << tab;
}

TEST_F(MainForm, FontColourButtonsChooseThePaneColours) {
  dialogs.colors = {0x123456, 0x654321};
  form.ControlClicked(BarControl("NNButton6"));
  EXPECT_EQ(form.RichEditNx2.Font().color, 0x123456u);
  EXPECT_EQ(form.LeftTextColor, 0x123456u);
  EXPECT_EQ(form.MsgSCR1.Font().color, 0x123456u);
  form.ControlClicked(BarControl("NNButton7"));
  EXPECT_EQ(form.RichEditNx1.Font().color, 0x654321u);
  EXPECT_EQ(form.RightTextColor, 0x654321u);
  EXPECT_EQ(form.ClockFontColor, 0x654321u);
  form.ControlClicked(BarControl("NNButton7"));  // cancelled
  EXPECT_EQ(form.RightTextColor, 0x654321u);
}

TEST_F(MainForm, EditCommandsServeTheFocusedEditBox) {
  RecordingView view;
  form.BarControls.SetView(&view);
  host.focus = FocusOwner::Edit3;
  form.Execute(Command::Cut1Click);
  form.Execute(Command::Paste1Click);
  form.Execute(Command::Undo1Click);
  // Redo and select all serve the panes only.
  form.Execute(Command::SelectAllClick);
  form.Execute(Command::Redo1Click);
  ASSERT_EQ(view.actions.size(), 3u);
  EXPECT_EQ(view.actions[0].first, BarControl("Edit3"));
  EXPECT_EQ(view.actions[0].second, EditBoxAction::Cut);
  EXPECT_EQ(view.actions[2].second, EditBoxAction::Undo);
  host.active = false;  // only while the program is in front
  form.Execute(Command::Copy1Click);
  EXPECT_EQ(view.actions.size(), 3u);
  host.active = true;
  host.focus = FocusOwner::RightPane;
  form.Execute(Command::Copy1Click);
  EXPECT_EQ(view.actions.size(), 3u);
  EXPECT_EQ(EditBoxOf(FocusOwner::Edit5), BarControl("Edit5"));
  EXPECT_EQ(FocusOwnerOf(BarControl("Edit2")), FocusOwner::Edit2);
  EXPECT_EQ(FocusOwnerOf(BarControl("HtmButton1")), FocusOwner::Other);
  EXPECT_FALSE(EditBoxOf(FocusOwner::LeftPane));
  form.BarControls.SetView(nullptr);
}

TEST_F(MainForm, EditedTextRunsTheBoxsChangeHandler) {
  form.ControlTextEdited(BarControl("Edit2"), "つき");
  EXPECT_EQ(form.BarControls.Text("Edit2"), "つき");
  form.ControlTextEdited(BarControl("HtmButton1"), "x");  // not an edit box
  EXPECT_EQ(form.BarControls.State("HtmButton1").text, "");
}

}  // namespace
}  // namespace hanaroku
