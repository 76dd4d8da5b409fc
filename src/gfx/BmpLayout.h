#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "gfx/Color.h"
#include "sys/Result.h"

namespace gfx::bmp {

// Limits on what a picture file may ask us to allocate.
inline constexpr int kMaxSide = 16384;
inline constexpr int64_t kMaxPixels = int64_t{64} << 20;

enum class Compression { None, Rle8, Rle4, BitFields };

// One colour channel of a packed pixel: which bits hold it.
struct ChannelMask {
  uint32_t mask = 0;
  int shift = 0;
  uint32_t max = 0;  // the largest value of the channel after shifting

  static ChannelMask of(uint32_t mask);
  // Scales the channel to 0..255 with rounding, so that the largest value of
  // any channel width is full intensity (white stays white in 5- and 6-bit).
  uint32_t expand(uint32_t packed) const {
    const uint32_t v = (packed & mask) >> shift;
    if (max == 255 || max == 0) return v;
    return static_cast<uint32_t>((uint64_t{v} * 255 + max / 2) / max);
  }
};

// Everything the header of a BMP file says, checked against the file itself:
// every offset and size below lies inside the bytes it was parsed from.
struct Layout {
  uint32_t headerSize = 0;  // 12 (OS/2 1.x), 40, 52, 56, 64 (OS/2 2.x), 108 (V4), 124 (V5)
  int width = 0;
  int height = 0;  // always positive; topDown tells the row order
  bool topDown = false;
  int bitCount = 0;
  Compression compression = Compression::None;
  uint32_t rawCompression = 0;  // as written in the file

  // Colour masks of 16- and 32-bit pictures (the defaults when the file has none).
  ChannelMask red, green, blue;
  uint32_t alphaMask = 0;  // as SDL reads it; the game ignores alpha in pictures

  // The colour table of 1-, 4- and 8-bit pictures, as opaque pixels.
  std::vector<Pixel> palette;

  uint64_t pixelOffset = 0;
  uint64_t pixelBytes = 0;  // the pixel data (or RLE stream) that follows pixelOffset
  uint64_t stride = 0;      // bytes per row of uncompressed data

  // True where SDL's reader handles the format; false where we decode it ourselves.
  bool sdlReadable = true;

  uint64_t dataEnd() const { return pixelOffset + pixelBytes; }
};

// Parses and checks the headers, palette and masks of a BMP file and the extent
// of its pixel data. An error says what is wrong when the file is malformed
// or uses a feature we do not read.
sys::Result<Layout> parseLayout(std::string_view file);

// Walks an RLE4 or RLE8 stream without drawing it; an error names the first
// command that would leave the picture or read past the data.
sys::Result<void> checkRleStream(const Layout& layout, std::string_view stream);

}  // namespace gfx::bmp
