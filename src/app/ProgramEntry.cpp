#include "app/ProgramEntry.h"

#include "app/MainForm1.h"

namespace hanaroku {

bool OpenCommandLineFile(TMainForm1& form, const std::vector<std::string>& args) {
  if (args.empty() || !IsCommandLineFile(args.front())) return false;
  form.PendingOpenName = args.front();
  form.ShowSplashOnOpen = true;
  form.MyTextFileOpen();
  form.ShowSplashOnOpen = false;
  return true;
}

}  // namespace hanaroku
