#include "controls/PanePrint.h"

#include "controls/RichEditSx.h"
#include "platform/Paint.h"

namespace hanaroku {
namespace {

bool IsControl(std::string_view sjis, const LayoutCell& c) noexcept {
  const auto b = static_cast<unsigned char>(sjis[c.pos]);
  return c.len == 1 && (b < 0x20 || b == 0x7F);
}

}  // namespace

TColor InkOnPaper(TColor color) noexcept {
  color &= 0xFFFFFF;
  // Rec. 601 luma, 0..255000.
  const int luma = 299 * RedOf(color) + 587 * GreenOf(color) + 114 * BlueOf(color);
  return luma > 200 * 1000 ? 0x000000 : color;
}

std::vector<PrintRun> PageRuns(const TPagination& pages, int page, std::string_view sjis, const ColorRuns& colors,
                               TColor fontColor) {
  std::vector<PrintRun> runs;
  const int first = pages.FirstLine(page);
  for (int line = first; line < first + pages.LineCount(page); ++line) {
    const Rect box = pages.LineBox(line);
    int runEnd = -1;
    for (const LayoutCell& c : pages.Cells(line)) {
      if (IsControl(sjis, c)) {
        runEnd = -1;  // a gap: the next character starts a run
        continue;
      }
      const TColor own = colors.At(c.pos);
      const TColor color = InkOnPaper(own == ColorRuns::kDefault ? fontColor : own);
      if (runEnd != c.inlineOffset || runs.back().color != color) {
        PrintRun run;
        run.line = box;
        run.origin = pages.Vertical() ? Point{box.left, box.top + c.inlineOffset}
                                      : Point{box.left + c.inlineOffset, box.top};
        run.color = color;
        runs.push_back(std::move(run));
      }
      PrintRun& run = runs.back();
      run.sjis.append(sjis.substr(c.pos, c.len));
      run.advances.push_back(c.advance);
      runEnd = c.inlineOffset + c.advance;
    }
  }
  return runs;
}

void PrintText(IPrintDevice& device, std::string_view sjis, const FontSpec& font, bool vertical,
               const ColorRuns& colors, const std::string& title) {
  device.BeginDocument(title);
  try {
    const ITextMeasurer& measurer = device.SetFont(font, vertical);
    const TPagination pages(sjis, measurer, vertical, device.PageArea());
    for (int page = 0; page < pages.PageCount(); ++page) {
      device.BeginPage();
      for (const PrintRun& run : PageRuns(pages, page, sjis, colors, font.color)) device.Draw(run);
      device.EndPage();
    }
    device.EndDocument();
  } catch (...) {
    device.AbortDocument();
    throw;
  }
}

void PrintPane(IPrintDevice& device, const TRichEditSx& pane, const std::string& title) {
  PrintText(device, pane.Text(), pane.Font(), pane.Vertical(), pane.Colors(), title);
}

}  // namespace hanaroku
