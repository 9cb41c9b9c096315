// Printing through a real printer driver: Wine's PostScript driver, set up
// in the test prefix as a printer on the FILE: port, writes the document
// into a file; the test counts its pages. The print dialog is driven as a
// user would: OK prints, Cancel does not.
#include "TestUtil.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <winspool.h>

#include <memory>
#include <string>

#include "controls/PanePrint.h"
#include "platform/Encoding.h"
#include "platform/win32/MainWindow.h"
#include "platform/win32/PrinterWin32.h"

namespace hanaroku::win32 {
namespace {

constexpr wchar_t kPrinter[] = L"Hanaroku Test Printer";
constexpr wchar_t kDriver[] = L"Wine PostScript Driver";

// A4 with the imageable area of most printers, colour, 300 dpi.
constexpr char kPpd[] =
    "*PPD-Adobe: \"4.3\"\n*FormatVersion: \"4.3\"\n*FileVersion: \"1.0\"\n*LanguageVersion: English\n"
    "*LanguageEncoding: ISOLatin1\n*PCFileName: \"HANAROKU.PPD\"\n*Manufacturer: \"Hanaroku\"\n"
    "*Product: \"(Hanaroku test printer)\"\n*ModelName: \"Hanaroku test printer\"\n"
    "*NickName: \"Hanaroku test printer\"\n*PSVersion: \"(3010.000) 0\"\n*LanguageLevel: \"3\"\n"
    "*ColorDevice: True\n*DefaultColorSpace: RGB\n*TTRasterizer: Type42\n*DefaultResolution: 300dpi\n"
    "*OpenUI *PageSize: PickOne\n*DefaultPageSize: A4\n"
    "*PageSize A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n*CloseUI: *PageSize\n"
    "*OpenUI *PageRegion: PickOne\n*DefaultPageRegion: A4\n"
    "*PageRegion A4/A4: \"<</PageSize[595 842]/ImagingBBox null>>setpagedevice\"\n*CloseUI: *PageRegion\n"
    "*DefaultImageableArea: A4\n*ImageableArea A4/A4: \"18 18 577 824\"\n"
    "*DefaultPaperDimension: A4\n*PaperDimension A4/A4: \"595 842\"\n";

bool PrinterExists() {
  HANDLE h = nullptr;
  if (!::OpenPrinterW(const_cast<LPWSTR>(kPrinter), &h, nullptr)) return false;
  ::ClosePrinter(h);
  return true;
}

// Installs the PostScript driver with our PPD and a printer on FILE:, once
// per prefix, and makes it the default printer.
void EnsureTestPrinter() {
  if (!PrinterExists()) {
    wchar_t dir[MAX_PATH] = {};
    DWORD size = sizeof dir;
    ASSERT_TRUE(::GetPrinterDriverDirectoryW(nullptr, nullptr, 1, reinterpret_cast<BYTE*>(dir), size, &size));
    test::WriteRaw(Narrow(dir) + "\\hanaroku.ppd", kPpd);
    DRIVER_INFO_3W driver{};
    driver.cVersion = 3;
    driver.pName = const_cast<LPWSTR>(kDriver);
    driver.pEnvironment = const_cast<LPWSTR>(L"Windows NT x86");
    driver.pDriverPath = const_cast<LPWSTR>(L"wineps.drv");
    driver.pDataFile = const_cast<LPWSTR>(L"hanaroku.ppd");
    driver.pConfigFile = const_cast<LPWSTR>(L"wineps.drv");
    ASSERT_TRUE(::AddPrinterDriverW(nullptr, 3, reinterpret_cast<BYTE*>(&driver))) << ::GetLastError();
    PRINTER_INFO_2W info{};
    info.pPrinterName = const_cast<LPWSTR>(kPrinter);
    info.pPortName = const_cast<LPWSTR>(L"FILE:");
    info.pDriverName = const_cast<LPWSTR>(kDriver);
    info.pPrintProcessor = const_cast<LPWSTR>(L"WinPrint");
    info.pDatatype = const_cast<LPWSTR>(L"RAW");
    info.Attributes = PRINTER_ATTRIBUTE_LOCAL;
    HANDLE printer = ::AddPrinterW(nullptr, 2, reinterpret_cast<BYTE*>(&info));
    ASSERT_NE(printer, nullptr) << ::GetLastError();
    ::ClosePrinter(printer);
  }
  ASSERT_TRUE(::SetDefaultPrinterW(kPrinter));
}

std::string Poem() {
  return enc::Utf8ToSjis("ひさかたの\r\n光のどけき\r\n春の日に\r\nしづ心なく\r\n花の散るらむ\r\n\r\n");
}

// The number of pages of a PostScript document (its showpage operators).
int CountPages(const std::string& ps) {
  int pages = 0;
  for (std::size_t at = ps.find("showpage"); at != std::string::npos; at = ps.find("showpage", at + 8)) ++pages;
  return pages;
}

class Printing : public ::testing::Test {
 protected:
  void SetUp() override { EnsureTestPrinter(); }
  test::ScratchDir dir_;
};

TEST_F(Printing, APoemPrintsPageAfterPageThroughThePostScriptDriver) {
  PrinterWin32 printer;
  const std::string out = dir_.File("poem.ps");
  printer.SetOutputFile(out);
  std::unique_ptr<IPrintDevice> device;
  ASSERT_TRUE(test::DriveDialog([&] { device = printer.PrintDialog(); },
                                [](HWND dlg) { test::PressButton(dlg, IDOK); }));
  ASSERT_NE(device, nullptr);
  std::string text;
  for (int i = 0; i < 60; ++i) text += Poem();  // 360 columns: several pages
  ColorRuns colors;
  colors.Reset(text.size());
  FontSpec font;
  font.name = "ＭＳ 明朝";
  font.height = 18;
  PrintText(*device, text, font, true, colors, "poem.txt");
  const int pages = static_cast<PrintDeviceWin32&>(*device).PagesPrinted();
  device.reset();
  EXPECT_GE(pages, 2);
  ASSERT_TRUE(test::Exists(out));
  const std::string ps = test::ReadRaw(out);
  EXPECT_EQ(ps.rfind("%!PS-Adobe", 0), 0u) << ps.substr(0, 40);
  EXPECT_NE(ps.find("poem.txt"), std::string::npos);  // the document title
  EXPECT_EQ(CountPages(ps), pages);
}

TEST_F(Printing, CancelPrintsNothing) {
  PrinterWin32 printer;
  printer.SetOutputFile(dir_.File("none.ps"));
  std::unique_ptr<IPrintDevice> device;
  EXPECT_TRUE(test::DriveDialog([&] { device = printer.PrintDialog(); },
                                [](HWND dlg) { test::PressButton(dlg, IDCANCEL); }));
  EXPECT_EQ(device, nullptr);
  EXPECT_FALSE(test::Exists(dir_.File("none.ps")));
}

TEST_F(Printing, ThePrintCommandPrintsTheRightPaneTitledAfterItsFile) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES | ICC_WIN95_CLASSES};
  ::InitCommonControlsEx(&icc);
  auto main = std::make_unique<MainWindow>();
  main->Create(dir_.File("hanaroku.exe"));
  main->Show(SW_SHOWNORMAL);
  main->Form().RichEditNx1.SetText(Poem());
  main->Form().RichEditNx2.SetText(enc::Utf8ToSjis("左窓"));
  main->Form().RightFileName = "C:\\歌\\hyakunin.txt";
  const std::string out = dir_.File("right.ps");
  main->PrintDialog1().SetOutputFile(out);
  ASSERT_TRUE(test::DriveDialog([&] { main->Form().Execute(Command::Print1Click); },
                                [](HWND dlg) { test::PressButton(dlg, IDOK); }));
  main.reset();
  test::PumpUntil([] { return false; }, 50);
  ASSERT_TRUE(test::Exists(out));
  const std::string ps = test::ReadRaw(out);
  EXPECT_EQ(CountPages(ps), 1);
  EXPECT_NE(ps.find("hyakunin.txt"), std::string::npos);
}

}  // namespace
}  // namespace hanaroku::win32
