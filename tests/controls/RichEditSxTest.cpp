#include "controls/RichEditSx.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "RichEditTestSupport.h"
#include "controls/RichEditColors.h"
#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

using testing::CountingView;
using testing::FakeClipboard;
using testing::PaneFixture;
using testing::S;

TEST(RichEditSx, SelectionNeverSplitsACharacterOrALineBreak) {
  TRichEditSx pane;
  pane.SetText(S("あい\r\nう"));  // 82A0 82A2 0D0A 82A4
  ASSERT_EQ(pane.TextLength(), 8);
  pane.SetSelStart(1);
  EXPECT_EQ(pane.SelStart(), 0);
  pane.SetSelStart(5);  // between CR and LF
  EXPECT_EQ(pane.SelStart(), 4);
  pane.Select(1, 2);  // both ends inside characters: widened
  EXPECT_EQ(pane.SelStart(), 0);
  EXPECT_EQ(pane.SelLength(), 4);
  pane.Select(2, 3);  // ends between CR and LF: takes the whole break
  EXPECT_EQ(pane.SelText(), "\x82\xa2\r\n");
  pane.Select(-5, 1000);
  EXPECT_EQ(pane.SelStart(), 0);
  EXPECT_EQ(pane.SelLength(), 8);
  pane.SetSelStart(3);
  pane.SetSelLength(0);
  EXPECT_EQ(pane.SelStart(), 2);
  EXPECT_EQ(pane.SelLength(), 0);
}

TEST(RichEditSx, SelTextReplacesTheSelectionAndPutsTheCaretAfterIt) {
  TRichEditSx pane;
  pane.SetText(S("春の日に"));
  pane.Select(2, 2);
  EXPECT_EQ(pane.SelText(), S("の"));
  pane.SetSelText(S("が"));
  EXPECT_EQ(pane.Text(), S("春が日に"));
  EXPECT_EQ(pane.SelStart(), 4);
  EXPECT_EQ(pane.SelLength(), 0);
  pane.Select(0, 2);
  pane.Clear();
  EXPECT_EQ(pane.Text(), S("が日に"));
  pane.SelectAll();
  EXPECT_EQ(pane.SelLength(), 6);
  pane.ClearAll();
  EXPECT_EQ(pane.Text(), "");
  EXPECT_EQ(pane.Lines().Count(), 0);
}

TEST(RichEditSx, ModifiedFollowsEditsAndLoads) {
  TRichEditSx pane;
  EXPECT_FALSE(pane.Modified());
  pane.SetText("abc");
  EXPECT_TRUE(pane.Modified());
  pane.SetModified(false);
  pane.SetSelColor(0x0000FF);  // formatting alone is not a change of the text
  EXPECT_FALSE(pane.Modified());
  pane.SetSelText("x");
  EXPECT_TRUE(pane.Modified());
}

TEST(RichEditSx, LinesCountLeavesOutTheFinalEmptyLine) {
  TRichEditSx pane;
  EXPECT_EQ(pane.Lines().Count(), 0);
  pane.SetText("a");
  EXPECT_EQ(pane.Lines().Count(), 1);
  pane.SetText("a\r\nb\r\n");
  EXPECT_EQ(pane.Lines().Count(), 2);
  EXPECT_EQ(pane.Lines().Get(0), "a");
  EXPECT_EQ(pane.Lines().Get(1), "b");
  EXPECT_EQ(pane.Lines().Get(2), "");
  EXPECT_EQ(pane.Lines().Get(-1), "");
  pane.SetText("a\r\n\r\n");
  EXPECT_EQ(pane.Lines().Count(), 2);
}

