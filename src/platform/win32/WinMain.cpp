// Program entry: create the main window (FormCreate runs), show it, open the
// file named first on the command line behind the splash, run the loop.
#include "platform/win32/Win32Util.h"

#include <commctrl.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "app/ProgramEntry.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/Win32Ports.h"

namespace {

using namespace hanaroku;

// The arguments after the program name, UTF-8.
std::vector<std::string> CommandLineArguments() {
  std::vector<std::string> args;
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  if (!argv) return args;
  for (int i = 1; i < argc; ++i) args.push_back(win32::Narrow(argv[i]));
  ::LocalFree(argv);
  return args;
}

std::string ProgramFilePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (n == 0) return {};
    if (n < path.size()) {
      path.resize(n);
      return win32::Narrow(path);
    }
    path.resize(path.size() * 2);
  }
}

int RunMessageLoop(win32::MainWindow& main) {
  MSG msg{};
  for (;;) {
    BOOL r = ::GetMessageW(&msg, nullptr, 0, 0);
    if (r == 0) return static_cast<int>(msg.wParam);
    if (r == -1) return 1;
    if (main.PreTranslate(msg)) continue;
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
  win32::ComInit com;
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  try {
    win32::MainWindow main;
    main.Create(ProgramFilePath());
    main.Show(showCommand);
    try {
      OpenCommandLineFile(main.Form(), CommandLineArguments());
    } catch (...) {
      // A file that cannot be opened leaves the right pane empty; the program goes on.
      win32::ReportCurrentException(main.Handle());
    }
    return RunMessageLoop(main);
  } catch (...) {
    win32::ReportCurrentException();
    return 1;
  }
}
