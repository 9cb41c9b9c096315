// Memory of a pane holding a 50 MB document after 15 edits, each one a click
// somewhere else and a typed character, so that the undo ring fills with 15
// snapshots. Prints the process's resident and peak memory, the bytes of
// text the ring keeps, and the time of the edits and of undoing them all.
#include <cstdio>
#include <fstream>
#include <string>

#include "controls/RichEditSx.h"
#include "platform/Canvas.h"
#include "platform/Encoding.h"
#include "BenchClock.h"

using namespace hanaroku;

namespace {

using bench::Clock;
using bench::MsSince;

// A line of /proc/self/status ("VmRSS", "VmHWM") in MiB, or -1.
double StatusMiB(const std::string& key) {
  std::ifstream in("/proc/self/status");
  std::string line;
  while (std::getline(in, line))
    if (line.rfind(key + ":", 0) == 0) return std::stod(line.substr(key.size() + 1)) / 1024.0;
  return -1;
}

constexpr double kMiB = 1024.0 * 1024.0;

}  // namespace

int main() {
  const std::string poem = enc::Utf8ToSjis("ひさかたの光のどけき春の日にしづ心なく花の散るらむ\r\n");
  std::string text;
  text.reserve(50'000'000 + poem.size());
  while (text.size() < 50'000'000) text += poem;

  FixedMeasurer measurer(18, 21);
  TRichEditSx pane;
  pane.SetMeasurer(&measurer);
  pane.SetVertical(true);
  pane.SetWordWrap(true);
  pane.SetClientSize(760, 380);
  pane.SetText(text);
  const std::size_t size = text.size();
  text = std::string();  // the pane keeps its own copy
  const double opened = StatusMiB("VmRSS");

  auto t = Clock::now();
  for (int i = 0; i < 15; ++i) {
    pane.Select(static_cast<int>(size / 16 * static_cast<std::size_t>(i + 1)) & ~1, 0);
    pane.RecordAction(3);  // a click: the state before the typing is kept
    pane.CharInput(i % 2 ? u"花" : u"x");
  }
  const double edits = MsSince(t);
  const double edited = StatusMiB("VmRSS");

  t = Clock::now();
  int undone = 0;
  while (pane.CanUndo() && undone < 20) {
    pane.Undo();
    ++undone;
  }
  const double undo = MsSince(t);

  std::printf("document %.1f MiB (%zu bytes)\n", static_cast<double>(size) / kMiB, size);
  std::printf("resident after opening   %8.1f MiB\n", opened);
  std::printf("resident after 15 edits  %8.1f MiB\n", edited);
  std::printf("peak resident            %8.1f MiB\n", StatusMiB("VmHWM"));
  std::printf("text kept by the undo ring %6.1f MiB\n", static_cast<double>(pane.UndoHeldBytes()) / kMiB);
  std::printf("15 edits %.1f ms, %d undo steps %.1f ms\n", edits, undone, undo);
  return 0;
}
