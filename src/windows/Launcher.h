#pragma once
// TLauncher: the mini launcher, two buttons "起" on the right pane's tool bar
// (ShineSpeedButton23, ShineSpeedButton24) that each start one program. The
// programs are set by dropping them onto the settings window's first two
// fields; the buttons' hints show their paths shortened to the width of the
// status bar's hint panel. A launch runs the program with no arguments in
// this program's current folder and does not wait for it; a launcher with
// no program, or a program that cannot start, does nothing and says nothing.
#include <functional>
#include <string>
#include <vector>

namespace hanaroku {

class IShell;

class TLauncher {
 public:
  // The main window's fields the launcher works on.
  struct Fields {
    std::string& Expas;   // launcher 1's program
    std::string& Expas2;  // launcher 2's program
    std::string& hint1;   // ShineSpeedButton23's hint
    std::string& hint2;   // ShineSpeedButton24's hint
  };
  // A path shortened to the width of the hint panel.
  using Shortener = std::function<std::string(const std::string& path)>;

  TLauncher(Fields fields, IShell& shell, Shortener shorten);

  void ShineSpeedButton23Click();
  void ShineSpeedButton24Click();

  // The program a dropped file names: a shortcut (".lnk", exactly) stands
  // for its target; empty unless the result ends in ".exe" or ".EXE"
  // (exactly: other spellings are not taken).
  std::string ProgramOfDrop(const std::string& dropped);
  // Launcher 1 or 2 takes the program, and its hint shows it at once.
  void SetProgram(int launcher, const std::string& path);
  const std::string& Program(int launcher) const noexcept { return launcher == 1 ? f_.Expas : f_.Expas2; }

  // After a hint changed: the tool bar shows it.
  std::function<void()> OnHintChanged;

 private:
  Fields f_;
  IShell& shell_;
  Shortener shorten_;
};

}  // namespace hanaroku
