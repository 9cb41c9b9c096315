#pragma once
// The main window's tool bars as data, and the run-time state of their
// controls.
//
// Five bars in their stacking order: NNBar1 (right pane), NNBar3 (left pane),
// NNBar4 (colour strings), NNBer5 (HTML) and NNBar2, the tab strip of the
// collapsed bars. Each bar's table lists its controls left to right with
// their kind, design name, caption, hint, size and the command a click (an
// edit box: a change of its text) runs.
//
// TToolBarControls holds what may change while the program runs: captions
// ("走"/"停", "明"/"ゴ"), hints (the launcher paths, the colour string),
// enabled and checked states and the texts of the edit boxes. The window's
// handlers change them here; the window showing the bars (IToolBarView) is
// told about each changed control and updates only that one.
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "app/Commands.h"
#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace hanaroku {

enum class ToolBarId : std::uint8_t { NNBar1, NNBar3, NNBar4, NNBer5, NNBar2 };
inline constexpr int kToolBarCount = 5;
inline constexpr ToolBarId kAllToolBars[kToolBarCount] = {ToolBarId::NNBar1, ToolBarId::NNBar3, ToolBarId::NNBar4,
                                                         ToolBarId::NNBer5, ToolBarId::NNBar2};

enum class ControlKind : std::uint8_t {
  Grip,           // TActiveImage at a bar's left edge: collapses the bar
  Tab,            // TActiveImage on NNBar2: expands its bar
  ShineButton,    // TShineSpeedButton: gradient face and a short caption
  PictureButton,  // THWaSpeedButton: flat, with a picture (or a caption)
  EditBox,        // the platform's edit box (Edit2..Edit5)
  CheckBox,       // the platform's check box (CheckBox1..CheckBox14)
  Label,          // Label1
  ClockCell,      // the place of the clock ClockLabel2
  BannerCell,     // the place of the scrolling banner MsgSCR1
};

// A button face colour of its own (the colour buttons of NNBar4); none for
// the others.
inline constexpr TColor kNoFaceColor = 0x1FFFFFFF;

struct BarControlDef {
  ControlKind kind;
  std::string_view name;     // design name ("HWaSpeedButton1")
  std::string_view caption;  // UTF-8; empty for picture buttons and edit boxes
  std::string_view hint;
  Command command = Command::None;  // click; an edit box's change handler
  Size size{23, 23};                // height 0: the bar's whole height
  std::string_view picture{};       // picture buttons: the picture's name in the program's set
  int index = 0;                    // CheckBox<index>
  TColor face = kNoFaceColor;
  bool hiragana = false;            // an edit box that turns the input method to hiragana
};

struct ToolBarDef {
  ToolBarId id;
  std::string_view name;  // "NNBar1"
  int height;             // pixels
  std::span<const BarControlDef> controls;
};

const ToolBarDef& BarDef(ToolBarId bar) noexcept;
inline std::span<const BarControlDef> BarControls(ToolBarId bar) noexcept { return BarDef(bar).controls; }

// One control: its bar and its position in the bar's table.
struct ControlRef {
  ToolBarId bar = ToolBarId::NNBar1;
  int index = 0;
  bool operator==(const ControlRef&) const = default;
};

const BarControlDef& DefOf(ControlRef c);
std::optional<ControlRef> FindBarControl(std::string_view name) noexcept;
// As FindBarControl; an unknown name is a programming error (std::out_of_range).
ControlRef BarControl(std::string_view name);
// Every control of every bar, bar by bar, left to right.
std::vector<ControlRef> AllBarControls();

// Whether the user works the control through its command (buttons, grips
// and tabs), so that it stays disabled until the command has a handler.
bool RunsCommand(ControlKind kind) noexcept;

// What a real edit box does on its own (clipboard, undo, selection).
enum class EditBoxAction : std::uint8_t { Undo, Cut, Copy, Paste, SelectAll, Clear };

struct BarControlState {
  std::string caption, hint, text;  // UTF-8
  bool enabled = true;
  bool checked = false;
  bool visible = true;
};

// The window that shows the bars.
class IToolBarView {
 public:
  virtual ~IToolBarView() = default;
  // The caption, hint, enabled, checked, visible state or text of c changed.
  virtual void ControlChanged(ControlRef c) = 0;
  // What only the real edit boxes hold.
  virtual std::string EditSelectedText(ControlRef) const { return {}; }
  virtual void EditReplaceSelection(ControlRef, std::string_view) {}
  virtual void EditAction(ControlRef, EditBoxAction) {}
  virtual void FocusControl(ControlRef) {}
};

class TToolBarControls {
 public:
  TToolBarControls();

  const BarControlState& State(ControlRef c) const;
  const BarControlState& State(std::string_view name) const { return State(BarControl(name)); }

  // Each setter tells the view only when the value changes.
  void SetCaption(ControlRef c, std::string_view caption);
  void SetHint(ControlRef c, std::string_view hint);
  void SetEnabled(ControlRef c, bool enabled);
  void SetChecked(ControlRef c, bool checked);
  void SetVisible(ControlRef c, bool visible);
  // The text of an edit box; a different text runs OnTextChange, whether the
  // program or the user changed it.
  void SetText(ControlRef c, std::string_view text);
  const std::string& Text(ControlRef c) const { return State(c).text; }

  void SetCaption(std::string_view name, std::string_view v) { SetCaption(BarControl(name), v); }
  void SetHint(std::string_view name, std::string_view v) { SetHint(BarControl(name), v); }
  void SetEnabled(std::string_view name, bool v) { SetEnabled(BarControl(name), v); }
  void SetChecked(std::string_view name, bool v) { SetChecked(BarControl(name), v); }
  void SetText(std::string_view name, std::string_view v) { SetText(BarControl(name), v); }
  const std::string& Text(std::string_view name) const { return Text(BarControl(name)); }

  // Whether the user can work the control now: enabled, and for buttons,
  // grips and tabs a command that has a handler.
  bool Usable(ControlRef c) const;

  // Edit boxes: the selection, clipboard and undo of the real control (no
  // effect without a view).
  std::string SelectedText(ControlRef c) const;
  void ReplaceSelection(ControlRef c, std::string_view text);
  void Action(ControlRef c, EditBoxAction action);
  void Focus(ControlRef c);

  // The controls' places in their bar: the visible ones side by side from the
  // left edge, each centred in the bar's height; hidden ones get an empty
  // rectangle.
  std::vector<Rect> Layout(ToolBarId bar) const;

  void SetView(IToolBarView* view) noexcept { view_ = view; }
  IToolBarView* View() const noexcept { return view_; }

  std::function<bool(Command)> HasHandler;
  std::function<void(ControlRef)> OnTextChange;

 private:
  BarControlState& Mutable(ControlRef c);
  // Sets one field; tells the view and returns true when it changed.
  template <class T, class V>
  bool Assign(ControlRef c, T BarControlState::*field, const V& value);
  void Changed(ControlRef c) const;

  std::array<std::vector<BarControlState>, kToolBarCount> states_;
  IToolBarView* view_ = nullptr;
};

}  // namespace hanaroku
