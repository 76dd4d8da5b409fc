#include "backend/sdl/FrameDiff.h"

#include <cstring>

namespace backend {

gfx::Rect changedRows(const gfx::Bitmap& before, const gfx::Bitmap& after) {
  if (before.width() != after.width() || before.height() != after.height()) return after.bounds();
  const size_t rowBytes = static_cast<size_t>(after.width()) * sizeof(gfx::Pixel);
  auto same = [&](int y) { return std::memcmp(before.row(y), after.row(y), rowBytes) == 0; };
  int top = 0, bottom = after.height();
  while (top < bottom && same(top)) ++top;
  while (bottom > top && same(bottom - 1)) --bottom;
  if (top == bottom) return {};
  return {0, top, after.width(), bottom};
}

}  // namespace backend
