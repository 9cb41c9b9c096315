// String colouring: the colour runs of the popup items, the colour buttons
// and "彩", the colour-string bar's boxes, and how long colours last.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "app/MainFormFixture.h"
#include "controls/RichEditColors.h"

namespace hanaroku {
namespace {

using namespace testing;

class Coloring : public MainForm {
 protected:
  TStringColoring& c() { return form.Coloring(); }
  TRichEditSx& right() { return form.RichEditNx1; }
  TRichEditSx& left() { return form.RichEditNx2; }
  void SetEdit2(const std::string& text) { form.BarControls.SetText("Edit2", text); }
  const std::string& Edit(const char* box) { return form.BarControls.Text(box); }
  const std::string& Hint(const char* box) { return form.BarControls.State(box).hint; }
  const std::string& Panel(int i) { return form.StatusBar1.Panels[static_cast<std::size_t>(i)].text; }
  // Byte positions whose colour is `color`.
  static std::vector<int> ColoredAt(const TRichEditSx& pane, TColor color) {
    std::vector<int> at;
    for (int i = 0; i < pane.TextLength(); ++i)
      if (pane.CharColor(i) == color) at.push_back(i);
    return at;
  }
};

TEST_F(Coloring, ColoursEveryOccurrenceAndLeavesTheCaretAtTheEnd) {
  right().SetText(S("花の色は\r\n花の香\r\n花"));
  SetEdit2("花");
  form.Execute(Command::N24Click);
  EXPECT_EQ(ColoredAt(right(), 0x2548C2), (std::vector<int>{0, 1, 10, 11, 18, 19}));
  EXPECT_EQ(Panel(2), "3文字列");
  EXPECT_EQ(Panel(1).size(), 12u);  // "00:00:00:000"
  EXPECT_EQ(c().LastColorCount, 3);
  EXPECT_EQ(right().SelStart(), right().TextLength());
  EXPECT_EQ(right().SelLength(), 0);
  EXPECT_EQ(host.focused.back(), PaneId::Right);
  // Typed at the end: the pane's font colour.
  right().CharInput(u"散");
  EXPECT_EQ(right().CharColor(right().TextLength() - 2), right().Font().color);
  // Another colour recolours the same occurrences; other colours stay.
  SetEdit2("香");
  form.Execute(Command::N35Click);
  EXPECT_EQ(right().CharColor(14), 0xB7ABA8u);
  EXPECT_EQ(right().CharColor(10), 0x2548C2u);
}

TEST_F(Coloring, TheColourButtonsColourTheLeftPane) {
  left().SetText(S("露と露"));
  SetEdit2("露");
  form.ControlClicked(BarControl("SCButton3"));  // the button on the colour-string bar
  EXPECT_EQ(ColoredAt(left(), StringColor(2)), (std::vector<int>{0, 1, 4, 5}));
  EXPECT_EQ(StringColor(2), 0x1BC8D6u);
  EXPECT_EQ(DefOf(BarControl("SCButton3")).face, 0x43DAE7u);  // its face differs from its colour
  EXPECT_EQ(DefOf(BarControl("SCButton4")).face, StringColor(3));
  EXPECT_TRUE(ColoredAt(right(), StringColor(2)).empty());
  EXPECT_EQ(Panel(2), "2文字列");
}

TEST_F(Coloring, ASelectedOccurrenceIsCountedOnce) {
  right().SetText(S("雪と雪と雪"));
  right().Select(4, 2);
  SetEdit2("雪");
  form.Execute(Command::N25Click);
  EXPECT_EQ(c().HitCount, 3);
  EXPECT_EQ(ColoredAt(right(), 0xFFA2A2).size(), 6u);
}

TEST_F(Coloring, OverlappingOccurrencesAreColouredOnce) {
  right().SetText(S("あああ"));
  SetEdit2("ああ");
  form.Execute(Command::N26Click);
  EXPECT_EQ(ColoredAt(right(), 0x1BC8D6), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(Panel(2), "1文字列");
}

TEST_F(Coloring, RunsAreCaseSensitiveAndWholeCharacters) {
  right().SetText(S("moon MOON アA"));
  SetEdit2("MOON");
  form.Execute(Command::N27Click);
  EXPECT_EQ(ColoredAt(right(), 0x376F3F), (std::vector<int>{5, 6, 7, 8}));
  SetEdit2("A");  // also the trail byte of "ア"
  form.Execute(Command::N27Click);
  EXPECT_EQ(c().HitCount, 1);
  EXPECT_EQ(right().CharColor(11), right().Font().color);
}

TEST_F(Coloring, NothingFoundShowsZero) {
  right().SetText(S("月"));
  SetEdit2("星");
  form.Execute(Command::N28Click);
  EXPECT_EQ(Panel(2), "0文字列");
  EXPECT_EQ(right().SelStart(), 2);
  // An empty pane counts 0, not the count of the run before.
  SetEdit2("月");
  form.Execute(Command::N28Click);
  EXPECT_EQ(Panel(2), "1文字列");
  right().ClearAll();
  form.Execute(Command::N28Click);
  EXPECT_EQ(Panel(2), "0文字列");
}

TEST_F(Coloring, ARunIsTimedWithoutTheHourglassAndGivesTheRedrawingBack) {
  for (TRichEditSx* pane : {&right(), &left()}) pane->SetText(S("月と月"));
  SetEdit2("月");
  form.Execute(Command::N24Click);
  form.Execute(Command::SCButton2Click);
  form.Execute(Command::NNButton2Click);
  EXPECT_TRUE(host.hourglass.empty());
  EXPECT_FALSE(form.StopWatch1.Running());
  EXPECT_EQ(Panel(1), form.StopWatch1.ElapsedText());
  EXPECT_FALSE(right().Lines().Updating());
  EXPECT_FALSE(left().Lines().Updating());
}

TEST_F(Coloring, AnEmptyColourStringDoesNothing) {
  right().SetText(S("月"));
  form.Execute(Command::N29Click);
  form.Execute(Command::SCButton1Click);
  EXPECT_EQ(Panel(2), "Count");
  EXPECT_EQ(Panel(1), "milli & count");
  // "彩" has no such test: it shows 0.
  form.Execute(Command::NNButton2Click);
  EXPECT_EQ(Panel(2), "0文字列");
  EXPECT_EQ(c().StepCounter, 1);
}

TEST_F(Coloring, TheStepButtonWalksItsTenColours) {
  left().SetText(S("霞"));
  SetEdit2("霞");
  const TColor expected[] = {0x0000FF, 0xFF8080, 0x00FF00, 0x00FFFF, 0xFFFF00, 0x008000,
                             0xFF00FF, 0x008080, 0x000080, 0x800000, 0x0000FF};
  for (TColor color : expected) {
    form.Execute(Command::NNButton2Click);
    EXPECT_EQ(left().CharColor(0), color) << c().StepCounter;
  }
  EXPECT_EQ(c().StepCounter, 11);
}

TEST_F(Coloring, ColoursLastUntilUndoRedoOrANewFontAndAreNeverSaved) {
  right().SetClientSize(200, 200);
  right().SetText(S("波の音\r\n波"));
  SetEdit2("波");
  form.Execute(Command::N30Click);
  right().SetSelTopIndex(1);
  form.Execute(Command::WordWrapClick);
  EXPECT_EQ(ColoredAt(right(), 0xB59159).size(), 4u);
  form.RightFileName = "C:\\歌.txt";
  form.Execute(Command::Save1Click);
  EXPECT_EQ(fs.files["C:\\歌.txt"], S("波の音\r\n波"));
  // Undo restores plain text.
  host.focus = FocusOwner::RightPane;
  right().KeyDown('A', false, false);
  right().CharInput(u"a");
  right().KeyDown(13, false, false);
  form.Execute(Command::Undo1Click);
  EXPECT_TRUE(right().Colors().Runs().empty());
  // A new font drops them as well.
  form.Execute(Command::N30Click);
  EXPECT_FALSE(right().Colors().Runs().empty());
  dialogs.fontChosen = true;
  form.Execute(Command::Font1Click);
  EXPECT_TRUE(right().Colors().Runs().empty());
}

TEST_F(Coloring, TheBoxesOfTheBarTakeTextAndShowIt) {
  left().SetText(S("吉野の山"));
  left().Select(0, 4);
  form.Execute(Command::NNButton5Click);
  EXPECT_EQ(Edit("Edit2"), "吉野");
  EXPECT_EQ(Hint("Edit2"), "吉野");
  right().SetText(S("山桜"));
  right().Select(2, 2);
  form.Execute(Command::NNButton8Click);  // also the popup's N13
  EXPECT_EQ(Edit("Edit2"), "桜");
  right().SetSelLength(0);
  form.Execute(Command::NNButton8Click);
  EXPECT_EQ(Edit("Edit2"), "");
  host.clipboard.SetText(u"白雲\r\n二行目");
  form.Execute(Command::NNButton4Click);
  EXPECT_EQ(Edit("Edit2"), "白雲");
  EXPECT_EQ(Hint("Edit2"), "白雲");
}

TEST_F(Coloring, WritingAResultShowsTheCountAndHandsItToTheGrid) {
  right().SetText(S("鳥と鳥"));
  SetEdit2("鳥 の");
  form.Execute(Command::NNButton3Click);  // no grid window: only the count box
  EXPECT_EQ(Edit("Edit3"), "000000");
  SetEdit2("鳥");
  form.Execute(Command::N31Click);
  std::vector<std::string> row;
  c().RecordResult = [&](const std::string& s, const std::string& n, const std::string& t) { row = {s, n, t}; };
  form.Execute(Command::NNButton3Click);
  EXPECT_EQ(Edit("Edit3"), "000002");
  EXPECT_EQ(Hint("Edit3"), "000002");
  ASSERT_EQ(row.size(), 3u);
  EXPECT_EQ(row[0], "鳥");
  EXPECT_EQ(row[1], "000002");
  EXPECT_EQ(row[2], form.StopWatch1.ElapsedText());
}

TEST(ColorRuns, SetEachGivesWhatSettingEachSpanGives) {
  std::mt19937 rng(3);
  for (int round = 0; round < 500; ++round) {
    const std::size_t length = 1 + rng() % 40;
    ColorRuns one, each;
    one.Reset(length);
    for (int k = static_cast<int>(rng() % 4); k > 0; --k) {
      const std::size_t a = rng() % length, b = a + rng() % 6;
      const TColor c = rng() % 3 == 0 ? ColorRuns::kDefault : rng() % 3;
      one.Set(a, b, c);
    }
    each = one;
    const std::size_t span = 1 + rng() % 4;
    std::vector<std::size_t> starts;
    for (std::size_t p = rng() % 5; p < length + 3; p += span + rng() % 5) starts.push_back(p);
    const TColor color = rng() % 4 == 0 ? ColorRuns::kDefault : 1 + rng() % 2;
    for (std::size_t s : starts) one.Set(s, s + span, color);
    each.SetEach(starts, span, color);
    ASSERT_EQ(each.Runs(), one.Runs()) << "round " << round;
  }
}

}  // namespace
}  // namespace hanaroku
