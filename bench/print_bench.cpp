// Times the printing of 1 MiB of verse without a printer: laying the text
// out on A4 pages at 600 dots per inch (the pagination alone), then forming
// the runs of every page. Prints milliseconds and the page count.
#include <cstdio>
#include <string>

#include "controls/PanePrint.h"
#include "BenchClock.h"
#include "BenchVerse.h"

using namespace hanaroku;

namespace {

using bench::Clock;
using bench::MsSince;
using bench::Verse;

void Run(bool vertical) {
  // An 18-pixel screen font at 600 dpi, on A4 less half-inch margins.
  FixedMeasurer measurer(113, 127);
  const Rect area{300, 300, 4660, 6715};
  const std::string text = Verse(1 << 20);
  ColorRuns colors;
  colors.Reset(text.size());

  auto t = Clock::now();
  const TPagination pages(text, measurer, vertical, area);
  const double layout = MsSince(t);

  t = Clock::now();
  std::size_t runs = 0;
  for (int p = 0; p < pages.PageCount(); ++p) runs += PageRuns(pages, p, text, colors, 0).size();
  const double all = MsSince(t);

  std::printf("%-10s pages %6d  pagination %7.1f ms  runs of every page %7.1f ms (%zu runs)\n",
              vertical ? "vertical" : "horizontal", pages.PageCount(), layout, all, runs);
}

}  // namespace

int main() {
  Run(true);
  Run(false);
  return 0;
}
