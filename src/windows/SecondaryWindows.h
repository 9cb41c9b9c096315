#pragma once
// TSecondaryWindows: the main window's secondary windows and the mini
// launcher, as one component of the main window. The settings window
// TAboutBox and the count-grid window TForm2 each exist at most once: the
// commands make one when there is none and otherwise bring the one there is
// to the front; a closed window is freed and forgotten.
//
// The real windows are made by the host (ISecondaryWindowsHost); without a
// host (the tests) the models live on their own.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/ToolBars.h"
#include "windows/AboutBox.h"
#include "windows/CountGrid.h"
#include "windows/Launcher.h"

namespace hanaroku {

class IDialogs;
class IFileSystem;
class IShell;

class ISecondaryWindowsHost {
 public:
  virtual ~ISecondaryWindowsHost() = default;
  // Makes the window of a new model (which becomes the model's view). It
  // shows once the model is filled (ShowWindow). When the window goes, the
  // host calls AboutBoxClosed / CountGridClosed.
  virtual void CreateAboutBox(TAboutBox& box) = 0;
  virtual void CreateCountGrid(TForm2& form) = 0;
  // Shows the window, modeless and in front.
  virtual void ShowAboutBox() = 0;
  virtual void ShowCountGrid() = 0;
  // Whether the count-grid window is visible (it may be minimised).
  virtual bool CountGridVisible() const = 0;
};

class TSecondaryWindows {
 public:
  TSecondaryWindows(AboutBoxSettings settings, TLauncher::Fields launcher, IDialogs& dialogs, IShell& shell,
                    IFileSystem& fs, TLauncher::Shortener shortenForHint);
  ~TSecondaryWindows();
  TSecondaryWindows(const TSecondaryWindows&) = delete;
  TSecondaryWindows& operator=(const TSecondaryWindows&) = delete;

  void SetHost(ISecondaryWindowsHost* host) noexcept { host_ = host; }

  // ---- handlers of the main window -------------------------------------------
  void About1Click();
  void ShineSpeedButton25Click() { About1Click(); }
  void NNButton1Click();
  void ShineSpeedButton23Click() { launcher_.ShineSpeedButton23Click(); }
  void ShineSpeedButton24Click() { launcher_.ShineSpeedButton24Click(); }

  // "書記": a row into the count grid while it is open and visible.
  void RecordResult(const std::string& colorString, const std::string& count, const std::string& elapsed);
  // The sound count: one row per counted line while the count grid is open
  // and visible (lines with nothing to count are left out); firstLine is the
  // number of the first line counted.
  void RecordSoundCount(int firstLine, const std::vector<verse::LineCount>& lines);
  // The edit commands: the settings window's focused field (true when one
  // took the action), and the count grid's cell editor while a cell is
  // edited.
  bool SettingsEditAction(EditBoxAction action);
  void CountGridEditAction(EditBoxAction action);

  // Called after the settings window applied its fields (the page font among
  // them, which names a button of the HTML bar).
  std::function<void()> OnSettingsApplied;

  // ---- the windows ------------------------------------------------------------
  TAboutBox* AboutBox() noexcept { return about_.get(); }
  TForm2* Form2() noexcept { return form2_.get(); }
  TLauncher& Launcher() noexcept { return launcher_; }
  // The host: the window went (by "Exit", the title bar or a confirmed
  // close question).
  void AboutBoxClosed() noexcept { about_.reset(); }
  void CountGridClosed() noexcept { form2_.reset(); }

 private:
  AboutBoxSettings settings_;
  IDialogs& dialogs_;
  IShell& shell_;
  IFileSystem& fs_;
  TLauncher launcher_;
  ISecondaryWindowsHost* host_ = nullptr;
  std::unique_ptr<TAboutBox> about_;
  std::unique_ptr<TForm2> form2_;
};

}  // namespace hanaroku
