// Find and replace in both panes: the commands of the menus and tool bars,
// the find and replace dialogs' events, and the backward search.
#include <gtest/gtest.h>

#include <random>

#include "app/MainFormFixture.h"
#include "editing/BackwardSearch.h"

namespace hanaroku {
namespace {

using namespace testing;
using O = TFindOption;

class FindReplace : public MainForm {
 protected:
  TFindReplace& fr() { return form.FindReplace(); }
  TRichEditSx& right() { return form.RichEditNx1; }
  TRichEditSx& left() { return form.RichEditNx2; }
  // Presses "Replace" or "Replace all" of a replace dialog.
  void Press(TFindDialog& d, TFindOption button, const std::string& find, const std::string& replace) {
    d.FindText = find;
    d.ReplaceText = replace;
    d.Options.Exclude(O::frReplace);
    d.Options.Exclude(O::frReplaceAll);
    d.Options.Include(button);
    d.OnReplace();
  }
};

// The walk of forward searches from the top as the pane's own search makes
// it, for comparison with the backward search.
int WalkFromTop(const TRichEditSx& pane, std::string_view what, int limit) {
  int last = -1;
  for (int from = 0, hit; (hit = pane.FindText(what, from, limit - from, true)) >= 0;) {
    last = hit;
    from = hit + static_cast<int>(what.size());
  }
  return last;
}

TEST_F(FindReplace, DialogsHaveTheirDesignOptions) {
  EXPECT_EQ(fr().FindDialog1.Options, TFindOptions({O::frDown, O::frFindNext, O::frHideMatchCase, O::frHideWholeWord,
                                                    O::frMatchCase, O::frDisableMatchCase}));
  EXPECT_EQ(fr().FindDialog2.Options,
            TFindOptions({O::frDown, O::frHideMatchCase, O::frHideWholeWord, O::frMatchCase}));
  EXPECT_EQ(fr().ReplaceDialog1.Options,
            TFindOptions({O::frDown, O::frHideMatchCase, O::frHideWholeWord, O::frHideUpDown, O::frMatchCase,
                          O::frDisableUpDown, O::frReplace, O::frReplaceAll}));
  EXPECT_EQ(fr().ReplaceDialog2.Options, TFindOptions({O::frDown, O::frHideMatchCase, O::frHideWholeWord,
                                                       O::frHideUpDown, O::frMatchCase, O::frDisableUpDown}));
  EXPECT_EQ(fr().FindDialog1.Kind, FindDialogKind::Find);
  EXPECT_EQ(fr().ReplaceDialog2.Kind, FindDialogKind::Replace);
  // The replace dialogs' find-next button does nothing.
  EXPECT_FALSE(fr().ReplaceDialog1.OnFind);
  EXPECT_FALSE(fr().ReplaceDialog2.OnFind);
}

TEST_F(FindReplace, OpeningADialogTakesTheSelectionAsItsSearchText) {
  right().SetText(S("春の野に春の日"));
  fr().FindDialog1.FindText = "前";
  form.Execute(Command::Find1Click);
  EXPECT_EQ(fr().FindDialog1.FindText, "前");  // no selection: kept
  right().Select(4, 4);
  form.Execute(Command::Find1Click);
  EXPECT_EQ(fr().FindDialog1.FindText, "野に");
  form.Execute(Command::Replace1Click);
  EXPECT_EQ(fr().ReplaceDialog1.FindText, "野に");
  left().SetText(S("秋"));
  left().SelectAll();
  form.Execute(Command::FindLeftButtonClick);
  form.Execute(Command::ShineSpeedButton7Click);
  EXPECT_EQ(fr().FindDialog2.FindText, "秋");
  EXPECT_EQ(fr().ReplaceDialog2.FindText, "秋");
  EXPECT_EQ(fr().FindDialog1.FindText, "野に");
  ASSERT_EQ(host.findDialogs.shown.size(), 5u);
  EXPECT_EQ(host.findDialogs.shown[0], &fr().FindDialog1);
  EXPECT_EQ(host.findDialogs.shown[2], &fr().ReplaceDialog1);
  EXPECT_EQ(host.findDialogs.shown[3], &fr().FindDialog2);
  EXPECT_EQ(host.findDialogs.shown[4], &fr().ReplaceDialog2);
}

TEST_F(FindReplace, FindNextStartsAtTheTopWithoutASelectionAndNeverWraps) {
  right().SetText(S("花の色は\r\n花の香に\r\n花"));
  fr().FindDialog1.FindText = "花";
  right().SetSelStart(9);  // the caret in mid-text
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(right().SelStart(), 0);
  EXPECT_EQ(right().SelLength(), 2);
  EXPECT_EQ(host.focused.back(), PaneId::Right);
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(right().SelStart(), 10);
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(right().SelStart(), 20);
  EXPECT_EQ(dialogs.beeps, 0);
  // On the last hit: a beep, the selection stays.
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(dialogs.beeps, 1);
  EXPECT_EQ(right().SelStart(), 20);
  EXPECT_EQ(right().SelLength(), 2);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FindReplace, FindPreviousWalksBackHitByHitAndThenBeeps) {
  left().SetText(S("月を見て月に思ふ月"));
  fr().FindDialog2.FindText = "月";
  left().Select(16, 2);  // the third copy
  form.Execute(Command::FindBackLButtonClick);
  EXPECT_EQ(left().SelStart(), 8);
  EXPECT_EQ(left().SelLength(), 2);
  EXPECT_EQ(host.focused.back(), PaneId::Left);
  form.Execute(Command::FindBackLButtonClick);
  EXPECT_EQ(left().SelStart(), 0);
  form.Execute(Command::FindBackLButtonClick);
  EXPECT_EQ(dialogs.beeps, 1);
  EXPECT_EQ(left().SelStart(), 0);
  EXPECT_EQ(left().SelLength(), 2);
  // Caret at 0: only a beep.
  right().SetText(S("月"));
  fr().FindDialog1.FindText = "月";
  form.Execute(Command::FindBack1Click);
  EXPECT_EQ(dialogs.beeps, 2);
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FindReplace, TheFindDialogSearchesInItsDirection) {
  right().SetText(S("露と露"));
  TFindDialog& d = fr().FindDialog1;
  d.FindText = "露";
  d.OnFind();  // down
  EXPECT_EQ(right().SelStart(), 0);
  d.OnFind();
  EXPECT_EQ(right().SelStart(), 4);
  d.Options.Exclude(O::frDown);
  d.OnFind();
  EXPECT_EQ(right().SelStart(), 0);
  d.OnFind();
  EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(FindReplace, EverySearchIsCaseSensitive) {
  right().SetText("snow Snow SNOW");
  fr().FindDialog1.FindText = "Snow";
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(right().SelStart(), 5);
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(dialogs.beeps, 1);
  right().SetSelStart(14);
  form.Execute(Command::FindBack1Click);
  EXPECT_EQ(right().SelStart(), 5);
  Press(fr().ReplaceDialog1, O::frReplaceAll, "SNOW", "rain");
  EXPECT_EQ(right().Text(), "snow Snow rain");
  Press(fr().ReplaceDialog1, O::frReplace, "snow", "hail");
  EXPECT_EQ(right().Text(), "hail Snow rain");
}

TEST_F(FindReplace, HitsAreWholeCharacters) {
  // "ア" is 0x83 0x41: its trail byte is an "A".
  right().SetText(S("アA"));
  fr().FindDialog1.FindText = "A";
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(right().SelStart(), 2);
  right().SetSelStart(2);
  form.Execute(Command::FindBack1Click);
  EXPECT_EQ(dialogs.beeps, 1);
  Press(fr().ReplaceDialog1, O::frReplaceAll, "A", "B");
  EXPECT_EQ(right().Text(), S("アB"));
  // A search text that Shift-JIS cannot hold occurs nowhere.
  fr().FindDialog1.FindText = "한";
  form.Execute(Command::FindNextButtonClick);
  EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(FindReplace, ReplaceActsOnTheFirstOccurrenceWhateverIsSelected) {
  right().SetText(S("秋の田の"));
  right().Select(6, 2);  // the second "の"
  Press(fr().ReplaceDialog1, O::frReplace, "の", "が");
  EXPECT_EQ(right().Text(), S("秋が田の"));
  EXPECT_EQ(right().SelStart(), 4);  // after the replacement
  left().SetText(S("一二一二一二"));
  left().Select(8, 2);  // the third "一"
  Press(fr().ReplaceDialog2, O::frReplace, "一", "壱");
  EXPECT_EQ(left().Text(), S("壱二一二一二"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FindReplace, ReplaceWithoutAnOccurrenceNamesTheSearchText) {
  right().SetText(S("秋の田の"));
  Press(fr().ReplaceDialog1, O::frReplace, "春", "夏");
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(dialogs.messages[0], "Could not find \"春\" in Hanaroku.");
  EXPECT_EQ(dialogs.icons[0], MsgIcon::Error);
  EXPECT_EQ(right().Text(), S("秋の田の"));
  Press(fr().ReplaceDialog1, O::frReplace, "", "夏");
  EXPECT_EQ(dialogs.messages.back(), "Could not find \"\" in Hanaroku.");
  // Replace all says nothing.
  Press(fr().ReplaceDialog1, O::frReplaceAll, "春", "夏");
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(right().Text(), S("秋の田の"));
}

TEST_F(FindReplace, ReplaceIsTestedBeforeReplaceAll) {
  right().SetText(S("露露"));
  TFindDialog& d = fr().ReplaceDialog1;
  d.FindText = "露";
  d.ReplaceText = "霜";
  d.Options.Include(O::frReplace);
  d.Options.Include(O::frReplaceAll);
  d.OnReplace();
  EXPECT_EQ(right().Text(), S("霜露"));
  d.Options = {};
  d.OnReplace();  // neither
  EXPECT_EQ(right().Text(), S("霜露"));
}

TEST_F(FindReplace, ReplaceAllLeavesNoOccurrence) {
  right().SetText(S("山の\r\n山に\r\n山"));
  Press(fr().ReplaceDialog1, O::frReplaceAll, "山", "峰");
  EXPECT_EQ(right().Text(), S("峰の\r\n峰に\r\n峰"));
  EXPECT_EQ(right().SelStart(), right().TextLength());  // after the last replacement
  EXPECT_TRUE(dialogs.messages.empty());
  // Occurrences formed with the neighbours are replaced too.
  left().SetText("xaaabx");
  Press(fr().ReplaceDialog2, O::frReplaceAll, "ab", "b");
  EXPECT_EQ(left().Text(), "xbx");
}

TEST_F(FindReplace, ReplaceAllWithAReplacementHoldingItsSearchTextEnds) {
  right().SetText(S("波と波"));
  Press(fr().ReplaceDialog1, O::frReplaceAll, "波", "白波");
  EXPECT_EQ(right().Text(), S("白波と白波"));
  Press(fr().ReplaceDialog1, O::frReplaceAll, "波", "波");
  EXPECT_EQ(right().Text(), S("白波と白波"));
  EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(FindReplace, ACascadeBeyondTheMaximumLengthChangesNothing) {
  // "ab" -> "bba" doubles the b's for every a: a^12 b would become 4108 bytes.
  right().SetMaxLength(4000);
  const std::string before = std::string(12, 'a') + "b";
  right().SetText(before);
  Press(fr().ReplaceDialog1, O::frReplaceAll, "ab", "bba");
  EXPECT_EQ(right().Text(), before);
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("4000"), std::string::npos) << dialogs.messages[0];
  EXPECT_EQ(dialogs.icons[0], MsgIcon::Warning);
  // Within the limit it runs to its end.
  right().SetText(std::string(11, 'a') + "b");
  Press(fr().ReplaceDialog1, O::frReplaceAll, "ab", "bba");
  EXPECT_EQ(right().Text(), std::string(2048, 'b') + std::string(11, 'a'));
}

TEST_F(FindReplace, ReplaceAllIsOneUndoStep) {
  host.focus = FocusOwner::RightPane;
  TRichEditSx& pane = right();
  pane.KeyDown('A', false, false);
  pane.CharInput(u"aXa");
  Press(fr().ReplaceDialog1, O::frReplaceAll, "a", "b");
  EXPECT_EQ(pane.Text(), "bXb");
  pane.KeyDown('C', false, false);
  pane.CharInput(u"c");
  form.Execute(Command::Undo1Click);
  EXPECT_EQ(pane.Text(), "bXb");
  form.Execute(Command::Undo1Click);
  EXPECT_EQ(pane.Text(), "aXa");
  form.Execute(Command::Redo1Click);
  EXPECT_EQ(pane.Text(), "bXb");
}

TEST_F(FindReplace, ReplaceAllKeepsTheColoursAroundIt) {
  right().SetText(S("花と月"));
  right().Select(4, 2);
  right().SetSelColor(0x0000FF);
  Press(fr().ReplaceDialog1, O::frReplaceAll, "花", "梅");
  EXPECT_EQ(right().CharColor(4), 0x0000FFu);
  EXPECT_EQ(right().CharColor(0), right().Font().color);
}

TEST_F(FindReplace, AReplacementShiftJisCannotHoldIsAskedAbout) {
  right().SetText(S("歌"));
  dialogs.answers = {MsgResult::No};
  Press(fr().ReplaceDialog1, O::frReplaceAll, "歌", "노래");
  EXPECT_EQ(right().Text(), S("歌"));
  EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST(BackwardSearch, GivesTheLastHitOfTheWalkFromTheTop) {
  std::mt19937 rng(7);
  const std::string pieces[] = {"a", "b", S("あ"), S("ア"), "A", "\r\n", "\x81", S("＝")};
  const std::string patterns[] = {"a", "aa", "aba", S("ああ"), S("あ"), "A", S("＝＝"), "b\r\n"};
  TRichEditSx pane;
  BackwardSearch back;
  for (int round = 0; round < 300; ++round) {
    std::string text;
    const int n = static_cast<int>(rng() % 60);
    for (int i = 0; i < n; ++i) text += pieces[rng() % std::size(pieces)];
    pane.SetText(text);
    for (const std::string& what : patterns) {
      for (int limit = pane.TextLength(); limit >= 0; --limit)
        ASSERT_EQ(back.Find(pane, what, limit), WalkFromTop(pane, what, limit))
            << "round " << round << " limit " << limit;
    }
  }
}

TEST(BackwardSearch, ForgetsWhatItLearnedWhenTheTextChanges) {
  TRichEditSx pane;
  BackwardSearch back;
  pane.SetText("xaaxaax");
  EXPECT_EQ(back.Find(pane, "aa", 7), 4);
  pane.Select(0, 1);
  pane.SetSelText("aa");  // "aaaaxaax"
  EXPECT_EQ(back.Find(pane, "aa", 4), 2);
  EXPECT_EQ(back.Find(pane, "aa", 3), 0);
  TRichEditSx other;
  other.SetText("aa");
  EXPECT_EQ(back.Find(other, "aa", 2), 0);
  EXPECT_EQ(back.Find(pane, "xaa", 8), 4);
}

TEST(BackwardSearch, WalksBackThroughManyHitsReadingTheTextAboutOnce) {
  // 40 000 hits: a walk back through all of them, one search each.
  TRichEditSx pane;
  std::string text;
  for (int i = 0; i < 40000; ++i) text += S("花の") + (i % 7 == 0 ? std::string(300, 'x') : "");
  pane.SetText(text);
  BackwardSearch back;
  int limit = pane.TextLength(), hits = 0;
  for (int hit; (hit = back.Find(pane, S("花"), limit)) >= 0; limit = hit) ++hits;
  EXPECT_EQ(hits, 40000);
}

}  // namespace
}  // namespace hanaroku
