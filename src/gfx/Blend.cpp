#include "gfx/Blend.h"

namespace gfx {

void blendOnto(Bitmap& target, int x, int y, const Bitmap& src, const Rect& clip) {
  const Rect area = Rect::xywh(x, y, src.width(), src.height()).intersect(clip).intersect(target.bounds());
  if (area.empty()) return;
  for (int ty = area.top; ty < area.bottom; ++ty) {
    const Pixel* s = src.row(ty - y) + (area.left - x);
    Pixel* d = target.row(ty) + area.left;
    for (int tx = area.left; tx < area.right; ++tx, ++s, ++d) {
      const uint32_t a = *s >> 24;
      if (a == 0) continue;
      if (a == 255) {
        *d = *s | 0xFF000000u;
        continue;
      }
      const uint32_t na = 255 - a;
      const uint32_t r = (((*s >> 16) & 0xFF) * a + ((*d >> 16) & 0xFF) * na) / 255;
      const uint32_t g = (((*s >> 8) & 0xFF) * a + ((*d >> 8) & 0xFF) * na) / 255;
      const uint32_t b = ((*s & 0xFF) * a + (*d & 0xFF) * na) / 255;
      *d = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
  }
}

}  // namespace gfx
