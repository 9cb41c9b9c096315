#pragma once
// Printing port: the print dialog (PrintDialog1) and the device it gives,
// on which a document is printed page by page. The core lays the pages out
// (controls/Pagination) and hands the device runs of characters placed in
// device pixels; the device only draws them.
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Dialogs.h"
#include "platform/Geometry.h"

namespace hanaroku {

// Characters drawn with one call: Shift-JIS bytes with the advance of each
// character, starting at `origin` along the line. In horizontal writing
// origin is the top-left corner of the first character's cell in its line;
// in vertical writing the top of the first cell in its column, whose box is
// `line` (the device centres the upright glyphs in it).
struct PrintRun {
  Rect line;                  // the line's (column's) box on the page
  Point origin;
  std::string sjis;
  std::vector<int> advances;  // one per character
  TColor color = 0;
};

// One document on the chosen printer. Every operation throws
// std::runtime_error when the printer fails; the document is then abandoned.
class IPrintDevice {
 public:
  virtual ~IPrintDevice() = default;
  virtual void BeginDocument(const std::string& title) = 0;
  // Where text may go on every page, in device pixels.
  virtual Rect PageArea() const = 0;
  // The font for what follows, at the device's resolution (the font's height
  // is in screen pixels of 96 per inch); the measurer measures with it.
  virtual const ITextMeasurer& SetFont(const FontSpec& font, bool vertical) = 0;
  virtual void BeginPage() = 0;
  virtual void Draw(const PrintRun& run) = 0;
  virtual void EndPage() = 0;
  virtual void EndDocument() = 0;
  // Abandons a begun document; never throws.
  virtual void AbortDocument() noexcept = 0;
};

class IPrinter {
 public:
  virtual ~IPrinter() = default;
  // Runs the print dialog; the device of the chosen printer, or none when
  // the dialog was cancelled.
  virtual std::unique_ptr<IPrintDevice> PrintDialog() = 0;
};

}  // namespace hanaroku
