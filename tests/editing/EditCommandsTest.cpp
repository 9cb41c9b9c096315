// Undo, redo and the clipboard commands of the main window: they act on the
// focused pane only, only while the application is in front.
#include <gtest/gtest.h>

#include "app/MainFormFixture.h"

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
