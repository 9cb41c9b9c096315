#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <vector>

#include "RichEditTestSupport.h"
#include "controls/RichEditSx.h"
#include "controls/UndoRing.h"
#include "controls/UndoText.h"

namespace hanaroku {
namespace {

using testing::FakeClipboard;
using testing::PaneFixture;

// Typing as the window feeds it: key down, the character, key up.
void Type(TRichEditSx& p, const std::string& word) {
  for (char c : word) {
    const int vk = std::toupper(static_cast<unsigned char>(c));
    p.KeyDown(vk, false, false);
    p.CharInput(std::u16string(1, static_cast<char16_t>(c)));
    p.KeyUp(vk, false, false);
  }
}
void Enter(TRichEditSx& p) { p.KeyDown(13, false, false); }

TEST(RichEditUndo, StartsWithTheEmptyPane) {
  TRichEditSx p;
  EXPECT_EQ(p.UndoIndex(), 0);
  EXPECT_EQ(p.UndoNewest(), 0);
  EXPECT_EQ(p.UndoOldest(), 0);
  EXPECT_EQ(p.LastAction(), 1);
  EXPECT_EQ(p.UndoSlot(0).Text, "");
  EXPECT_FALSE(p.CanUndo());
  EXPECT_FALSE(p.CanRedo());
  p.Undo();
  p.Redo();
  EXPECT_EQ(p.Text(), "");
  EXPECT_THROW(p.UndoSlot(15), std::out_of_range);
}

TEST(RichEditUndo, WordEnterWordStepsBackOneGroupAtATime) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  Type(p, "one");
  Enter(p);
  Type(p, "two");
  ASSERT_EQ(p.Text(), "one\r\ntwo");
  p.Undo();
  EXPECT_EQ(p.Text(), "one\r\n");
  EXPECT_EQ(p.SelStart(), 5);
  p.Undo();
  EXPECT_EQ(p.Text(), "one");
  p.Undo();
  EXPECT_EQ(p.Text(), "");  // past the first snapshot: the empty pane
  EXPECT_FALSE(p.CanUndo());
  p.Undo();
  EXPECT_EQ(p.Text(), "");
  p.Redo();
  EXPECT_EQ(p.Text(), "one");
  p.Redo();
  EXPECT_EQ(p.Text(), "one\r\n");
  p.Redo();
  EXPECT_EQ(p.Text(), "one\r\ntwo");
  EXPECT_EQ(p.SelStart(), 8);
  EXPECT_FALSE(p.CanRedo());
  p.Redo();
  EXPECT_EQ(p.Text(), "one\r\ntwo");
}

TEST(RichEditUndo, NewEditsAfterAnUndoEndTheRedoHistory) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  Type(p, "abc");
  Enter(p);
  Type(p, "d");
  p.Undo();
  ASSERT_EQ(p.Text(), "abc\r\n");
  ASSERT_TRUE(p.CanRedo());
  Type(p, "x");
  // The typing is not in a snapshot yet, but redo must not throw it away.
  EXPECT_FALSE(p.CanRedo());
  p.Redo();
  EXPECT_EQ(p.Text(), "abc\r\nx");
  Enter(p);
  Type(p, "y");
  p.Redo();
  EXPECT_EQ(p.Text(), "abc\r\nx\r\ny");
  // Undo after such typing goes back to before it, and redo returns to it.
  p.Undo();
  EXPECT_EQ(p.Text(), "abc\r\nx\r\n");
  p.Undo();
  EXPECT_EQ(p.Text(), "abc\r\nx");
  p.Undo();
  EXPECT_EQ(p.Text(), "abc\r\n");
  p.Redo();
  EXPECT_EQ(p.Text(), "abc\r\nx");
}

TEST(RichEditUndo, TheRingHoldsFourteenStepsBack) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  for (int i = 0; i < 10; ++i) {  // twenty alternating edits
    Type(p, "w" + std::to_string(i));
    Enter(p);
  }
  const std::string full = p.Text();
  int steps = 0;
  std::string before = p.Text();
  while (p.CanUndo() && steps < 30) {
    p.Undo();
    EXPECT_NE(p.Text(), before);
    before = p.Text();
    ++steps;
  }
  EXPECT_EQ(steps, 14);
  EXPECT_EQ(p.UndoIndex(), p.UndoOldest());
  EXPECT_EQ(p.Text(), p.UndoSlot(p.UndoOldest()).Text);
  EXPECT_NE(p.Text(), "");  // the empty pane has long left the ring
  p.Undo();
  EXPECT_EQ(p.Text(), before);
  for (int i = 0; i < 14; ++i) p.Redo();
  EXPECT_EQ(p.Text(), full);
  EXPECT_FALSE(p.CanRedo());
}

TEST(RichEditUndo, IndexesWrapAndOldestMovesWhenFull) {
  TRichEditSx p;
  for (int i = 1; i <= 16; ++i) {
    p.SetText(std::string(static_cast<std::size_t>(i), 'a'));
    p.RecordAction(3);  // a click always passes the kind test
    EXPECT_EQ(p.UndoIndex(), i % 15);
    EXPECT_EQ(p.UndoNewest(), i % 15);
  }
  EXPECT_EQ(p.UndoOldest(), 2);
  EXPECT_EQ(p.UndoSlot(0).Text, std::string(15, 'a'));
  EXPECT_EQ(p.UndoSlot(1).Text, std::string(16, 'a'));
}

