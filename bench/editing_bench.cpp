// Times the editing commands over a pane in vertical writing with word
// wrap, holding 1 MiB and 4 MiB of Shift-JIS verse with 100 000 and 400 000
// occurrences of one kanji: replace all (through the replace dialog's
// handler: one pass, the pane's update and undo step included), a colour
// run (through the popup item's handler) and a backward search walking
// 1 000 hits back from the end. Then the cascade "ab" -> "bba" on
// "a" x n + "b", which doubles the text for every "a": n = 27 ends at
// 134 MB, n = 28 would pass the pane's maximum length and is refused.
// Prints milliseconds, the best of five runs for the commands.
#include <algorithm>
#include <cstdio>
#include <stdexcept>
#include <string>

#include "controls/LongCommand.h"
#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"
#include "convert/ReplaceEngine.h"
#include "editing/FindReplace.h"
#include "editing/StringColoring.h"
#include "platform/Canvas.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "BenchClock.h"
#include "BenchCursor.h"

using namespace hanaroku;

namespace {

using bench::Clock;
using bench::MsSince;

constexpr int kMaxLength = 200000000;  // the panes' maximum length

class QuietDialogs final : public IDialogs {
 public:
  MsgResult MessageBox(const std::string& text, const std::string&, MsgButtons, MsgIcon) override {
    last = text;
    return MsgResult::Ok;
  }
  bool OpenFile(const FileDialogSpec&, std::string&) override { return false; }
  bool SaveFile(const FileDialogSpec&, std::string&) override { return false; }
  bool ChooseFont(FontSpec&, bool) override { return false; }
  bool ChooseColor(TColor&) override { return false; }
  void Beep() override { ++beeps; }
  std::string last;
  int beeps = 0;
};

// `mib` MiB of verse lines holding "花" 100 000 times per MiB.
std::string Verse(int mib) {
  const std::string unit = enc::Utf8ToSjis("花のいろ\r\n");  // 10 bytes
  const std::string filler = enc::Utf8ToSjis("春の日に\r\n");
  const std::size_t size = static_cast<std::size_t>(mib) << 20;
  std::string s;
  s.reserve(size);
  for (int i = 0; i < 100000 * mib; ++i) s += unit;
  while (s.size() + filler.size() <= size) s += filler;
  return s;
}

struct Pane {
  FixedMeasurer measurer{18, 21};
  TRichEditSx pane;
  Pane() {
    pane.SetMeasurer(&measurer);
    pane.SetVertical(true);
    pane.SetWordWrap(true);
    pane.SetClientSize(760, 380);
    pane.SetMaxLength(kMaxLength);
  }
};

// The best of a few runs of `once`, which sets up and returns the time of
// the part to measure: the machine may be busy with other work.
template <class Once>
double Best(Once once) {
  double best = 1e300;
  for (int i = 0; i < 5; ++i) best = std::min(best, once());
  return best;
}

void RunAt(int mib) {
  const std::string text = Verse(mib);
  const std::string flower = enc::Utf8ToSjis("花");
  QuietDialogs dialogs;
  TStopWatch stopWatch;
  bool allReplaced = true;
  int colored = 0, reached = 0;

  const double replaceAll = Best([&] {
    Pane p;
    p.pane.SetText(text);
    TFindReplace fr(p.pane, p.pane, dialogs, nullptr, nullptr);
    fr.ReplaceDialog1.FindText = "花";
    fr.ReplaceDialog1.ReplaceText = "梅";
    fr.ReplaceDialog1.Options = {TFindOption::frReplaceAll};
    const auto t = Clock::now();
    fr.ReplaceDialog1Replace();
    const double ms = MsSince(t);
    allReplaced = allReplaced && p.pane.FindText(flower, 0, -1, true) < 0;
    return ms;
  });

  const double colorRun = Best([&] {
    Pane p;
    p.pane.SetText(text);
    TToolBarControls bars;
    bars.SetText("Edit2", "花");
    bench::NoCursor cursor;
    LongCommandEnv env{stopWatch, cursor, {}};
    TStringColoring coloring(p.pane, p.pane, bars, env, nullptr, nullptr);
    const auto t = Clock::now();
    coloring.RightColorRun(0);
    const double ms = MsSince(t);
    colored = coloring.HitCount;
    return ms;
  });

  constexpr int kSteps = 1000;
  const double walk = Best([&] {
    Pane p;
    p.pane.SetText(text);
    TFindReplace fr(p.pane, p.pane, dialogs, nullptr, nullptr);
    fr.FindDialog1.FindText = "花";
    p.pane.SetSelStart(p.pane.TextLength());
    const auto t = Clock::now();
    for (int i = 0; i < kSteps; ++i) fr.FindBack1Click();
    const double ms = MsSince(t);
    reached = p.pane.SelStart();
    return ms;
  });

  std::printf("%d MiB, %7d hits   replace all %7.1f ms%s   colour run %7.1f ms (%d coloured)   "
              "%d steps back %7.1f ms (at %d)\n",
              mib, 100000 * mib, replaceAll, allReplaced ? "" : " (INCOMPLETE)", colorRun, colored, kSteps, walk,
              reached);
}

void Cascade(int n) {
  const std::string text = std::string(static_cast<std::size_t>(n), 'a') + "b";
  FixedReplacement r("bba");
  auto t = Clock::now();
  try {
    const ReplaceAllResult res = ReplaceAllWholeChars(text, "ab", r, kMaxLength, false);
    std::printf("cascade n = %d: %zu replacements, %zu bytes, %8.1f ms\n", n, res.count, res.text.size(), MsSince(t));
  } catch (const std::length_error&) {
    std::printf("cascade n = %d: refused at the maximum length after %8.1f ms\n", n, MsSince(t));
  }
}

// The same through the replace dialog's handler on a pane: the text stays
// as it was and a message box says why.
void CascadeInPane(int n) {
  QuietDialogs dialogs;
  Pane p;
  p.pane.SetText(std::string(static_cast<std::size_t>(n), 'a') + "b");
  TFindReplace fr(p.pane, p.pane, dialogs, nullptr, nullptr);
  fr.ReplaceDialog1.FindText = "ab";
  fr.ReplaceDialog1.ReplaceText = "bba";
  fr.ReplaceDialog1.Options = {TFindOption::frReplaceAll};
  auto t = Clock::now();
  fr.ReplaceDialog1Replace();
  std::printf("cascade n = %d in the pane: %8.1f ms, text now %d bytes%s\n", n, MsSince(t), p.pane.TextLength(),
              dialogs.last.empty() ? "" : ", refused with a message");
}

}  // namespace

int main(int argc, char** argv) {
  const bool quick = argc > 1 && std::string(argv[1]) == "--quick";  // without the cascades
  std::printf("editing commands on a pane in vertical writing with word wrap\n");
  for (int mib : {1, 4}) RunAt(mib);
  if (quick) return 0;
  Cascade(20);
  Cascade(27);
  Cascade(28);
  CascadeInPane(27);
  CascadeInPane(28);
  return 0;
}
