#include "controls/PaneEditAccess.h"

#include <gtest/gtest.h>

#include <iterator>
#include <random>
#include <string>

#include "RichEditTestSupport.h"
#include "controls/Utf16Positions.h"

namespace hanaroku {
namespace {

using testing::FakeClipboard;
using testing::PaneFixture;
using testing::S;

// ---- positions --------------------------------------------------------------

std::string RandomBytes(std::mt19937& rng, std::size_t n) {
  // Mostly Shift-JIS, with stray lead bytes, lone trail bytes and breaks.
  static const std::string pieces[] = {"a", "\r\n", "\x82\xa0", "\x88\x9f", "\x81", "\x82 ", "\xa0", "\xfd",
                                       "\x80", "\xb1", "\xe0\x40", "\x82\r\n", "\xff\xff", "\x81\x7f"};
  std::uniform_int_distribution<std::size_t> pick(0, std::size(pieces) - 1);
  std::string s;
  while (s.size() < n) s += pieces[pick(rng)];
  return s;
}

TEST(Utf16Positions, AgreeWithTheConverterOnAnyBytes) {
  std::mt19937 rng(932);
  for (std::size_t size : {0u, 1u, 7u, 600u, 3000u}) {
    SCOPED_TRACE(size);
    const std::string text = RandomBytes(rng, size);
    Utf16Positions map;
    map.Reset(text);
    EXPECT_EQ(map.Units(), enc::SjisToUtf16(text).size());
    std::size_t units = 0;
    for (std::size_t p = 0; p < text.size(); p += Utf16PieceLen(text, p), ++units) {
      ASSERT_EQ(map.ToUnits(text, p), units) << p;
      ASSERT_EQ(map.ToBytes(text, units), p) << units;
      if (Utf16PieceLen(text, p) == 2) {
        ASSERT_EQ(map.ToUnits(text, p + 1), units);  // inside: its start
      }
      if (units % 97 == 0) {
        ASSERT_EQ(enc::SjisToUtf16(text.substr(0, p)).size(), units);
      }
    }
    EXPECT_EQ(map.ToUnits(text, text.size()), units);
    EXPECT_EQ(map.ToUnits(text, text.size() + 5), units);
    EXPECT_EQ(map.ToBytes(text, units + 5), text.size());
  }
}

// ---- the edit messages on a pane ----------------------------------------------

class PaneEditAccessTest : public ::testing::Test {
 protected:
  PaneFixture f{20, 10};
  TRichEditSx& pane = f.pane;
  PaneEditAccess edit{f.pane};
};

TEST_F(PaneEditAccessTest, PositionsCountCharactersAndLineBreaksTwo) {
  pane.SetText(S("秋の田の\r\nかりほの庵の"));
  EXPECT_EQ(edit.GetTextLength(), 12u);
  EXPECT_EQ(edit.GetText(), u"秋の田の\r\nかりほの庵の");
  edit.SetSel(6, 10);
  EXPECT_EQ(pane.SelText(), S("かりほの"));
  EXPECT_EQ(pane.SelStart(), 10);  // bytes
  EXPECT_EQ(edit.GetSel().start, 6u);
  EXPECT_EQ(edit.GetSel().end, 10u);
  // After an edit made through the pane itself the positions follow it.
  pane.Select(0, 0);
  pane.SetSelText(S("一　"));
  EXPECT_EQ(edit.GetTextLength(), 14u);
  edit.SetSel(8, 8);
  EXPECT_EQ(pane.SelStart(), 14);
  EXPECT_EQ(edit.LineFromChar(-1), 1);
}

TEST_F(PaneEditAccessTest, SelectionEndsOutsideTheTextOrReversed) {
  pane.SetText(S("花の色は"));
  edit.SetSel(3, 1);
  EXPECT_EQ(edit.GetSel().start, 1u);
  EXPECT_EQ(edit.GetSel().end, 3u);
  edit.SetSel(2, 99);
  EXPECT_EQ(edit.GetSel().end, 4u);
  edit.SetSel(0, -1);
  EXPECT_EQ(pane.SelLength(), 8);
  edit.SetSel(-1, 2);  // deselect: the caret stays at the selection's end
  EXPECT_EQ(edit.GetSel().start, 4u);
  EXPECT_EQ(edit.GetSel().end, 4u);
  edit.SetSel(-7, 1);  // other negative values stand for the end
  EXPECT_EQ(edit.GetSel().start, 1u);
  EXPECT_EQ(edit.GetSel().end, 4u);
}

TEST_F(PaneEditAccessTest, LinesAsDisplayedWithTheEmptyLastLine) {
  pane.SetText(S("あいうえおかきくけこさしすせそたちつてと") + S("なに\r\nab\r\n"));
  // 20 cells a line: the first logical line wraps after と.
  EXPECT_EQ(edit.LineCount(), 4);
  EXPECT_EQ(edit.LineIndex(1), 20);
  EXPECT_EQ(edit.LineIndex(2), 24);
  EXPECT_EQ(edit.LineIndex(3), 28);
  EXPECT_EQ(edit.LineIndex(4), -1);
  EXPECT_EQ(edit.GetLine(1), u"なに");
  EXPECT_EQ(edit.GetLine(2), u"ab");
  EXPECT_EQ(edit.GetLine(3), u"");
  EXPECT_EQ(edit.GetLine(9), u"");
  EXPECT_EQ(edit.LineLength(0), 20u);
  EXPECT_EQ(edit.LineLength(25), 2u);
  EXPECT_EQ(edit.LineLength(28), 0u);
  EXPECT_EQ(edit.LineLength(29), 0u);  // beyond the text
  EXPECT_EQ(edit.LineFromChar(21), 1);
  EXPECT_EQ(edit.LineFromChar(999), 3);
  // -1: the unselected characters on the lines the selection touches.
  edit.SetSel(3, 21);
  EXPECT_EQ(edit.LineLength(-1), 3u + 1u);
  EXPECT_EQ(edit.LineIndex(-1), 20);  // the caret's line
  PaneFixture empty;
  PaneEditAccess none(empty.pane);
  EXPECT_EQ(none.LineCount(), 1);
  EXPECT_EQ(none.LineIndex(0), 0);
  EXPECT_EQ(none.GetTextLength(), 0u);
}

TEST_F(PaneEditAccessTest, SetTextAndReplaceSelGoThroughThePasteChecks) {
  pane.SetText(S("もとの文"));
  std::u16string asked;
  pane.ConfirmLoss = [&](const std::u16string& lost) {
    asked = lost;
    return false;
  };
  EXPECT_FALSE(edit.SetText(u"𠮷野"));
  EXPECT_EQ(asked, u"𠮷");
  EXPECT_EQ(pane.Text(), S("もとの文"));
  edit.SetSel(0, 2);
  EXPECT_FALSE(edit.ReplaceSel(u"😀", true));
  EXPECT_EQ(pane.Text(), S("もとの文"));
  // Lone line feeds become CR LF as in a paste; a NUL ends the text.
  EXPECT_TRUE(edit.SetText(std::u16string(u"上\n下\0後", 5)));
  EXPECT_EQ(pane.Text(), S("上\r\n下"));
  pane.SetMaxLength(4);
  EXPECT_FALSE(edit.SetText(u"あいうえ"));
  EXPECT_EQ(pane.Text(), S("上\r\n下"));
  pane.SetMaxLength(0);
  // The text before a replacement made with canUndo comes back.
  edit.SetSel(0, 1);
  EXPECT_TRUE(edit.ReplaceSel(u"天", true));
  EXPECT_EQ(pane.Text(), S("天\r\n下"));
  pane.Undo();
  EXPECT_EQ(pane.Text(), S("上\r\n下"));
  edit.SetSel(0, 1);
  EXPECT_TRUE(edit.ReplaceSel(u"", false));  // an empty text deletes the selection
  EXPECT_EQ(pane.Text(), S("\r\n下"));
}

TEST_F(PaneEditAccessTest, ReadOnlyRefusesTheUsersEdits) {
  pane.SetText(S("あいう"));
  pane.SetReadOnly(true);
  FakeClipboard cb;
  cb.SetText(u"X");
  pane.Select(0, 2);
  pane.CharInput(u"k");
  pane.KeyDown(46, false, false);  // Delete
  pane.KeyDown(8, false, false);   // Backspace
  pane.KeyDown(13, false, false);  // Enter
  pane.ImeResult(u"か");
  pane.PasteFromClipboard(cb);
  EXPECT_EQ(pane.Text(), S("あいう"));
  pane.CutToClipboard(cb);  // copies, removes nothing
  EXPECT_EQ(cb.content, u"あ");
  EXPECT_EQ(pane.Text(), S("あいう"));
  pane.KeyDown(39, false, false);  // moving the caret still works
  EXPECT_EQ(pane.SelStart(), 2);
  EXPECT_TRUE(edit.ReplaceSel(u"ん", false));  // the program still may
  EXPECT_EQ(pane.Text(), S("あんいう"));
  pane.SetReadOnly(false);
  pane.CharInput(u"k");
  EXPECT_EQ(pane.Text(), S("あんkいう"));
}

}  // namespace
}  // namespace hanaroku
