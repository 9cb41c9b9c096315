#pragma once
// The printing port on Win32: PrintDlg as the print dialog, and a printer
// device context as the device, with the pane's fonts measured and drawn at
// the printer's resolution.
#include "platform/win32/Win32Util.h"

#include <memory>
#include <string>

#include "platform/Printer.h"
#include "platform/win32/GdiMeasurer.h"

namespace hanaroku::win32 {

class PrintDeviceWin32 final : public IPrintDevice {
 public:
  // Takes over dc. outputFile: where the document goes instead of the
  // printer's port ("FILE:" asks the user; empty: the port).
  PrintDeviceWin32(HDC dc, std::wstring outputFile);
  ~PrintDeviceWin32() override;
  PrintDeviceWin32(const PrintDeviceWin32&) = delete;
  PrintDeviceWin32& operator=(const PrintDeviceWin32&) = delete;

  void BeginDocument(const std::string& title) override;
  Rect PageArea() const override;
  const ITextMeasurer& SetFont(const FontSpec& font, bool vertical) override;
  void BeginPage() override;
  void Draw(const PrintRun& run) override;
  void EndPage() override;
  void EndDocument() override;
  void AbortDocument() noexcept override;

  HDC Dc() const noexcept { return dc_; }
  int PagesPrinted() const noexcept { return pages_; }

 private:
  void SelectFont() const noexcept;

  HDC dc_;
  std::wstring output_;
  std::unique_ptr<GdiMeasurer> measurer_;
  bool inDocument_ = false;
  int pages_ = 0;
};

// PrintDialog1. The dialog remembers the chosen printer and its settings
// between runs of the command.
class PrinterWin32 final : public IPrinter {
 public:
  explicit PrinterWin32(HWND owner = nullptr) noexcept : owner_(owner) {}
  ~PrinterWin32() override;
  PrinterWin32(const PrinterWin32&) = delete;
  PrinterWin32& operator=(const PrinterWin32&) = delete;

  void SetOwner(HWND owner) noexcept { owner_ = owner; }
  std::unique_ptr<IPrintDevice> PrintDialog() override;
  // Documents go into this file instead of the printer's port (UTF-8 path;
  // empty: the port).
  void SetOutputFile(const std::string& path) { output_ = Widen(path); }

 private:
  HWND owner_;
  HGLOBAL devMode_ = nullptr, devNames_ = nullptr;
  std::wstring output_;
};

}  // namespace hanaroku::win32
