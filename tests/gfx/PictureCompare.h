#pragma once
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "gfx/Bitmap.h"

// Measures how far two pictures are apart, for comparing the many encodings
// of one picture.
namespace picture {

inline int channel(gfx::Pixel p, int shift) {
  return static_cast<int>((p >> shift) & 0xFF);
}

// The largest difference of any channel of any pixel (pictures of one size).
inline int maxChannelDifference(const gfx::Bitmap& a, const gfx::Bitmap& b) {
  int worst = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      for (int shift : {16, 8, 0})
        worst = std::max(worst, std::abs(channel(a.pixel(x, y), shift) - channel(b.pixel(x, y), shift)));
  return worst;
}

// The picture scaled to another size by taking the nearest pixel.
inline gfx::Bitmap resampled(const gfx::Bitmap& src, int width, int height) {
  gfx::Bitmap out(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      out.setPixel(x, y, src.pixel(x * src.width() / width, y * src.height() / height));
  return out;
}

// Light intensity of an sRGB channel value, 0 to 1.
inline double linear(int value) {
  const double c = value / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The largest difference between the average light of matching blocks of
// block × block pixels, per channel or as luminance, scaled to 0..255. The
// suite dithers its paletted pictures in linear light, which keeps these
// averages of the true-colour original.
inline double maxBlockDifference(const gfx::Bitmap& a, const gfx::Bitmap& b, int block, bool asGray) {
  const auto light = [&](gfx::Pixel p, int k) {
    if (!asGray) return linear(channel(p, 16 - 8 * k));
    return 0.2126 * linear(channel(p, 16)) + 0.7152 * linear(channel(p, 8)) + 0.0722 * linear(channel(p, 0));
  };
  double worst = 0;
  for (int by = 0; by < a.height(); by += block)
    for (int bx = 0; bx < a.width(); bx += block) {
      double sum[2][3] = {};
      int n = 0;
      for (int y = by; y < std::min(by + block, a.height()); ++y)
        for (int x = bx; x < std::min(bx + block, a.width()); ++x, ++n)
          for (int k = 0; k < 3; ++k) {
            sum[0][k] += light(a.pixel(x, y), k);
            sum[1][k] += light(b.pixel(x, y), k);
          }
      for (int k = 0; k < 3; ++k) worst = std::max(worst, 255 * std::abs(sum[0][k] - sum[1][k]) / n);
    }
  return worst;
}

inline bool isGray(const gfx::Bitmap& b) {
  for (gfx::Pixel p : b.pixels())
    if (channel(p, 16) != channel(p, 8) || channel(p, 8) != channel(p, 0)) return false;
  return true;
}

}  // namespace picture
