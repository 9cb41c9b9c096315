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

TPicture NamedPicture(std::string name) {
  return [name = std::move(name)](IPaintCanvas& canvas, const Rect& area) {
    const Rect dst = CentredPictureRect(canvas.PictureSize(name), area);
    if (!dst.Empty()) canvas.DrawPicture(dst, name);
  };
}

}  // namespace hanaroku
