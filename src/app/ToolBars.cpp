#include "app/ToolBars.h"

#include <stdexcept>
#include <string>

#include "editing/StringColoring.h"

namespace hanaroku {
namespace {

using C = Command;
using K = ControlKind;

constexpr int kGripWidth = 9;
constexpr int kTabWidth = 40;
// Room after the grip and on both sides of boxes, labels and cells.
constexpr int kGripGap = 2, kBoxGap = 2;

constexpr BarControlDef Grip(std::string_view name, std::string_view hint, C c) {
  return {K::Grip, name, "", hint, c, {kGripWidth, 0}};
}
constexpr BarControlDef Tab(std::string_view name, std::string_view caption, std::string_view hint, C c) {
  return {K::Tab, name, caption, hint, c, {kTabWidth, 0}};
}
constexpr BarControlDef Shine(std::string_view name, std::string_view caption, std::string_view hint, C c,
                              int width = 23) {
  return {K::ShineButton, name, caption, hint, c, {width, 23}};
}
constexpr BarControlDef Picture(std::string_view name, std::string_view picture, std::string_view hint, C c) {
  return {K::PictureButton, name, "", hint, c, {23, 23}, picture};
}
constexpr BarControlDef Edit(std::string_view name, std::string_view hint, C change, int width,
                             bool hiragana = false) {
  return {K::EditBox, name, "", hint, change, {width, 21}, {}, 0, kNoFaceColor, hiragana};
}
constexpr BarControlDef Check(std::string_view name, int index, std::string_view caption, std::string_view hint) {
  return {K::CheckBox, name, caption, hint, C::None, {30, 20}, {}, index};
}
constexpr BarControlDef Colour(std::string_view name, C c, TColor face) {
  return {K::ShineButton, name, "", "左文字列彩色", c, {18, 23}, {}, 0, face};
}

constexpr BarControlDef kNNBar1[] = {
    Grip("ActiveImage1", "右窓", C::ActiveImage1Click),
    Picture("HWaSpeedButton1", "document-new", "新規作成", C::New1Click),
    Picture("HWaSpeedButton2", "document-open", "開く", C::Open1Click),
    Picture("HWaSpeedButton3", "document-save", "上書き保存", C::Save1Click),
    Picture("HWaSpeedButton14", "document-save-as", "名前を付けて保存", C::SaveAs1Click),
    Picture("HWaSpeedButton4", "edit-cut", "切り取り", C::Cut1Click),
    Picture("HWaSpeedButton5", "edit-copy", "コピー", C::Copy1Click),
    Picture("HWaSpeedButton6", "edit-paste", "貼りつけ", C::Paste1Click),
    Picture("HWaSpeedButton13", "edit-undo", "元に戻す", C::Undo1Click),
    Picture("HWaSpeedButton16", "edit-redo", "やり直し", C::Redo1Click),
    Picture("HWaSpeedButton8", "edit-find", "検索", C::Find1Click),
    Picture("FindNextButton", "go-next", "次を検索", C::FindNextButtonClick),
    Picture("FindBackButton1", "go-previous", "前を検索", C::FindBack1Click),
    Picture("HWaSpeedButton12", "edit-find-replace", "置換", C::Replace1Click),
    Picture("HWaSpeedButton11", "preferences-desktop-font", "フォント", C::Font1Click),
    {K::PictureButton, "HWaSpeedButton9", "V", "縦横変更", C::VHClick},
    Picture("HWaSpeedButton10", "applications-graphics", "背景色", C::N7Click),
    Picture("HWaSpeedButton7", "format-justify-fill", "右折り返し", C::WordWrapClick),
    Shine("ShineSpeedButton2", "左", "左窓OnOff", C::ShineSpeedButton2Click),
    Shine("ShineSpeedButton34", "R", "右文字数＆列数", C::ShineSpeedButton34Click),
    {K::ClockCell, "ClockLabel2", "", "クロック", C::ClockLabel2Click, {70, 21}},
    Shine("ShineSpeedButton23", "起", "EXE Run1", C::ShineSpeedButton23Click),
    Shine("ShineSpeedButton24", "起", "EXE Run2", C::ShineSpeedButton24Click),
    Shine("ShineSpeedButton25", "設", "ミニランチャー&HTML設定", C::ShineSpeedButton25Click),
    Shine("ShineSpeedButton36", "H", "Html変換", C::ShineSpeedButton36Click),
    Shine("ShineSpeedButton37", "u", "synchronize undo", C::ShineSpeedButton37Click),
    Shine("ShineSpeedButton28", "s", "Font synchronize", C::ShineSpeedButton28Click),
    Shine("LastFileButton", "前", "前回のファイルを開く", C::LastFile1Click),
};

constexpr BarControlDef kNNBar3[] = {
    Grip("ActiveImage3", "左窓", C::ActiveImage3Click),
    Shine("ShineSpeedButton12", "新", "左窓・新規作成", C::ShineSpeedButton12Click),
    Shine("ShineSpeedButton5", "開", "左窓・開く", C::ShineSpeedButton5Click),
    Shine("ShineSpeedButton13", "保", "左窓・上書き保存", C::ShineSpeedButton13Click),
    Shine("ShineSpeedButton22", "名", "左窓・名前を付けて保存", C::ShineSpeedButton22Click),
    Shine("ShineSpeedButton3", "百", "百人一首", C::ShineSpeedButton3Click),
    Shine("ShineSpeedButton18", "句", "俳句", C::ShineSpeedButton18Click),
    Shine("KatakanaButton1", "カ", "カタカナ・平仮名変換", C::KatakanaButton1Click),
    Shine("KatakanaButton2", "カ", "カタカナ・漢字変換", C::KatakanaButton2Click),
    Shine("ShineSpeedButton21", "萬", "万葉仮名変換", C::ShineSpeedButton21Click),
    Shine("FindLeftButton", "索", "検索", C::FindLeftButtonClick),
    Shine("FindNextLButton", "次", "次を検索", C::FindNextLButtonClick),
    Shine("FindBackLButton", "前", "前を検索", C::FindBackLButtonClick),
    Shine("ShineSpeedButton7", "換", "置換", C::ShineSpeedButton7Click),
    Shine("ShineSpeedButton4", "字", "Font選択", C::ShineSpeedButton4Click),
    Shine("ShineSpeedButton1", "縦", "縦横変更", C::HHVClick),
    Shine("ShineSpeedButton8", "背", "背景色", C::ShineSpeedButton8Click),
    Shine("ShineSpeedButton14", "走", "走行＆停止", C::ShineSpeedButton14Click),
    Shine("ShineSpeedButton15", "設", "選択文字列設定(左窓から)", C::ShineSpeedButton15Click),
    Shine("ShineSpeedButton33", "L", "左文字数＆列数", C::ShineSpeedButton33Click),
    Shine("SoundCountButton", "音", "音数", C::SoundCountButtonClick),
    {K::BannerCell, "MsgSCR1", "", "三首 六句 まで", C::None, {167, 20}},
    Shine("ShineSpeedButton35", "H", "LongTextHtml変換", C::ShineSpeedButton35Click),
    Shine("ShineSpeedButton40", "F", "LongTextHtml変換クイック設定", C::ShineSpeedButton40Click),
    Shine("ShineSpeedButton16", "白", "スクロール文字白色", C::ShineSpeedButton16Click),
    Shine("ShineSpeedButton17", "泉", "花守詠女", C::ShineSpeedButton17Click),
    Shine("HiraganaButton1", "ひ", "平仮名・カタカナ変換", C::HiraganaButton1Click),
};

// The colour buttons show the colour they colour with (SCButton3 a lighter
// yellow than its colour).
constexpr BarControlDef kNNBar4[] = {
    Grip("ActiveImage5", "Color String", C::ActiveImage5Click),
    Shine("NNButton1", "起", "別窓起動", C::NNButton1Click),
    Shine("NNButton4", "貼", "貼り付け", C::NNButton4Click),
    Shine("NNButton5", "選", "左選択入力確定", C::NNButton5Click),
    Shine("NNButton2", "彩", "左文字列彩色", C::NNButton2Click),
    Edit("Edit2", "彩色文字列入力", C::Edit2Change, 152, true),
    Shine("NNButton8", "選", "右選択入力確定", C::NNButton8Click),
    Shine("NNButton3", "書記", "書き込み", C::NNButton3Click, 32),
    Edit("Edit3", "文字列カウント", C::Edit3Change, 73),
    Shine("ShineSpeedButton32", "w", "左折り返し", C::WordWrapHClick),
    Colour("SCButton1", C::SCButton1Click, StringColor(0)),
    Colour("SCButton2", C::SCButton2Click, StringColor(1)),
    Colour("SCButton3", C::SCButton3Click, 0x43DAE7),
    Colour("SCButton4", C::SCButton4Click, StringColor(3)),
    Colour("SCButton5", C::SCButton5Click, StringColor(4)),
    Colour("SCButton6", C::SCButton6Click, StringColor(5)),
    Colour("SCButton7", C::SCButton7Click, StringColor(6)),
    Colour("SCButton8", C::SCButton8Click, StringColor(7)),
    Colour("SCButton9", C::SCButton9Click, StringColor(8)),
    Colour("SCButton10", C::SCButton10Click, StringColor(9)),
    Colour("SCButton11", C::SCButton11Click, StringColor(10)),
    Colour("SCButton12", C::SCButton12Click, StringColor(11)),
    Shine("ShineSpeedButton30", "w", "右折り返し", C::WordWrapClick),
    Shine("NNButton6", "左", "左FontColor", C::NNButton6Click),
    Shine("NNButton7", "右", "右FontColor", C::NNButton7Click),
};

constexpr BarControlDef kNNBer5[] = {
    Grip("ActiveImage7", "HTML", C::ActiveImage7Click),
    Shine("HtmButton1", "換", "HTML変換", C::HtmButton1Click),
    Shine("HtmButton2", "新", "新規", C::ShineSpeedButton12Click),
    Shine("HtmButton3", "保", "HTML名前を付けて保存", C::HtmButton3Click),
    Shine("HtmButton4", "起", "HTMLプレビュー", C::HtmButton4Click),
    Shine("WordWrapButton", "折", "折り返し", C::WordWrapHClick),
    Shine("HtmButton13", "改", "改行挿入", C::HtmButton13Click),
    Shine("HtmButton5", "背", "背景色", C::HtmButton5Click),
    Shine("HtmButton6", "前", "前行の色", C::HtmButton6Click),
    Shine("HtmButton7", "後", "後行の色", C::HtmButton7Click),
    Shine("HtmButton12", "題", "題名の色", C::HtmButton12Click),
    Shine("HtmButton8", "明", "明朝・ゴシック", C::HtmButton8Click),
    Shine("HtmButton9", "元", "元の設定", C::HtmButton9Click),
    Check("CheckBox1", 1, "黒", "黒文字色"),
    Check("CheckBox2", 2, "一", "文字単色（前の色）"),
    Check("CheckBox3", 3, "交", "交互文字色"),
    Check("CheckBox4", 4, "題", "題名入り"),
    Edit("Edit4", "題名", C::Edit4Change, 80),
    {K::Label, "Label1", "htm", "html題", C::None, {22, 14}},
    Edit("Edit5", "htmlタイトル", C::Edit5Change, 64),
    Shine("HtmButton10", "線", "線の色", C::HtmButton10Click),
    Check("CheckBox5", 5, "線", "線入り"),
    Check("CheckBox7", 7, "特", "一行目別色"),
    Check("CheckBox8", 8, "起", "プレビューOnOff"),
    Check("CheckBox9", 9, "拡", "拡張子html"),
    Check("CheckBox6", 6, "記", "記号（特殊文字）変換"),
    Check("CheckBox10", 10, "間", "文字列間隔一定"),
    Check("CheckBox11", 11, "加", "*足す(30行に)"),
    Check("CheckBox12", 12, "入", "上に挿入"),
    Check("CheckBox13", 13, "色", "元の設定で色情報を含める"),
    Check("CheckBox14", 14, "空", "記号でない空白(文字色)"),
    Shine("ShineSpeedButton38", "挿", "左窓変換～右窓へ挿入", C::ShineSpeedButton38Click),
    Shine("ShineSpeedButton39", "保", "右窓htm保存", C::ShineSpeedButton39Click),
    Shine("HtmButton11", "移", "右窓から左窓へコピー", C::HtmButton11Click),
};

// The tabs of the collapsed bars, in the order of the bars.
constexpr BarControlDef kNNBar2[] = {
    Tab("ActiveImage2", "右窓", "右窓", C::ActiveImage2Click),
    Tab("ActiveImage4", "左窓", "左窓", C::ActiveImage4Click),
    Tab("ActiveImage6", "色", "Color String", C::ActiveImage6Click),
    Tab("ActiveImage8", "HTML", "HTML", C::ActiveImage8Click),
};

constexpr ToolBarDef kBars[kToolBarCount] = {
    {ToolBarId::NNBar1, "NNBar1", 33, kNNBar1}, {ToolBarId::NNBar3, "NNBar3", 32, kNNBar3},
    {ToolBarId::NNBar4, "NNBar4", 32, kNNBar4}, {ToolBarId::NNBer5, "NNBer5", 32, kNNBer5},
    {ToolBarId::NNBar2, "NNBar2", 13, kNNBar2},
};

constexpr std::size_t Slot(ToolBarId bar) noexcept { return static_cast<std::size_t>(bar); }

bool HasGap(ControlKind k) noexcept {
  return k == K::EditBox || k == K::CheckBox || k == K::Label || k == K::ClockCell || k == K::BannerCell;
}

}  // namespace

const ToolBarDef& BarDef(ToolBarId bar) noexcept { return kBars[Slot(bar) < kToolBarCount ? Slot(bar) : 0]; }

const BarControlDef& DefOf(ControlRef c) {
  std::span<const BarControlDef> controls = BarControls(c.bar);
  if (c.index < 0 || static_cast<std::size_t>(c.index) >= controls.size())
    throw std::out_of_range("control " + std::to_string(c.index) + " of " + std::string(BarDef(c.bar).name));
  return controls[static_cast<std::size_t>(c.index)];
}

std::optional<ControlRef> FindBarControl(std::string_view name) noexcept {
  for (const ToolBarDef& bar : kBars)
    for (std::size_t i = 0; i < bar.controls.size(); ++i)
      if (bar.controls[i].name == name) return ControlRef{bar.id, static_cast<int>(i)};
  return std::nullopt;
}

ControlRef BarControl(std::string_view name) {
  if (std::optional<ControlRef> c = FindBarControl(name)) return *c;
  throw std::out_of_range("no tool bar control " + std::string(name));
}

std::vector<ControlRef> AllBarControls() {
  std::vector<ControlRef> all;
  for (const ToolBarDef& bar : kBars)
    for (std::size_t i = 0; i < bar.controls.size(); ++i) all.push_back({bar.id, static_cast<int>(i)});
  return all;
}

bool RunsCommand(ControlKind kind) noexcept {
  return kind == K::Grip || kind == K::Tab || kind == K::ShineButton || kind == K::PictureButton;
}

// ---- run-time state --------------------------------------------------------------

TToolBarControls::TToolBarControls() {
  for (const ToolBarDef& bar : kBars) {
    std::vector<BarControlState>& states = states_[Slot(bar.id)];
    states.reserve(bar.controls.size());
    for (const BarControlDef& def : bar.controls) {
      BarControlState s;
      s.caption = std::string(def.caption);
      s.hint = std::string(def.hint);
      states.push_back(std::move(s));
    }
  }
}

const BarControlState& TToolBarControls::State(ControlRef c) const {
  DefOf(c);  // checks the reference
  return states_[Slot(c.bar)][static_cast<std::size_t>(c.index)];
}

BarControlState& TToolBarControls::Mutable(ControlRef c) {
  DefOf(c);
  return states_[Slot(c.bar)][static_cast<std::size_t>(c.index)];
}

void TToolBarControls::Changed(ControlRef c) const {
  if (view_) view_->ControlChanged(c);
}

template <class T, class V>
bool TToolBarControls::Assign(ControlRef c, T BarControlState::*field, const V& value) {
  T& current = Mutable(c).*field;
  if (current == value) return false;
  current = T(value);
  Changed(c);
  return true;
}

void TToolBarControls::SetCaption(ControlRef c, std::string_view v) { Assign(c, &BarControlState::caption, v); }
void TToolBarControls::SetHint(ControlRef c, std::string_view v) { Assign(c, &BarControlState::hint, v); }
void TToolBarControls::SetEnabled(ControlRef c, bool v) { Assign(c, &BarControlState::enabled, v); }
void TToolBarControls::SetChecked(ControlRef c, bool v) { Assign(c, &BarControlState::checked, v); }
void TToolBarControls::SetVisible(ControlRef c, bool v) { Assign(c, &BarControlState::visible, v); }

void TToolBarControls::SetText(ControlRef c, std::string_view text) {
  if (Assign(c, &BarControlState::text, text) && OnTextChange) OnTextChange(c);
}
bool TToolBarControls::Usable(ControlRef c) const {
  const BarControlDef& def = DefOf(c);
  const BarControlState& s = State(c);
  if (!s.enabled || !s.visible) return false;
  if (!RunsCommand(def.kind)) return true;
  return def.command != Command::None && HasHandler && HasHandler(def.command);
}

std::string TToolBarControls::SelectedText(ControlRef c) const {
  return view_ && DefOf(c).kind == K::EditBox ? view_->EditSelectedText(c) : std::string();
}

void TToolBarControls::ReplaceSelection(ControlRef c, std::string_view text) {
  if (view_ && DefOf(c).kind == K::EditBox) view_->EditReplaceSelection(c, text);
}

void TToolBarControls::Action(ControlRef c, EditBoxAction action) {
  if (view_ && DefOf(c).kind == K::EditBox) view_->EditAction(c, action);
}

void TToolBarControls::Focus(ControlRef c) {
  if (view_ && State(c).visible) view_->FocusControl(c);
}

std::vector<Rect> TToolBarControls::Layout(ToolBarId bar) const {
  const ToolBarDef& def = BarDef(bar);
  const std::vector<BarControlState>& states = states_[Slot(bar)];
  std::vector<Rect> rects(def.controls.size());
  int x = 0;
  for (std::size_t i = 0; i < def.controls.size(); ++i) {
    if (!states[i].visible) continue;
    const BarControlDef& c = def.controls[i];
    const bool gap = HasGap(c.kind);
    if (gap) x += kBoxGap;
    const int h = c.size.height <= 0 || c.size.height > def.height ? def.height : c.size.height;
    rects[i] = Rect::FromSize(x, (def.height - h) / 2, c.size.width, h);
    x += c.size.width + (gap ? kBoxGap : 0) + (c.kind == K::Grip ? kGripGap : 0);
  }
  return rects;
}

}  // namespace hanaroku
