#pragma once
// Fakes of the platform ports and of the real window for a main window
// model: dialogs that answer from queues, a shell, a file system in memory,
// timers and a clock that stand still, and a host that counts its calls.
// Free of any test framework, so the fuzz targets use them too.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "app/MainForm1.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FindDialogs.h"
#include "platform/FileSystem.h"
#include "platform/Timer.h"
#include "controls/RichEditTestSupport.h"
#include "platform/FakeTimer.h"

namespace hanaroku::testing {

struct FakeDialogs final : IDialogs {
  std::vector<std::string> messages;
  std::vector<std::string> captions;
  std::vector<MsgIcon> icons;
  int beeps = 0;
  std::deque<MsgResult> answers;
  std::deque<std::string> openPaths, savePaths;  // empty string: cancel
  std::vector<FileDialogSpec> specs;
  std::function<void()> onMessage;  // runs as each box is shown
  MsgResult MessageBox(const std::string& text, const std::string& caption, MsgButtons, MsgIcon icon) override {
    messages.push_back(text);
    captions.push_back(caption);
    icons.push_back(icon);
    if (onMessage) onMessage();
    if (answers.empty()) return MsgResult::Ok;
    auto a = answers.front();
    answers.pop_front();
    return a;
  }
  bool Pick(std::deque<std::string>& q, const FileDialogSpec& request, std::string& path) {
    specs.push_back(request);
    if (q.empty() || q.front().empty()) {
      if (!q.empty()) q.pop_front();
      return false;
    }
    path = q.front();
    q.pop_front();
    return true;
  }
  bool OpenFile(const FileDialogSpec& s, std::string& p) override { return Pick(openPaths, s, p); }
  std::deque<int> saveTypes;  // file types chosen in the save dialog; none left: the one shown first
  bool SaveFile(const FileDialogSpec& s, std::string& p) override {
    const bool ok = Pick(savePaths, s, p);
    if (ok && s.chosenFilterIndex) {
      *s.chosenFilterIndex = saveTypes.empty() ? s.filterIndex : saveTypes.front();
      if (!saveTypes.empty()) saveTypes.pop_front();
    }
    return ok;
  }
  bool fontChosen = false;  // the font dialog's answer
  bool ChooseFont(FontSpec&, bool) override { return fontChosen; }
  std::deque<TColor> colors;  // chosen colours; none left: cancel
  std::vector<TColor> colorShown;  // the colour the dialog opened on, each time
  bool ChooseColor(TColor& c) override {
    colorShown.push_back(c);
    if (colors.empty()) return false;
    c = colors.front();
    colors.pop_front();
    return true;
  }
  void Beep() override { ++beeps; }
};

struct FakeShell final : IShell {
  std::map<std::string, std::string> links;
  ShortcutTarget ResolveShortcut(const std::string& p) override {
    auto it = links.find(p);
    return {it == links.end() ? "" : it->second, "", ""};
  }
  std::vector<std::string> opened, started;  // what ShellOpen and StartProcess were given
  bool startFails = false;
  bool ShellOpen(const std::string& p) override {
    opened.push_back(p);
    return true;
  }
  bool StartProcess(const std::string& exe, const std::string&) override {
    started.push_back(exe);
    return !startFails;
  }
};

struct MemoryFs final : IFileSystem {
  std::map<std::string, std::string> files;
  std::map<std::string, long long> fakeSizes;
  bool failWrites = false;
  std::string ReadFile(const std::string& p) override {
    auto it = files.find(p);
    if (it == files.end()) throw FileError(p + "\nNo such file or directory");
    return it->second;
  }
  void WriteFileAtomic(const std::string& p, const std::string& b) override {
    if (failWrites) throw FileError(p + "\nPermission denied");
    files[p] = b;
  }
  bool FileExists(const std::string& p) override { return files.count(p) != 0; }
  std::set<std::string> dirs;
  bool DirectoryExists(const std::string& p) override { return dirs.count(p) != 0; }
  void MakeDirectory(const std::string& p) override {
    if (failWrites) throw FileError(p + "\nPermission denied");
    dirs.insert(p);
  }
  long long FileSize(const std::string& p) override {
    if (fakeSizes.count(p)) return fakeSizes[p];
    auto it = files.find(p);
    return it == files.end() ? -1 : static_cast<long long>(it->second.size());
  }
};

using FakeTimer = test::FakeTimer;

struct FakeClock final : IClock {
  TimeOfDay local;
  TimeOfDay UtcNow() const override { return {}; }
  TimeOfDay LocalNow() const override { return local; }
  std::uint32_t TickMs() const override { return 0; }
};

// The modeless find and replace dialogs: remembers what was shown; a test
// presses a button by setting the options and calling the handler.
struct FakeFindDialogs final : IFindDialogs {
  std::vector<TFindDialog*> shown;
  void Execute(TFindDialog& d) override { shown.push_back(&d); }
};

struct FakeHost final : IMainWindowHost {
  std::string caption;
  int splashShown = 0, splashClosed = 0, maximized = 0, closes = 0;
  SplashView splash;
  FixedMeasurer measurer{8};
  void SetCaption(const std::string& c) override { caption = c; }
  void ShowSplash(const SplashView& v) override {
    ++splashShown;
    splash = v;
  }
  void CloseSplash() override { ++splashClosed; }
  void Maximize() override { ++maximized; }
  void CloseWindow() override { ++closes; }
  void Repaint() override {}
  void LayoutChanged() override {}
  void StatusPanelChanged(int) override {}
  void MenuChecksChanged() override {}
  void SetHourglass(bool on) override { hourglass.push_back(on); }
  std::vector<bool> hourglass;
  const ITextMeasurer& StatusBarMeasurer() override { return measurer; }
  FocusOwner focus = FocusOwner::Other;
  bool active = true;
  FakeClipboard clipboard;
  FocusOwner FocusedControl() const override { return focus; }
  bool ApplicationActive() const override { return active; }
  IClipboard* Clipboard() override { return &clipboard; }
  IPrinter* printer = nullptr;
  IPrinter* Printer() override { return printer; }
  FakeFindDialogs findDialogs;
  IFindDialogs* FindDialogs() override { return &findDialogs; }
  std::vector<PaneId> focused;
  void FocusPane(PaneId p) override { focused.push_back(p); }
};

}  // namespace hanaroku::testing
