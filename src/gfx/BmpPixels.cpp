#include "gfx/BmpPixels.h"

#include <SDL.h>

#include <bit>
#include <cstring>

namespace gfx::bmp {
namespace {

// Reads a little-endian pixel of 2, 3 or 4 bytes.
uint32_t packedAt(const uint8_t* p, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | p[i];
  return v;
}

// The common case, rooms in 24 bits: blue, green, red bytes are the low three
// bytes of a little-endian word, so all but the last pixel are read four
// bytes at a time (the last one could be the final byte of the file).
void convertBgrRow(const uint8_t* src, Pixel* dst, int width) {
  int x = 0;
  if constexpr (std::endian::native == std::endian::little) {
    for (; x + 1 < width; ++x, src += 3) {
      uint32_t word;
      std::memcpy(&word, src, 4);
      dst[x] = 0xFF000000u | (word & 0xFFFFFFu);
    }
  }
  for (; x < width; ++x, src += 3) dst[x] = 0xFF000000u | src[2] << 16 | src[1] << 8 | src[0];
}

struct PackedFormat {
  int bytesPerPixel;
  ChannelMask red, green, blue;

  Pixel pixel(const uint8_t* p) const {
    const uint32_t v = packedAt(p, bytesPerPixel);
    return 0xFF000000u | red.expand(v) << 16 | green.expand(v) << 8 | blue.expand(v);
  }
  void convertRow(const uint8_t* src, Pixel* dst, int width) const {
    if (bytesPerPixel == 3 && red.mask == 0xFF0000 && green.mask == 0xFF00 && blue.mask == 0xFF) {
      convertBgrRow(src, dst, width);
      return;
    }
    for (int x = 0; x < width; ++x, src += bytesPerPixel) dst[x] = pixel(src);
  }
};

}  // namespace

Bitmap decodePacked(const Layout& layout, std::string_view file) {
  const PackedFormat format{layout.bitCount / 8, layout.red, layout.green, layout.blue};
  Bitmap out(layout.width, layout.height);
  const auto* data = reinterpret_cast<const uint8_t*>(file.data()) + layout.pixelOffset;
  for (int row = 0; row < layout.height; ++row) {
    const int y = layout.topDown ? row : layout.height - 1 - row;
    format.convertRow(data + static_cast<size_t>(row) * layout.stride, out.row(y), layout.width);
  }
  return out;
}

sys::Result<Bitmap> fromSurface(const SDL_Surface& surface, const Layout& layout) {
  if (surface.w != layout.width || surface.h != layout.height)
    return sys::Error{"SDL read a picture of another size than the header gives"};
  const SDL_PixelFormat& f = *surface.format;
  Bitmap out(surface.w, surface.h);
  const auto* pixels = static_cast<const uint8_t*>(surface.pixels);
  if (f.palette) {
    const std::vector<Pixel>& palette = layout.palette;
    for (int y = 0; y < surface.h; ++y) {
      const uint8_t* src = pixels + static_cast<size_t>(y) * surface.pitch;
      Pixel* dst = out.row(y);
      for (int x = 0; x < surface.w; ++x) {
        if (src[x] >= palette.size())
          return sys::Error{"pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") uses colour " +
                            std::to_string(src[x]) + ", but the palette has only " +
                            std::to_string(palette.size())};
        dst[x] = palette[src[x]];
      }
    }
    return out;
  }
  if (f.BytesPerPixel < 2 || f.BytesPerPixel > 4)
    return sys::Error{"SDL read the picture in an unexpected pixel format"};
  const PackedFormat format{f.BytesPerPixel, ChannelMask::of(f.Rmask), ChannelMask::of(f.Gmask),
                            ChannelMask::of(f.Bmask)};
  for (int y = 0; y < surface.h; ++y)
    format.convertRow(pixels + static_cast<size_t>(y) * surface.pitch, out.row(y), surface.w);
  return out;
}

}  // namespace gfx::bmp
