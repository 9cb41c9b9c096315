#pragma once
// TForm2 "count grid": the table window of the colour-string tools. Each
// "書記" writes one row (row number, string, count and time) below the header
// row; the user can edit, sort, copy and paste cells, and open and save the
// table as comma-separated text (Shift-JIS, CR LF).
//
// LastGridRow is the last row in use: 0 when the window opens (the header
// alone), raised by one per record, set by Open to the number of rows read
// minus 1. Saving writes rows 0 to LastGridRow only.
//
// The grid always keeps one row below its fixed header row, so a file of
// one line (or an empty file) shows the header (or an empty header) over an
// empty row that is not saved. A row with more cells than the grid has
// columns widens the grid, so that opening and saving a table loses none of
// its cells.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/ToolBars.h"
#include "controls/StrSortGrid.h"
#include "platform/Geometry.h"
#include "verse/SoundCount.h"

namespace hanaroku {

class IDialogs;
class IFileSystem;

struct GridButtonDef {
  std::string_view name, caption, hint;
  Rect bounds;  // in Panel1
};

// The window that shows the model.
class ICountGridView {
 public:
  virtual ~ICountGridView() = default;
  virtual void CaptionChanged() = 0;
  // Undo, cut, copy or paste in the grid's cell editor.
  virtual void EditorAction(EditBoxAction action) = 0;
  // The grid's client size, for scrolling a new row into view.
  virtual Size GridClientSize() const = 0;
};

class TForm2 {
 public:
  static constexpr const char* kDesignCaption = "count grid";
  static constexpr const char* kHeaderText = "\"　\",文字列,個数,ミリ秒,備考";
  static constexpr const char* kFilter = "Csv(*.csv)|*.csv|Text(*.txt)|*.txt";
  static constexpr const char* kDefaultExt = "Csv";
  static constexpr const char* kCloseQuestion = "現在の内容を廃棄します。よろしいですか";
  static constexpr const char* kConfirm = "確認";
  static constexpr Size kDesignSize{518, 284};
  static constexpr int kPanelHeight = 26;
  static constexpr TColor kPanelColor = 0xBBBDC8;  // RGB #C8BDBB
  // A table file larger than this is refused with a message.
  static constexpr long long kMaxFileSize = 64LL * 1024 * 1024;
  // ... and so is a table of more cells than this (the memory they take).
  static constexpr std::size_t kMaxTableCells = 2'000'000;

  TForm2(IDialogs& dialogs, IFileSystem& fs);
  TForm2(const TForm2&) = delete;
  TForm2& operator=(const TForm2&) = delete;

  // The buttons on Panel1, left to right.
  static std::span<const GridButtonDef> Buttons() noexcept;

  void SetView(ICountGridView* view) noexcept { view_ = view; }

  TStrSortGrid StrSortGrid1;
  int LastGridRow = 0;
  std::string GridFileName;
  std::string Caption = kDesignCaption;  // UTF-8

  // The window opened: the header row, LastGridRow 0.
  void FormCreate();
  void ShineSpeedButton1Click();  // open a table
  void ShineSpeedButton2Click();  // save the table
  void UndoButtonClick() { EditorAction(EditBoxAction::Undo); }
  void CutButtonClick() { EditorAction(EditBoxAction::Cut); }
  void CopyButtonClick() { EditorAction(EditBoxAction::Copy); }
  void PasteButtonClick() { EditorAction(EditBoxAction::Paste); }
  void ButtonClicked(std::string_view name);
  // Undo, cut, copy or paste in the cell editor while a cell is edited
  // (whether or not the editor has the focus); nothing otherwise.
  void EditorAction(EditBoxAction action);
  // The close: asks, and says whether the window may go.
  bool FormCloseQuery();

  // "書記": the next row from the colour string, the count and the elapsed
  // time (UTF-8), as comma text with the row number in front.
  void AddRecord(const std::string& colorString, const std::string& count, const std::string& elapsed);
  // The sound count of one line, as the next row: the row number, the line
  // and its phrases ("12行 5・7・5・7・7"), the total of morae ("31", "31?"
  // when a phrase holds a kanji without a reading), no time, and
  // "字余り"/"字足らず" (or nothing) in the remarks.
  void AddSoundCount(int lineNumber, const verse::LineCount& line);

  // The table as a file would hold it: rows 0 to LastGridRow.
  std::string TableBytes() const;
  // Shows a table file's bytes (the end of Open); false, the grid as it
  // was, when the table has more than kMaxTableCells cells.
  bool LoadTable(std::string_view bytes);

 private:
  void ReportError(const std::string& text);
  // The number the next row starts with ("000001").
  std::string NextRowNumber() const;
  // Appends the next row (Shift-JIS cells, its number first) and scrolls it
  // into view.
  void AddRow(std::vector<std::string> cells);

  IDialogs& dialogs_;
  IFileSystem& fs_;
  ICountGridView* view_ = nullptr;
};

}  // namespace hanaroku
