#include "windows/AboutBox.h"

#include "app/PathShortening.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "windows/Launcher.h"

namespace hanaroku {
namespace {

using K = AboutControlKind;
constexpr int kFieldHeight = 21;
constexpr int kRow1 = 138, kRow2 = 182;  // the two rows of three fields
constexpr int kCol1 = 16, kCol2 = 124, kCol3 = 232, kFieldWidth = 80;

constexpr AboutControlDef kControls[] = {
    {K::Label, "Label1", TAboutBox::kVersion, "", Rect::FromSize(16, 8, 306, 22)},
    {K::Link, "Label3", "README", "同梱の説明書を開く", Rect::FromSize(24, 34, 120, 16)},
    {K::Link, "Label13", "メール（件名 Hanaroku）", "件名 Hanaroku の新しいメール", Rect::FromSize(160, 34, 162, 16)},
    {K::Label, "Label2", "　ミニランチャー　ドラッグ＆ドロップ", "", Rect::FromSize(8, 58, 314, 16)},
    {K::ColorEdit, "ColorEdit1", "", "", Rect::FromSize(16, 78, TAboutBox::kPathFieldWidth, kFieldHeight), 1},
    {K::Label, "Label4", "左　起", "", Rect::FromSize(256, 81, 66, 16)},
    {K::ColorEdit, "ColorEdit2", "", "", Rect::FromSize(16, 104, TAboutBox::kPathFieldWidth, kFieldHeight), 2},
    {K::Label, "Label5", "右　起", "", Rect::FromSize(256, 107, 66, 16)},
    {K::ColorEdit, "ColorEdit3", "", "", Rect::FromSize(kCol1, kRow1, kFieldWidth, kFieldHeight), 3},
    {K::ColorEdit, "ColorEdit4", "", "", Rect::FromSize(kCol2, kRow1, kFieldWidth, kFieldHeight), 4},
    {K::ColorEdit, "ColorEdit5", "", "", Rect::FromSize(kCol3, kRow1, kFieldWidth, kFieldHeight), 5},
    {K::Label, "Label6", "背景色", "", Rect::FromSize(kCol1, kRow1 + 23, kFieldWidth, 16)},
    {K::Label, "Label7", "題名色", "", Rect::FromSize(kCol2, kRow1 + 23, kFieldWidth, 16)},
    {K::Label, "Label8", "前の色", "", Rect::FromSize(kCol3, kRow1 + 23, kFieldWidth, 16)},
    {K::ColorEdit, "ColorEdit6", "", "", Rect::FromSize(kCol1, kRow2, kFieldWidth, kFieldHeight), 6},
    {K::ColorEdit, "ColorEdit7", "", "", Rect::FromSize(kCol2, kRow2, kFieldWidth, kFieldHeight), 7},
    {K::ColorEdit, "ColorEdit8", "", "", Rect::FromSize(kCol3, kRow2, kFieldWidth, kFieldHeight), 8},
    {K::Label, "Label9", "後の色", "", Rect::FromSize(kCol1, kRow2 + 23, kFieldWidth, 16)},
    {K::Label, "Label10", "線の色", "", Rect::FromSize(kCol2, kRow2 + 23, kFieldWidth, 16)},
    {K::Label, "Label11", "Font", "", Rect::FromSize(kCol3, kRow2 + 23, kFieldWidth, 16)},
    {K::Label, "Label14", "Font size 2/3 Click--> ", "", Rect::FromSize(16, 228, 130, 16)},
    {K::FontSize, "Label15", "", "", Rect::FromSize(146, 228, 30, 16)},
    {K::CheckBox, "LCheckBox1", "  LINK on/off", "", Rect::FromSize(10, 246, 170, 30)},
    {K::Button, "ShineSpeedButton2", "OK", "反映", Rect::FromSize(222, 240, 44, 25)},
    {K::Button, "ShineSpeedButton1", "Exit", "OK + Exit", Rect::FromSize(272, 240, 50, 25)},
    {K::ColorEdit, "ColorEdit9", "", "", Rect::FromSize(16, 288, 120, kFieldHeight), 9},
    {K::ColorEdit, "ColorEdit10", "", "Link url", Rect::FromSize(148, 288, 174, kFieldHeight), 10},
    {K::Label, "Label12", "Link text", "", Rect::FromSize(16, 311, 120, 16)},
    {K::Label, "Label16", "url", "", Rect::FromSize(148, 311, 174, 16)},
};

}  // namespace

std::span<const AboutControlDef> TAboutBox::Controls() noexcept { return kControls; }

TAboutBox::TAboutBox(AboutBoxSettings settings, TLauncher& launcher, IShell& shell, IFileSystem& fs)
    : s_(settings), launcher_(launcher), shell_(shell), fs_(fs) {
  for (const AboutControlDef& c : kControls)
    if (c.kind == K::ColorEdit) ColorEdit(c.index).Hint = std::string(c.hint);
  ColorEdit(9).OnChange = [this] { ColorEdit9Change(); };
  ColorEdit(10).OnChange = [this] { ColorEdit10Change(); };
  LCheckBox1.Caption = "  LINK on/off";
  LCheckBox1.Color = kColor;
  LCheckBox1.OnClick = [this] { LCheckBox1Click(); };
}

std::string TAboutBox::ShortenedPath(const std::string& path) const {
  static const FixedMeasurer kNoWindow(12);
  return ShortenPathToWidth(path, view_ ? view_->FieldMeasurer() : kNoWindow, kPathFieldWidth);
}

void TAboutBox::SetField(int index, const std::string& text) {
  ColorEdit(index).SetText(text);
  if (view_) view_->FieldChanged(index);
}

void TAboutBox::FormCreate() {
  SetField(1, ShortenedPath(launcher_.Program(1)));
  SetField(2, ShortenedPath(launcher_.Program(2)));
  const std::string* texts[] = {&s_.bgc, &s_.Dai, &s_.mclo, &s_.mclt, &s_.Lcl, &s_.Mfn, &s_.Lint, &s_.Linu};
  for (int i = 0; i < 8; ++i) SetField(i + 3, *texts[i]);
  label15_ = s_.fze;
  LCheckBox1.SetChecked(s_.FLink);
  if (view_) view_->FontSizeChanged();
}

void TAboutBox::DropProgram(int launcher, const std::vector<std::string>& names) {
  if (names.empty() || names.front().empty()) return;
  const std::string program = launcher_.ProgramOfDrop(names.front());
  if (program.empty()) return;
  launcher_.SetProgram(launcher, program);
  SetField(launcher, ShortenedPath(program));
}

void TAboutBox::Label15Click() {
  label15_ = label15_ != "2" ? "2" : "3";
  s_.fze = label15_;
  if (view_) view_->FontSizeChanged();
}

void TAboutBox::LCheckBox1Click() { s_.FLink = LCheckBox1.Checked(); }

void TAboutBox::ColorEdit9Change() {
  s_.Lint = ColorEdit(9).Text();
  ColorEdit(9).Hint = s_.Lint;
  if (view_) view_->FieldChanged(9);
}

void TAboutBox::ColorEdit10Change() {
  s_.Linu = ColorEdit(10).Text();
  ColorEdit(10).Hint = s_.Linu;
  if (view_) view_->FieldChanged(10);
}

void TAboutBox::Apply() {
  std::string* targets[] = {&s_.bgc, &s_.Dai, &s_.mclo, &s_.mclt, &s_.Lcl, &s_.Mfn, &s_.Lint, &s_.Linu};
  for (int i = 0; i < 8; ++i) *targets[i] = ColorEdit(i + 3).Text();
  s_.FLink = LCheckBox1.Checked();
  if (OnApplied) OnApplied();
}

void TAboutBox::ShineSpeedButton2Click() { Apply(); }

void TAboutBox::ShineSpeedButton1Click() {
  Apply();
  if (view_) view_->CloseWindow();
}

void TAboutBox::Label3Click() {
  for (const char* name : kReadmeNames) {
    const std::string path = s_.ExeDir + name;
    if (fs_.FileExists(path)) {
      shell_.ShellOpen(path);
      return;
    }
  }
  shell_.ShellOpen(s_.ExeDir);
}

void TAboutBox::Label13Click() { shell_.ShellOpen(kMailForm); }

void TAboutBox::ControlClicked(std::string_view name) {
  if (name == "Label15") Label15Click();
  else if (name == "ShineSpeedButton2") ShineSpeedButton2Click();
  else if (name == "ShineSpeedButton1") ShineSpeedButton1Click();
  else if (name == "Label3") Label3Click();
  else if (name == "Label13") Label13Click();
}

bool TAboutBox::FocusedFieldAction(EditBoxAction action) {
  for (int i = 1; i <= kFieldCount; ++i) {
    if (!ColorEdit(i).Focused()) continue;
    if (view_) view_->FieldAction(i, action);
    return true;
  }
  return false;
}

}  // namespace hanaroku
