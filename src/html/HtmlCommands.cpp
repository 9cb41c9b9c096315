#include "html/HtmlCommands.h"

#include <stdexcept>
#include <vector>

#include "controls/LongCommand.h"
#include "controls/RichEditSx.h"
#include "html/PageBuilder.h"
#include "html/PageColors.h"
#include "html/PageSettings.h"
#include "html/SymbolImages.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

constexpr const char* kCaption = "Hanaroku";
constexpr const char* kNothingToConvert = "変換文字列がありません";
constexpr const char* kNoText = "文字列がありません";
constexpr const char* kNoPage = "HTMLファイルがありません";
constexpr const char* kNoMarker = "挿入箇所がありません";
constexpr const char* kHtmlFirst = "Html(*.html)|*.html|Htm(*.htm)|*.htm|All(*.*)|*.*";
constexpr const char* kHtmFirst = "Htm(*.htm)|*.htm|Html(*.html)|*.html|All(*.*)|*.*";
constexpr const char* kCopySymbolsQuestion =
    "このページは記号の画像（kigou フォルダ）を使います。保存先に kigou フォルダがありません。"
    "記号の画像をコピーしますか。";

bool Empty(const TRichEditSx& pane) { return pane.Lines().Count() == 0; }

// The folder part of a path, up to and including its last separator.
std::string FolderOf(const std::string& path) {
  const std::size_t sep = path.find_last_of("\\/:");
  return sep == std::string::npos ? std::string() : path.substr(0, sep + 1);
}

// The separator a folder path uses ("\" on Windows).
char SeparatorOf(const std::string& folder) {
  return !folder.empty() && (folder.back() == '/' || folder.back() == '\\') ? folder.back() : '\\';
}

}  // namespace

THtmlCommands::THtmlCommands(TRichEditSx& right, TRichEditSx& left, THtmlPageSettings& settings,
                             LongCommandEnv& env, IDialogs& dialogs, IFileSystem& fs, IShell& shell,
                             IHtmlCommandsHost& host)
    : right_(right),
      left_(left),
      settings_(settings),
      env_(env),
      dialogs_(dialogs),
      fs_(fs),
      shell_(shell),
      host_(host) {}

void THtmlCommands::Message(const char* text) { dialogs_.MessageBox(text, kCaption, MsgButtons::Ok, MsgIcon::None); }

void THtmlCommands::ReportError(const std::string& text) {
  dialogs_.MessageBox(text, kCaption, MsgButtons::Ok, MsgIcon::Error);
}

void THtmlCommands::SetWordWrap(TRichEditSx& pane, bool on) {
  pane.SetWordWrap(on);
  host_.WordWrapChanged();
}

// ---- pages ---------------------------------------------------------------------

void THtmlCommands::HtmButton1Click() {
  if (Empty(left_)) {
    Message(kNothingToConvert);
    return;
  }
  LongCommand frame(env_);
  SetWordWrap(left_, false);
  PageResult page = ConvertToPage(left_.Lines().Strings(), settings_);
  left_.SetText(page.text);
  settings_.TableWidth = std::move(page.tableWidth);
  settings_.RuleWidth = std::move(page.ruleWidth);
  frame.Finish();
}

void THtmlCommands::ShineSpeedButton35Click() {
  if (Empty(right_)) {
    Message(kNothingToConvert);
    return;
  }
  if (!host_.LeftPaneVisible()) host_.ShowLeftPane();
  {
    LongCommand frame(env_);
    // The text lines are the right pane's lines as displayed at its width;
    // the pane keeps its text and is left wrapping.
    SetWordWrap(right_, true);
    PageResult page = ConvertLongText(right_.Lines().Strings(), settings_);
    // The left pane takes the page only once it is complete: a failure
    // leaves it as it was.
    SetWordWrap(left_, false);
    frame.SuspendRedraw(left_);
    left_.SetText(page.text);
    settings_.TableWidth = std::move(page.tableWidth);
    settings_.RuleWidth = std::move(page.ruleWidth);
    frame.Finish();
  }
  SaveAndPreview(left_);
}

