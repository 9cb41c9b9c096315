#pragma once
// The glyph of a gradient button and its light effects. A glyph is a small
// picture held as pixels; its transparent colour is its bottom-left pixel and
// only the other pixels are drawn. The effects work on a 32-bit copy.
#include <cstdint>
#include <optional>
#include <vector>

#include "controls/ControlStyle.h"

namespace hanaroku {

// Glyph effect in the two hover states.
enum class TActiveLight : std::uint8_t {
  aiNoLight,
  aiXorLight,
  aiHalfLight,
  aiQuaterLight,
  aiAddLight,
  aiFrameLight,
  aiFrameLight2,
  aiMaskLight,
};

// Glyph effect in the up, pressed and disabled states.
enum class TDrawImage : std::uint8_t { diDefault, diGrayscale, diAlphaHalfTrans, diAlphaQuaterTrans, diMaskTrans };

struct ShineGlyph {
  int width = 0, height = 0;
  std::vector<TColor> pixels;  // row by row from the top, width * height values
  // A monochrome glyph: a pixel of 0 is a clear bit, any other a set bit.
  bool monochrome = false;

  bool Empty() const noexcept { return width <= 0 || height <= 0 || pixels.size() < Count(); }
  std::size_t Count() const noexcept {
    return width > 0 && height > 0 ? static_cast<std::size_t>(width) * static_cast<std::size_t>(height) : 0;
  }
  bool operator==(const ShineGlyph&) const = default;
};

// A glyph ready to draw: the colour of each pixel, none where transparent.
struct GlyphImage {
  int width = 0, height = 0;
  std::vector<std::optional<TColor>> pixels;

  std::optional<TColor>& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const std::optional<TColor>& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// The 32-bit copy: a monochrome glyph takes fontColor where its bit is clear
// and buttonColor where it is set; then the bottom-left pixel's colour is
// transparent. Colours must be resolved (plain 0x00BBGGRR).
GlyphImage GlyphTrueColor(const ShineGlyph& glyph, TColor fontColor, TColor buttonColor);

// The hover effects with the shine colour S.
GlyphImage ApplyActiveLight(GlyphImage image, TActiveLight effect, TColor shine);
// The up, pressed and disabled effects with the button colour C (diDefault:
// unchanged; the disabled engraving is EngravedMask).
GlyphImage ApplyDrawImage(GlyphImage image, TDrawImage effect, TColor buttonColor);
// The disabled look of a diDefault glyph: set wherever a pixel differs from
// its lower-right neighbour (outside the glyph counts as transparent).
std::vector<bool> EngravedMask(const GlyphImage& image);

// Draws the drawn pixels with their top-left corner at `at`.
void DrawGlyphImage(IPaintCanvas& canvas, const GlyphImage& image, Point at);
// Draws the set pixels of a mask in one colour.
void DrawGlyphMask(IPaintCanvas& canvas, const std::vector<bool>& mask, int width, Point at, TColor color);

}  // namespace hanaroku
