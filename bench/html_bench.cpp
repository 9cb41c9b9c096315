// Times the HTML page conversions on generated verse of 100 000 and 400 000
// lines (short lines of kana, kanji, punctuation, brackets, long-vowel marks
// and some blank lines):
//   - "換" (HtmButton1Click) with symbol images ("記"): the left pane's
//     lines into one page;
//   - the long-text conversion (ShineSpeedButton35Click) of the right pane,
//     wrapped at its width, into tables of 30 columns (the save dialog is
//     cancelled, preview off).
// Each figure is the whole handler on panes, best of three runs, with the
// pane's layout of the page it takes. Then the ratio of the two sizes, which
// stays near 4 for a conversion whose cost grows with the text.
#include <cstdio>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "controls/LongCommand.h"
#include "controls/RichEditSx.h"
#include "controls/StopWatch.h"
#include "html/HtmlCommands.h"
#include "html/PageSettings.h"
#include "platform/Dialogs.h"
#include "platform/Encoding.h"
#include "platform/FileSystem.h"
#include "BenchClock.h"
#include "BenchCursor.h"

using namespace hanaroku;

namespace {

using bench::Clock;
using bench::MsSince;
using bench::NoCursor;

std::string MakeVerse(std::size_t lines) {
  std::mt19937 gen(7);
  std::vector<std::string> chars;
  for (char16_t c = u'ぁ'; c <= u'ん'; ++c) chars.push_back(enc::Utf16ToSjis(std::u16string(1, c)));
  for (const char* c : {"花", "月", "山", "風", "。", "、", "「", "」", "ー", "―", "　", "（", "）", "…"})
    chars.push_back(enc::Utf8ToSjis(c));
  std::uniform_int_distribution<std::size_t> pick(0, chars.size() - 1);
  std::uniform_int_distribution<int> length(0, 24);
  std::string s;
  for (std::size_t i = 0; i < lines; ++i) {
    const int n = length(gen) < 2 ? 0 : 5 + length(gen);
    for (int k = 0; k < n; ++k) s += chars[pick(gen)];
    s += "\r\n";
  }
  return s;
}

class Silent final : public IDialogs {
 public:
  MsgResult MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override { return MsgResult::No; }
  bool OpenFile(const FileDialogSpec&, std::string&) override { return false; }
  bool SaveFile(const FileDialogSpec&, std::string&) override { return false; }
  bool ChooseFont(FontSpec&, bool) override { return false; }
  bool ChooseColor(TColor&) override { return false; }
  void Beep() override {}
};

class NoShell final : public IShell {
 public:
  ShortcutTarget ResolveShortcut(const std::string&) override { return {}; }
  bool ShellOpen(const std::string&) override { return true; }
  bool StartProcess(const std::string&, const std::string&) override { return true; }
};

class Host final : public IHtmlCommandsHost {
 public:
  bool LeftPaneVisible() const override { return true; }
  void ShowLeftPane() override {}
  void CopyRightToLeft() override {}
  void WordWrapChanged() override {}
  void PageControlsChanged() override {}
  std::string ProgramDir() const override { return {}; }
};

struct Run {
  double ms = 0, cpuMs = 0;  // wall clock, and the processor time of this process
  std::size_t pageBytes = 0;
};

double CpuMs() { return 1000.0 * static_cast<double>(std::clock()) / CLOCKS_PER_SEC; }

Run Time(const std::string& verse, bool longText) {
  Run best{1e300, 0, 0};
  for (int i = 0; i < 3; ++i) {
    TRichEditSx right, left;
    for (TRichEditSx* p : {&right, &left}) {
      p->SetClientSize(800, 600);
      p->SetVertical(true);
    }
    (longText ? right : left).SetText(verse);
    (longText ? right : left).Lines().Count();  // laid out before, as a pane on screen is
    THtmlPageSettings settings;
    settings.SetCheckBox(6, true);
    settings.SetCheckBox(8, false);
    TStopWatch watch;
    NoCursor cursor;
    LongCommandEnv env{watch, cursor, {}};
    Silent dialogs;
    NoShell shell;
    Host host;
    THtmlCommands html(right, left, settings, env, dialogs, SystemFileSystem(), shell, host);
    const auto t0 = Clock::now();
    const double c0 = CpuMs();
    if (longText)
      html.ShineSpeedButton35Click();
    else
      html.HtmButton1Click();
    left.Lines().Count();
    const double ms = MsSince(t0);
    if (ms < best.ms) best = {ms, CpuMs() - c0, left.Text().size()};
  }
  return best;
}

}  // namespace

int main() {
  const std::string small = MakeVerse(100000), large = MakeVerse(400000);
  std::printf("verse: %zu lines (%zu bytes), %zu lines (%zu bytes)\n", std::size_t{100000}, small.size(),
              std::size_t{400000}, large.size());
  for (bool longText : {false, true}) {
    const Run a = Time(small, longText), b = Time(large, longText);
    std::printf("%s\n", longText ? "long text (ShineSpeedButton35)" : "page with symbols (HtmButton1)");
    std::printf("  100000 lines: %8.1f ms (processor %8.1f ms), page %zu bytes\n", a.ms, a.cpuMs, a.pageBytes);
    std::printf("  400000 lines: %8.1f ms (processor %8.1f ms), page %zu bytes\n", b.ms, b.cpuMs, b.pageBytes);
    std::printf("  400000 / 100000: x%.2f (processor x%.2f)\n", b.ms / a.ms, b.cpuMs / a.cpuMs);
  }
  return 0;
}
