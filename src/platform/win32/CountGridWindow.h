#pragma once
// The window of TForm2 "count grid": a modeless window owned by the main
// window with Panel1 (the gradient buttons, which Tab, Ctrl+Tab from the
// grid and Alt+key reach) on top and StrSortGrid1 below it. The grid is a
// child window of our own drawing (SortGridWindow) with scroll bars and a
// platform edit box as its in-place cell editor. The close asks
// the model; once the window is destroyed, `closed` tells the owner, which
// frees the model.
#include "platform/win32/Win32Util.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/StrSortGrid.h"
#include "platform/win32/ShineButtonWindow.h"
#include "windows/CountGrid.h"

namespace hanaroku::win32 {

// A TStrSortGrid in a child window: painting, mouse, keys, scroll bars and
// the cell editor.
class SortGridWindow final : public IGridEditor {
 public:
  SortGridWindow() = default;
  ~SortGridWindow() override;
  SortGridWindow(const SortGridWindow&) = delete;
  SortGridWindow& operator=(const SortGridWindow&) = delete;

  void Create(HWND parent, int id, TStrSortGrid& grid);
  HWND Handle() const noexcept { return wnd_; }
  HWND Editor() const noexcept { return editor_; }
  Size ClientSize() const noexcept;

  // IGridEditor
  void ShowEditor(const Rect& cell, const std::string& sjis) override;
  void HideEditor() override;
  std::string EditorText() const override;

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK EditorProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
  void OnPaint();
  void OnScroll(int bar, int code);
  bool OnKey(WPARAM key);
  void OnChar(wchar_t ch);
  void UpdateScrollBars();
  void Changed();

  HWND wnd_ = nullptr;
  HWND editor_ = nullptr;
  TStrSortGrid* grid_ = nullptr;
  int wheelRest_ = 0;
};

class CountGridWindow final : public ICountGridView {
 public:
  CountGridWindow() = default;
  ~CountGridWindow() override;
  CountGridWindow(const CountGridWindow&) = delete;
  CountGridWindow& operator=(const CountGridWindow&) = delete;

  void Create(HWND owner, TForm2& form, std::function<void()> closed);
  void Show();
  HWND Handle() const noexcept { return wnd_; }
  bool Visible() const noexcept { return wnd_ && ::IsWindowVisible(wnd_); }
  SortGridWindow& Grid() noexcept { return grid_; }
  // A button of Panel1 by its design name (null: none).
  HWND ButtonWindow(std::string_view name) const;

  // ICountGridView
  void CaptionChanged() override;
  void EditorAction(EditBoxAction action) override;
  Size GridClientSize() const override { return grid_.ClientSize(); }

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  void Layout();

  HWND wnd_ = nullptr;
  TForm2* form_ = nullptr;
  std::function<void()> closed_;
  std::vector<std::unique_ptr<ShineButtonWindow>> buttons_;
  SortGridWindow grid_;
  BrushPtr panelBrush_;
};

}  // namespace hanaroku::win32
