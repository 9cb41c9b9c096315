#pragma once
// The painting port on a GDI device context, and the program's own set of
// pictures that controls draw by name.
#include "platform/win32/Win32Util.h"  // first: windows.h without its clashing macros

#include <string>
#include <utility>
#include <vector>

#include "platform/Paint.h"
#include "platform/win32/Gdi.h"

namespace hanaroku::win32 {

inline RECT ToRECT(const Rect& r) noexcept { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) noexcept { return Rect{r.left, r.top, r.right, r.bottom}; }

LOGFONTW PaintLogFont(const PaintFont& font);

class GdiCanvas final : public IPaintCanvas {
 public:
  // Paints on dc; the device context's state is restored when the canvas ends.
  explicit GdiCanvas(HDC dc) noexcept;
  ~GdiCanvas() override;
  GdiCanvas(const GdiCanvas&) = delete;
  GdiCanvas& operator=(const GdiCanvas&) = delete;

  HDC Dc() const noexcept { return dc_; }

  TColor SystemColor(SysColor c) const override;
  void FillRect(const Rect& r, TColor color) override;
  void FrameRect(const Rect& r, TColor color) override;
  void Line(Point from, Point to, TColor color, int width) override;
  void Polyline(std::span<const Point> points, TColor color, int width) override;
  void Polygon(std::span<const Point> points, std::optional<TColor> fill, std::optional<TColor> outline) override;
  void RoundRect(const Rect& r, int ellipseWidth, int ellipseHeight, std::optional<TColor> fill,
                 std::optional<TColor> outline) override;
  void Ellipse(const Rect& r, std::optional<TColor> fill, std::optional<TColor> outline) override;
  void SetPixel(Point p, TColor color) override;
  void DrawText(Point origin, std::string_view utf8, const PaintFont& font, TColor color) override;
  Size TextExtent(std::string_view utf8, const PaintFont& font) override;
  void DrawPicture(const Rect& dst, std::string_view picture) override;
  Size PictureSize(std::string_view picture) override;
  void PushClip(const Rect& r) override;
  void PopClip() override;
  std::unique_ptr<IPaintLayer> CreateLayer(Size size) override;
  void DrawLayer(const IPaintLayer& layer, const Rect& source, Point to) override;

 private:
  HFONT FontFor(const PaintFont& font);
  void ApplyClip();
  // Selects the brush and pen of a shape for the scope of `draw`.
  template <class Draw>
  void Shape(std::optional<TColor> fill, std::optional<TColor> outline, Draw draw);

  HDC dc_;
  int saved_;
  std::vector<std::pair<PaintFont, FontPtr>> fonts_;
  std::vector<Rect> clips_;
};

// Paints wnd's client area (WM_PAINT) on a back buffer through a canvas:
// draw(canvas, client size).
template <class Draw>
void PaintOnCanvas(HWND wnd, Draw draw) {
  PaintBuffered(wnd, [&](HDC dc, const RECT& client) {
    GdiCanvas canvas(dc);
    draw(static_cast<IPaintCanvas&>(canvas), Size{client.right, client.bottom});
  });
}

// An off-screen bitmap with a canvas on it.
class GdiLayer final : public IPaintLayer {
 public:
  GdiLayer(HDC compatibleWith, Size size);
  ~GdiLayer() override;
  GdiLayer(const GdiLayer&) = delete;
  GdiLayer& operator=(const GdiLayer&) = delete;
  IPaintCanvas& Canvas() override { return *canvas_; }
  Size Extent() const override { return size_; }
  HDC Dc() const noexcept { return dc_.Get(); }

 private:
  Size size_;
  MemoryDc dc_;
  BitmapPtr bitmap_;
  HGDIOBJ old_ = nullptr;
  std::unique_ptr<GdiCanvas> canvas_;
};

// The program's pictures. A registered bitmap is owned by the set; a 32-bit
// bitmap with premultiplied alpha is blended, any other is copied.
void RegisterPicture(std::string name, HBITMAP bitmap, bool premultipliedAlpha);
bool HasPicture(std::string_view name) noexcept;

}  // namespace hanaroku::win32
