// Times what a user feels in a pane holding 1 MiB of verse: opening it (text
// and display lines), scrolling through it page by page, typing in its
// middle (each key with its undo bookkeeping and the layout update), and an
// undo step; then the caret keys and typing on one 10 MB line without word
// wrap. Prints milliseconds per operation.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

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

// A UTF-8 piece repeated as Shift-JIS up to `bytes`.
std::string Repeat(const char* utf8, std::size_t bytes) {
  const std::string piece = enc::Utf8ToSjis(utf8);
  std::string s;
  while (s.size() < bytes) s += piece;
  return s;
}

// A pane of 760 x 380 pixels with cells of 18 and lines 21 apart.
struct BenchPane {
  BenchPane(bool vertical, bool wrap) {
    pane.SetMeasurer(&measurer);
    pane.SetVertical(vertical);
    pane.SetWordWrap(wrap);
    pane.SetClientSize(760, 380);
  }
  FixedMeasurer measurer{18, 21};
  TRichEditSx pane;
};

void Run(bool vertical, bool wrap) {
  BenchPane bench(vertical, wrap);
  TRichEditSx& pane = bench.pane;
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

// The median and the slowest of `times` presses of one key, in milliseconds.
struct KeyTimes {
  double median = 0, slowest = 0;
};

template <class F>
KeyTimes Press(int times, F press) {
  std::vector<double> ms;
  for (int i = 0; i < times; ++i) {
    const auto t = Clock::now();
    press();
    ms.push_back(MsSince(t));
  }
  std::sort(ms.begin(), ms.end());
  return KeyTimes{ms[ms.size() / 2], ms.back()};
}

KeyTimes Worse(KeyTimes a, KeyTimes b) { return KeyTimes{std::max(a.median, b.median), std::max(a.slowest, b.slowest)}; }

void RunLongLine(bool vertical) {
  constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kEnd = 35, kHome = 36, kNext = 34, kBack = 8;
  BenchPane bench(vertical, false);
  TRichEditSx& pane = bench.pane;
  const std::string line = Repeat("ひさかたの光のどけき春の日にしづ心なく花の散るらむ\t", 10u << 20);
  pane.SetText(line);
  pane.Select(static_cast<int>(line.size() / 2), 0);
  const int forward = vertical ? kDown : kRight, back = vertical ? kUp : kLeft;
  const int across = vertical ? kLeft : kDown;
  const KeyTimes step = Worse(Press(20, [&] { pane.KeyDown(forward, false, false); }),
                              Press(20, [&] { pane.KeyDown(back, false, false); }));
  const KeyTimes cross = Press(5, [&] { pane.KeyDown(across, false, false); });
  const KeyTimes page = Press(5, [&] { pane.KeyDown(kNext, false, false); });
  const KeyTimes end = Worse(Press(3, [&] { pane.KeyDown(kEnd, false, false); }),
                             Press(3, [&] { pane.KeyDown(kHome, false, false); }));
  pane.Select(static_cast<int>(line.size() / 2), 0);
  // The first key of a new kind of action also takes an undo snapshot.
  const KeyTimes type = Press(20, [&] {
    pane.KeyDown('A', false, false);
    pane.CharInput(u"あ");
  });
  const KeyTimes erase = Press(20, [&] { pane.KeyDown(kBack, false, false); });
  // What a paint asks for: the cells of the visible stretch of the line.
  const PaneLayout& lay = pane.Layout();
  const KeyTimes paint = Press(5, [&] {
    const int from = lay.InlineScroll();
    volatile std::size_t n = lay.Cells(0, pane.Text(), from, from + lay.InlineExtent()).size();
    (void)n;
  });
  std::printf("%-10s median / slowest ms: arrow %.3f / %.3f  across %.3f / %.3f  page down %.3f / %.3f  "
              "home, end %.3f / %.3f  type %.3f / %.3f  backspace %.3f / %.3f  paint cells %.3f / %.3f\n",
              vertical ? "vertical" : "horizontal", step.median, step.slowest, cross.median, cross.slowest,
              page.median, page.slowest, end.median, end.slowest, type.median, type.slowest, erase.median,
              erase.slowest, paint.median, paint.slowest);
}

}  // namespace

int main() {
  std::printf("pane with 1 MiB of Shift-JIS verse\n");
  for (bool vertical : {true, false})
    for (bool wrap : {true, false}) Run(vertical, wrap);
  std::printf("one line of 10 MiB, word wrap off\n");
  for (bool vertical : {true, false}) RunLongLine(vertical);
  return 0;
}
