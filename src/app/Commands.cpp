#include "app/Commands.h"

#include "editing/StringColoring.h"

namespace hanaroku {
namespace {

using C = Command;
constexpr Shortcut Ctrl(char k) { return Shortcut{k, true}; }

constexpr CommandInfo kCommands[] = {
    {C::New1Click, "New1Click", "新規作成(&N)", "新規作成", Ctrl('N')},
    {C::Open1Click, "Open1Click", "開く(&O)", "開く", Ctrl('O')},
    {C::Save1Click, "Save1Click", "上書き保存(&S)", "上書き保存", Ctrl('S')},
    {C::SaveAs1Click, "SaveAs1Click", "名前を付けて保存(&A)...", "名前を付けて保存", {}},
    {C::LastFile1Click, "LastFile1Click", "前回のファイルを開く(&L)", "前回のファイルを開く", {}},
    {C::Print1Click, "Print1Click", "印刷(&P)...右", "印刷", {}},
    {C::Exit1Click, "Exit1Click", "終了(&X)", "終了", {}},
    {C::ShineSpeedButton12Click, "ShineSpeedButton12Click", "新", "左窓・新規作成", {}},
    {C::ShineSpeedButton5Click, "ShineSpeedButton5Click", "開", "左窓・開く", {}},
    {C::ShineSpeedButton13Click, "ShineSpeedButton13Click", "保", "左窓・上書き保存", {}},
    {C::ShineSpeedButton22Click, "ShineSpeedButton22Click", "名", "左窓・名前を付けて保存", {}},
    {C::Undo1Click, "Undo1Click", "元に戻す(&U) ", "元に戻す", Ctrl('Z')},
    {C::Redo1Click, "Redo1Click", "やり直し(&R)", "やり直し", Ctrl('Y')},
    {C::Cut1Click, "Cut1Click", "切り取り(&T) ", "切り取り", Ctrl('X')},
    {C::Copy1Click, "Copy1Click", "コピー(&C) ", "コピー", Ctrl('C')},
    {C::Paste1Click, "Paste1Click", "貼り付け(&P) ", "貼りつけ", Ctrl('V')},
    {C::SelectAllClick, "SelectAllClick", "すべて選択(&A) ", "すべて選択", Ctrl('A')},
    {C::Find1Click, "Find1Click", "検索(&F)...", "検索", {}},
    {C::FindNextButtonClick, "FindNextButtonClick", "次を検索(&N)", "次を検索", {}},
    {C::FindBack1Click, "FindBack1Click", "前を検索(&B)", "前を検索", {}},
    {C::Replace1Click, "Replace1Click", "置換(&E)...", "置換", {}},
    {C::FindLeftButtonClick, "FindLeftButtonClick", "索", "検索", {}},
    {C::FindNextLButtonClick, "FindNextLButtonClick", "次", "次を検索", {}},
    {C::FindBackLButtonClick, "FindBackLButtonClick", "前", "前を検索", {}},
    {C::ShineSpeedButton7Click, "ShineSpeedButton7Click", "換", "置換", {}},
    {C::HidukeClick, "HidukeClick", "日付漢字(&D)", "日付漢字", {}},
    {C::diaryClick, "diaryClick", "日付西暦(&Y)", "日付西暦", {}},
    {C::HtmButton11Click, "HtmButton11Click", "右～左　全コピー(&I)", "右～左　全コピー", {}},
    {C::idou2Click, "idou2Click", "左～右　全コピー(&M)", "左～右　全コピー", {}},
    {C::kuhaku1Click, "kuhaku1Click", "空白記号<＠＃＆％！>(&K)", "空白記号", {}},
    {C::ShineSpeedButton38Click, "ShineSpeedButton38Click", "左－右　HTML自動挿入(&S)", "左窓変換～右窓へ挿入", {}},
    {C::VHClick, "VHClick", "縦書き(&T)", "縦横変更", {}},
    {C::Font1Click, "Font1Click", "フォント(&M)", "フォント", {}},
    {C::N7Click, "N7Click", "背景(&H)", "背景色", {}},
    {C::WordWrapClick, "WordWrapClick", "折り返し(&W)", "右折り返し", {}},
    {C::N8Click, "N8Click", "フォント色(&F)", "右FontColor", {}},
    {C::HHVClick, "HHVClick", "左窓・縦書き(&Y)", "縦横変更", {}},
    {C::ShineSpeedButton4Click, "ShineSpeedButton4Click", "左・フォント(&N)", "Font選択", {}},
    {C::ShineSpeedButton8Click, "ShineSpeedButton8Click", "左・背景(&G)", "背景色", {}},
    {C::WordWrapHClick, "WordWrapHClick", "左窓・折り返し(&Q)", "左折り返し", {}},
    {C::N9Click, "N9Click", "左・フォント色(&I)", "左FontColor", {}},
    {C::ShineSpeedButton28Click, "ShineSpeedButton28Click", "s", "Font synchronize", {}},
    {C::ShineSpeedButton37Click, "ShineSpeedButton37Click", "u", "synchronize undo", {}},
    {C::ShineSpeedButton2Click, "ShineSpeedButton2Click", "左", "左窓OnOff", {}},
    {C::ClockLabel2Click, "ClockLabel2Click", "", "クロック", {}},
    {C::ActiveImage1Click, "ActiveImage1Click", "", "右窓", {}},
    {C::ActiveImage2Click, "ActiveImage2Click", "", "右窓", {}},
    {C::ActiveImage3Click, "ActiveImage3Click", "", "左窓", {}},
    {C::ActiveImage4Click, "ActiveImage4Click", "", "左窓", {}},
    {C::ActiveImage5Click, "ActiveImage5Click", "", "Color String", {}},
    {C::ActiveImage6Click, "ActiveImage6Click", "", "Color String", {}},
    {C::ActiveImage7Click, "ActiveImage7Click", "", "HTML", {}},
    {C::ActiveImage8Click, "ActiveImage8Click", "", "HTML", {}},
    {C::About1Click, "About1Click", "バージョン情報＆設定(&A)...", "ミニランチャー&HTML設定", {}},
    {C::ShineSpeedButton23Click, "ShineSpeedButton23Click", "起", "EXE Run1", {}},
    {C::ShineSpeedButton24Click, "ShineSpeedButton24Click", "起", "EXE Run2", {}},
    {C::ShineSpeedButton34Click, "ShineSpeedButton34Click", "R", "右文字数＆列数", {}},
    {C::ShineSpeedButton33Click, "ShineSpeedButton33Click", "L", "左文字数＆列数", {}},
    {C::NNButton8Click, "NNButton8Click", "文字選択確定", "右選択入力確定", {}},
    {C::N24Click, "N24Click", "えんじ", "", {}},
    {C::N25Click, "N25Click", "ブルー", "", {}},
    {C::N26Click, "N26Click", "黄", "", {}},
    {C::N27Click, "N27Click", "緑", "", {}},
    {C::N28Click, "N28Click", "チョコ", "", {}},
    {C::N29Click, "N29Click", "黄緑", "", {}},
    {C::N30Click, "N30Click", "テイル", "", {}},
    {C::N31Click, "N31Click", "濃緑", "", {}},
    {C::N32Click, "N32Click", "オレンジ", "", {}},
    {C::N33Click, "N33Click", "紫", "", {}},
    {C::N34Click, "N34Click", "水色", "", {}},
    {C::N35Click, "N35Click", "銀", "", {}},
    {C::ShineSpeedButton3Click, "ShineSpeedButton3Click", "百", "百人一首", {}},
    {C::ShineSpeedButton18Click, "ShineSpeedButton18Click", "句", "俳句", {}},
    {C::KatakanaButton1Click, "KatakanaButton1Click", "カ", "カタカナ・平仮名変換", {}},
    {C::KatakanaButton2Click, "KatakanaButton2Click", "カ", "カタカナ・漢字変換", {}},
    {C::ShineSpeedButton21Click, "ShineSpeedButton21Click", "萬", "万葉仮名変換", {}},
    {C::HiraganaButton1Click, "HiraganaButton1Click", "ひ", "平仮名・カタカナ変換", {}},
    {C::ShineSpeedButton14Click, "ShineSpeedButton14Click", "走", "走行＆停止", {}},
    {C::ShineSpeedButton15Click, "ShineSpeedButton15Click", "設", "選択文字列設定(左窓から)", {}},
    {C::ShineSpeedButton16Click, "ShineSpeedButton16Click", "白", "スクロール文字白色", {}},
    {C::ShineSpeedButton17Click, "ShineSpeedButton17Click", "泉", "花守詠女", {}},
    {C::ShineSpeedButton35Click, "ShineSpeedButton35Click", "H", "LongTextHtml変換", {}},
    {C::ShineSpeedButton40Click, "ShineSpeedButton40Click", "F", "LongTextHtml変換クイック設定", {}},
    {C::ShineSpeedButton36Click, "ShineSpeedButton36Click", "H", "Html変換", {}},
    {C::ShineSpeedButton25Click, "ShineSpeedButton25Click", "設", "ミニランチャー&HTML設定", {}},
    {C::NNButton1Click, "NNButton1Click", "起", "別窓起動", {}},
    {C::NNButton2Click, "NNButton2Click", "彩", "左文字列彩色", {}},
    {C::NNButton3Click, "NNButton3Click", "書記", "書き込み", {}},
    {C::NNButton4Click, "NNButton4Click", "貼", "貼り付け", {}},
    {C::NNButton5Click, "NNButton5Click", "選", "左選択入力確定", {}},
    {C::NNButton6Click, "NNButton6Click", "左", "左FontColor", {}},
    {C::NNButton7Click, "NNButton7Click", "右", "右FontColor", {}},
    {C::Edit2Change, "Edit2Change", "", "彩色文字列入力", {}},
    {C::Edit3Change, "Edit3Change", "", "文字列カウント", {}},
    {C::SCButton1Click, "SCButton1Click", "", "左文字列彩色", {}},
    {C::SCButton2Click, "SCButton2Click", "", "左文字列彩色", {}},
    {C::SCButton3Click, "SCButton3Click", "", "左文字列彩色", {}},
    {C::SCButton4Click, "SCButton4Click", "", "左文字列彩色", {}},
    {C::SCButton5Click, "SCButton5Click", "", "左文字列彩色", {}},
    {C::SCButton6Click, "SCButton6Click", "", "左文字列彩色", {}},
    {C::SCButton7Click, "SCButton7Click", "", "左文字列彩色", {}},
    {C::SCButton8Click, "SCButton8Click", "", "左文字列彩色", {}},
    {C::SCButton9Click, "SCButton9Click", "", "左文字列彩色", {}},
    {C::SCButton10Click, "SCButton10Click", "", "左文字列彩色", {}},
    {C::SCButton11Click, "SCButton11Click", "", "左文字列彩色", {}},
    {C::SCButton12Click, "SCButton12Click", "", "左文字列彩色", {}},
    {C::HtmButton1Click, "HtmButton1Click", "換", "HTML変換", {}},
    {C::HtmButton3Click, "HtmButton3Click", "保", "HTML名前を付けて保存", {}},
    {C::HtmButton4Click, "HtmButton4Click", "起", "HTMLプレビュー", {}},
    {C::HtmButton5Click, "HtmButton5Click", "背", "背景色", {}},
    {C::HtmButton6Click, "HtmButton6Click", "前", "前行の色", {}},
    {C::HtmButton7Click, "HtmButton7Click", "後", "後行の色", {}},
    {C::HtmButton8Click, "HtmButton8Click", "明", "明朝・ゴシック", {}},
    {C::HtmButton9Click, "HtmButton9Click", "元", "元の設定", {}},
    {C::HtmButton10Click, "HtmButton10Click", "線", "線の色", {}},
    {C::HtmButton12Click, "HtmButton12Click", "題", "題名の色", {}},
    {C::HtmButton13Click, "HtmButton13Click", "改", "改行挿入", {}},
    {C::ShineSpeedButton39Click, "ShineSpeedButton39Click", "保", "右窓htm保存", {}},
    {C::Edit4Change, "Edit4Change", "", "題名", {}},
    {C::Edit5Change, "Edit5Change", "", "htmlタイトル", {}},
    {C::SoundCountButtonClick, "SoundCountButtonClick", "音数(&O)", "音数", {}},
};
static_assert(std::size(kCommands) == kCommandCount - 1, "one entry per command");

constexpr MenuItemDef Pop(std::string_view name, std::string_view caption) {
  return {MenuKind::Popup, name, caption};
}
constexpr MenuItemDef End() { return {MenuKind::EndPopup, "", ""}; }
constexpr MenuItemDef Sep(std::string_view name = "", bool ownerDraw = false) {
  return {MenuKind::Separator, name, "", C::None, {}, CheckMark::None, ownerDraw};
}
constexpr MenuItemDef Item(std::string_view name, std::string_view caption, C c, Shortcut s = {},
                           CheckMark m = CheckMark::None, bool ownerDraw = false) {
  return {MenuKind::Item, name, caption, c, s, m, ownerDraw};
}

constexpr MenuItemDef kMainMenu[] = {
    Pop("File1", "ファイル(&F)"),
    Item("New1", "新規作成(&N)", C::New1Click, Ctrl('N')),
    Item("Open1", "開く(&O)", C::Open1Click, Ctrl('O')),
    Sep(),
    Item("Save1", "上書き保存(&S)", C::Save1Click, Ctrl('S')),
    Item("SaveAs1", "名前を付けて保存(&A)...", C::SaveAs1Click),
    Sep(),
    Item("LastFile1", "前回のファイルを開く(&L)", C::LastFile1Click),
    Sep(),
    Item("Print1", "印刷(&P)...右", C::Print1Click),
    Sep(),
    Item("Exit1", "終了(&X)", C::Exit1Click),
    Sep(),
    End(),
    Pop("Edit1", "編集(&E)"),
    Item("Undo1", "元に戻す(&U) ", C::Undo1Click, Ctrl('Z')),
    Item("Redo1", "やり直し(&R)", C::Redo1Click, Ctrl('Y')),
    Sep(),
    Item("Cut1", "切り取り(&T) ", C::Cut1Click, Ctrl('X')),
    Item("Copy1", "コピー(&C) ", C::Copy1Click, Ctrl('C')),
    Item("Paste1", "貼り付け(&P) ", C::Paste1Click, Ctrl('V')),
    Item("SelectAll", "すべて選択(&A) ", C::SelectAllClick, Ctrl('A')),
    Sep(),
    Item("Find1", "検索(&F)...", C::Find1Click),
    Item("NextFind1", "次を検索(&N)", C::FindNextButtonClick),
    Item("FindBack1", "前を検索(&B)", C::FindBack1Click),
    Item("Replace1", "置換(&E)...", C::Replace1Click),
    Item("Hiduke", "日付漢字(&D)", C::HidukeClick),
    Item("diary", "日付西暦(&Y)", C::diaryClick),
    Item("SoundCount1", "音数(&O)", C::SoundCountButtonClick),
    Sep(),
    Item("idou1", "右～左　全コピー(&I)", C::HtmButton11Click),
    Item("idou2", "左～右　全コピー(&M)", C::idou2Click),
    Sep(),
    Item("kuhaku1", "空白記号<＠＃＆％！>(&K)", C::kuhaku1Click),
    Sep(),
    Item("sounyu", "左－右　HTML自動挿入(&S)", C::ShineSpeedButton38Click),
    End(),
    Pop("Show1", "表示(&V)"),
    Item("VH", "縦書き(&T)", C::VHClick, {}, CheckMark::VH),
    Item("Font1", "フォント(&M)", C::Font1Click),
    Item("N7", "背景(&H)", C::N7Click),
    Item("WordWrap", "折り返し(&W)", C::WordWrapClick, {}, CheckMark::WordWrap),
    Item("N8", "フォント色(&F)", C::N8Click),
    Sep(),
    Item("HHV", "左窓・縦書き(&Y)", C::HHVClick, {}, CheckMark::HHV),
    Item("Font2", "左・フォント(&N)", C::ShineSpeedButton4Click),
    Item("hikei2", "左・背景(&G)", C::ShineSpeedButton8Click),
    Item("WordWrapH", "左窓・折り返し(&Q)", C::WordWrapHClick, {}, CheckMark::WordWrapH),
    Item("N9", "左・フォント色(&I)", C::N9Click),
    End(),
    Pop("Help1", "ヘルプ(&H)"),
    Item("About1", "バージョン情報＆設定(&A)...", C::About1Click),
    End(),
};

constexpr MenuItemDef kPopupMenu[] = {
    Item("N13", "文字選択確定", C::NNButton8Click, {}, CheckMark::None, true),
    Sep("N12", true),
    Item("N24", "えんじ", C::N24Click, {}, CheckMark::None, true),
    Item("N25", "ブルー", C::N25Click, {}, CheckMark::None, true),
    Item("N26", "黄", C::N26Click, {}, CheckMark::None, true),
    Item("N27", "緑", C::N27Click, {}, CheckMark::None, true),
    Item("N28", "チョコ", C::N28Click, {}, CheckMark::None, true),
    Item("N29", "黄緑", C::N29Click, {}, CheckMark::None, true),
    Item("N30", "テイル", C::N30Click, {}, CheckMark::None, true),
    Item("N31", "濃緑", C::N31Click, {}, CheckMark::None, true),
    Item("N32", "オレンジ", C::N32Click, {}, CheckMark::None, true),
    Item("N33", "紫", C::N33Click, {}, CheckMark::None, true),
    Item("N34", "水色", C::N34Click, {}, CheckMark::None, true),
    Item("N35", "銀", C::N35Click, {}, CheckMark::None, true),
    Sep("N10", true),
    Item("N14", "折り返し", C::WordWrapClick, {}, CheckMark::N14, true),
};

}  // namespace

std::span<const CommandInfo> AllCommands() noexcept { return kCommands; }

const CommandInfo& Info(Command c) noexcept {
  const int i = static_cast<int>(c) - 1;
  if (i < 0 || i >= static_cast<int>(std::size(kCommands))) {
    static constexpr CommandInfo none{Command::None, "", "", "", {}};
    return none;
  }
  return kCommands[i];
}

std::optional<Command> CommandByHandler(std::string_view handler) noexcept {
  for (const auto& c : kCommands)
    if (c.handler == handler) return c.id;
  return std::nullopt;
}

std::span<const MenuItemDef> MainMenu1Items() noexcept { return kMainMenu; }
std::span<const MenuItemDef> PopupMenu1Items() noexcept { return kPopupMenu; }

std::uint32_t PopupColor(int index) noexcept { return StringColor(index); }

}  // namespace hanaroku
