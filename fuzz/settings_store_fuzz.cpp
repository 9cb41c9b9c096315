// The settings store and the application settings on any settings file: a
// start of the main window reads every setting and component state from it,
// the close writes them all back in one write, and a second run starts from
// what the first one wrote and closes again. Neither may crash, hang or
// take time beyond what the file holds, and what the program writes must be
// a file it reads without complaint.
#include <string>

#include "FuzzCheck.h"
#include "app/FakePorts.h"
#include "app/IniFile.h"
#include "app/MainForm1.h"

using namespace hanaroku;
using namespace hanaroku::testing;

namespace {

constexpr const char* kProgram = "C:\\prog\\hanaroku.exe";
constexpr const char* kSettings = "C:\\prog\\hanaroku.ini";

// One run of the program on the file system: FormCreate, then the close.
// Returns the messages the run showed.
std::size_t Run(MemoryFs& fs) {
  FakeDialogs dialogs;
  FakeShell shell;
  FakeClock clock;
  FakeHost host;
  TMainForm1 form(dialogs, shell, fs, clock, [] { return std::make_unique<FakeTimer>(); }, host);
  form.ProgramFile = kProgram;
  form.FormCreate();
  form.FormShow();
  FUZZ_CHECK(form.FormCloseQuery());
  return dialogs.messages.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  MemoryFs fs;
  fs.files[kSettings] = std::string(reinterpret_cast<const char*>(data), size);
  Run(fs);
  FUZZ_CHECK(fs.files.count(kSettings) == 1);
  const std::string written = fs.files[kSettings];
  FUZZ_CHECK(IniFile::Parse(written).Serialize() == written);
  FUZZ_CHECK(Run(fs) == 0);
  return 0;
}
