// Undo, redo and the clipboard commands of the main window: they act on the
// focused text field only, only while the application is in front.
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "app/MainFormFixture.h"
#include "platform/Encoding.h"

namespace hanaroku {
namespace {

using namespace testing;

TEST_F(MainForm, EditCommandsServeTheFocusedPaneOnly) {
  form.RichEditNx1.SetText(S("右の歌"));
  form.RichEditNx2.SetText(S("左"));
  host.focus = FocusOwner::Other;
  form.Execute(Command::SelectAllClick);
  form.Execute(Command::Copy1Click);
  EXPECT_FALSE(host.clipboard.has);
  EXPECT_EQ(form.RichEditNx1.SelLength(), 0);

  host.focus = FocusOwner::RightPane;
  form.Execute(Command::SelectAllClick);
  EXPECT_EQ(form.RichEditNx1.SelLength(), 6);
  EXPECT_EQ(form.RichEditNx2.SelLength(), 0);
  form.Execute(Command::Copy1Click);
  EXPECT_EQ(host.clipboard.content, u"右の歌");

  host.focus = FocusOwner::LeftPane;
  form.RichEditNx2.SelectAll();
  form.Execute(Command::Cut1Click);
  EXPECT_EQ(form.RichEditNx2.Text(), "");
  EXPECT_EQ(host.clipboard.content, u"左");
  form.Execute(Command::Paste1Click);
  form.Execute(Command::Paste1Click);
  EXPECT_EQ(form.RichEditNx2.Text(), S("左左"));
  EXPECT_EQ(form.RichEditNx1.Text(), S("右の歌"));
}

TEST_F(MainForm, EditCommandsDoNothingWhileAnotherApplicationIsInFront) {
  host.focus = FocusOwner::RightPane;
  host.clipboard.SetText(u"歌");
  host.active = false;
  form.Execute(Command::Paste1Click);
  EXPECT_EQ(form.RichEditNx1.Text(), "");
  host.active = true;
  form.Execute(Command::Paste1Click);
  EXPECT_EQ(form.RichEditNx1.Text(), S("歌"));
}

TEST_F(MainForm, UndoAndRedoWalkThePaneSnapshots) {
  host.focus = FocusOwner::RightPane;
  TRichEditSx& pane = form.RichEditNx1;
  auto type = [&](char16_t c) {
    pane.KeyDown(c - u'a' + 'A', false, false);
    pane.CharInput(std::u16string(1, c));
  };
  type(u'h');
  type(u'a');
  pane.KeyDown(13, false, false);
  type(u'n');
  form.Execute(Command::Undo1Click);
  EXPECT_EQ(pane.Text(), "ha\r\n");
  form.Execute(Command::Undo1Click);
  EXPECT_EQ(pane.Text(), "ha");
  form.Execute(Command::Undo1Click);
  EXPECT_EQ(pane.Text(), "");
  form.Execute(Command::Redo1Click);
  form.Execute(Command::Redo1Click);
  form.Execute(Command::Redo1Click);
  EXPECT_EQ(pane.Text(), "ha\r\nn");
  // The left pane's history is its own.
  host.focus = FocusOwner::LeftPane;
  form.Execute(Command::Undo1Click);
  EXPECT_EQ(pane.Text(), "ha\r\nn");
}

TEST_F(MainForm, CharactersShiftJisCannotHoldAreNamedBeforeTheyAreLost) {
  host.focus = FocusOwner::LeftPane;
  host.clipboard.SetText(u"歌\U0001F338한");
  dialogs.answers = {MsgResult::No};
  form.Execute(Command::Paste1Click);
  EXPECT_EQ(form.RichEditNx2.Text(), "");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  // Both characters are named with their code points, the pair of the
  // blossom kept whole.
  EXPECT_NE(dialogs.messages[0].find("\U0001F338 (U+1F338)  한 (U+D55C)"), std::string::npos)
      << dialogs.messages[0];

  dialogs.answers = {MsgResult::Yes};
  form.Execute(Command::Paste1Click);
  EXPECT_EQ(form.RichEditNx2.Text(), S("歌") + "??");
  // Typing goes through the same question.
  dialogs.answers = {MsgResult::No};
  form.RichEditNx2.CharInput(u"\u00e9\u4e00");  // é is not in code page 932
  EXPECT_EQ(form.RichEditNx2.Text(), S("歌") + "??");
}

}  // namespace
}  // namespace hanaroku

namespace hanaroku {
namespace {

using namespace testing;

// The real edit boxes of the bars, as far as the edit commands reach them:
// each holds a selection and does the clipboard work on it.
struct EditBoxesView final : IToolBarView {
  TToolBarControls& bars;
  FakeClipboard& clipboard;
  std::map<std::string, std::string, std::less<>> selection;
  std::vector<EditBoxAction> actions;
  EditBoxesView(TToolBarControls& b, FakeClipboard& c) : bars(b), clipboard(c) {}
  void ControlChanged(ControlRef) override {}
  void EditAction(ControlRef c, EditBoxAction a) override {
    actions.push_back(a);
    if (a == EditBoxAction::Copy) clipboard.SetText(enc::Utf8ToUtf16(selection[std::string(DefOf(c).name)]));
  }
};

TEST_F(MainForm, TheFocusInTheTitleBoxCopiesItsSelection) {
  EditBoxesView view(form.BarControls, host.clipboard);
  form.BarControls.SetView(&view);
  form.RichEditNx1.SetText(S("右の歌"));
  form.RichEditNx1.SelectAll();
  view.selection["Edit4"] = "作";
  host.focus = FocusOwner::Edit4;
  form.Execute(Command::Copy1Click);
  EXPECT_EQ(host.clipboard.content, u"作");
  EXPECT_EQ(form.RichEditNx1.Text(), S("右の歌"));
  // Select all and redo are the panes' only.
  form.Execute(Command::SelectAllClick);
  form.Execute(Command::Redo1Click);
  EXPECT_EQ(view.actions, (std::vector<EditBoxAction>{EditBoxAction::Copy}));
  form.BarControls.SetView(nullptr);
}

TEST_F(MainForm, TheSecondaryWindowsTakeWhatNoOtherFieldTook) {
  std::vector<std::pair<char, EditBoxAction>> seen;
  bool settingsFocused = false;
  form.SettingsEditAction = [&](EditBoxAction a) {
    if (settingsFocused) seen.emplace_back('s', a);
    return settingsFocused;
  };
  form.CountGridEditAction = [&](EditBoxAction a) { seen.emplace_back('g', a); };
  host.focus = FocusOwner::RightPane;
  form.RichEditNx1.SetText(S("歌"));
  form.RichEditNx1.SelectAll();
  form.Execute(Command::Cut1Click);  // the pane's cut alone holds the clipboard
  EXPECT_EQ(host.clipboard.content, u"歌");
  EXPECT_TRUE(seen.empty());
  host.focus = FocusOwner::Other;
  form.Execute(Command::Paste1Click);
  settingsFocused = true;
  form.Execute(Command::Undo1Click);
  form.Execute(Command::SelectAllClick);
  EXPECT_EQ(seen, (std::vector<std::pair<char, EditBoxAction>>{{'g', EditBoxAction::Paste}, {'s', EditBoxAction::Undo}}));
  host.active = false;
  form.Execute(Command::Copy1Click);
  EXPECT_EQ(seen.size(), 2u);
}

}  // namespace
}  // namespace hanaroku
