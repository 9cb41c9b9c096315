#pragma once
// A tool bar of the main window as a host of real controls: one child window
// per control of the bar's table (app/ToolBars.h), placed from the left edge
// by the table's layout.
//
// - grips and tabs: TActiveImage in a drawn-control window, lit under the mouse;
// - picture buttons: THWaSpeedButton with its picture;
// - gradient buttons: TShineSpeedButton in its own window, in the bar's look;
// - Edit2..Edit5: the platform's EDIT (input method, clipboard, focus; Edit2
//   turns the input method to hiragana when it takes the focus);
// - CheckBox1..14: the platform's BUTTON check box, whose state the window
//   decides (a click turns it over through the main window's rules);
// - Label1: the platform's STATIC;
// - the clock and banner cells: a plain placeholder until the program puts
//   its own child window there (SetCellWindow), which the bar then places,
//   shows and hides like the others.
//
// Every control's hint goes to the application's hint window (HintWindow.h)
// as the controls' state holds it, so that hints changed at run time show;
// the bar says when the mouse comes over a control and leaves it (for status
// panel 4).
#include "platform/win32/Win32Util.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/ToolBars.h"
#include "controls/DrawnControl.h"
#include "platform/win32/DrawnControlWindow.h"
#include "platform/win32/ShineButtonWindow.h"

namespace hanaroku::win32 {

class ToolBarWindow {
 public:
  struct Callbacks {
    std::function<void(ControlRef)> click;
    std::function<void(ControlRef, std::string_view)> textEdited;  // UTF-8
    // The mouse came over a control or left it.
    std::function<void(ControlRef, bool inside)> hover;
  };

  ToolBarWindow() = default;
  ~ToolBarWindow();
  ToolBarWindow(const ToolBarWindow&) = delete;
  ToolBarWindow& operator=(const ToolBarWindow&) = delete;

  // `controls` holds the states shown and must outlive the bar.
  void Create(HWND parent, int id, ToolBarId bar, const TToolBarControls& controls, Callbacks callbacks);
  HWND Handle() const noexcept { return wnd_; }
  ToolBarId Bar() const noexcept { return bar_; }
  int Height() const noexcept { return BarDef(bar_).height; }

  // The window of control `index` (its cell window for a clock or banner
  // cell), or null.
  HWND ControlWindow(int index) const noexcept;
  std::optional<int> IndexOf(HWND child) const noexcept;

  // Shows the control's new state (caption, hint, enabled, checked, text,
  // visibility).
  void ControlChanged(int index);

  // The cell of a clock or banner in the bar's client coordinates; the
  // program's own window for it, a child of Handle(), goes there.
  Rect CellRect(int index) const;
  // The bar owns it from then on: it goes with the bar.
  void SetCellWindow(int index, HWND child);
  // The placeholder's colour (until a cell window is set).
  void SetCellBackground(ControlKind cell, TColor background);

  // The edit boxes.
  std::string SelectedText(int index) const;
  void ReplaceSelection(int index, std::string_view utf8);
  void EditAction(int index, EditBoxAction action);
  void Focus(int index);

 private:
  struct Child {
    std::unique_ptr<IDrawnControl> model;
    std::unique_ptr<DrawnControlWindow> drawn;
    std::unique_ptr<ShineButtonWindow> shine;
    HWND wnd = nullptr;  // the drawn, native or adopted window
    bool visible = true;
  };
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK NativeChildProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
  void CreateChild(int index);
  void CreateDrawn(int index, std::unique_ptr<IDrawnControl> model);
  void CreateShine(int index);
  void CreateNative(int index, const wchar_t* cls, DWORD style, DWORD exStyle);
  void Relayout();
  void Hover(int index, bool inside);
  void OnCommand(WPARAM wp, LPARAM lp);
  ControlRef Ref(int index) const noexcept { return ControlRef{bar_, index}; }
  bool IsEditBox(int index) const;

  HWND wnd_ = nullptr;
  ToolBarId bar_ = ToolBarId::NNBar1;
  const TToolBarControls* controls_ = nullptr;
  Callbacks callbacks_;
  std::vector<Child> children_;
  int hovered_ = -1;
};

}  // namespace hanaroku::win32
