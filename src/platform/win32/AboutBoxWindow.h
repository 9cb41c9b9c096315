#pragma once
// The window of TAboutBox "About & 設定": a modeless dialog-framed window
// owned by the main window, centred on the desktop, with the model's labels,
// link labels, the ten colour edit boxes (their background EnterColor while
// focused), LCheckBox1 and the gradient buttons "OK" and "Exit". Tab moves
// through the fields and buttons, Enter applies as "OK" (or presses the
// focused button), Esc closes as the title bar does. Programs dropped on
// ColorEdit1 and ColorEdit2 go to the model's drop handlers. Closing the
// window (by "Exit" or the title bar) destroys it; `closed` then tells the
// owner, which frees the model.
#include "platform/win32/Win32Util.h"

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "platform/win32/DrawnControlWindow.h"
#include "platform/win32/GdiMeasurer.h"
#include "platform/win32/ShineButtonWindow.h"
#include "windows/AboutBox.h"

namespace hanaroku::win32 {

class AboutBoxWindow final : public IAboutBoxView {
 public:
  AboutBoxWindow() = default;
  ~AboutBoxWindow() override;
  AboutBoxWindow(const AboutBoxWindow&) = delete;
  AboutBoxWindow& operator=(const AboutBoxWindow&) = delete;

  // Makes the window (hidden) over `box`, which becomes its view's model.
  void Create(HWND owner, TAboutBox& box, std::function<void()> closed);
  void Show();
  HWND Handle() const noexcept { return wnd_; }
  // The window of a control by its design name (null: none).
  HWND ControlWindow(std::string_view name) const;

  // IAboutBoxView
  void FieldChanged(int index) override;
  void FontSizeChanged() override;
  void FieldAction(int index, EditBoxAction action) override;
  void CloseWindow() override;
  const ITextMeasurer& FieldMeasurer() const override { return *measurer_; }

 private:
  LRESULT Handle(UINT msg, WPARAM wp, LPARAM lp);
  static LRESULT CALLBACK EditProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR ref);
  void CreateControls();
  void OnCommand(int id, int code, HWND from);
  LRESULT OnColor(HDC dc, HWND control);
  void Dropped(int field, HDROP drop);
  HWND Field(int index) const noexcept { return fields_[static_cast<std::size_t>(index - 1)]; }

  HWND wnd_ = nullptr;
  TAboutBox* box_ = nullptr;
  std::function<void()> closed_;
  std::vector<std::pair<const AboutControlDef*, HWND>> controls_;
  std::array<HWND, TAboutBox::kFieldCount> fields_{};
  DrawnControlWindow checkBox_;
  std::vector<std::unique_ptr<ShineButtonWindow>> buttons_;  // "OK" and "Exit"
  std::unique_ptr<GdiMeasurer> measurer_;
  FontPtr linkFont_;
  BrushPtr background_;
  std::vector<BrushPtr> fieldBrushes_;
  bool updating_ = false;  // a field is being set from the model
};

}  // namespace hanaroku::win32
