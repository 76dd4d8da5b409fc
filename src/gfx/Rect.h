#pragma once
#include <algorithm>
#include <climits>
#include <cstdint>

namespace gfx {

// Coordinates come from saves, scripts and the options file, so any int is
// possible. Sums are taken in 64 bits and pinned to the int range: a result
// that would not fit lies far outside every picture, where pinning it changes
// nothing that is drawn, and no caller can make the arithmetic overflow.
constexpr int saturate(int64_t v) {
  return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX));
}
constexpr int addSat(int a, int64_t b) {
  return saturate(int64_t{a} + b);
}

struct Point {
  int x = 0, y = 0;
  bool operator==(const Point&) const = default;
};

// A rectangle as Windows gives it: right and bottom are exclusive.
struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;

  static constexpr Rect xywh(int x, int y, int w, int h) { return {x, y, addSat(x, w), addSat(y, h)}; }
  // A rectangle from 64-bit edges, each pinned to the int range.
  static constexpr Rect pinned(int64_t l, int64_t t, int64_t r, int64_t b) {
    return {saturate(l), saturate(t), saturate(r), saturate(b)};
  }
  constexpr int width() const { return saturate(int64_t{right} - left); }
  constexpr int height() const { return saturate(int64_t{bottom} - top); }
  constexpr bool empty() const { return right <= left || bottom <= top; }
  constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  constexpr Rect intersect(const Rect& o) const {
    return {std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
            std::min(bottom, o.bottom)};
  }
  constexpr Rect offset(int64_t dx, int64_t dy) const {
    return pinned(left + dx, top + dy, right + dx, bottom + dy);
  }
  bool operator==(const Rect&) const = default;
};

}  // namespace gfx
