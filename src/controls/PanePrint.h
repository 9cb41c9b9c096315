#pragma once
// The print operation of the pane: its whole text in its writing direction,
// font and character colours, page after page, as a document titled after
// the file. Text too light to read on white paper prints black; the
// background is not printed.
#include <string>
#include <string_view>
#include <vector>

#include "controls/Pagination.h"
#include "controls/RichEditColors.h"
#include "platform/Printer.h"

namespace hanaroku {

class TRichEditSx;

// The colour a text colour prints in: itself, or black when it would hardly
// show on white paper.
TColor InkOnPaper(TColor color) noexcept;

// The runs of one page: the printable characters of each of its lines in
// runs of one colour (tabs and line breaks leave gaps).
std::vector<PrintRun> PageRuns(const TPagination& pages, int page, std::string_view sjis, const ColorRuns& colors,
                               TColor fontColor);

// Prints the text on device. A failing printer abandons the document and
// the error goes on to the caller.
void PrintText(IPrintDevice& device, std::string_view sjis, const FontSpec& font, bool vertical,
               const ColorRuns& colors, const std::string& title);
void PrintPane(IPrintDevice& device, const TRichEditSx& pane, const std::string& title);

}  // namespace hanaroku
