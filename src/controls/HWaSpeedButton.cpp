#include "controls/HWaSpeedButton.h"

namespace hanaroku {
namespace {

constexpr TColor Sys(SysColor c) noexcept { return kSysColorFlag | static_cast<TColor>(c); }
constexpr TColor kBlack = 0x000000;

bool Inside(Point p, Size size) noexcept { return Rect::FromSize(0, 0, size.width, size.height).Contains(p); }

}  // namespace

std::string DisabledPictureName(std::string_view picture) { return std::string(picture) + ":disabled"; }

void THWaSpeedButton::Paint(IPaintCanvas& canvas, Size size) {
  const Rect client = Rect::FromSize(0, 0, size.width, size.height);
  const bool down = IsDown();
  canvas.FillRect(client, ResolveColor(canvas, Color));
  // The platform's speed button.
  if (!Flat)
    DrawEdge(canvas, client, down ? Edge::Sunken : Edge::Raised);
  else if (down)
    DrawEdge(canvas, client, Edge::SunkenOuter);
  else if (mouseInside_ && enabled_)
    DrawEdge(canvas, client, Edge::RaisedInner);
  PaintContent(canvas, client, down);
  // What the flat style adds.
  if (FlatStyle != TFlatStyle::fsNetscape4 || !Flat) return;
  if (down) {
    canvas.FrameRect(client, kBlack);
    DrawEdge(canvas, client.Inflated(-1, -1), Edge::SunkenOuter);
  } else if (mouseInside_) {
    DrawEdge(canvas, client, Edge::Raised);
    canvas.FrameRect(client, kBlack);
  }
}

void THWaSpeedButton::PaintContent(IPaintCanvas& canvas, const Rect& client, bool down) {
  const Rect area = down ? client.Offset(1, 1) : client;
  if (!Glyph.empty()) {
    const std::string picture = enabled_ ? Glyph : DisabledPictureName(Glyph);
    const Rect dst = CentredPictureRect(canvas.PictureSize(picture), area.Inflated(-2, -2));
    if (!dst.Empty()) canvas.DrawPicture(dst, picture);
    return;
  }
  if (Caption.empty()) return;
  const Size text = canvas.TextExtent(Caption, Font);
  const Point at{area.left + (area.Width() - text.width) / 2, area.top + (area.Height() - text.height) / 2};
  if (enabled_) {
    canvas.DrawText(at, Caption, Font, ResolveColor(canvas, FontColor));
    return;
  }
  canvas.DrawText({at.x + 1, at.y + 1}, Caption, Font, ResolveColor(canvas, Sys(SysColor::BtnHighlight)));
  canvas.DrawText(at, Caption, Font, ResolveColor(canvas, Sys(SysColor::BtnShadow)));
}

void THWaSpeedButton::MouseEnter() {
  if (!Flat || !enabled_ || mouseInside_) return;
  mouseInside_ = true;
  Repaint();
}

void THWaSpeedButton::MouseLeave() {
  if (!mouseInside_) return;
  mouseInside_ = false;
  Repaint();
}

void THWaSpeedButton::MouseDown(Point) {
  if (!enabled_) return;
  pressed_ = pointerOver_ = true;
  Repaint();
}

void THWaSpeedButton::MouseMove(Point p, Size size) {
  if (!pressed_) return;
  const bool over = Inside(p, size);
  if (over == pointerOver_) return;
  pointerOver_ = over;
  Repaint();
}

bool THWaSpeedButton::MouseUp(Point p, Size size) {
  if (!pressed_) return false;
  pressed_ = pointerOver_ = false;
  Repaint();
  return enabled_ && Inside(p, size);
}

void THWaSpeedButton::CaptureLost() {
  if (!pressed_) return;
  pressed_ = pointerOver_ = false;
  Repaint();
}

void THWaSpeedButton::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  if (!enabled) pressed_ = pointerOver_ = mouseInside_ = false;
  Repaint();
}

}  // namespace hanaroku
