#include <gtest/gtest.h>

#include "RichEditTestSupport.h"
#include "controls/RichEditSx.h"

namespace hanaroku {
namespace {

using testing::PaneFixture;
using testing::S;

enum : int { kBack = 8, kTab = 9, kEnter = 13, kPgUp = 33, kPgDn = 34, kEnd = 35, kHome = 36,
             kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kDel = 46 };

TEST(RichEditInput, LeftAndRightStepWholeCharactersAndLineBreaks) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText(S("あ") + "a\r\n" + S("い"));  // 0 あ, 2 a, 3 CR LF, 5 い
  p.SetSelStart(0);
  EXPECT_TRUE(p.KeyDown(kRight, false, false));
  EXPECT_EQ(p.SelStart(), 2);
  p.KeyDown(kRight, false, false);
  p.KeyDown(kRight, false, false);
  EXPECT_EQ(p.SelStart(), 5);
  p.KeyDown(kRight, false, false);
  p.KeyDown(kRight, false, false);  // at the end: stays
  EXPECT_EQ(p.SelStart(), 7);
  p.KeyDown(kLeft, false, false);
  p.KeyDown(kLeft, false, false);
  EXPECT_EQ(p.SelStart(), 3);
  // Shift extends from the anchor; an arrow without Shift collapses.
  p.KeyDown(kLeft, true, false);
  p.KeyDown(kLeft, true, false);
  EXPECT_EQ(p.SelStart(), 0);
  EXPECT_EQ(p.SelLength(), 3);
  p.KeyDown(kRight, false, false);
  EXPECT_EQ(p.SelStart(), 3);
  EXPECT_EQ(p.SelLength(), 0);
}

TEST(RichEditInput, UpAndDownKeepTheColumn) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText(S("あいうえ") + "\r\n" + "ab\r\n" + S("かきくけ"));  // lines start at 0, 10, 14
  p.SetSelStart(6);  // before え
  p.KeyDown(kDown, false, false);
  EXPECT_EQ(p.SelStart(), 12);  // the short line ends before column 3
  p.KeyDown(kDown, false, false);
  EXPECT_EQ(p.SelStart(), 20);  // back at column 3 (け)
  p.KeyDown(kUp, false, false);
  p.KeyDown(kUp, false, false);
  EXPECT_EQ(p.SelStart(), 6);
  p.KeyDown(kUp, false, false);  // first line: stays
  EXPECT_EQ(p.SelStart(), 6);
  p.KeyDown(kDown, true, false);
  EXPECT_EQ(p.SelStart(), 6);
  EXPECT_EQ(p.SelLength(), 6);
}

TEST(RichEditInput, VerticalWritingTurnsTheArrows) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetVertical(true);
  p.SetText(S("あいう") + "\r\n" + S("かきく"));  // columns start at 0 and 8
  p.SetSelStart(2);
  p.KeyDown(kDown, false, false);  // along the column
  EXPECT_EQ(p.SelStart(), 4);
  p.KeyDown(kUp, false, false);
  EXPECT_EQ(p.SelStart(), 2);
  p.KeyDown(kLeft, false, false);  // columns run right to left: Left is the next line
  EXPECT_EQ(p.SelStart(), 10);
  p.KeyDown(kRight, false, false);
  EXPECT_EQ(p.SelStart(), 2);
}

TEST(RichEditInput, HomeEndAndCtrlJumps) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText("abc\r\ndef\r\nghi");
  p.SetSelStart(6);
  p.KeyDown(kHome, false, false);
  EXPECT_EQ(p.SelStart(), 5);
  p.KeyDown(kEnd, false, false);
  EXPECT_EQ(p.SelStart(), 8);
  p.KeyDown(kHome, false, true);
  EXPECT_EQ(p.SelStart(), 0);
  p.KeyDown(kEnd, true, true);
  EXPECT_EQ(p.SelStart(), 0);
  EXPECT_EQ(p.SelLength(), 13);
}

TEST(RichEditInput, PageKeysMoveByAScreen) {
  PaneFixture f(10, 5);
  TRichEditSx& p = f.pane;
  std::string text;
  for (int i = 0; i < 40; ++i) text += "line\r\n";
  p.SetText(text);
  p.KeyDown(kPgDn, false, false);
  const int line = p.SelY();
  EXPECT_GE(line, 3);
  EXPECT_LE(line, 5);
  EXPECT_GT(p.SelTopIndex(), 0);
  p.KeyDown(kPgUp, false, false);
  EXPECT_EQ(p.SelY(), 0);
  EXPECT_EQ(p.SelTopIndex(), 0);
}

TEST(RichEditInput, BackspaceAndDeleteRemoveWholeCharacters) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText(S("あ") + "\r\n" + S("い") + "b");
  p.SetSelStart(4);
  p.KeyDown(kBack, false, false);  // removes CR and LF together
  EXPECT_EQ(p.Text(), S("あい") + "b");
  EXPECT_EQ(p.SelStart(), 2);
  p.KeyDown(kBack, false, false);
  EXPECT_EQ(p.Text(), S("い") + "b");
  p.KeyDown(kBack, false, false);  // at the start: nothing
  EXPECT_EQ(p.Text(), S("い") + "b");
  p.KeyDown(kDel, false, false);
  EXPECT_EQ(p.Text(), "b");
  p.SetText("a\r\nb");
  p.SetSelStart(1);
  p.KeyDown(kDel, false, false);
  EXPECT_EQ(p.Text(), "ab");
  p.Select(0, 1);
  p.KeyDown(kDel, false, false);
  EXPECT_EQ(p.Text(), "b");
}

