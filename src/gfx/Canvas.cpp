#include "gfx/Canvas.h"

#include <algorithm>
#include <cstring>

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

namespace {

// The source coordinate for an offset into a stretched target: from + offset *
// num / den, with offset in [0, den). Edges are ints, so offset, num and den
// stay below 2^32 and the product below 2^64.
int64_t scaled(int64_t from, int64_t offset, int64_t num, int64_t den) {
  return from + static_cast<int64_t>(static_cast<uint64_t>(offset) * static_cast<uint64_t>(num) /
                                     static_cast<uint64_t>(den));
}

int64_t span(int from, int to) {
  return int64_t{to} - from;
}

}  // namespace

void Canvas::copyRect(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  if (dst.empty() || srcRect.empty()) return;
  if (&src == target_) {
    const Bitmap original = src;
    copyRect(dst, original, srcRect);
    return;
  }
  const Rect area = dst.intersect(clip());
  if (area.empty()) return;
  const int64_t dw = span(dst.left, dst.right), dh = span(dst.top, dst.bottom);
  const int64_t sw = span(srcRect.left, srcRect.right), sh = span(srcRect.top, srcRect.bottom);
  if (dw == sw && dh == sh) {
    // Same size: a plain copy of the part whose source lies inside src.
    const int64_t dx = span(dst.left, srcRect.left), dy = span(dst.top, srcRect.top);
    // Source and target are different pictures here, so rows never overlap:
    // memcpy, not the memmove of std::copy (which ASan runs byte by byte).
    const Rect copy = area.intersect(src.bounds().offset(-dx, -dy));
    for (int ty = copy.top; ty < copy.bottom && !copy.empty(); ++ty)
      std::memcpy(target_->row(ty) + copy.left, src.row(static_cast<int>(ty + dy)) + (copy.left + dx),
                  static_cast<size_t>(copy.width()) * sizeof(Pixel));
  } else {
    for (int ty = area.top; ty < area.bottom; ++ty) {
      const int64_t sy = scaled(srcRect.top, span(dst.top, ty), sh, dh);
      if (sy < 0 || sy >= src.height()) continue;
      Pixel* d = target_->row(ty);
      const Pixel* s = src.row(static_cast<int>(sy));
      for (int tx = area.left; tx < area.right; ++tx) {
        const int64_t sx = scaled(srcRect.left, span(dst.left, tx), sw, dw);
        if (sx >= 0 && sx < src.width()) d[tx] = s[sx];
      }
    }
  }
  changed();
}

void Canvas::copyRectSmooth(const Rect& dst, const Bitmap& src, const Rect& srcRect) {
  const int64_t dw = span(dst.left, dst.right), dh = span(dst.top, dst.bottom);
  const int64_t sw = span(srcRect.left, srcRect.right), sh = span(srcRect.top, srcRect.bottom);
  if (dw >= sw || dh >= sh || dw <= 0 || dh <= 0) {
    copyRect(dst, src, srcRect);
    return;
  }
  if (&src == target_) {
    const Bitmap original = src;
    copyRectSmooth(dst, original, srcRect);
    return;
  }
  const Rect area = dst.intersect(clip());
  for (int ty = area.top; ty < area.bottom; ++ty) {
    const int64_t y0 = scaled(srcRect.top, span(dst.top, ty), sh, dh);
    const int64_t y1 = std::max(y0 + 1, scaled(srcRect.top, span(dst.top, ty) + 1, sh, dh));
    for (int tx = area.left; tx < area.right; ++tx) {
      const int64_t x0 = scaled(srcRect.left, span(dst.left, tx), sw, dw);
      const int64_t x1 = std::max(x0 + 1, scaled(srcRect.left, span(dst.left, tx) + 1, sw, dw));
      // Only source pixels inside the picture count; a target pixel with none
      // keeps its colour, as in a plain copy.
      uint64_t r = 0, g = 0, b = 0, n = 0;
      for (int64_t sy = std::max<int64_t>(y0, 0); sy < std::min<int64_t>(y1, src.height()); ++sy)
        for (int64_t sx = std::max<int64_t>(x0, 0); sx < std::min<int64_t>(x1, src.width()); ++sx) {
          const Pixel p = src.row(static_cast<int>(sy))[sx];
          r += (p >> 16) & 0xFF;
          g += (p >> 8) & 0xFF;
          b += p & 0xFF;
          ++n;
        }
      if (n > 0)
        target_->setPixel(tx, ty,
                          0xFF000000u | static_cast<Pixel>(((r / n) << 16) | ((g / n) << 8) | (b / n)));
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
  line(r.left, r.bottom - 1, r.right, r.bottom - 1, color);  // not empty: bottom > INT_MIN
  line(r.left, r.top, r.left, r.bottom, color);
  line(r.right - 1, r.top, r.right - 1, r.bottom, color);
}

void Canvas::line(int x1, int y1, int x2, int y2, TColor color) {
  if (y1 == y2)
    fillRect({std::min(x1, x2), y1, std::max(x1, x2), addSat(y1, 1)}, color);
  else if (x1 == x2)
    fillRect({x1, std::min(y1, y2), addSat(x1, 1), std::max(y1, y2)}, color);
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
