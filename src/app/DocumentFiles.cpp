// Opening and saving documents in both panes, the whole-text copies and
// the exit question of the main window.
//
// A load reads the whole file first and touches the pane only once the bytes
// are in memory: a file that cannot be read, or is larger than a pane holds,
// is reported and leaves the pane's text and the file name as they were.
// Saving replaces the file atomically, so a failed save keeps the old file
// and the pane stays modified.
#include <exception>

#include "app/FileNames.h"
#include "app/MainForm1.h"
#include "app/Splash.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "platform/Timer.h"

namespace hanaroku {
namespace {

constexpr const char* kDiscardQuestion = "現在の内容を廃棄します。よろしいですか。";
constexpr const char* kSaveQuestion = "ファイルが保存されていません。保存しますか。";
constexpr const char* kConfirm = "確認";
constexpr const char* kOpenFilter = "Text(*.txt)|*.txt|HTML|*.HTML;*.HTM";
// Save As also offers the encodings; "All" keeps the document's own.
constexpr const char* kSaveAsFilter =
    "Text(*.txt)|*.txt|All(*.*)|*.*|Text UTF-8(*.txt)|*.txt|Text UTF-8 BOM(*.txt)|*.txt";
constexpr const char* kLossyOpenQuestion = "\n\n次の文字はシフトJISにないため「〓」に置き換わります。\n\n";
constexpr const char* kLossySaveQuestion =
    "\n\nこの文書には開いたときに「〓」に置き換わった文字があります。このまま保存しますか。";

int FilterIndexFor(const DocumentFormat& f) {
  switch (f.encoding) {
    case TextEncoding::ShiftJis: return 1;
    case TextEncoding::Utf8: return f.bom ? 4 : 3;
    default: return 2;
  }
}

DocumentFormat FormatForFilter(int index, const DocumentFormat& current) {
  DocumentFormat f = current;
  switch (index) {
    case 1: return {};
    case 3: f.encoding = TextEncoding::Utf8, f.bom = false; break;
    case 4: f.encoding = TextEncoding::Utf8, f.bom = true; break;
    default: break;
  }
  if (f.encoding == TextEncoding::ShiftJis) f.lfOnly = false;
  return f;
}

}  // namespace

bool TMainForm1::IsOpenableTextName(const std::string& name) { return hanaroku::IsOpenableTextName(name); }

void TMainForm1::ReportFileError(const std::string& text) {
  if (form3_) form3_->Close();  // the splash would hide the box
  dialogs_.MessageBox(text, "Hanaroku", MsgButtons::Ok, MsgIcon::Error);
}

bool TMainForm1::AskDiscard() {
  return dialogs_.MessageBox(kDiscardQuestion, kConfirm, MsgButtons::YesNo, MsgIcon::Question) == MsgResult::Yes;
}

bool TMainForm1::LoadPane(PaneId which, const std::string& path) {
  TRichEditSx& pane = Pane(which);
  std::string bytes;
  try {
    auto tooLarge = [&] {
      ReportFileError(path + "\nファイルが大きすぎるため開けません（上限 " + std::to_string(pane.MaxLength()) +
                      " バイト）。");
      return false;
    };
    // The size is checked before reading and again after, in case the file grew.
    if (fs_.FileSize(path) > pane.MaxLength()) return tooLarge();
    bytes = fs_.ReadFile(path);
    if (bytes.size() > static_cast<std::size_t>(pane.MaxLength())) return tooLarge();
    DecodedDocument doc = DecodeDocument(bytes);
    if (doc.text.size() > static_cast<std::size_t>(pane.MaxLength())) return tooLarge();
    if (doc.format.lossy) {
      if (form3_) form3_->Close();  // the splash would hide the question
      const std::string text = path + "\n(" + doc.format.Name() + ")" + kLossyOpenQuestion +
                               enc::NameCharacters(doc.lost, 20) + "\n\nこのまま開きますか。";
      if (dialogs_.MessageBox(text, kConfirm, MsgButtons::YesNo, MsgIcon::Warning) != MsgResult::Yes) return false;
    }
    bytes = std::move(doc.text);
    Format(which) = doc.format;
  } catch (const FileError& e) {
    ReportFileError(e.what());
    return false;
  }
  pane.SetFontColor(which == PaneId::Right ? RightTextColor : LeftTextColor);
  {
    LinesUpdateScope update(pane.Lines());
    pane.ClearAll();
    pane.SetText(bytes);
  }
  pane.SetModified(false);
  if (which == PaneId::Right) GetColRow();
  return true;
}

bool TMainForm1::SavePane(PaneId which, const std::string& path) {
  DocumentFormat& format = Format(which);
  if (format.lossy && dialogs_.MessageBox(path + kLossySaveQuestion, kConfirm, MsgButtons::YesNo,
                                          MsgIcon::Warning) != MsgResult::Yes)
    return false;
  try {
    fs_.WriteFileAtomic(path, EncodeDocument(Pane(which).Text(), format));
  } catch (const FileError& e) {
    ReportFileError(e.what());
    return false;
  }
  format.lossy = false;  // the file now holds the "〓" as the pane does
  Pane(which).SetModified(false);
  return true;
}

bool TMainForm1::SaveAsDialog(PaneId which, DialogState& dialog, std::string& path) {
  int type = FilterIndexFor(Format(which));
  const DocumentFormat before = Format(which);
  if (!RunFileDialog(FileDialogKind::Save, dialog, kSaveAsFilter, "txt", path, &type)) return false;
  Format(which) = FormatForFilter(type, before);
  if (which == PaneId::Right) GetColRow();
  return true;
}

bool TMainForm1::RunFileDialog(FileDialogKind kind, DialogState& dialog, const char* filter,
                               const char* defaultExt, std::string& path, int* filterIndex) {
  FileDialogSpec request;
  request.filter = filter;
  request.defaultExt = defaultExt;
  request.fileName = dialog.fileName;
  request.initialDir = dialog.initialDir;
  request.preview = kind == FileDialogKind::Open;
  if (filterIndex) {
    request.filterIndex = *filterIndex;
    request.chosenFilterIndex = filterIndex;
  }
  const bool ok = kind == FileDialogKind::Open ? dialogs_.OpenFile(request, path) : dialogs_.SaveFile(request, path);
  if (ok) dialog.fileName = path;
  return ok;
}

void TMainForm1::ShowSplash() {
  if (!timers_) return;
  form3_ = std::make_unique<TForm3>(host_, timers_());
  form3_->Show(Bounds);
}

// ---- right pane ------------------------------------------------------------------

void TMainForm1::MyTextFileOpen() {
  if (ExtractFileExt(PendingOpenName) == ".lnk") PendingOpenName = shell_.ResolveShortcut(PendingOpenName).path;
  if (!IsOpenableTextName(PendingOpenName)) return;
  const bool splash = ShowSplashOnOpen;
  if (splash) ShowSplash();
  const bool loaded = LoadPane(PaneId::Right, PendingOpenName);
  if (loaded) {
    RightFileName = PendingOpenName;
    SetCaptionText(RightFileName);
    SaveDialog1.initialDir = ExtractFilePath(RightFileName);
  }
  if (splash) {
    if (form3_) form3_->EnableTimer();
    ShowSplashOnOpen = false;
  }
}

void TMainForm1::New1Click() {
  if (!AskDiscard()) return;
  RichEditNx1.ClearAll();
  RichEditNx1.SetModified(false);
  RightFileName.clear();
  RightFormat = {};
  GetColRow();
  SetCaptionText("新規");
}

void TMainForm1::Open1Click() {
  TextOpenDialog1.fileName = "*.txt";
  std::string path;
  if (!RunFileDialog(FileDialogKind::Open, TextOpenDialog1, kOpenFilter, "", path)) return;
  if (!LoadPane(PaneId::Right, path)) return;
  RightFileName = path;
  SetCaptionText(path);
  SaveDialog1.initialDir = ExtractFilePath(path);
}

void TMainForm1::Save1Click() {
  if (RightFileName.empty()) {
    SaveAs1Click();
    return;
  }
  SavePane(PaneId::Right, RightFileName);
}

void TMainForm1::SaveAs1Click() {
  std::string path;
  const DocumentFormat before = RightFormat;
  if (!SaveAsDialog(PaneId::Right, SaveDialog1, path)) return;
  if (!SavePane(PaneId::Right, path)) {
    RightFormat = before;
    GetColRow();
    return;
  }
  RightFileName = path;
  SetCaptionText(path);
}

void TMainForm1::LastFile1Click() {
  if (LastFileName.empty() || !fs_.FileExists(LastFileName)) return;
  PendingOpenName = LastFileName;
  MyTextFileOpen();
  ShowSplashOnOpen = false;
}

void TMainForm1::Exit1Click() {
  if (RichEditNx1.Modified() || RichEditNx2.Modified()) {
    if (dialogs_.MessageBox(kSaveQuestion, kConfirm, MsgButtons::YesNo, MsgIcon::Question) == MsgResult::Yes) {
      if (RichEditNx1.Modified()) Save1Click();
      else ShineSpeedButton13Click();
    }
  }
  host_.CloseWindow();
}

void TMainForm1::DropDst1FileDrop(const std::vector<std::string>& names) {
  if (names.empty()) return;
  PendingOpenName = names.front();
  MyTextFileOpen();
  ShowSplashOnOpen = false;
}

TFileDropEvent TMainForm1::FindDropHandler(const std::string& name) {
  void (TMainForm1::*handler)(const std::vector<std::string>&) = nullptr;
  if (name == "DropDst1FileDrop") handler = &TMainForm1::DropDst1FileDrop;
  if (name == "DropDst2FileDrop") handler = &TMainForm1::DropDst2FileDrop;
  if (!handler) return nullptr;
  return [this, handler](TDropDst&, const std::vector<std::string>& files, int, int) { (this->*handler)(files); };
}

// ---- left pane -------------------------------------------------------------------

void TMainForm1::ShineSpeedButton12Click() {
  if (!AskDiscard()) return;
  RichEditNx2.ClearAll();
  RichEditNx2.SetModified(false);
  LeftFileName.clear();
  LeftFormat = {};
  SetPanel(0, ShortenForPanel("NEW", 0));
}

void TMainForm1::ShineSpeedButton5Click() {
  if (!LeftPaneVisible) return;
  TextOpenDialog2.fileName = "*.txt";
  std::string path;
  if (!RunFileDialog(FileDialogKind::Open, TextOpenDialog2, kOpenFilter, "txt", path)) return;
  if (!LoadPane(PaneId::Left, path)) return;
  LeftFileName = path;
  SetPanel(0, ShortenForPanel(path, 0));
  SaveDialog2.initialDir = ExtractFilePath(path);
}

void TMainForm1::ShineSpeedButton13Click() {
  if (LeftFileName.empty()) {
    ShineSpeedButton22Click();
    return;
  }
  SavePane(PaneId::Left, LeftFileName);
}

void TMainForm1::ShineSpeedButton22Click() {
  std::string path;
  const DocumentFormat before = LeftFormat;
  if (!SaveAsDialog(PaneId::Left, SaveDialog2, path)) return;
  if (!SavePane(PaneId::Left, path)) {
    LeftFormat = before;
    return;
  }
  LeftFileName = path;
  SetPanel(0, ShortenForPanel(path, 0));
}

void TMainForm1::DropDst2FileDrop(const std::vector<std::string>& names) {
  if (names.empty()) return;
  const std::string dropped = names.front();
  std::string name = dropped;
  if (ExtractFileExt(name) == ".lnk") name = shell_.ResolveShortcut(name).path;
  if (!IsOpenableTextName(name)) return;
  if (!LoadPane(PaneId::Left, name)) return;
  LeftFileName = name;
  SetPanel(0, ShortenForPanel(dropped, 0));
  SaveDialog2.initialDir = ExtractFilePath(dropped);
}

// ---- whole-text copies ---------------------------------------------------------------

// Font synchronize, the copy, synchronize undo: the left pane keeps its
// face and colour but takes the right pane's size and style either way.
void TMainForm1::CopyWholeText(PaneId to) {
  TRichEditSx& target = Pane(to);
  const TRichEditSx& source = Pane(to == PaneId::Left ? PaneId::Right : PaneId::Left);
  const bool modified = target.Modified();
  {
    LinesUpdateScope update(target.Lines());
    ShineSpeedButton28Click();
    target.ClearAll();
    target.SetText(source.Text());
    ShineSpeedButton37Click();
  }
  target.SetModified(modified);
}

void TMainForm1::HtmButton11Click() { CopyWholeText(PaneId::Left); }

void TMainForm1::idou2Click() { CopyWholeText(PaneId::Right); }

}  // namespace hanaroku
