#include "controls/RotateLabel.h"

#include <cmath>

namespace hanaroku {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kDefaultCharset = 1;  // the platform's default character set

int NormalAngle(int degrees) noexcept { return degrees < 0 || degrees > 359 ? 0 : degrees; }

}  // namespace

Point RotateLabelOrigin(Size labelSize, Size textSize, int angle) noexcept {
  const double a = NormalAngle(angle) * kPi / 180.0;
  const double tw = textSize.width / 2.0, th = textSize.height / 2.0;
  const int x = labelSize.width / 2 - static_cast<int>(std::trunc(tw * std::cos(a))) -
                static_cast<int>(std::trunc(th * std::sin(a)));
  const int y = static_cast<int>(std::trunc(tw * std::sin(a))) + labelSize.height / 2 -
                static_cast<int>(std::trunc(th * std::cos(a)));
  return {x, y};
}

TRotateLabel::TRotateLabel() {
  Shadow.OnChange = [this] { Changed(); };
}

void TRotateLabel::SetAngle(int degrees) { Set(angle_, NormalAngle(degrees)); }

void TRotateLabel::Paint(IPaintCanvas& canvas, Point at) const {
  const Rect client = Rect::FromSize(at.x, at.y, size_.width, size_.height);
  ClipScope clip(canvas, client);
  if (!transparent_) canvas.FillRect(client, color_);
  PaintFont turned = font_.face;
  turned.escapement = angle_ * 10;
  turned.charset = kDefaultCharset;
  const Size text = canvas.TextExtent(caption_, turned);
  const Point o = RotateLabelOrigin(size_, text, angle_);
  const int x = at.x + o.x, y = at.y + o.y;
  if (Shadow.Visible())
    canvas.DrawText({x + Shadow.OffsetLeft(), y + Shadow.OffsetTop()}, caption_, turned, Shadow.Color());
  if (enabled_) {
    canvas.DrawText({x, y}, caption_, turned, font_.color);
  } else {
    canvas.DrawText({x + 1, y + 1}, caption_, turned, clBtnHighlight);
    canvas.DrawText({x, y}, caption_, turned, clBtnShadow);
  }
}

}  // namespace hanaroku
