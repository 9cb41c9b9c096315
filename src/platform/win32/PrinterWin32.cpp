#include "platform/win32/PrinterWin32.h"

#include <commdlg.h>

#include <algorithm>
#include <stdexcept>

#include "platform/Encoding.h"
#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {
namespace {

[[noreturn]] void PrintFailed(const char* what) {
  throw std::runtime_error(std::string("印刷できません。(") + what + ")\n" + SystemErrorText(::GetLastError()));
}

}  // namespace

PrintDeviceWin32::PrintDeviceWin32(HDC dc, std::wstring outputFile) : dc_(dc), output_(std::move(outputFile)) {}

PrintDeviceWin32::~PrintDeviceWin32() {
  AbortDocument();
  measurer_.reset();  // its fonts are no longer selected anywhere
  if (dc_) ::DeleteDC(dc_);
}

void PrintDeviceWin32::BeginDocument(const std::string& title) {
  const std::wstring name = Widen(title);
  DOCINFOW doc{};
  doc.cbSize = sizeof doc;
  doc.lpszDocName = name.c_str();
  doc.lpszOutput = output_.empty() ? nullptr : output_.c_str();
  if (::StartDocW(dc_, &doc) <= 0) PrintFailed("StartDoc");
  inDocument_ = true;
  pages_ = 0;
}

Rect PrintDeviceWin32::PageArea() const {
  const int width = ::GetDeviceCaps(dc_, HORZRES), height = ::GetDeviceCaps(dc_, VERTRES);
  // Half an inch of paper on every side, within the printable area.
  const int mx = std::min(::GetDeviceCaps(dc_, LOGPIXELSX) / 2, width / 4);
  const int my = std::min(::GetDeviceCaps(dc_, LOGPIXELSY) / 2, height / 4);
  return {mx, my, width - mx, height - my};
}

const ITextMeasurer& PrintDeviceWin32::SetFont(const FontSpec& font, bool vertical) {
  FontSpec scaled = font;
  scaled.height = std::max(1, ::MulDiv(font.height, ::GetDeviceCaps(dc_, LOGPIXELSY), 96));
  measurer_ = std::make_unique<GdiMeasurer>(dc_);
  measurer_->SetFont(scaled, vertical);
  return *measurer_;
}

void PrintDeviceWin32::SelectFont() const noexcept {
  if (measurer_)
    if (HFONT font = measurer_->DrawFont()) ::SelectObject(dc_, font);
  ::SetBkMode(dc_, TRANSPARENT);
  ::SetTextAlign(dc_, TA_LEFT | TA_TOP | TA_NOUPDATECP);
}

void PrintDeviceWin32::BeginPage() {
  if (::StartPage(dc_) <= 0) PrintFailed("StartPage");
  SelectFont();  // a driver may reset the device context with every page
}

void PrintDeviceWin32::Draw(const PrintRun& run) {
  if (!measurer_) return;
  std::wstring wide;
  std::vector<INT> dx;
  std::size_t pos = 0;
  for (int advance : run.advances) {
    if (pos >= run.sjis.size()) break;
    const std::size_t len = enc::CharLen(run.sjis, pos);
    const std::u16string ch = enc::SjisToUtf16(std::string_view(run.sjis).substr(pos, len));
    pos += len;
    for (std::size_t u = 0; u < ch.size(); ++u) {
      wide.push_back(static_cast<wchar_t>(ch[u]));
      dx.push_back(u + 1 == ch.size() ? advance : 0);
    }
  }
  if (wide.empty()) return;
  ::SetTextColor(dc_, run.color & 0xFFFFFF);
  int x = run.origin.x, y = run.origin.y;
  const int glyph = static_cast<int>(measurer_->Metrics().tmHeight);
  if (measurer_->Vertical())
    x = run.line.left + run.line.Width() / 2 - measurer_->VerticalInkCentre();
  else
    y += std::max(0, (run.line.Height() - glyph) / 2);
  if (!::ExtTextOutW(dc_, x, y, 0, nullptr, wide.data(), static_cast<UINT>(wide.size()), dx.data()))
    PrintFailed("ExtTextOut");
}

void PrintDeviceWin32::EndPage() {
  if (::EndPage(dc_) <= 0) PrintFailed("EndPage");
  ++pages_;
}

void PrintDeviceWin32::EndDocument() {
  inDocument_ = false;
  if (::EndDoc(dc_) <= 0) PrintFailed("EndDoc");
}

void PrintDeviceWin32::AbortDocument() noexcept {
  if (!inDocument_) return;
  inDocument_ = false;
  ::AbortDoc(dc_);
}

PrinterWin32::~PrinterWin32() {
  if (devMode_) ::GlobalFree(devMode_);
  if (devNames_) ::GlobalFree(devNames_);
}

std::unique_ptr<IPrintDevice> PrinterWin32::PrintDialog() {
  PRINTDLGW pd{};
  pd.lStructSize = sizeof pd;
  pd.hwndOwner = owner_ ? owner_ : ::GetActiveWindow();
  pd.hDevMode = devMode_;
  pd.hDevNames = devNames_;
  pd.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE | PD_NOWARNING;
  pd.nCopies = 1;
  const BOOL ok = ::PrintDlgW(&pd);
  // The dialog may have replaced the settings it was given.
  devMode_ = pd.hDevMode;
  devNames_ = pd.hDevNames;
  if (!ok) {
    // Said the same way on every system (Wine's dialog says nothing).
    if (::CommDlgExtendedError() == PDERR_NODEFAULTPRN) throw std::runtime_error("印刷できるプリンタがありません。");
    CheckDialogError();
    return nullptr;
  }
  if (!pd.hDC) throw std::runtime_error("印刷できません。(プリンタのデバイスコンテキスト)");
  std::wstring output = output_;
  if (output.empty() && (pd.Flags & PD_PRINTTOFILE)) output = L"FILE:";
  return std::make_unique<PrintDeviceWin32>(pd.hDC, std::move(output));
}

}  // namespace hanaroku::win32
