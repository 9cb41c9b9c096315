#pragma once
// StatusBar1: the status bar common control with the five panels of the
// model, in the font "ＭＳ Ｐ明朝", and a measurer with that font for path
// shortening.
#include "platform/win32/Win32Util.h"

#include <array>
#include <string>

#include "platform/Canvas.h"
#include "platform/win32/Gdi.h"

namespace hanaroku::win32 {

// Measures UTF-8 and Shift-JIS text with one GDI font.
class FontMeasurer final : public ITextMeasurer {
 public:
  FontMeasurer();
  void SetFont(HFONT font) noexcept;
  int CharAdvance(std::string_view sjisChar) const override;
  int TextWidth(std::string_view utf8) const override;
  int LinePitch() const override;

 private:
  int Width(const std::wstring& text) const;
  MemoryDc dc_;
  HFONT font_ = nullptr;
};

// Right edges of the parts for SB_SETPARTS: the panels' widths added up; the
// last part runs to the window's right edge (-1).
template <std::size_t N>
std::array<int, N> PanelEdges(const std::array<int, N>& widths) noexcept {
  std::array<int, N> edges{};
  int x = 0;
  for (std::size_t i = 0; i < N; ++i) {
    x += widths[i];
    edges[i] = x;
  }
  if (N) edges[N - 1] = -1;
  return edges;
}

class StatusBar {
 public:
  static constexpr int PanelCount = 5;

  void Create(HWND parent, int id, const std::string& fontName);
  HWND Handle() const noexcept { return wnd_; }
  void SetWidths(const std::array<int, PanelCount>& widths);
  void SetText(int index, const std::string& utf8);
  std::string Text(int index) const;
  int Height() const noexcept;
  // Sizes itself to the bottom of the parent (after the parent's WM_SIZE).
  void Resize() noexcept;
  const ITextMeasurer& Measurer() const noexcept { return measurer_; }

 private:
  HWND wnd_ = nullptr;
  FontPtr font_;
  FontMeasurer measurer_;
};

}  // namespace hanaroku::win32
