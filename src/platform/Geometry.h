#pragma once
// Points, sizes and rectangles in device pixels, shared by the layout of the
// pane and the painting of the program's own controls.
#include <algorithm>

namespace hanaroku {

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

struct Size {
  int width = 0, height = 0;
  bool operator==(const Size&) const = default;
};

// Right and bottom are exclusive, as in the platform's rectangles.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const Rect&) const = default;

  constexpr int Width() const noexcept { return right - left; }
  constexpr int Height() const noexcept { return bottom - top; }
  constexpr bool Empty() const noexcept { return right <= left || bottom <= top; }
  constexpr bool Contains(Point p) const noexcept { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  // Grown by dx on the left and right and dy at the top and bottom
  // (negative values shrink it).
  constexpr Rect Inflated(int dx, int dy) const noexcept { return {left - dx, top - dy, right + dx, bottom + dy}; }
  constexpr Rect Offset(int dx, int dy) const noexcept { return {left + dx, top + dy, right + dx, bottom + dy}; }
  constexpr Rect Intersect(const Rect& o) const noexcept {
    Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right), std::min(bottom, o.bottom)};
    return r.Empty() ? Rect{} : r;
  }
  static constexpr Rect FromSize(int left, int top, int width, int height) noexcept {
    return {left, top, left + width, top + height};
  }
};

}  // namespace hanaroku