TEST(RichEditInput, EnterTabAndTyping) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.CharInput(u"ab");
  p.KeyDown(kEnter, false, false);
  p.CharInput(u"\r");  // WM_CHAR of Enter: already handled by the key
  p.KeyDown(kTab, false, false);
  p.CharInput(u"\t\x01");  // Tab's WM_CHAR and Ctrl+A's control code are ignored
  p.CharInput(u"歌");
  EXPECT_EQ(p.Text(), "ab\r\n\t" + S("歌"));
  EXPECT_EQ(p.SelStart(), p.TextLength());
  EXPECT_FALSE(p.KeyDown(kTab, false, true));  // Ctrl+Tab is not the pane's
  // A typed character code page 932 cannot store is refused unless confirmed.
  p.CharInput(u"\xD83D");
  p.CharInput(u"\xDE00");
  EXPECT_EQ(p.Text(), "ab\r\n\t" + S("歌"));
  bool asked = false;
  p.ConfirmLoss = [&](const std::u16string& lost) {
    asked = lost == u"\U0001F600";
    return false;
  };
  p.CharInput(u"\U0001F600");
  EXPECT_TRUE(asked);
}

TEST(RichEditInput, CtrlShortcutsAreSwallowed) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText("abc");
  p.Select(1, 1);
  int lastKey = -1;
  p.OnKeyDown = [&](int key, bool, bool) { lastKey = key; };
  for (int key : {'A', 'C', 'V', 'X', 'Z'}) {
    EXPECT_FALSE(p.KeyDown(key, false, true));
    EXPECT_EQ(lastKey, 0);
  }
  EXPECT_EQ(p.Text(), "abc");
  EXPECT_EQ(p.SelStart(), 1);
  EXPECT_EQ(p.SelLength(), 1);
  EXPECT_TRUE(p.KeyDown(kRight, false, false));
  EXPECT_EQ(lastKey, kRight);
}

TEST(RichEditInput, ImeResultInsertsItsText) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText("ab");
  p.SetSelStart(1);
  p.ImeStartComposition();
  EXPECT_EQ(p.LastAction(), 9);
  p.ImeResult(u"花の色は");
  EXPECT_EQ(p.Text(), "a" + S("花の色は") + "b");
  EXPECT_EQ(p.SelStart(), 9);
}

TEST(RichEditInput, MouseClickDragAndShiftClick) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetText(S("あいうえお") + "\r\n" + S("かきくけこ"));  // second line starts at 12
  int downs = 0, ups = 0;
  p.OnMouseDown = [&] { ++downs; };
  p.OnMouseUp = [&] { ++ups; };
  const int pitch = f.measurer.LinePitch();
  // Left half of the third character of the first line.
  p.MouseDown(2 + 2 * 16 + 3, pitch / 2, false);
  EXPECT_EQ(p.SelStart(), 4);
  EXPECT_EQ(p.SelLength(), 0);
  p.MouseMove(2 + 4 * 16 + 3, pitch + pitch / 2);  // drag into the second line
  p.MouseUp(2 + 4 * 16 + 3, pitch + pitch / 2);
  EXPECT_EQ(p.SelStart(), 4);
  EXPECT_EQ(p.SelLength(), 20 - 4);
  p.MouseMove(0, 0);  // button up: no drag
  EXPECT_EQ(p.SelLength(), 16);
  p.MouseDown(2 + 1 * 16 + 3, pitch / 2, true);  // shift-click extends from the anchor
  EXPECT_EQ(p.SelStart(), 2);
  EXPECT_EQ(p.SelLength(), 2);
  p.MouseUp(2 + 1 * 16 + 3, pitch / 2);
  EXPECT_EQ(downs, 2);
  EXPECT_EQ(ups, 2);
  p.MouseDoubleClick(2 + 16 + 3, pitch + pitch / 2);
  EXPECT_EQ(p.SelStart(), 12);
  EXPECT_EQ(p.SelLength(), 10);  // the hiragana word
}

TEST(RichEditInput, SelectionBarClickSelectsTheLine) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.SetSelectionBar(true);
  p.SetText("first\r\nsecond\r\n");
  const int pitch = f.measurer.LinePitch();
  p.MouseDown(1, pitch + pitch / 2, false);
  EXPECT_EQ(p.SelText(), "second\r\n");
}

TEST(RichEditInput, WheelScrolls) {
  PaneFixture f(10, 4);
  TRichEditSx& p = f.pane;
  std::string text;
  for (int i = 0; i < 30; ++i) text += "x\r\n";
  p.SetText(text);
  p.MouseWheel(-120);
  EXPECT_EQ(p.SelTopIndex(), 3);
  p.MouseWheel(240);
  EXPECT_EQ(p.SelTopIndex(), 0);
  EXPECT_EQ(p.SelStart(), 0);  // the caret stays where it was
}

}  // namespace
}  // namespace hanaroku
