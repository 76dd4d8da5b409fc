#pragma once
#include <algorithm>

namespace gfx {

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// A rectangle as Windows gives it: right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  static Rect xywh(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool empty() const { return right <= left || bottom <= top; }
  bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  Rect intersect(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
  bool operator==(const Rect&) const = default;
};

}  // namespace gfx
