#include "platform/Paint.h"

namespace hanaroku {

TColor ResolveColor(const IPaintCanvas& canvas, TColor color) {
  if ((color & kSysColorFlag) == 0) return color & 0xFFFFFF;
  return canvas.SystemColor(static_cast<SysColor>(color & 0xFF));
}

namespace {

// One ring of an edge: top and left in `topLeft`, bottom and right in
// `bottomRight`, as the platform draws them.
void Ring(IPaintCanvas& canvas, const Rect& r, TColor topLeft, TColor bottomRight) {
  if (r.Empty()) return;
  canvas.Line({r.left, r.bottom - 1}, {r.left, r.top}, topLeft);
  canvas.Line({r.left, r.top}, {r.right - 1, r.top}, topLeft);
  canvas.Line({r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, bottomRight);
  canvas.Line({r.right - 1, r.bottom - 1}, {r.left - 1, r.bottom - 1}, bottomRight);
}

}  // namespace

void DrawEdge(IPaintCanvas& canvas, const Rect& r, Edge edge) {
  const TColor hi = canvas.SystemColor(SysColor::BtnHighlight);
  const TColor light = canvas.SystemColor(SysColor::BtnLight);
  const TColor shadow = canvas.SystemColor(SysColor::BtnShadow);
  const TColor dark = canvas.SystemColor(SysColor::BtnDkShadow);
  struct Pair {
    TColor topLeft, bottomRight;
  };
  const Pair raisedOuter{light, dark}, raisedInner{hi, shadow};
  const Pair sunkenOuter{shadow, hi}, sunkenInner{dark, light};
  auto rings = [&](Pair outer, std::optional<Pair> inner) {
    Ring(canvas, r, outer.topLeft, outer.bottomRight);
    if (inner) Ring(canvas, r.Inflated(-1, -1), inner->topLeft, inner->bottomRight);
  };
  switch (edge) {
    case Edge::RaisedOuter: rings(raisedOuter, std::nullopt); break;
    case Edge::RaisedInner: rings(raisedInner, std::nullopt); break;
    case Edge::SunkenOuter: rings(sunkenOuter, std::nullopt); break;
    case Edge::SunkenInner: rings(sunkenInner, std::nullopt); break;
    case Edge::Raised: rings(raisedOuter, raisedInner); break;
    case Edge::Sunken: rings(sunkenOuter, sunkenInner); break;
    case Edge::Bump: rings(raisedOuter, sunkenInner); break;
    case Edge::Etched: rings(sunkenOuter, raisedInner); break;
  }
}

}  // namespace hanaroku
