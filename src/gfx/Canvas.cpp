#include "gfx/Canvas.h"

#include <algorithm>

namespace gfx {

void Canvas::draw(int x, int y, const Bitmap& src) {
  copyRect(Rect::xywh(x, y, src.width(), src.height()), src, src.bounds());
}

void Canvas::drawTransparent(int x, int y, const Bitmap& src, TColor transparent) {
  if (&src == target_) {  // copying within one picture reads the picture as it was
    const Bitmap original = src;
    drawTransparent(x, y, original, transparent);
    return;
  }
  const Rect area = Rect::xywh(x, y, src.width(), src.height()).intersect(clip());
  if (area.empty()) return;
  const Pixel key = toPixel(transparent) & 0x00FFFFFFu;
  for (int ty = area.top; ty < area.bottom; ++ty) {
    const Pixel* s = src.row(ty - y) + (area.left - x);
    Pixel* d = target_->row(ty) + area.left;
    for (int tx = area.left; tx < area.right; ++tx, ++s, ++d)
      if ((*s & 0x00FFFFFFu) != key) *d = *s | 0xFF000000u;
  }
  changed();
}

void Canvas::copyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  if (dst.empty() || srcRect.empty()) return;
  if (&src == target_) {
    const Bitmap original = src;
    copyRect(dst, original, srcRect);
    return;
  }
  const Rect area = dst.intersect(clip());
  if (area.empty()) return;
  const int dw = dst.width(), dh = dst.height();
  const int sw = srcRect.width(), sh = srcRect.height();
  if (dw == sw && dh == sh) {
    // Same size: a plain copy of the part whose source lies inside src.
    const int dx = srcRect.left - dst.left, dy = srcRect.top - dst.top;
    const Rect copy = area.intersect(src.bounds().offset(-dx, -dy));
    for (int ty = copy.top; ty < copy.bottom; ++ty)
      std::copy_n(src.row(ty + dy) + copy.left + dx, copy.width(), target_->row(ty) + copy.left);
  } else {
    for (int ty = area.top; ty < area.bottom; ++ty) {
      const int sy = srcRect.top + static_cast<int>((static_cast<int64_t>(ty - dst.top) * sh) / dh);
      if (sy < 0 || sy >= src.height()) continue;
      Pixel* d = target_->row(ty);
      const Pixel* s = src.row(sy);
      for (int tx = area.left; tx < area.right; ++tx) {
        const int sx = srcRect.left + static_cast<int>((static_cast<int64_t>(tx - dst.left) * sw) / dw);
        if (sx >= 0 && sx < src.width()) d[tx] = s[sx];
      }
    }
  }
  changed();
}

void Canvas::copyRectSmooth(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  if (dst.width() >= srcRect.width() || dst.height() >= srcRect.height()) {
    copyRect(dst, src, srcRect);
    return;
  }
  if (&src == target_) {
    const Bitmap original = src;
    copyRectSmooth(dst, original, srcRect);
    return;
  }
  const Rect area = dst.intersect(clip());
  const int dw = dst.width(), dh = dst.height();
  for (int ty = area.top; ty < area.bottom; ++ty) {
    const int y0 = srcRect.top + (ty - dst.top) * srcRect.height() / dh;
    const int y1 = std::max(y0 + 1, srcRect.top + (ty - dst.top + 1) * srcRect.height() / dh);
    for (int tx = area.left; tx < area.right; ++tx) {
      const int x0 = srcRect.left + (tx - dst.left) * srcRect.width() / dw;
      const int x1 = std::max(x0 + 1, srcRect.left + (tx - dst.left + 1) * srcRect.width() / dw);
      // Only source pixels inside the picture count; a target pixel with none
      // keeps its colour, as in a plain copy.
      uint32_t r = 0, g = 0, b = 0, n = 0;
      for (int sy = std::max(y0, 0); sy < std::min(y1, src.height()); ++sy)
        for (int sx = std::max(x0, 0); sx < std::min(x1, src.width()); ++sx) {
          const Pixel p = src.row(sy)[sx];
          r += (p >> 16) & 0xFF;
          g += (p >> 8) & 0xFF;
          b += p & 0xFF;
          ++n;
        }
      if (n > 0) target_->setPixel(tx, ty, 0xFF000000u | ((r / n) << 16) | ((g / n) << 8) | (b / n));
    }
  }
  changed();
}

void Canvas::fillRect(const Rect& r, TColor color) {
  const Rect area = r.intersect(clip());
  if (area.empty()) return;
  const Pixel p = toPixel(color);
  for (int y = area.top; y < area.bottom; ++y) std::fill_n(target_->row(y) + area.left, area.width(), p);
  changed();
}

void Canvas::frameRect(const Rect& r, TColor color) {
  if (r.empty()) return;
  line(r.left, r.top, r.right, r.top, color);
  line(r.left, r.bottom - 1, r.right, r.bottom - 1, color);
  line(r.left, r.top, r.left, r.bottom, color);
  line(r.right - 1, r.top, r.right - 1, r.bottom, color);
}

void Canvas::line(int x1, int y1, int x2, int y2, TColor color) {
  if (y1 == y2)
    fillRect({std::min(x1, x2), y1, std::max(x1, x2), y1 + 1}, color);
  else if (x1 == x2)
    fillRect({x1, std::min(y1, y2), x1 + 1, std::max(y1, y2)}, color);
}

void Canvas::textOut(int x, int y, const std::string& utf8) {
  const TextSize size = textExtent(utf8);
  if (!BrushClear) fillRect(Rect::xywh(x, y, size.width, size.height), BrushColor);
  text::draw(*target_, x, y, utf8, Font, clip());
  changed();
}

void Canvas::textBox(const Rect& box, const std::string& utf8, Align align, bool wrap) {
  text::drawBox(*target_, box, utf8, Font, align, wrap, clip());
  changed();
}

void Canvas::setPixel(int x, int y, TColor color) {
  if (!clip().contains(x, y)) return;
  target_->setPixel(x, y, toPixel(color));
  changed();
}

}  // namespace gfx