TEST(RichEditUndo, KindAndChangeTests) {
  TRichEditSx p;
  p.SetText("x");
  p.RecordAction(1);  // same kind as LastAction (1): no snapshot
  EXPECT_EQ(p.UndoIndex(), 0);
  p.RecordAction(5);
  EXPECT_EQ(p.UndoIndex(), 1);
  EXPECT_EQ(p.UndoSlot(1).Text, "x");
  p.RecordAction(4);  // the text did not change since: no snapshot
  EXPECT_EQ(p.UndoIndex(), 1);
  p.SetText("xy");
  p.RecordAction(4);  // same kind again
  EXPECT_EQ(p.UndoIndex(), 1);
  p.RecordAction(6);  // a paste always passes the kind test
  EXPECT_EQ(p.UndoIndex(), 2);
  p.SetText("xyz");
  p.RecordAction(9);
  EXPECT_EQ(p.UndoIndex(), 3);
  EXPECT_EQ(p.LastAction(), 9);
}

TEST(RichEditUndo, KeysRecordTheirKinds) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  p.KeyDown(37, false, false);
  EXPECT_EQ(p.LastAction(), 1);
  p.KeyDown(13, false, false);
  EXPECT_EQ(p.LastAction(), 2);
  p.KeyDown(46, false, false);
  EXPECT_EQ(p.LastAction(), 4);
  p.KeyDown(112, false, false);  // F1: any other key
  EXPECT_EQ(p.LastAction(), 5);
  for (int key : {16, 17, 114, 115, 229, 45}) {
    p.KeyDown(8, false, false);
    p.KeyDown(key, false, false);
    EXPECT_EQ(p.LastAction(), 4) << key;
  }
  p.KeyDown('Q', false, true);  // Ctrl+letter and Ctrl+Tab record nothing
  p.KeyDown(9, false, true);
  EXPECT_EQ(p.LastAction(), 4);
  p.KeyDown(36, false, true);  // Ctrl+Home is a caret key
  EXPECT_EQ(p.LastAction(), 1);
  p.KeyDown(9, false, false);
  EXPECT_EQ(p.LastAction(), 5);
}

TEST(RichEditUndo, CtrlZInThePaneDoesNotUndo) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  Type(p, "abc");
  Enter(p);
  const int index = p.UndoIndex();
  EXPECT_FALSE(p.KeyDown('Z', false, true));
  EXPECT_EQ(p.Text(), "abc\r\n");
  EXPECT_EQ(p.UndoIndex(), index);
}

TEST(RichEditUndo, AClickWithoutAChangeRecordsNothing) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  Type(p, "abc");
  p.MouseDown(5, 5, false);
  p.MouseUp(5, 5);
  EXPECT_EQ(p.UndoIndex(), 1);  // the typing before the click
  p.MouseDown(5, 5, false);
  p.MouseUp(5, 5);
  p.MouseDown(30, 5, false);
  EXPECT_EQ(p.UndoIndex(), 1);
  EXPECT_EQ(p.LastAction(), 3);
}

TEST(RichEditUndo, CutAndPasteRecord) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  FakeClipboard cb;
  Type(p, "hello");
  p.Select(0, 2);
  p.CutToClipboard(cb);
  EXPECT_EQ(p.LastAction(), 4);
  EXPECT_EQ(p.UndoSlot(p.UndoIndex()).Text, "hello");
  p.PasteFromClipboard(cb);
  EXPECT_EQ(p.LastAction(), 6);
  EXPECT_EQ(p.UndoSlot(p.UndoIndex()).Text, "llo");
  p.PasteFromClipboard(cb);
  EXPECT_EQ(p.Text(), "hehello");
  p.Undo();
  EXPECT_EQ(p.Text(), "hello");
  p.Undo();
  EXPECT_EQ(p.Text(), "llo");
  p.Undo();
  EXPECT_EQ(p.Text(), "hello");
}

TEST(RichEditUndo, RestoreFiresOneChangeAndNoSelectionEvents) {
  PaneFixture f;
  TRichEditSx& p = f.pane;
  Type(p, "abc");
  Enter(p);
  Type(p, "d");
  p.Select(0, 1);
  p.SetSelColor(0x0000FF);
  int changes = 0, selections = 0;
  p.OnChange = [&] { ++changes; };
  p.OnSelectionChange = [&] { ++selections; };
  p.SetModified(false);
  p.Undo();
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(selections, 0);
  EXPECT_TRUE(p.Modified());
  EXPECT_EQ(p.CharColor(0), p.Font().color);  // snapshots are plain text
  // The handlers are attached again.
  p.SetSelStart(0);
  EXPECT_EQ(selections, 1);
  p.Redo();
  EXPECT_EQ(changes, 2);
}

