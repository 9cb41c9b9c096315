#include "platform/win32/StatusBar.h"

#include <commctrl.h>

#include <stdexcept>

#include "platform/win32/Win32Ports.h"

namespace hanaroku::win32 {

FontMeasurer::FontMeasurer() : dc_(nullptr) {}

void FontMeasurer::SetFont(HFONT font) noexcept {
  font_ = font;
  if (dc_) ::SelectObject(dc_.Get(), font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT));
}

int FontMeasurer::Width(const std::wstring& text) const {
  if (!dc_ || text.empty()) return 0;
  SIZE size{};
  ::GetTextExtentPoint32W(dc_.Get(), text.c_str(), static_cast<int>(text.size()), &size);
  return size.cx;
}

int FontMeasurer::CharAdvance(std::string_view sjisChar) const { return Width(SjisToWide(sjisChar)); }

int FontMeasurer::TextWidth(std::string_view utf8) const { return Width(Widen(utf8)); }

int FontMeasurer::LinePitch() const {
  TEXTMETRICW tm{};
  if (!dc_ || !::GetTextMetricsW(dc_.Get(), &tm)) return 12;
  return tm.tmHeight + tm.tmExternalLeading;
}

void StatusBar::Create(HWND parent, int id, const std::string& fontName) {
  wnd_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, 0, 0, 0, 0, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr), nullptr);
  if (!wnd_) throw std::runtime_error("CreateWindow: " + SystemErrorText(::GetLastError()));
  font_ = MakeFont(Widen(fontName), -12);
  ::SendMessageW(wnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  measurer_.SetFont(font_.get());
}

void StatusBar::SetWidths(const std::array<int, PanelCount>& widths) {
  std::array<int, PanelCount> edges = PanelEdges(widths);
  ::SendMessageW(wnd_, SB_SETPARTS, PanelCount, reinterpret_cast<LPARAM>(edges.data()));
}

void StatusBar::SetText(int index, const std::string& utf8) {
  if (index < 0 || index >= PanelCount) return;
  std::wstring text = Widen(utf8);
  ::SendMessageW(wnd_, SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::Text(int index) const {
  if (index < 0 || index >= PanelCount) return {};
  LRESULT r = ::SendMessageW(wnd_, SB_GETTEXTLENGTHW, static_cast<WPARAM>(index), 0);
  std::wstring text(LOWORD(r) + 1, L'\0');
  ::SendMessageW(wnd_, SB_GETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(LOWORD(r));
  return Narrow(text);
}

int StatusBar::Height() const noexcept {
  RECT r{};
  if (wnd_) ::GetWindowRect(wnd_, &r);
  return r.bottom - r.top;
}

void StatusBar::Resize() noexcept {
  if (!wnd_) return;
  HWND parent = ::GetParent(wnd_);
  RECT before{};
  ::GetWindowRect(wnd_, &before);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&before), 2);
  // The control moves itself without repainting what it leaves, and it
  // draws its size grip only while the parent is not maximised: its old
  // place and the whole bar are redrawn, or a grip stays behind at the old
  // right edge.
  ::SendMessageW(wnd_, WM_SIZE, 0, 0);
  ::RedrawWindow(parent, &before, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
  ::RedrawWindow(wnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}

}  // namespace hanaroku::win32
