// Times what a user feels in a pane holding 1 MiB of verse: opening it (text
// and display lines), scrolling through it page by page, typing in its
// middle (each key with its undo bookkeeping and the layout update), and an
// undo step. Prints milliseconds per operation.
#include <cstdio>
#include <string>

#include "controls/RichEditSx.h"
#include "platform/Canvas.h"
#include "platform/Encoding.h"
#include "BenchClock.h"
#include "BenchVerse.h"

using namespace hanaroku;

namespace {

using bench::Clock;
using bench::MsSince;
using bench::Verse;

void Run(bool vertical, bool wrap) {
  FixedMeasurer measurer(18, 21);
  TRichEditSx pane;
  pane.SetMeasurer(&measurer);
  pane.SetVertical(vertical);
  pane.SetWordWrap(wrap);
  pane.SetClientSize(760, 380);
  const std::string text = Verse(1 << 20);

  auto t = Clock::now();
  pane.SetText(text);
  const double open = MsSince(t);

  const int lines = pane.Lines().Count();
  t = Clock::now();
  int pages = 0;
  for (int top = 0; top < lines; top += 20, ++pages) pane.SetSelTopIndex(top);
  const double scroll = MsSince(t) / pages;

  pane.Select(static_cast<int>(text.size() / 2), 0);
  constexpr int kKeys = 200;
  t = Clock::now();
  for (int i = 0; i < kKeys; ++i) {
    pane.KeyDown(i % 10 == 9 ? 13 : 'A', false, false);  // an Enter now and then: new undo groups
    if (i % 10 != 9) pane.CharInput(u"あ");
  }
  const double key = MsSince(t) / kKeys;

  t = Clock::now();
  pane.Undo();
  const double undo = MsSince(t);

  std::printf("%-10s %-8s lines %7d  open %7.1f ms  scroll %6.3f ms/page  key %6.3f ms  undo %6.1f ms\n",
              vertical ? "vertical" : "horizontal", wrap ? "wrap" : "no wrap", lines, open, scroll, key, undo);
}

}  // namespace

int main() {
  std::printf("pane with 1 MiB of Shift-JIS verse\n");
  for (bool vertical : {true, false})
    for (bool wrap : {true, false}) Run(vertical, wrap);
  return 0;
}
