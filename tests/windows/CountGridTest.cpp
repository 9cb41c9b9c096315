// The count-grid window TForm2: its rows, open and save of tables, the close.
#include "windows/CountGrid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainFormFixture.h"
#include "platform/Encoding.h"
#include "windows/SecondaryWindows.h"

namespace hanaroku::testing {
namespace {

using Cells = std::vector<std::string>;

struct FakeGridView final : ICountGridView {
  int captions = 0;
  std::vector<EditBoxAction> actions;
  Size client{510, 230};  // 9 rows of 22 pixels below the header
  void CaptionChanged() override { ++captions; }
  void EditorAction(EditBoxAction a) override { actions.push_back(a); }
  Size GridClientSize() const override { return client; }
};

struct FakeGridHost final : ISecondaryWindowsHost {
  FakeGridView view;
  bool visible = true;
  int shown = 0;
  void CreateAboutBox(TAboutBox&) override {}
  void CreateCountGrid(TForm2& form) override { form.SetView(&view); }
  void ShowAboutBox() override {}
  void ShowCountGrid() override { ++shown; }
  bool CountGridVisible() const override { return visible; }
};

struct FakeCellEditor final : IGridEditor {
  std::string text;
  void ShowEditor(const Rect&, const std::string& sjis) override { text = sjis; }
  void HideEditor() override {}
  std::string EditorText() const override { return text; }
};

class CountGridTest : public MainForm {
 protected:
  FakeGridHost gridHost;
  void SetUp() override {
    MainForm::SetUp();
    form.Windows().SetHost(&gridHost);
  }
  TForm2& Open() {
    form.NNButton1Click();
    return *form.Windows().Form2();
  }
  void Record(const std::string& s, const std::string& count) {
    form.Windows().RecordResult(s, count, "00:00:01:250");
  }
};

TEST_F(CountGridTest, OpensWithTheHeaderRow) {
  TForm2& grid = Open();
  EXPECT_EQ(grid.LastGridRow, 0);
  EXPECT_EQ(grid.Caption, "count grid");
  EXPECT_EQ(grid.StrSortGrid1.Row(0), (Cells{enc::Utf8ToSjis("　"), enc::Utf8ToSjis("文字列"), enc::Utf8ToSjis("個数"),
                                            enc::Utf8ToSjis("ミリ秒"), enc::Utf8ToSjis("備考")}));
  EXPECT_EQ(grid.StrSortGrid1.FixedRows(), 1);
  EXPECT_EQ(grid.StrSortGrid1.FixedCols(), 1);
}

TEST_F(CountGridTest, OpeningTwiceKeepsTheFirstWindowAndItsRows) {
  TForm2& grid = Open();
  Record("花", "000002");
  form.NNButton1Click();
  EXPECT_EQ(form.Windows().Form2(), &grid);
  EXPECT_EQ(grid.LastGridRow, 1);
  EXPECT_EQ(gridHost.shown, 1);
}

TEST_F(CountGridTest, RecordsWriteNumberedRowsOnlyWhileTheWindowIsShown) {
  Record("none", "000001");  // no window: nothing, and no crash
  TForm2& grid = Open();
  Record("花", "000002");
  EXPECT_EQ(grid.StrSortGrid1.Row(1), (Cells{"000001", enc::Utf8ToSjis("花"), "000002", "00:00:01:250", ""}));
  gridHost.visible = false;
  Record("hidden", "000003");
  EXPECT_EQ(grid.LastGridRow, 1);
  gridHost.visible = true;
  // A colour string with a blank splits at it, as the comma text does.
  Record("a b", "000004");
  EXPECT_EQ(grid.StrSortGrid1.Row(2), (Cells{"000002", "a", "b", "000004", "00:00:01:250"}));
}

TEST_F(CountGridTest, ThreeRecordsSaveAsFourLines) {
  TForm2& grid = Open();
  Record("花", "000001");
  Record("月", "000002");
  Record("雪", "000003");
  grid.StrSortGrid1.SetRowCount(6);  // rows added by hand are not saved
  grid.StrSortGrid1.SetCell(1, 5, "by hand");
  dialogs.savePaths.push_back("C:\\t\\counts.csv");
  grid.ShineSpeedButton2Click();
  ASSERT_EQ(dialogs.specs.size(), 1u);
  EXPECT_EQ(dialogs.specs[0].filter, "Csv(*.csv)|*.csv|Text(*.txt)|*.txt");
  EXPECT_EQ(dialogs.specs[0].defaultExt, "Csv");
  const std::string saved = fs.files.at("C:\\t\\counts.csv");
  EXPECT_EQ(enc::SjisToUtf8(saved),
            "　,文字列,個数,ミリ秒,備考\r\n"  // the full-width blank is no byte of 32 or less
            "000001,花,000001,00:00:01:250,\r\n"
            "000002,月,000002,00:00:01:250,\r\n"
            "000003,雪,000003,00:00:01:250,\r\n");
  EXPECT_EQ(saved.find("by hand"), std::string::npos);
}

TEST_F(CountGridTest, ATenLineFileGivesTenRowsAndTheNextRecordIsRowTen) {
  std::string file;
  for (int i = 0; i < 10; ++i) file += "line" + std::to_string(i) + ",x\r\n";
  fs.files["C:\\t\\ten.csv"] = file;
  TForm2& grid = Open();
  Record("old", "000001");
  dialogs.openPaths.push_back("C:\\t\\ten.csv");
  grid.ShineSpeedButton1Click();
  EXPECT_EQ(grid.StrSortGrid1.RowCount(), 10);
  EXPECT_EQ(grid.StrSortGrid1.FixedRows(), 1);
  EXPECT_EQ(grid.StrSortGrid1.Cell(0, 9), "line9");
  EXPECT_EQ(grid.LastGridRow, 9);
  EXPECT_EQ(grid.GridFileName, "C:\\t\\ten.csv");
  EXPECT_EQ(grid.Caption, "C:\\t\\ten.csv");
  EXPECT_EQ(gridHost.view.captions, 1);
  Record("next", "000005");
  EXPECT_EQ(grid.LastGridRow, 10);
  EXPECT_EQ(grid.StrSortGrid1.RowCount(), 11);
  EXPECT_EQ(grid.StrSortGrid1.Cell(0, 10), "000010");
  // The new row was scrolled to the bottom of the grid.
  const int visible = grid.StrSortGrid1.VisibleRowCount(gridHost.view.client);
  EXPECT_EQ(grid.StrSortGrid1.TopRow(), 10 - visible + 1);
}

TEST_F(CountGridTest, CellsWithCommasAndBlanksSurviveSaveAndOpen) {
  TForm2& grid = Open();
  Record("x", "000001");
  grid.StrSortGrid1.SetCell(4, 1, "a, b \"c\"");
  dialogs.savePaths.push_back("C:\\t\\q.csv");
  grid.ShineSpeedButton2Click();
  grid.StrSortGrid1.SetCell(4, 1, "");
  dialogs.openPaths.push_back("C:\\t\\q.csv");
  grid.ShineSpeedButton1Click();
  EXPECT_EQ(grid.StrSortGrid1.Cell(4, 1), "a, b \"c\"");
  EXPECT_EQ(grid.StrSortGrid1.ColCount(), 5);
}

TEST_F(CountGridTest, OneLineAndEmptyFilesKeepAnEditableRow) {
  fs.files["C:\\t\\one.csv"] = "a,b,c";
  fs.files["C:\\t\\empty.csv"] = "";
  TForm2& grid = Open();
  dialogs.openPaths.push_back("C:\\t\\one.csv");
  grid.ShineSpeedButton1Click();
  EXPECT_EQ(grid.LastGridRow, 0);
  EXPECT_EQ(grid.StrSortGrid1.RowCount(), 2);
  EXPECT_EQ(grid.StrSortGrid1.Cell(1, 0), "b");
  Record("r", "000001");
  EXPECT_EQ(grid.StrSortGrid1.Cell(0, 1), "000001");

  dialogs.openPaths.push_back("C:\\t\\empty.csv");
  grid.ShineSpeedButton1Click();
  EXPECT_EQ(grid.LastGridRow, 0);
  EXPECT_EQ(grid.StrSortGrid1.RowCount(), 2);
  EXPECT_EQ(grid.TableBytes(), ",,,,\r\n");
}

TEST_F(CountGridTest, FailuresAreReportedAndCancelsDoNothing) {
  TForm2& grid = Open();
  Record("keep", "000001");
  dialogs.openPaths.push_back("");
  dialogs.savePaths.push_back("");
  grid.ShineSpeedButton1Click();
  grid.ShineSpeedButton2Click();
  EXPECT_TRUE(dialogs.messages.empty());

  dialogs.openPaths.push_back("C:\\t\\missing.csv");
  grid.ShineSpeedButton1Click();
  ASSERT_EQ(dialogs.messages.size(), 1u);
  EXPECT_NE(dialogs.messages[0].find("missing.csv"), std::string::npos);
  EXPECT_EQ(grid.LastGridRow, 1);  // the table is as it was
  EXPECT_EQ(grid.Caption, "count grid");

  fs.files["C:\\t\\huge.csv"] = "x";
  fs.fakeSizes["C:\\t\\huge.csv"] = TForm2::kMaxFileSize + 1;
  dialogs.openPaths.push_back("C:\\t\\huge.csv");
  grid.ShineSpeedButton1Click();
  EXPECT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(grid.StrSortGrid1.Cell(1, 1), "keep");

  fs.failWrites = true;
  dialogs.savePaths.push_back("C:\\t\\ro.csv");
  grid.ShineSpeedButton2Click();
  EXPECT_EQ(dialogs.messages.size(), 3u);
}

TEST_F(CountGridTest, ATableOfTooManyCellsIsRefused) {
  // One cell a row, but the grid shows five columns of each.
  std::string tall;
  for (std::size_t i = 0; i <= TForm2::kMaxTableCells / 5; ++i) tall += "a\n";
  fs.files["C:\\t\\wide.csv"] = tall;
  TForm2& grid = Open();
  dialogs.openPaths.push_back("C:\\t\\wide.csv");
  grid.ShineSpeedButton1Click();
  EXPECT_EQ(dialogs.messages.size(), 1u);
  EXPECT_EQ(grid.StrSortGrid1.ColCount(), 5);
}

TEST_F(CountGridTest, AManyRowFileOpens) {
  std::string file = "h\r\n";
  for (int i = 1; i < 10000; ++i) file += std::to_string(i) + ",\"a, b\",c\r\n";
  TForm2& grid = Open();
  ASSERT_TRUE(grid.LoadTable(file));
  EXPECT_EQ(grid.LastGridRow, 9999);
  EXPECT_EQ(grid.StrSortGrid1.Cell(1, 9999), "a, b");
}

TEST_F(CountGridTest, EditButtonsActOnlyWhileACellIsEdited) {
  TForm2& grid = Open();
  FakeCellEditor editor;
  grid.StrSortGrid1.SetEditor(&editor);
  grid.ButtonClicked("CopyButton");
  form.Windows().CountGridEditAction(EditBoxAction::Paste);
  EXPECT_TRUE(gridHost.view.actions.empty());
  grid.StrSortGrid1.BeginEdit(gridHost.view.client);
  grid.ButtonClicked("UndoButton");
  grid.ButtonClicked("CutButton");
  grid.ButtonClicked("CopyButton");
  grid.ButtonClicked("PasteButton");
  form.Windows().CountGridEditAction(EditBoxAction::Copy);
  EXPECT_EQ(gridHost.view.actions, (std::vector<EditBoxAction>{EditBoxAction::Undo, EditBoxAction::Cut,
                                                               EditBoxAction::Copy, EditBoxAction::Paste,
                                                               EditBoxAction::Copy}));
}

TEST_F(CountGridTest, TheMainWindowsWritingSoundCountAndEditCommandsReachTheGrid) {
  TForm2& grid = Open();
  // "書記" writes the colour string and the count box.
  form.BarControls.SetText("Edit2", "花");
  form.Execute(Command::NNButton3Click);
  ASSERT_EQ(grid.LastGridRow, 1);
  EXPECT_EQ(grid.StrSortGrid1.Row(1)[1], enc::Utf8ToSjis("花"));
  EXPECT_EQ(grid.StrSortGrid1.Row(1)[2], "000000");
  // The sound count: one row per line that holds something to count, with
  // the pane's line numbers, the fit in the remarks.
  form.ShineSpeedButton2Click();  // the left pane shown
  form.RichEditNx2.SetText(enc::Utf8ToSjis("ふるいけや　かはづとびこむ　みづのおと\r\n\r\n"
                                           "あきのたの　かりほのいほの　とまをあらみ　わがころもでは　つゆにぬれつつとも\r\n"
                                           "古池や\r\n"));
  form.Execute(Command::SoundCountButtonClick);
  ASSERT_EQ(grid.LastGridRow, 4);
  EXPECT_EQ(grid.StrSortGrid1.Row(2), (Cells{"000002", enc::Utf8ToSjis("1行 5・7・5"), "17", "", ""}));
  EXPECT_EQ(grid.StrSortGrid1.Row(3),
            (Cells{"000003", enc::Utf8ToSjis("3行 5・7・6・7・9"), "34", "", enc::Utf8ToSjis("字余り")}));
  EXPECT_EQ(grid.StrSortGrid1.Row(4), (Cells{"000004", enc::Utf8ToSjis("4行 3?"), "3?", "", ""}));
  // Edit commands that no pane or bar box takes go to the cell editor.
  FakeCellEditor editor;
  grid.StrSortGrid1.SetEditor(&editor);
  grid.StrSortGrid1.BeginEdit(gridHost.view.client);
  host.focus = FocusOwner::Other;
  form.Copy1Click();
  EXPECT_EQ(gridHost.view.actions, (std::vector<EditBoxAction>{EditBoxAction::Copy}));
  host.focus = FocusOwner::RightPane;
  form.Copy1Click();
  EXPECT_EQ(gridHost.view.actions.size(), 1u);
}

TEST_F(CountGridTest, TheCloseAlwaysAsks) {
  TForm2& grid = Open();
  dialogs.answers = {MsgResult::No, MsgResult::Yes};
  EXPECT_FALSE(grid.FormCloseQuery());
  EXPECT_TRUE(grid.FormCloseQuery());
  ASSERT_EQ(dialogs.messages.size(), 2u);
  EXPECT_EQ(dialogs.messages[0], "現在の内容を廃棄します。よろしいですか");
  form.Windows().CountGridClosed();
  EXPECT_EQ(form.Windows().Form2(), nullptr);
  EXPECT_EQ(Open().LastGridRow, 0);
}

}  // namespace
}  // namespace hanaroku::testing