void THtmlCommands::ShineSpeedButton36Click() {
  if (!Empty(right_)) {
    if (!host_.LeftPaneVisible()) host_.ShowLeftPane();
    SetWordWrap(left_, false);
    host_.CopyRightToLeft();
  } else if (Empty(left_)) {
    Message(kNothingToConvert);
    return;
  }
  SetWordWrap(left_, false);
  HtmButton1Click();
  settings_.SetCheckBox(8, true);
  HtmButton3Click();
}

void THtmlCommands::ShineSpeedButton38Click() {
  HtmButton13Click();
  SetWordWrap(left_, false);
  if (Empty(left_)) {
    Message(kNothingToConvert);
    return;
  }
  {
    LongCommand frame(env_);
    // The left pane itself is only read: it keeps its verse.
    PageResult block = ConvertBlock(left_.Lines().Strings(), settings_);
    settings_.TableWidth = std::move(block.tableWidth);
    settings_.RuleWidth = std::move(block.ruleWidth);
    SetWordWrap(right_, false);
    const std::optional<InsertPoint> at = FindInsertPoint(right_.Text(), settings_.CheckBoxChecked(12));
    if (!at) {
      frame.Abandon();
      Message(kNoMarker);
      return;
    }
    right_.Select(static_cast<int>(at->offset), 0);
    right_.SetSelText(at->breakFirst ? "\r\n" + block.text : block.text);
    frame.Finish();
  }
  SaveAndPreview(right_);
}

void THtmlCommands::ShineSpeedButton39Click() { SaveAndPreview(right_); }

void THtmlCommands::SaveAndPreview(TRichEditSx& pane) {
  SavePage(pane, SaveDialog4, RightHtmlFileName);
  if (settings_.CheckBoxChecked(8)) Preview(RightHtmlFileName);
}

void THtmlCommands::HtmButton3Click() {
  if (Empty(left_)) {
    Message(kNoText);
    return;
  }
  SavePage(left_, SaveDialog3, LeftHtmlFileName);
  if (settings_.CheckBoxChecked(8)) HtmButton4Click();
}

void THtmlCommands::HtmButton4Click() { Preview(LeftHtmlFileName); }

void THtmlCommands::HtmButton13Click() {
  if (Empty(left_)) {
    Message(kNoText);
    return;
  }
  SetWordWrap(left_, true);
  const std::vector<std::string> lines = left_.Lines().Strings();
  left_.Lines().SetStrings(lines);
  SetWordWrap(left_, false);
}

bool THtmlCommands::SavePage(TRichEditSx& pane, PageSaveDialog& dialog, std::string& savedName) {
  FileDialogSpec request;
  request.filter = settings_.CheckBoxChecked(9) ? kHtmlFirst : kHtmFirst;
  request.defaultExt = "htm";
  request.fileName = dialog.fileName;
  std::string path;
  if (!dialogs_.SaveFile(request, path)) return false;
  dialog.fileName = path;
  try {
    fs_.WriteFileAtomic(path, pane.Text());
  } catch (const FileError& e) {
    // The old file stays as it was, the pane stays modified.
    ReportError(e.what());
    return false;
  }
  pane.SetModified(false);
  savedName = path;
  if (UsesSymbolImages(pane.Text())) OfferSymbolImages(path);
  return true;
}