TEST(RichEditSx, LinesAreDisplayLinesWhenWrapping) {
  PaneFixture f(5);
  TRichEditSx& pane = f.pane;
  const std::string twelve = S("あいうえおかきくけこさし");
  pane.SetText(twelve + "\r\n" + S("す"));
  ASSERT_TRUE(pane.WordWrap());
  EXPECT_EQ(pane.Lines().Count(), 4);
  EXPECT_EQ(pane.Lines().Get(0), S("あいうえお"));
  EXPECT_EQ(pane.Lines().Get(2), S("さし"));
  EXPECT_EQ(pane.Lines().Get(3), S("す"));
  EXPECT_EQ(pane.LineIndex(1), 10);
  EXPECT_EQ(pane.LineIndex(3), 26);
  EXPECT_EQ(pane.LineIndex(4), -1);
  EXPECT_EQ(pane.LineFromChar(12), 1);

  // Insert and Delete address display lines, as EM_LINEINDEX does.
  pane.Lines().Insert(1, "x");
  EXPECT_EQ(pane.Text().substr(10, 3), "x\r\n");
  pane.Lines().Delete(0);
  EXPECT_EQ(pane.Text().substr(0, 3), "x\r\n");

  pane.SetWordWrap(false);
  EXPECT_EQ(pane.Lines().Count(), 3);
}

