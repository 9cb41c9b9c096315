#pragma once
// The main window's commands as data. Each Command is one handler of
// TMainForm1; menu items and tool buttons are tables that name the command
// they run, so the Win32 side builds MainMenu1 and PopupMenu1 from these
// tables and binds shortcuts by name; the tool bars' tables are in
// app/ToolBars.h.
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace hanaroku {

enum class Command : std::uint16_t {
  None = 0,
  // File, right pane
  New1Click,
  Open1Click,
  Save1Click,
  SaveAs1Click,
  LastFile1Click,
  Print1Click,
  Exit1Click,
  // File, left pane
  ShineSpeedButton12Click,  // left New
  ShineSpeedButton5Click,   // left Open
  ShineSpeedButton13Click,  // left Save
  ShineSpeedButton22Click,  // left Save As
  // Edit
  Undo1Click,
  Redo1Click,
  Cut1Click,
  Copy1Click,
  Paste1Click,
  SelectAllClick,
  Find1Click,
  FindNextButtonClick,
  FindBack1Click,
  Replace1Click,
  FindLeftButtonClick,
  FindNextLButtonClick,
  FindBackLButtonClick,
  ShineSpeedButton7Click,   // left Replace
  HidukeClick,
  diaryClick,
  HtmButton11Click,         // whole text right -> left
  idou2Click,               // whole text left -> right
  kuhaku1Click,
  ShineSpeedButton38Click,  // left -> right HTML insertion
  // View
  VHClick,
  Font1Click,
  N7Click,
  WordWrapClick,
  N8Click,
  HHVClick,
  ShineSpeedButton4Click,   // left font
  ShineSpeedButton8Click,   // left background
  WordWrapHClick,
  N9Click,
  ShineSpeedButton28Click,  // font synchronize
  ShineSpeedButton37Click,  // synchronize undo
  ShineSpeedButton2Click,   // left pane on/off
  ClockLabel2Click,
  // Tool bar grips and tabs
  ActiveImage1Click,
  ActiveImage2Click,
  ActiveImage3Click,
  ActiveImage4Click,
  ActiveImage5Click,
  ActiveImage6Click,
  ActiveImage7Click,
  ActiveImage8Click,
  // Help and secondary windows
  About1Click,
  ShineSpeedButton23Click,  // launcher 1
  ShineSpeedButton24Click,  // launcher 2
  // Counting
  ShineSpeedButton34Click,  // right counts
  ShineSpeedButton33Click,  // left counts
  // Colouring (popup)
  NNButton8Click,           // take the right selection as the colour string
  N24Click, N25Click, N26Click, N27Click, N28Click, N29Click,
  N30Click, N31Click, N32Click, N33Click, N34Click, N35Click,
  // Script conversions and verse
  ShineSpeedButton3Click,   // hyakunin.txt
  ShineSpeedButton18Click,  // haiku.txt
  KatakanaButton1Click,
  KatakanaButton2Click,
  ShineSpeedButton21Click,  // man'yougana
  HiraganaButton1Click,
  ShineSpeedButton14Click,  // banner run/stop
  ShineSpeedButton15Click,  // banner text from the left selection
  ShineSpeedButton16Click,  // banner text white
  ShineSpeedButton17Click,  // banner poems
  // HTML
  ShineSpeedButton35Click,  // long-text HTML
  ShineSpeedButton40Click,  // long-text quick settings
  ShineSpeedButton36Click,  // right pane to HTML
  // Settings window, and the colour-string bar NNBar4
  ShineSpeedButton25Click,  // About and settings
  NNButton1Click,           // count-grid window
  NNButton2Click,           // colour run with the next step colour
  NNButton3Click,           // write the last count
  NNButton4Click,           // paste into Edit2
  NNButton5Click,           // take the left selection as the colour string
  NNButton6Click,           // left font colour
  NNButton7Click,           // right font colour
  Edit2Change,
  Edit3Change,
  SCButton1Click, SCButton2Click, SCButton3Click, SCButton4Click, SCButton5Click, SCButton6Click,
  SCButton7Click, SCButton8Click, SCButton9Click, SCButton10Click, SCButton11Click, SCButton12Click,
  // The HTML bar NNBer5
  HtmButton1Click,          // HTML conversion
  HtmButton3Click,          // save the left page
  HtmButton4Click,          // preview
  HtmButton5Click,          // page colour
  HtmButton6Click,          // first line colour
  HtmButton7Click,          // second line colour
  HtmButton8Click,          // Mincho / Gothic
  HtmButton9Click,          // base settings
  HtmButton10Click,         // rule colour
  HtmButton12Click,         // heading colour
  HtmButton13Click,         // line breaks
  ShineSpeedButton39Click,  // save the right page
  Edit4Change,
  Edit5Change,
  // Sound count of the left pane
  SoundCountButtonClick,
  Count
};

inline constexpr int kCommandCount = static_cast<int>(Command::Count);

// Ctrl+letter shortcuts only; key is the upper-case letter.
struct Shortcut {
  char key = 0;
  bool ctrl = false;
  constexpr bool Empty() const noexcept { return key == 0; }
};

// Menu check marks kept by the main window.
enum class CheckMark : std::uint8_t { None, VH, HHV, WordWrap, WordWrapH, N14 };

struct CommandInfo {
  Command id;
  std::string_view handler;  // "New1Click"
  std::string_view caption;  // menu caption with its accelerator ("新規作成(&N)")
  std::string_view hint;     // tool tip / status hint
  Shortcut shortcut;
};

enum class MenuKind : std::uint8_t { Popup, Item, Separator, EndPopup };

// One entry of a menu table, in order. A Popup opens a sub menu closed by
// EndPopup; Items and Separators belong to the innermost open Popup.
struct MenuItemDef {
  MenuKind kind;
  std::string_view name;     // design name ("New1"); empty for separators
  std::string_view caption;
  Command command = Command::None;
  Shortcut shortcut{};
  CheckMark check = CheckMark::None;
  bool ownerDraw = false;    // the colour items of the popup
};

// Tables. Every Command except None and Count has one CommandInfo.
std::span<const CommandInfo> AllCommands() noexcept;
const CommandInfo& Info(Command c) noexcept;
std::optional<Command> CommandByHandler(std::string_view handler) noexcept;

std::span<const MenuItemDef> MainMenu1Items() noexcept;
std::span<const MenuItemDef> PopupMenu1Items() noexcept;

// The colour of popup item N24..N35 (index 0..11) as 0x00BBGGRR, for
// owner-drawing.
std::uint32_t PopupColor(int index) noexcept;

}  // namespace hanaroku
