#pragma once
// GdiMeasurer: the text measurer of a pane window, with GDI fonts. It owns
// the pane's two fonts (the plain face and the vertical "@" face) and a
// memory device context to measure in. Character advances are cached per
// Shift-JIS character; the cache is dropped when the font or the writing
// direction changes.
#include "platform/win32/Gdi.h"

#include <string_view>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Dialogs.h"

namespace hanaroku::win32 {

class GdiMeasurer final : public ITextMeasurer {
 public:
  GdiMeasurer();
  // Measures at the resolution of another device (a printer).
  explicit GdiMeasurer(HDC compatibleWith);
  ~GdiMeasurer() override;
  GdiMeasurer(const GdiMeasurer&) = delete;
  GdiMeasurer& operator=(const GdiMeasurer&) = delete;

  // Sets the font and the writing direction. Returns true when either
  // changed (the fonts are remade and the cache is cleared).
  bool SetFont(const FontSpec& font, bool vertical);

  // ITextMeasurer. CharAdvance measures with the "@" font in vertical
  // writing and with the plain font otherwise; TextWidth always measures
  // with the plain font.
  int CharAdvance(std::string_view sjisChar) const override;
  int TextWidth(std::string_view utf8) const override;
  int LinePitch() const override { return pitch_; }

  // The font text is drawn with (the "@" font in vertical writing).
  HFONT DrawFont() const noexcept { return vertical_ ? verticalFont_.get() : plainFont_.get(); }
  HFONT PlainFont() const noexcept { return plainFont_.get(); }
  HFONT VerticalFont() const noexcept { return verticalFont_.get(); }
  // Metrics of DrawFont().
  const TEXTMETRICW& Metrics() const noexcept { return metrics_; }
  bool Vertical() const noexcept { return vertical_; }
  // Vertical writing: horizontal distance from the reference point of a
  // TA_TOP ExtTextOut with the "@" font to the middle of an upright
  // full-width glyph. Fonts and GDI versions place the rotated cell
  // differently, so it is measured once per font.
  int VerticalInkCentre() const noexcept { return verticalCentre_; }
  const FontSpec& Font() const noexcept { return font_; }

 private:
  int Measure(std::string_view sjisChar) const;
  void SelectDrawFont() const noexcept;
  int MeasureVerticalCentre() const;

  MemoryDc dc_;
  FontPtr plainFont_, verticalFont_;
  FontSpec font_;
  bool vertical_ = false;
  bool made_ = false;
  TEXTMETRICW metrics_{};
  int pitch_ = 20;
  int spaceAdvance_ = 8;
  int verticalCentre_ = -10;
  // Advances by character: 0..255 single bytes, 256 + (lead << 8 | trail)
  // double bytes; -1 not measured yet.
  mutable std::vector<int> cache_;
};

}  // namespace hanaroku::win32
