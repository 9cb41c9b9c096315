#include "windows/CountGrid.h"

#include <algorithm>
#include <cstdio>

#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "windows/CommaText.h"

namespace hanaroku {
namespace {

constexpr GridButtonDef kButtons[] = {
    {"ShineSpeedButton1", "開(&O)", "開く", Rect::FromSize(4, 2, 52, 22)},
    {"ShineSpeedButton2", "保存(&S)", "保存", Rect::FromSize(58, 2, 60, 22)},
    {"ShineSpeedButton3", "保存", "保存", Rect::FromSize(120, 2, 44, 22)},
    {"UndoButton", "元(&Z)", "Undo", Rect::FromSize(180, 2, 52, 22)},
    {"CutButton", "切(&X)", "Cut", Rect::FromSize(234, 2, 52, 22)},
    {"CopyButton", "写(&C)", "Copy", Rect::FromSize(288, 2, 52, 22)},
    {"PasteButton", "貼(&V)", "Paste", Rect::FromSize(342, 2, 52, 22)},
};

constexpr int kColumns = 5;

FileDialogSpec TableDialog(const std::string& fileName) {
  FileDialogSpec request;
  request.filter = TForm2::kFilter;
  request.defaultExt = TForm2::kDefaultExt;
  request.fileName = fileName;
  return request;
}

}  // namespace

std::span<const GridButtonDef> TForm2::Buttons() noexcept { return kButtons; }

TForm2::TForm2(IDialogs& dialogs, IFileSystem& fs) : dialogs_(dialogs), fs_(fs) {
  StrSortGrid1.SetColCount(kColumns);
  StrSortGrid1.SetRowCount(2);
  StrSortGrid1.SetFixed(1, 1);
  StrSortGrid1.DefaultColWidth = 95;
  StrSortGrid1.DefaultRowHeight = 21;
  StrSortGrid1.Color = 0xDEE8E9;       // RGB #E9E8DE
  StrSortGrid1.FixedColor = 0xCBEBED;  // RGB #EDEBCB
}

void TForm2::FormCreate() {
  StrSortGrid1.SetRow(0, CellsOfCommaText(enc::Utf8ToSjis(kHeaderText)));
  LastGridRow = 0;
}

void TForm2::ReportError(const std::string& text) {
  dialogs_.MessageBox(text, "Hanaroku", MsgButtons::Ok, MsgIcon::Error);
}

void TForm2::ShineSpeedButton1Click() {
  std::string path;
  if (!dialogs_.OpenFile(TableDialog(GridFileName), path)) return;
  std::string bytes;
  try {
    if (fs_.FileSize(path) > kMaxFileSize) {
      ReportError(path + "\nファイルが大きすぎるため開けません（上限 " + std::to_string(kMaxFileSize) + " バイト）。");
      return;
    }
    bytes = fs_.ReadFile(path);
  } catch (const FileError& e) {
    ReportError(e.what());
    return;
  }
  if (!LoadTable(bytes)) {
    ReportError(path + "\n表が大きすぎるため開けません（上限 " + std::to_string(kMaxTableCells) + " セル）。");
    return;
  }
  GridFileName = path;
  Caption = path;
  if (view_) view_->CaptionChanged();
}

bool TForm2::LoadTable(std::string_view bytes) {
  std::optional<CommaTable> rows = ReadCommaTable(bytes, kMaxTableCells, static_cast<std::size_t>(StrSortGrid1.ColCount()));
  if (!rows) return false;
  const int lines = static_cast<int>(rows->size());
  StrSortGrid1.SetRows(std::move(*rows));
  LastGridRow = std::max(lines - 1, 0);
  return true;
}

std::string TForm2::TableBytes() const {
  const std::size_t rows = static_cast<std::size_t>(std::clamp(LastGridRow + 1, 0, StrSortGrid1.RowCount()));
  return WriteCommaTable(StrSortGrid1.Rows().first(rows));
}

void TForm2::ShineSpeedButton2Click() {
  std::string path;
  if (!dialogs_.SaveFile(TableDialog(GridFileName), path)) return;
  StrSortGrid1.EndEdit();  // the cell being edited is saved as it stands
  try {
    fs_.WriteFileAtomic(path, TableBytes());
  } catch (const FileError& e) {
    ReportError(e.what());
  }
}

void TForm2::ButtonClicked(std::string_view name) {
  if (name == "ShineSpeedButton1") ShineSpeedButton1Click();
  else if (name == "ShineSpeedButton2" || name == "ShineSpeedButton3") ShineSpeedButton2Click();
  else if (name == "UndoButton") UndoButtonClick();
  else if (name == "CutButton") CutButtonClick();
  else if (name == "CopyButton") CopyButtonClick();
  else if (name == "PasteButton") PasteButtonClick();
}

void TForm2::EditorAction(EditBoxAction action) {
  if (StrSortGrid1.Editing() && view_) view_->EditorAction(action);
}

bool TForm2::FormCloseQuery() {
  return dialogs_.MessageBox(kCloseQuestion, kConfirm, MsgButtons::YesNo, MsgIcon::Question) == MsgResult::Yes;
}

void TForm2::AddRecord(const std::string& colorString, const std::string& count, const std::string& elapsed) {
  const std::string line =
      NextRowNumber() + "," + enc::Utf8ToSjis(colorString) + "," + enc::Utf8ToSjis(count) + "," + elapsed;
  AddRow(CellsOfCommaText(line));
}

void TForm2::AddSoundCount(int lineNumber, const verse::LineCount& line) {
  const std::string counted = std::to_string(lineNumber) + "行 " + verse::FormatPhrases(line);
  const std::string total = std::to_string(line.total) + (line.uncertain ? "?" : "");
  AddRow({NextRowNumber(), enc::Utf8ToSjis(counted), total, "", enc::Utf8ToSjis(verse::FitWord(line))});
}

std::string TForm2::NextRowNumber() const {
  char number[16];
  std::snprintf(number, sizeof number, "%.6d", LastGridRow + 1);
  return number;
}

void TForm2::AddRow(std::vector<std::string> cells) {
  ++LastGridRow;
  StrSortGrid1.SetRowCount(LastGridRow + 1);
  StrSortGrid1.SetRow(LastGridRow, std::move(cells));
  if (!view_) return;
  const int visible = StrSortGrid1.VisibleRowCount(view_->GridClientSize());
  if (visible < LastGridRow) StrSortGrid1.SetTopRow(LastGridRow - visible + 1);
}

}  // namespace hanaroku
