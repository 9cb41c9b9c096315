#pragma once
// Painting port of the program's own controls (gradient buttons, clock,
// banner, hint window, rotated label, grips). A control's model paints onto
// an IPaintCanvas in device pixels; the Win32 adapter implements it on a
// device context, and tests record the calls (tests/platform/RecordingCanvas.h).
// Colours are the platform's 0x00BBGGRR, texts UTF-8.
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/Canvas.h"
#include "platform/Geometry.h"

namespace hanaroku {

// A font as the controls describe it.
struct PaintFont {
  std::string name = "ＭＳ Ｐゴシック";  // face, UTF-8
  int height = 12;                       // character height in pixels
  bool bold = false, italic = false, underline = false, strikeOut = false;
  int charset = 128;                     // SHIFTJIS_CHARSET
  int escapement = 0;                    // tenths of a degree, counter-clockwise
  bool operator==(const PaintFont&) const = default;
};

// The platform's system colours that controls draw their frames with.
enum class SysColor : std::uint8_t {
  BtnFace,
  BtnShadow,
  BtnHighlight,
  BtnDkShadow,
  BtnLight,
  BtnText,
  GrayText,
  Window,
  WindowText,
  Highlight,
  HighlightText,
  InfoBk,
  InfoText,
  Menu,
  MenuText,
  WindowFrame,
};

// The platform's value of a system colour, as a TColor with the high byte set
// (Delphi's clBtnFace and friends are 0x80000000 | index). ResolveColor turns
// either form into a plain 0x00BBGGRR through the canvas.
inline constexpr TColor kSysColorFlag = 0x80000000u;

// Edges of a rectangle drawn with the 3-D system colours.
enum class Edge : std::uint8_t {
  RaisedOuter,  // highlight top-left, dark shadow bottom-right
  RaisedInner,  // light top-left, shadow bottom-right
  SunkenOuter,  // shadow top-left, highlight bottom-right
  SunkenInner,  // dark shadow top-left, light bottom-right
  Raised,       // outer and inner raised
  Sunken,       // outer and inner sunken
  Bump,         // raised outer, sunken inner
  Etched,       // sunken outer, raised inner
};

class IPaintLayer;

class IPaintCanvas {
 public:
  virtual ~IPaintCanvas() = default;

  virtual TColor SystemColor(SysColor c) const = 0;

  virtual void FillRect(const Rect& r, TColor color) = 0;
  // One-pixel outline just inside r.
  virtual void FrameRect(const Rect& r, TColor color) = 0;
  // From `from` up to but not including `to`, as the platform's LineTo.
  virtual void Line(Point from, Point to, TColor color, int width = 1) = 0;
  virtual void Polyline(std::span<const Point> points, TColor color, int width = 1) = 0;
  // Filled and/or outlined shapes; an empty optional leaves that part out.
  virtual void Polygon(std::span<const Point> points, std::optional<TColor> fill, std::optional<TColor> outline) = 0;
  virtual void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, std::optional<TColor> fill,
                         std::optional<TColor> outline) = 0;
  virtual void Ellipse(const Rect& r, std::optional<TColor> fill, std::optional<TColor> outline) = 0;
  virtual void SetPixel(Point p, TColor color) = 0;

  // Text with a transparent background; `origin` is the top-left corner of
  // the text's cell before rotation (the platform's reference point).
  virtual void DrawText(Point origin, std::string_view utf8, const PaintFont& font, TColor color) = 0;
  // Width and height of the unrotated text cell.
  virtual Size TextExtent(std::string_view utf8, const PaintFont& font) = 0;

  // A picture of the program's own set, by name ("document-new"), scaled into
  // dst. Unknown names draw nothing; their size is 0 x 0.
  virtual void DrawPicture(const Rect& dst, std::string_view picture) = 0;
  virtual Size PictureSize(std::string_view picture) = 0;

  // Clipping to the intersection of the clip rectangles pushed so far.
  virtual void PushClip(const Rect& r) = 0;
  virtual void PopClip() = 0;

  // Off-screen layers: drawn once, copied many times (the banner).
  virtual std::unique_ptr<IPaintLayer> CreateLayer(Size size) = 0;
  // Copies the part `source` of the layer with its top-left corner at `to`.
  virtual void DrawLayer(const IPaintLayer& layer, const Rect& source, Point to) = 0;
};

class IPaintLayer {
 public:
  virtual ~IPaintLayer() = default;
  virtual IPaintCanvas& Canvas() = 0;
  virtual Size Extent() const = 0;
};

// A colour that may name a system colour (kSysColorFlag | SysColor) as a
// plain 0x00BBGGRR value.
TColor ResolveColor(const IPaintCanvas& canvas, TColor color);

// The 3-D edge, one pixel per ring, drawn with the system colours.
void DrawEdge(IPaintCanvas& canvas, const Rect& r, Edge edge);

// Clips to r for the scope.
class ClipScope {
 public:
  ClipScope(IPaintCanvas& canvas, const Rect& r) : canvas_(canvas) { canvas_.PushClip(r); }
  ~ClipScope() { canvas_.PopClip(); }
  ClipScope(const ClipScope&) = delete;
  ClipScope& operator=(const ClipScope&) = delete;

 private:
  IPaintCanvas& canvas_;
};

// Colour arithmetic on 0x00BBGGRR values.
constexpr int RedOf(TColor c) noexcept { return static_cast<int>(c & 0xFF); }
constexpr int GreenOf(TColor c) noexcept { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int BlueOf(TColor c) noexcept { return static_cast<int>((c >> 16) & 0xFF); }
constexpr TColor MakeColor(int r, int g, int b) noexcept {
  auto clamp = [](int v) { return static_cast<TColor>(v < 0 ? 0 : v > 255 ? 255 : v); };
  return clamp(r) | (clamp(g) << 8) | (clamp(b) << 16);
}

}  // namespace hanaroku
