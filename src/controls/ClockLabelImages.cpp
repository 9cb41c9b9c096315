// The clock's background pictures for its parent form, and the saving of its
// settings.
#include <cstdint>

#include "app/FileNames.h"
#include "app/IniFile.h"
#include "controls/ClockLabel.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"

namespace hanaroku {
namespace {

std::string Upper(std::string s) {
  for (char& c : s)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return s;
}

std::string JoinPath(const std::string& dir, const std::string& name) {
  if (!dir.empty() && (dir.back() == '\\' || dir.back() == '/')) return dir + name;
  return dir + "\\" + name;
}

std::string Int(long long v) { return std::to_string(v); }
std::string Bool(bool v) { return v ? "1" : "0"; }
// Colours as the platform's signed 32-bit value (system colours negative).
std::string ColorText(TColor c) { return Int(static_cast<std::int32_t>(c)); }
// Points at 96 pixels per inch, rounded as MulDiv rounds.
int PointSize(int pixels) { return (pixels * 72 + 48) / 96; }
// fsBold 1, fsItalic 2, fsUnderline 4, fsStrikeOut 8.
int StyleBits(const PaintFont& f) {
  return (f.bold ? 1 : 0) | (f.italic ? 2 : 0) | (f.underline ? 4 : 0) | (f.strikeOut ? 8 : 0);
}

void WriteFont(IniFile& ini, const char* section, const TLabelFont& font) {
  ini.Set(section, "FontName", font.face.name);
  ini.Set(section, "FontSize", Int(PointSize(font.face.height)));
  ini.Set(section, "FontColor", ColorText(font.color));
  ini.Set(section, "FontStyle", Int(StyleBits(font.face)));
}

}  // namespace

void TClockLabel::SetParentForm(IClockForm* form, IPictureFiles* files) noexcept {
  form_ = form;
  pictureFiles_ = files;
}

void TClockLabel::SetImgDir(const std::string& dir) {
  if (!form_ || dir == imgDir_) return;
  if (dir.empty()) {
    // No folder, no pictures to step through.
    imgDir_.clear();
    files_.clear();
    imageIndex_ = 0;
    return;
  }
  std::vector<std::string> names;
  if (pictureFiles_) names = pictureFiles_->FindFiles(dir, "*.bmp");
  if (names.empty()) {
    if (dialogs_)
      dialogs_->MessageBox("拡張子\".BMP\"のファイルがあるディレクトリを指定してください。", "Hanaroku",
                           MsgButtons::Ok, MsgIcon::None);
    form_->FillClient();
    return;
  }
  imgDir_ = dir;
  files_.clear();
  for (const std::string& name : names) files_.push_back(JoinPath(dir, name));
  imageIndex_ = 0;
  LoadImage(files_.front());
}

void TClockLabel::LoadImage(const std::string& fileName) {
  if (!pictureFiles_ || !pictureFiles_->FileExists(fileName) || Upper(ExtractFileExt(fileName)) != ".BMP") return;
  picture_ = pictureFiles_->Load(fileName);
  const Size size = picture_ ? picture_->Extent() : Size{};
  pictureRect_ = Rect::FromSize(0, 0, size.width, size.height);
  PaintImage();
}

void TClockLabel::PaintImage() {
  if (!form_ || !picture_) return;
  if (!ImgAutoSize) {
    form_->DrawPicture(*picture_, form_->ClientRect());
    return;
  }
  form_->DrawPicture(*picture_, pictureRect_);
  if (pictureRect_.Width() >= 1 && pictureRect_.Height() >= 1)
    form_->SetSize(pictureRect_.Width(), pictureRect_.Height());
}

void TClockLabel::NextImage() { StepImage(1); }
void TClockLabel::PreviousImage() { StepImage(-1); }

void TClockLabel::StepImage(int delta) {
  if (files_.empty()) return;
  const int n = static_cast<int>(files_.size());
  imageIndex_ = ((imageIndex_ + delta) % n + n) % n;
  LoadImage(files_[static_cast<std::size_t>(imageIndex_)]);
  RefreshDateLabel();
}

void TClockLabel::RefreshDateLabel() {
  // The picture was painted over the form: the date label shows again.
  if (dateLabel_ && OnChange) OnChange();
}

void TClockLabel::SaveSettings(IFileSystem& fs, const std::string& programFile) {
  if (!IniSave) return;
  const std::string ext = ExtractFileExt(programFile);
  const std::string path = programFile.substr(0, programFile.size() - ext.size()) + ".Ini";
  IniFile ini = IniFile::Load(fs, path);
  if (form_) {
    const Rect b = form_->Bounds();
    ini.Set("Window", "Top", Int(b.top));
    ini.Set("Window", "Left", Int(b.left));
    ini.Set("Window", "Height", Int(b.Height()));
    ini.Set("Window", "Width", Int(b.Width()));
    ini.Set("Window", "BorderStyle", Int(form_->BorderStyle()));
  }
  ini.Set("Clock", "Top", Int(Top));
  ini.Set("Clock", "Left", Int(Left));
  WriteFont(ini, "Clock", Font);
  ini.Set("Clock", "Format", format_);
  ini.Set("Clock", "Style", Int(static_cast<int>(style_)));
  ini.Set("Clock", "Color", ColorText(Color));
  ini.Set("Clock", "Transparent", Bool(Transparent));
  ini.Set("Clock", "TimeCast", Int(TimeCast.ToInt()));
  ini.Set("Image", "AutoSize", Bool(ImgAutoSize));
  ini.Set("Image", "Directory", imgDir_);
  if (const TDateLabel* d = dateLabel_) {
    ini.Set("Date", "Top", Int(d->Top));
    ini.Set("Date", "Left", Int(d->Left));
    ini.Set("Date", "Visible", Bool(d->Visible));
    ini.Set("Date", "Color", ColorText(d->Color));
    ini.Set("Date", "Transparent", Bool(d->Transparent));
    WriteFont(ini, "Date", d->Font);
    ini.Set("Date", "DateStyle", Int(static_cast<int>(DateStyle)));
  }
  for (const std::string& key : ini.Keys("EventList")) ini.Delete("EventList", key);
  for (std::size_t i = 0; i < eventList_.size(); ++i) ini.Set("EventList", "Event" + Int(static_cast<long long>(i)), eventList_[i]);
  ini.SaveIfModified(fs, path);
}

}  // namespace hanaroku
