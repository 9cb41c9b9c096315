// Times opening and saving count-grid tables: the comma text of 10 000 and
// of 100 000 rows (record rows, some with quoted cells holding commas,
// blanks and line breaks) read into the grid of TForm2, sorted by a header
// press in both directions, and written back. Prints the best of five runs.
#include <algorithm>
#include <cstdio>
#include <string>

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Encoding.h"
#include "windows/CountGrid.h"
#include "BenchClock.h"

using namespace hanaroku;

namespace {

using bench::Clock;
using bench::MsSince;

struct NoDialogs final : IDialogs {
  MsgResult MessageBox(const std::string&, const std::string&, MsgButtons, MsgIcon) override { return MsgResult::Ok; }
  bool OpenFile(const FileDialogSpec&, std::string&) override { return false; }
  bool SaveFile(const FileDialogSpec&, std::string&) override { return false; }
  bool ChooseFont(FontSpec&, bool) override { return false; }
  bool ChooseColor(TColor&) override { return false; }
  void Beep() override {}
};

std::string MakeTable(int rows) {
  std::string text = enc::Utf8ToSjis("\"　\",文字列,個数,ミリ秒,備考\r\n");
  const std::string flower = enc::Utf8ToSjis("花の色は");
  char line[128];
  for (int i = 1; i < rows; ++i) {
    std::snprintf(line, sizeof line, "%.6d,%s%d,%.6d,00:00:%.2d:%.3d,", i, flower.c_str(), i % 97, i % 1000, i % 60,
                  i % 1000);
    text += line;
    if (i % 10 == 0) text += "\"a, b \"\"quoted\"\"\r\nsecond line\"";
    text += "\r\n";
  }
  return text;
}

template <class Work>
double Best(Work work) {
  double best = 1e30;
  for (int run = 0; run < 5; ++run) {
    const Clock::time_point t0 = Clock::now();
    work();
    best = std::min(best, MsSince(t0));
  }
  return best;
}

}  // namespace

int main() {
  NoDialogs dialogs;
  for (int rows : {10000, 100000}) {
    const std::string table = MakeTable(rows);
    TForm2 form(dialogs, SystemFileSystem());
    form.FormCreate();
    const double open = Best([&] { form.LoadTable(table); });
    const double sort = Best([&] {
      form.StrSortGrid1.HeaderPressed(1);
      form.StrSortGrid1.HeaderPressed(1);
    });
    std::size_t bytes = 0;
    const double save = Best([&] { bytes = form.TableBytes().size(); });
    std::printf("%6d rows, %7zu bytes: open %8.2f ms, sort up and down %8.2f ms, save %8.2f ms (%zu bytes)\n", rows,
                table.size(), open, sort, save, bytes);
  }
  return 0;
}
