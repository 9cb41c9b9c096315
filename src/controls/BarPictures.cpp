#include "controls/BarPictures.h"

#include <utility>

namespace hanaroku {
namespace {

constexpr TColor Sys(SysColor c) noexcept { return kSysColorFlag | static_cast<TColor>(c); }

}  // namespace

TPicture GripPicture(bool lit) {
  return [lit](IPaintCanvas& canvas, const Rect& r) {
    canvas.FillRect(r, lit ? kLitFace : ResolveColor(canvas, Sys(SysColor::BtnFace)));
    if (r.Height() < 8) return;
    for (int x : {r.left + 2, r.left + 5})
      DrawEdge(canvas, Rect{x, r.top + 3, x + 3, r.bottom - 3}, lit ? Edge::Raised : Edge::RaisedInner);
  };
}

TPicture TabPicture(std::string caption, bool lit) {
  return [caption = std::move(caption), lit](IPaintCanvas& canvas, const Rect& r) {
    canvas.FillRect(r, ResolveColor(canvas, Sys(SysColor::BtnFace)));
    const Rect flap{r.left + 1, r.top, r.right - 1, r.bottom};
    canvas.FillRect(flap, lit ? kLitFace : ResolveColor(canvas, Sys(SysColor::BtnFace)));
    const TColor light = ResolveColor(canvas, Sys(SysColor::BtnHighlight));
    const TColor shadow = ResolveColor(canvas, Sys(SysColor::BtnShadow));
    canvas.Line({flap.left, flap.top}, {flap.left, flap.bottom - 1}, light);
    canvas.Line({flap.left, flap.bottom - 1}, {flap.right - 1, flap.bottom - 1}, shadow);
    canvas.Line({flap.right - 1, flap.top}, {flap.right - 1, flap.bottom}, shadow);
    PaintFont font;
    font.height = 10;
    const Size text = canvas.TextExtent(caption, font);
    const Point at{flap.left + (flap.Width() - text.width) / 2, flap.top + (flap.Height() - 1 - text.height) / 2};
    ClipScope clip(canvas, flap);
    canvas.DrawText(at, caption, font, lit ? kLitText : ResolveColor(canvas, Sys(SysColor::BtnText)));
  };
}

}  // namespace hanaroku