TEST(RichEditUndo, RestoreBringsBackSelectionAndFirstVisibleLine) {
  PaneFixture f(10, 3);
  TRichEditSx& p = f.pane;
  std::string text;
  for (int i = 0; i < 20; ++i) text += "line\r\n";
  p.SetText(text);
  p.SetSelTopIndex(6);
  p.Select(38, 4);
  p.RecordAction(3);  // snapshot of this state
  p.SetText("other");
  p.Undo();
  EXPECT_EQ(p.Text(), text);
  EXPECT_EQ(p.SelStart(), 38);
  EXPECT_EQ(p.SelLength(), 4);
  EXPECT_EQ(p.SelTopIndex(), 6);
}

TEST(RichEditUndo, ProgramChangesDoNotResetTheHistory) {
  TRichEditSx p;
  p.SetText("first");
  p.RecordAction(3);
  p.ClearAll();
  p.SetText("second");
  EXPECT_EQ(p.UndoIndex(), 1);
  p.Undo();  // saves "second", returns to "first"
  EXPECT_EQ(p.Text(), "first");
  p.Redo();
  EXPECT_EQ(p.Text(), "second");
}

TEST(RichEditUndo, SnapshotsShareTheTextTheyHaveInCommon) {
  // 15 snapshots of a 256 KiB text used to keep 7.5 MiB: two copies each.
  std::string text;
  while (text.size() < (1u << 18)) text += "hisakata no hikari nodokeki\r\n";
  TRichEditSx p;
  p.SetText(text);
  std::vector<std::string> history;
  for (int i = 0; i < 15; ++i) {
    p.Select(static_cast<int>(text.size() / 16 * (i + 1)), 0);
    p.RecordAction(3);  // a click: the state before the typing is kept
    history.push_back(p.Text());
    p.CharInput(i % 2 ? u"花" : u"x");
  }
  EXPECT_LT(p.UndoHeldBytes(), 2 * text.size());
  // Undo and redo still give back each snapshot exactly.
  const std::string last = p.Text();
  for (int i = 13; i >= 0; --i) {
    p.Undo();
    ASSERT_EQ(p.Text(), history[static_cast<std::size_t>(i) + 1]) << i;
  }
  for (int i = 2; i < 15; ++i) {
    p.Redo();
    ASSERT_EQ(p.Text(), history[static_cast<std::size_t>(i)]) << i;
  }
  p.Redo();
  EXPECT_EQ(p.Text(), last);
}

TEST(UndoText, DerivedTextsShareTheirCommonStartAndEnd) {
  const std::string big(100000, 'a');
  const UndoText base(big);
  const std::string edited = big.substr(0, 50000) + "XYZ" + big.substr(50001);
  const UndoText derived = UndoText::Derive(base, edited);
  EXPECT_TRUE(derived == edited);
  EXPECT_FALSE(derived == big);
  EXPECT_EQ(derived.Str(), edited);
  std::size_t fresh = 0;
  derived.ForEachBuffer([&](const std::string* b, std::size_t n) {
    if (b->size() != big.size()) fresh += n;
  });
  EXPECT_EQ(fresh, 3u);  // only the new bytes were copied
  // Growing, shrinking, emptying and a text with nothing in common.
  for (const std::string& now : {big + "tail", std::string("head") + big, big.substr(10, 20), std::string(),
                                 std::string(70000, 'b')})
    EXPECT_EQ(UndoText::Derive(derived, now).Str(), now);
  EXPECT_EQ(UndoText::Derive(UndoText(), "x").Str(), "x");
}

TEST(UndoText, PiecesStayFewOverAnyHistory) {
  // Thousands of edits scattered over the text, each snapshot derived from
  // the one before: short pieces are joined, so the count stays bounded.
  std::string text(1 << 17, '.');
  UndoText t(text);
  std::uint32_t seed = 1;
  for (int i = 0; i < 1500; ++i) {
    seed = seed * 1103515245u + 12345u;
    const std::size_t at = seed % text.size();
    if (i % 3 == 0)
      text.erase(at, 1);
    else
      text.insert(at, i % 3 == 1 ? "x" : "yz");
    t = UndoText::Derive(t, text);
  }
  EXPECT_TRUE(t == text);
  EXPECT_LT(t.PieceCount(), 2 * (text.size() / (16 * 1024)) + 2);
}

TEST(UndoRing, NeverStepsPastTheOldestSlot) {
  // After an undo, a change by program (no action recorded) leaves
  // LastAction 0: the ring must not wrap beyond the oldest slot.
  UndoRing ring;
  auto take = [](const std::string& t) {
    return [t](TRichUndoMemory& slot) { slot.Text = slot.Stream = t; };
  };
  ring.Record(3, "a", take("a"));
  ASSERT_EQ(ring.Index(), 1);
  ASSERT_NE(ring.StepBack("a", take("a")), nullptr);
  ASSERT_EQ(ring.Index(), 0);
  EXPECT_TRUE(ring.CanUndo("changed"));
  EXPECT_EQ(ring.StepBack("changed", take("changed")), nullptr);
  EXPECT_EQ(ring.Index(), 0);
}

}  // namespace
}  // namespace hanaroku