TEST(RichEditSx, LinesAddAppendsALineWithItsBreak) {
  TRichEditSx pane;
  pane.Lines().Add("one");
  EXPECT_EQ(pane.Text(), "one\r\n");
  pane.SetText("a");
  pane.Lines().Add("b");
  EXPECT_EQ(pane.Text(), "a\r\nb\r\n");
  pane.Lines().Insert(0, "z");
  EXPECT_EQ(pane.Text(), "z\r\na\r\nb\r\n");
  pane.Lines().Insert(7, "never");  // out of range: nothing
  pane.Lines().Delete(9);
  EXPECT_EQ(pane.Text(), "z\r\na\r\nb\r\n");
  pane.Lines().Delete(2);
  EXPECT_EQ(pane.Text(), "z\r\na\r\n");
  EXPECT_EQ(TRichEditLines::Split("a\r\nb\rc\nd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_TRUE(TRichEditLines::Split("").empty());
}

TEST(RichEditSx, UpdatesNestAndRepaintOnceAtTheLastEndUpdate) {
  PaneFixture f;
  CountingView view;
  f.pane.SetView(&view);
  int changes = 0;
  f.pane.OnChange = [&] { ++changes; };
  std::string text;
  for (int i = 0; i < 200; ++i) text += S("はなのいろは") + "\r\n";
  f.pane.SetText(text);
  changes = 0;
  view = CountingView();

  f.pane.Lines().BeginUpdate();
  f.pane.Lines().BeginUpdate();
  // A conversion's loop: find, select, replace, thousands of times.
  for (int hit; (hit = f.pane.FindText(S("は"), 0, -1, true)) >= 0;) {
    f.pane.SetSelStart(hit);
    f.pane.SetSelLength(2);
    f.pane.SetSelText(S("波"));
  }
  f.pane.Lines().EndUpdate();
  EXPECT_TRUE(f.pane.Lines().Updating());
  EXPECT_EQ(view.invalidates, 0);
  f.pane.Lines().EndUpdate();
  EXPECT_FALSE(f.pane.Lines().Updating());
  EXPECT_EQ(view.invalidates, 1);
  EXPECT_EQ(changes, 400);
  EXPECT_EQ(f.pane.Lines().Count(), 200);
  EXPECT_EQ(f.pane.Lines().Get(199), S("波なのいろ波"));
  f.pane.Lines().EndUpdate();  // unbalanced: ignored
  EXPECT_FALSE(f.pane.Lines().Updating());
}

TEST(RichEditSx, QueriesInsideAnUpdateSeeTheCurrentText) {
  PaneFixture f(5);
  f.pane.SetText(S("あいうえおかき"));
  f.pane.Lines().BeginUpdate();
  f.pane.SetSelStart(0);
  f.pane.SetSelText(S("ん"));
  EXPECT_EQ(f.pane.Lines().Count(), 2);
  f.pane.SetSelText(S("んんん"));
  f.pane.SetSelText(S("ん"));
  EXPECT_EQ(f.pane.Lines().Count(), 3);
  EXPECT_EQ(f.pane.SelY(), 1);
  f.pane.Lines().EndUpdate();
}

TEST(RichEditSx, ReplaceAllTextIsOneChange) {
  PaneFixture f;
  int changes = 0;
  f.pane.OnChange = [&] { ++changes; };
  f.pane.SetText("abc\r\ndef");
  f.pane.Select(0, 1);
  f.pane.SetSelColor(0x0000FF);
  changes = 0;
  f.pane.ReplaceAllText(S("一\r\n二\r\n三"), 2, 2);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(f.pane.Lines().Count(), 3);
  EXPECT_EQ(f.pane.SelStart(), 2);
  EXPECT_EQ(f.pane.SelText(), "\r\n");
  EXPECT_EQ(f.pane.CharColor(0), f.pane.Font().color);
}

TEST(RichEditSx, FindNeverStartsOnATrailByte) {
  TRichEditSx pane;
  pane.SetText("\x81\x5b[");  // "ー" is 81 5B: its trail byte is '['
  EXPECT_EQ(pane.FindText("[", 0, -1, true), 2);
  pane.SetText("\x83\x41" "a");  // "ア" is 83 41: its trail byte is 'A'
  EXPECT_EQ(pane.FindText("A", 0, -1, false), 2);
  EXPECT_EQ(pane.FindText("A", 0, -1, true), -1);
  // A double-byte pattern is not case-folded inside its characters.
  pane.SetText("\x83\x61");
  EXPECT_EQ(pane.FindText("\x83\x41", 0, -1, false), -1);
  pane.SetText(S("＝＝あ＝"));  // 81 81 81 81 ...: trail bytes that look like lead bytes
  EXPECT_EQ(pane.FindText("\x81\x81", 1, -1, true), 2);
  EXPECT_EQ(pane.FindText("\x81\x81\x81", 0, -1, true), -1);  // would end inside a character
  EXPECT_EQ(pane.FindText("\x81\x81\x81", 0, -1, false), -1);
}

TEST(RichEditSx, FindIsLinearInALongRunOfLeadRangeBytes) {
  // "も" is 82 E0: both bytes could be lead bytes, so every trail byte
  // followed by a lead byte looks like the start of E0 82.
  std::string line;
  for (int i = 0; i < 80000; ++i) line += "\x82\xE0";
  TRichEditSx pane;
  pane.SetText(line + "\xE0\x82");
  for (bool matchCase : {true, false}) {
    EXPECT_EQ(pane.FindText("\xE0\x82", 0, -1, matchCase), 160000) << matchCase;
    EXPECT_EQ(pane.FindText("\xE0\x82", 1, 159999, matchCase), -1) << matchCase;
    EXPECT_EQ(pane.FindText("\x82\xE0", 3, -1, matchCase), 4) << matchCase;  // from inside a character
  }
}

TEST(RichEditSx, FindSearchesARangeWithOrWithoutCase) {
  TRichEditSx pane;
  pane.SetText("abc ABC abc");
  EXPECT_EQ(pane.FindText("ABC", 0, -1, true), 4);
  EXPECT_EQ(pane.FindText("ABC", 0, -1, false), 0);
  EXPECT_EQ(pane.FindText("abc", 1, -1, true), 8);
  EXPECT_EQ(pane.FindText("abc", 1, 9, true), -1);  // the hit must end inside the range
  EXPECT_EQ(pane.FindText("abc", 1, 10, true), 8);
  EXPECT_EQ(pane.FindText("", 0, -1, true), -1);
  EXPECT_EQ(pane.FindText("abc", 50, -1, true), -1);
}

TEST(RichEditSx, CaretAndCountProperties) {
  TRichEditSx pane;
  pane.SetText("ab\r\ncd\r\nef");
  pane.SetSelStart(5);
  EXPECT_EQ(pane.SelY(), 1);
  EXPECT_EQ(pane.SelLineIndex(), 4);
  EXPECT_EQ(pane.SelX(), 1);
  EXPECT_EQ(pane.SelNextLineIndex(), 8);
  pane.SetSelStart(9);
  EXPECT_EQ(pane.SelNextLineIndex(), -1);

  // Two full-width characters across a line break.
  pane.SetText(S("あ\r\nい"));
  pane.SelectAll();
  EXPECT_EQ(pane.SelTextWideCount(), 2);
  EXPECT_EQ(pane.SelTextCount(), 4);
  EXPECT_EQ(pane.SelTextDelCRLF(), S("あい"));
}

TEST(RichEditSx, MaxLengthRefusesLongerText) {
  TRichEditSx pane;
  pane.SetMaxLength(5);
  pane.SetText("12345");
  EXPECT_THROW(pane.SetText("123456"), MaxLengthError);
  EXPECT_EQ(pane.Text(), "12345");
  pane.SetSelStart(5);
  EXPECT_THROW(pane.SetSelText("x"), MaxLengthError);
  pane.Select(0, 1);
  pane.SetSelText("y");  // same length: fine
  EXPECT_EQ(pane.Text(), "y2345");
  pane.SetSelStart(5);
  pane.CharInput(u"z");
  pane.KeyDown(13, false, false);
  FakeClipboard cb;
  cb.SetText(u"paste");
  pane.PasteFromClipboard(cb);
  EXPECT_EQ(pane.Text(), "y2345");
  EXPECT_THROW(pane.Lines().Add("more"), MaxLengthError);
  EXPECT_THROW(pane.ReplaceAllText("too long", 0, 0), MaxLengthError);
  EXPECT_EQ(pane.Text(), "y2345");
}

TEST(RichEditSx, ClipboardCopyCutAndPaste) {
  TRichEditSx pane;
  FakeClipboard cb;
  pane.SetText(S("あいう"));
  pane.Select(2, 2);
  pane.CopyToClipboard(cb);
  EXPECT_EQ(cb.content, u"い");
  pane.CutToClipboard(cb);
  EXPECT_EQ(pane.Text(), S("あう"));
  cb.SetText(u"x\ny\rz");  // line breaks come in as CR LF
  pane.PasteFromClipboard(cb);
  EXPECT_EQ(pane.Text(), S("あ") + "x\r\ny\r\nz" + S("う"));
  EXPECT_EQ(pane.SelStart(), 9);
  FakeClipboard empty;
  pane.PasteFromClipboard(empty);
  EXPECT_EQ(pane.Text(), S("あ") + "x\r\ny\r\nz" + S("う"));
}

TEST(RichEditSx, TextNextToAStrayLeadByteNeverPairsWithIt) {
  TRichEditSx pane;
  FakeClipboard cb;
  // Typed after a lead byte that ends the file: the stray byte becomes "?"
  // rather than the first half of a wrong character.
  pane.SetText("ab\x82");
  pane.SetSelStart(3);
  pane.CharInput(u"あ");
  EXPECT_EQ(pane.Text(), "ab?" + S("あ"));
  // Pasted before a line break that follows a stray lead byte.
  pane.SetText("\x82\r\nz");
  pane.SetSelStart(1);
  cb.SetText(u"い");
  pane.PasteFromClipboard(cb);
  EXPECT_EQ(pane.Text(), "?" + S("い") + "\r\nz");
  // A deleted line break would bring the next line's byte up to it.
  pane.SetText("\x82\r\nz");
  pane.Select(1, 2);
  pane.Clear();
  EXPECT_EQ(pane.Text(), "?z");
  // An inserted text that ends with a lone lead byte keeps off the text after it.
  pane.SetText("ab");
  pane.SetSelStart(1);
  pane.SetSelText("\x82");
  EXPECT_EQ(pane.Text(), "a?b");
  // Where nothing could pair, the bytes stay as they are.
  pane.SetText("\x82");
  pane.SetSelStart(0);
  pane.CharInput(u"a");
  EXPECT_EQ(pane.Text(), "a\x82");
  pane.SetSelStart(2);
  pane.KeyDown(13, false, false);  // Enter after it: a line break pairs with nothing
  EXPECT_EQ(pane.Text(), "a\x82\r\n");
  pane.SetText(S("あ"));
  pane.SetSelStart(2);
  pane.CharInput(u"い");
  EXPECT_EQ(pane.Text(), S("あい"));
}

TEST(RichEditSx, PasteOfCharactersCp932CannotStoreAsksFirst) {
  TRichEditSx pane;
  FakeClipboard cb;
  cb.SetText(u"a한b");
  pane.PasteFromClipboard(cb);  // nobody to ask: refused
  EXPECT_EQ(pane.Text(), "");

  std::u16string asked;
  pane.ConfirmLoss = [&](const std::u16string& lost) {
    asked = lost;
    return false;
  };
  pane.PasteFromClipboard(cb);
  EXPECT_EQ(asked, u"한");
  EXPECT_EQ(pane.Text(), "");

  pane.ConfirmLoss = [](const std::u16string&) { return true; };
  pane.PasteFromClipboard(cb);
  EXPECT_EQ(pane.Text(), "a?b");

  // Text that converts fully never asks.
  int asks = 0;
  pane.ConfirmLoss = [&](const std::u16string&) { return ++asks, false; };
  cb.SetText(u"歌");
  pane.PasteFromClipboard(cb);
  EXPECT_EQ(asks, 0);
  EXPECT_EQ(pane.Text(), "a?b" + S("歌"));
}

class RichEditFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("hanaroku-pane-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::string Path(const char* name) const { return (dir_ / name).string(); }
  std::filesystem::path dir_;
};

TEST_F(RichEditFiles, ArbitraryBytesRoundTrip) {
  std::string bytes;
  for (int i = 0; i < 256; ++i) bytes.push_back(static_cast<char>(i));
  bytes += "\r\rlone\nLF\x81\r\n\x82";  // lone CR and LF, a lead byte before CR, a lead byte at the end
  {
    std::ofstream out(Path("in.txt"), std::ios::binary);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  TRichEditSx pane;
  pane.SetText("old");
  pane.Lines().LoadFromFile(Path("in.txt"), SystemFileSystem());
  EXPECT_EQ(pane.Text(), bytes);
  EXPECT_FALSE(pane.Modified());
  EXPECT_EQ(pane.SelStart(), 0);
  pane.Lines().SaveToFile(Path("out.txt"), SystemFileSystem());
  EXPECT_EQ(SystemFileSystem().ReadFile(Path("out.txt")), bytes);

  // Every position of such a text snaps to a caret stop.
  for (int p = 0; p <= pane.TextLength(); ++p) {
    pane.SetSelStart(p);
    const int s = pane.SelStart();
    EXPECT_LE(s, p);
    EXPECT_GE(s, p - 1);
  }
}

TEST_F(RichEditFiles, FailedLoadsLeaveThePaneAlone) {
  TRichEditSx pane;
  pane.SetText("keep");
  EXPECT_THROW(pane.Lines().LoadFromFile(Path("missing.txt"), SystemFileSystem()), FileError);
  EXPECT_EQ(pane.Text(), "keep");
  SystemFileSystem().WriteFileAtomic(Path("big.txt"), "123456");
  pane.SetMaxLength(5);
  EXPECT_THROW(pane.Lines().LoadFromFile(Path("big.txt"), SystemFileSystem()), MaxLengthError);
  EXPECT_EQ(pane.Text(), "keep");
}

TEST(RichEditSx, ColoursFollowEdits) {
  TRichEditSx pane;
  const TColor red = 0x0000FF, blue = 0xFF0000;
  pane.SetFontColor(0x111111);
  pane.SetText("abcdef");
  pane.Select(1, 2);
  pane.SetSelColor(red);
  EXPECT_EQ(pane.CharColor(0), 0x111111u);
  EXPECT_EQ(pane.CharColor(1), red);
  EXPECT_EQ(pane.CharColor(2), red);
  EXPECT_EQ(pane.CharColor(3), 0x111111u);

  pane.SetSelStart(3);  // after the red "c": typed text takes red
  pane.CharInput(u"X");
  EXPECT_EQ(pane.Text(), "abcXdef");
  EXPECT_EQ(pane.CharColor(3), red);
  pane.SetSelStart(1);  // after the uncoloured "a"
  pane.CharInput(u"Y");
  EXPECT_EQ(pane.CharColor(1), 0x111111u);
  EXPECT_EQ(pane.CharColor(2), red);  // "b" moved right with its colour

  pane.Select(0, 2);  // delete "aY": the red run moves left
  pane.Clear();
  EXPECT_EQ(pane.Text(), "bcXdef");
  EXPECT_EQ(pane.CharColor(0), red);
  EXPECT_EQ(pane.CharColor(2), red);
  EXPECT_EQ(pane.CharColor(3), 0x111111u);

  // An empty selection's colour is the colour of the text typed there.
  pane.SetSelStart(6);
  pane.SetSelColor(blue);
  pane.CharInput(u"Z");
  EXPECT_EQ(pane.CharColor(6), blue);
  // Replacing a selection: the new text takes the colour of its first character.
  pane.Select(1, 3);
  pane.SetSelText("QQ");
  EXPECT_EQ(pane.CharColor(1), red);
  EXPECT_EQ(pane.CharColor(2), red);

  // The font colour changes uncoloured text only; ResetColors drops the rest.
  pane.SetFontColor(0x222222);
  EXPECT_EQ(pane.CharColor(3), 0x222222u);
  EXPECT_EQ(pane.CharColor(0), red);
  pane.ResetColors();
  EXPECT_EQ(pane.CharColor(0), 0x222222u);
  EXPECT_TRUE(pane.Colors().Runs().empty());
}

TEST(RichEditSx, InsertionColourIsDroppedWhenTheCaretMoves) {
  TRichEditSx pane;
  pane.SetText("ab");
  pane.SetSelStart(2);
  pane.SetSelColor(0x00FF00);
  pane.SetSelStart(0);
  pane.SetSelStart(2);
  pane.CharInput(u"c");
  EXPECT_EQ(pane.CharColor(2), pane.Font().color);
  pane.SetSelColor(0x00FF00);
  pane.SetText("new text");  // replaced text has no colours
  EXPECT_TRUE(pane.Colors().Runs().empty());
}

TEST(RichEditSx, VerticalAndImeColours) {
  TRichEditSx pane;
  EXPECT_EQ(pane.ImeColors()[0].text, 0xFF0000u);
  EXPECT_EQ(pane.ImeColors()[0].background, 0xFFFFFFu);
  EXPECT_EQ(pane.ImeColors()[0].effect, 0x400u);
  EXPECT_EQ(pane.ImeColors()[1].background, 0x800000u);
  EXPECT_EQ(pane.ImeColors()[2].effect, 4u);
  EXPECT_EQ(pane.ImeColors()[3].background, 0xFFFF00u);

  const ImeColor custom[4] = {{1, 2, 0}, {3, 4, 0}, {5, 6, 4}, {7, 8, 4}};
  pane.SetImeColors(custom);
  EXPECT_EQ(pane.ImeColors()[3].background, 8u);

  int events = 0;
  pane.OnVerticalChange = [&] { ++events; };
  pane.SetVertical(true);
  EXPECT_TRUE(pane.Vertical());
  EXPECT_TRUE(pane.Layout().Vertical());
  EXPECT_EQ(events, 1);
  EXPECT_EQ(pane.ImeColors()[3].background, 0xFFFF00u);  // the control's own entries again
  pane.SetVertical(true);
  EXPECT_EQ(events, 1);

  pane.SetImeColors(custom);
  pane.SetSelectionBar(true);
  EXPECT_TRUE(pane.SelectionBar());
  EXPECT_EQ(pane.ImeColors()[0].text, 0xFF0000u);
  pane.SetImeColors(custom);
  pane.SetWordWrap(false);
  EXPECT_EQ(pane.ImeColors()[0].text, 0xFF0000u);
}

TEST(RichEditSx, SwitchingWordWrapKeepsSelectionAndFirstVisibleLine) {
  PaneFixture f(5, 4);
  std::string text;
  for (int i = 0; i < 30; ++i) text += S("あいうえおかきくけこ") + "\r\n";
  f.pane.SetText(text);
  f.pane.Select(44, 6);
  f.pane.SetSelTopIndex(7);
  ASSERT_EQ(f.pane.SelTopIndex(), 7);
  int events = 0;
  f.pane.OnWrapChange = [&] { ++events; };
  f.pane.SetWordWrap(false);
  EXPECT_FALSE(f.pane.WordWrap());
  EXPECT_EQ(f.pane.SelStart(), 44);
  EXPECT_EQ(f.pane.SelLength(), 6);
  EXPECT_EQ(f.pane.SelTopIndex(), 7);
  EXPECT_EQ(events, 1);
  f.pane.SetWordWrap(true);
  EXPECT_EQ(f.pane.SelStart(), 44);
  EXPECT_EQ(f.pane.SelTopIndex(), 7);
  EXPECT_EQ(events, 2);
  f.pane.SetWordWrap(true);
  EXPECT_EQ(events, 2);
}

TEST(RichEditSx, TopIndexScrollsAndIsClamped) {
  PaneFixture f(10, 3);
  CountingView view;
  f.pane.SetView(&view);
  f.pane.SetText("1\r\n2\r\n3\r\n4\r\n5\r\n6");
  f.pane.SetSelTopIndex(2);
  EXPECT_EQ(f.pane.SelTopIndex(), 2);
  EXPECT_GT(view.layoutChanges, 0);
  f.pane.SetSelTopIndex(99);
  EXPECT_EQ(f.pane.SelTopIndex(), 5);
  f.pane.SetSelTopIndex(-3);
  EXPECT_EQ(f.pane.SelTopIndex(), 0);
  // Setting the length scrolls the caret into view; the start alone does not.
  f.pane.SetSelStart(15);
  EXPECT_EQ(f.pane.SelTopIndex(), 0);
  f.pane.SetSelLength(0);
  EXPECT_GT(f.pane.SelTopIndex(), 0);
  EXPECT_LE(f.pane.SelTopIndex(), 5);
}

TEST(RichEditSx, ViewIsToldOfChanges) {
  PaneFixture f;
  CountingView view;
  f.pane.SetView(&view);
  f.pane.SetText("abc");
  EXPECT_GT(view.invalidates, 0);
  view = CountingView();
  f.pane.SetSelStart(1);
  EXPECT_GT(view.caretMoves, 0);
  int selectionChanges = 0;
  f.pane.OnSelectionChange = [&] { ++selectionChanges; };
  f.pane.SetSelStart(1);
  EXPECT_EQ(selectionChanges, 0);
  f.pane.SetSelStart(2);
  EXPECT_EQ(selectionChanges, 1);
  f.pane.SetView(nullptr);
  f.pane.SetText("no view");  // no view attached: fine
}

}  // namespace
}  // namespace hanaroku