void THtmlCommands::OfferSymbolImages(const std::string& pagePath) {
  const std::string source = host_.ProgramDir() + std::string(kSymbolFolder);
  const std::string folder = FolderOf(pagePath);
  const char sep = SeparatorOf(folder);
  const std::string target = folder + std::string(kSymbolFolder);
  if (fs_.DirectoryExists(target) || !fs_.DirectoryExists(source)) return;
  if (dialogs_.MessageBox(kCopySymbolsQuestion, "確認", MsgButtons::YesNo, MsgIcon::Question) != MsgResult::Yes)
    return;
  try {
    fs_.MakeDirectory(target);
    const char sourceSep = SeparatorOf(host_.ProgramDir());
    for (std::string_view file : SymbolImageFiles())
      fs_.WriteFileAtomic(target + sep + std::string(file), fs_.ReadFile(source + sourceSep + std::string(file)));
  } catch (const FileError& e) {
    ReportError(e.what());
  }
}

void THtmlCommands::Preview(const std::string& fileName) {
  if (fileName.empty()) {
    Message(kNoPage);
    return;
  }
  shell_.ShellOpen(fileName);
}

// ---- page settings ---------------------------------------------------------------

void THtmlCommands::SetBoxes(std::initializer_list<std::pair<int, bool>> boxes) {
  for (const auto& [index, on] : boxes) settings_.SetCheckBox(index, on);
}

void THtmlCommands::ShineSpeedButton40Click() {
  if (settings_.CheckBoxChecked(13)) {
    settings_.ResetColorsAndFont();
    if (settings_.CheckBoxChecked(1)) {
      // Black text is on already and stays on: the reset line colours are
      // the ones it gives back.
      settings_.SavedLineColor1 = settings_.mclo;
      settings_.SavedLineColor2 = settings_.mclt;
      settings_.mclo = settings_.mclt = "Black";
    }
  }
  host_.PageControlsChanged();
  SetBoxes({{1, true}, {2, false}, {3, false}, {4, true}, {5, true}, {6, true}, {7, false}, {8, true}});
  settings_.TableWidth = "700";
  settings_.RuleWidth = "800";
  SetBoxes({{10, true}, {11, true}, {12, false}, {14, false}});
}

void THtmlCommands::HtmButton9Click() {
  if (settings_.CheckBoxChecked(13)) {
    settings_.ResetColorsAndFont();
    settings_.SavedLineColor1 = settings_.mclo;
    settings_.SavedLineColor2 = settings_.mclt;
  }
  host_.PageControlsChanged();
  SetBoxes({{1, false}, {2, false}, {3, false}, {4, true}, {5, true}, {6, false}, {7, false}, {8, true}});
  settings_.TableWidth = "700";
  settings_.RuleWidth = "800";
  SetBoxes({{10, false}, {11, false}, {12, false}, {14, true}});
}

void THtmlCommands::PickColor(std::string& setting, std::string* saved) {
  try {
    if (const std::optional<TColor> preset = ColorDialogPreset(setting)) ColorDialogColor = *preset;
  } catch (const std::invalid_argument& e) {
    ReportError(e.what());
    return;
  }
  TColor chosen = ColorDialogColor;
  if (!dialogs_.ChooseColor(chosen)) return;
  ColorDialogColor = chosen;
  setting = ChangeColorF(DialogColorName(chosen));
  if (saved) *saved = setting;
}

void THtmlCommands::HtmButton5Click() { PickColor(settings_.bgc, nullptr); }
void THtmlCommands::HtmButton6Click() { PickColor(settings_.mclo, &settings_.SavedLineColor1); }
void THtmlCommands::HtmButton7Click() { PickColor(settings_.mclt, &settings_.SavedLineColor2); }
void THtmlCommands::HtmButton12Click() { PickColor(settings_.Dai, nullptr); }
void THtmlCommands::HtmButton10Click() { PickColor(settings_.Lcl, nullptr); }

void THtmlCommands::HtmButton8Click() {
  settings_.ToggleFont();
  host_.PageControlsChanged();
}

void THtmlCommands::Edit4Change(const std::string& text) {
  settings_.Title = text;
  Edit4Hint = text;
}

void THtmlCommands::Edit5Change(const std::string& text) {
  settings_.PageTitle = text;
  Edit5Hint = text;
}

}  // namespace hanaroku
