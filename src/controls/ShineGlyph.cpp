#include "controls/ShineGlyph.h"

#include <algorithm>

namespace hanaroku {
namespace {

template <class F>
TColor PerChannel(TColor a, TColor b, F f) noexcept {
  return MakeColor(f(RedOf(a), RedOf(b)), f(GreenOf(a), GreenOf(b)), f(BlueOf(a), BlueOf(b)));
}

template <class F>
GlyphImage MapDrawn(GlyphImage image, F f) {
  for (auto& px : image.pixels)
    if (px) px = f(*px);
  return image;
}

bool Checkered(int x, int y) noexcept { return (x + y) % 2 == 1; }

// Every transparent pixel beside a drawn one (left, right, above, below)
// becomes `color`.
GlyphImage Outline(const GlyphImage& image, TColor color) {
  GlyphImage out = image;
  auto drawn = [&](int x, int y) {
    return x >= 0 && y >= 0 && x < image.width && y < image.height && image.At(x, y).has_value();
  };
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (!image.At(x, y) && (drawn(x - 1, y) || drawn(x + 1, y) || drawn(x, y - 1) || drawn(x, y + 1)))
        out.At(x, y) = color;
  return out;
}

}  // namespace

GlyphImage GlyphTrueColor(const ShineGlyph& glyph, TColor fontColor, TColor buttonColor) {
  GlyphImage image;
  if (glyph.Empty()) return image;
  image.width = glyph.width;
  image.height = glyph.height;
  image.pixels.reserve(glyph.Count());
  for (std::size_t i = 0; i < glyph.Count(); ++i) {
    TColor c = glyph.pixels[i];
    if (glyph.monochrome) c = c == 0 ? fontColor : buttonColor;
    image.pixels.emplace_back(c & 0xFFFFFF);
  }
  const TColor transparent = *image.At(0, image.height - 1);
  for (auto& px : image.pixels)
    if (*px == transparent) px.reset();
  return image;
}

GlyphImage ApplyActiveLight(GlyphImage image, TActiveLight effect, TColor s) {
  switch (effect) {
    case TActiveLight::aiNoLight: return image;
    case TActiveLight::aiXorLight: return MapDrawn(std::move(image), [s](TColor p) { return (p ^ s) & 0xFFFFFF; });
    case TActiveLight::aiHalfLight:
      return MapDrawn(std::move(image),
                      [s](TColor p) { return PerChannel(p, s, [](int a, int b) { return (a + b) / 2; }); });
    case TActiveLight::aiQuaterLight:
      return MapDrawn(std::move(image),
                      [s](TColor p) { return PerChannel(p, s, [](int a, int b) { return (a + 3 * b) / 4; }); });
    case TActiveLight::aiAddLight:
      return MapDrawn(std::move(image),
                      [s](TColor p) { return PerChannel(p, s, [](int a, int b) { return std::min(255, a + b); }); });
    case TActiveLight::aiFrameLight: return Outline(image, s);
    case TActiveLight::aiFrameLight2: return Outline(Outline(image, s), s);
    case TActiveLight::aiMaskLight:
      for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
          if (image.At(x, y) && Checkered(x, y)) image.At(x, y) = s;
      return image;
  }
  return image;
}

GlyphImage ApplyDrawImage(GlyphImage image, TDrawImage effect, TColor c) {
  switch (effect) {
    case TDrawImage::diDefault: return image;
    case TDrawImage::diGrayscale:
      return MapDrawn(std::move(image), [](TColor p) {
        int grey = (RedOf(p) + GreenOf(p) + BlueOf(p)) / 3;
        return MakeColor(grey, grey, grey);
      });
    case TDrawImage::diAlphaHalfTrans:
      return MapDrawn(std::move(image),
                      [c](TColor p) { return PerChannel(p, c, [](int a, int b) { return (a + b) / 2; }); });
    case TDrawImage::diAlphaQuaterTrans:
      return MapDrawn(std::move(image),
                      [c](TColor p) { return PerChannel(p, c, [](int a, int b) { return (a + 3 * b) / 4; }); });
    case TDrawImage::diMaskTrans:
      for (int y = 0; y < image.height; ++y)
        for (int x = 0; x < image.width; ++x)
          if (Checkered(x, y)) image.At(x, y).reset();
      return image;
  }
  return image;
}

std::vector<bool> EngravedMask(const GlyphImage& image) {
  std::vector<bool> mask(image.pixels.size(), false);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      std::optional<TColor> next;
      if (x + 1 < image.width && y + 1 < image.height) next = image.At(x + 1, y + 1);
      mask[static_cast<std::size_t>(y) * image.width + x] = image.At(x, y) != next;
    }
  return mask;
}

void DrawGlyphImage(IPaintCanvas& canvas, const GlyphImage& image, Point at) {
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      if (const auto& px = image.At(x, y)) canvas.SetPixel({at.x + x, at.y + y}, *px);
}

void DrawGlyphMask(IPaintCanvas& canvas, const std::vector<bool>& mask, int width, Point at, TColor color) {
  if (width <= 0) return;
  for (std::size_t i = 0; i < mask.size(); ++i)
    if (mask[i]) canvas.SetPixel({at.x + static_cast<int>(i % width), at.y + static_cast<int>(i / width)}, color);
}

}  // namespace hanaroku
