#include "windows/Launcher.h"

#include "app/FileNames.h"
#include "platform/Dialogs.h"

namespace hanaroku {

TLauncher::TLauncher(Fields fields, IShell& shell, Shortener shorten)
    : f_(fields), shell_(shell), shorten_(std::move(shorten)) {}

void TLauncher::ShineSpeedButton23Click() {
  if (!f_.Expas.empty()) shell_.StartProcess(f_.Expas, "");
}

void TLauncher::ShineSpeedButton24Click() {
  if (!f_.Expas2.empty()) shell_.StartProcess(f_.Expas2, "");
}

std::string TLauncher::ProgramOfDrop(const std::string& dropped) {
  std::string path = dropped;
  if (ExtractFileExt(path) == ".lnk") path = shell_.ResolveShortcut(path).path;
  const std::string ext = ExtractFileExt(path);
  return ext == ".exe" || ext == ".EXE" ? path : std::string();
}

void TLauncher::SetProgram(int launcher, const std::string& path) {
  (launcher == 1 ? f_.Expas : f_.Expas2) = path;
  (launcher == 1 ? f_.hint1 : f_.hint2) = shorten_ ? shorten_(path) : path;
  if (OnHintChanged) OnHintChanged();
}

}  // namespace hanaroku
