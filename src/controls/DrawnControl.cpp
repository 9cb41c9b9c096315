#include "controls/DrawnControl.h"

#include <utility>

namespace hanaroku {

Rect CentredPictureRect(Size size, const Rect& area) noexcept {
  if (size.width <= 0 || size.height <= 0 || area.Empty()) return {};
  int w = size.width, h = size.height;
  if (w > area.Width() || h > area.Height()) {
    // Shrink to the area, keeping the proportions.
    if (static_cast<long long>(w) * area.Height() > static_cast<long long>(h) * area.Width()) {
      h = static_cast<int>(static_cast<long long>(h) * area.Width() / w);
      w = area.Width();
    } else {
      w = static_cast<int>(static_cast<long long>(w) * area.Height() / h);
      h = area.Height();
    }
  }
  const int left = area.left + (area.Width() - w) / 2, top = area.top + (area.Height() - h) / 2;
  return Rect::FromSize(left, top, w, h);
}

void DrawFocusFrame(IPaintCanvas& canvas, const Rect& r, TColor color) {
  if (r.Empty()) return;
  // Clockwise round the frame, a dot on every other pixel.
  int step = 0;
  auto dot = [&](int x, int y) {
    if (step++ % 2 == 0) canvas.SetPixel({x, y}, color);
  };
  for (int x = r.left; x < r.right; ++x) dot(x, r.top);
  for (int y = r.top + 1; y < r.bottom; ++y) dot(r.right - 1, y);
  if (r.Height() > 1)
    for (int x = r.right - 2; x >= r.left; --x) dot(x, r.bottom - 1);
  if (r.Width() > 1)
    for (int y = r.bottom - 2; y > r.top; --y) dot(r.left, y);
}

TPicture NamedPicture(std::string name) {
  return [name = std::move(name)](IPaintCanvas& canvas, const Rect& area) {
    const Rect dst = CentredPictureRect(canvas.PictureSize(name), area);
    if (!dst.Empty()) canvas.DrawPicture(dst, name);
  };
}

}  // namespace hanaroku
