#pragma once
// A print device that records the document it is given into a record that
// outlives it, and a printer whose dialog gives such a device (or is
// cancelled), for the tests of printing.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/Printer.h"

namespace hanaroku::test {

struct PrintRecord {
  std::vector<std::string> calls;
  std::string title;
  FontSpec font;
  bool vertical = false;
  std::vector<std::vector<PrintRun>> pages;
  int failAtPage = -1;  // BeginPage of this page throws
};

class FakePrintDevice final : public IPrintDevice {
 public:
  explicit FakePrintDevice(PrintRecord& record) : r_(record) {}
  void BeginDocument(const std::string& t) override {
    r_.calls.push_back("begin");
    r_.title = t;
  }
  Rect PageArea() const override { return {10, 10, 110, 60}; }
  const ITextMeasurer& SetFont(const FontSpec& f, bool v) override {
    r_.font = f;
    r_.vertical = v;
    return measurer_;
  }
  void BeginPage() override {
    if (static_cast<int>(r_.pages.size()) == r_.failAtPage) throw std::runtime_error("paper jam");
    r_.pages.emplace_back();
  }
  void Draw(const PrintRun& run) override { r_.pages.back().push_back(run); }
  void EndPage() override { r_.calls.push_back("page"); }
  void EndDocument() override { r_.calls.push_back("end"); }
  void AbortDocument() noexcept override { r_.calls.push_back("abort"); }

 private:
  PrintRecord& r_;
  FixedMeasurer measurer_{10, 12};  // full-width 10, half-width 5, lines 12 apart
};

// The print dialog: OK gives a device that records into `record`.
class FakePrinter final : public IPrinter {
 public:
  bool accept = true;
  int dialogs = 0;
  PrintRecord record;
  std::unique_ptr<IPrintDevice> PrintDialog() override {
    ++dialogs;
    if (!accept) return nullptr;
    return std::make_unique<FakePrintDevice>(record);
  }
};

}  // namespace hanaroku::test
