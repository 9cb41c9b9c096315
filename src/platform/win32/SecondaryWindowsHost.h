#pragma once
// The main window's host of its secondary windows: it makes the window of
// each new settings or count-grid model, shows it, and when the window has
// gone frees the window and lets the main window forget the model.
#include "platform/win32/Win32Util.h"

#include <memory>

#include "platform/win32/AboutBoxWindow.h"
#include "platform/win32/CountGridWindow.h"
#include "windows/SecondaryWindows.h"

namespace hanaroku::win32 {

class SecondaryWindowsHost final : public ISecondaryWindowsHost {
 public:
  SecondaryWindowsHost(HWND owner, TSecondaryWindows& windows) noexcept : owner_(owner), windows_(windows) {}
  ~SecondaryWindowsHost() override;
  SecondaryWindowsHost(const SecondaryWindowsHost&) = delete;
  SecondaryWindowsHost& operator=(const SecondaryWindowsHost&) = delete;

  void CreateAboutBox(TAboutBox& box) override;
  void CreateCountGrid(TForm2& form) override;
  void ShowAboutBox() override;
  void ShowCountGrid() override;
  bool CountGridVisible() const override { return grid_ && grid_->Visible(); }

  // The keys of the two windows as a dialog's: Tab between their controls,
  // Alt+key on their buttons' captions, Enter and Esc; true when msg was taken.
  bool PreTranslate(MSG& msg);

  AboutBoxWindow* AboutBox() noexcept { return about_.get(); }
  CountGridWindow* CountGrid() noexcept { return grid_.get(); }

 private:
  HWND owner_;
  TSecondaryWindows& windows_;
  std::unique_ptr<AboutBoxWindow> about_;
  std::unique_ptr<CountGridWindow> grid_;
};

}  // namespace hanaroku::win32
