#include "gfx/Png.h"

#include <zlib.h>

#include <cstdint>

namespace gfx {
namespace {

void put32(std::string& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((v >> shift) & 0xFF);
}

// A chunk: its length, type and data, and the CRC of type and data.
void chunk(std::string& out, const char* type, const std::string& data) {
  put32(out, static_cast<uint32_t>(data.size()));
  const std::string body = std::string(type, 4) + data;
  out += body;
  put32(out, static_cast<uint32_t>(
                 crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

}  // namespace

std::string encodePng(const Bitmap& bitmap) {
  const int w = bitmap.width(), h = bitmap.height();
  // Each row: filter type 0 (none), then R, G, B of each pixel.
  std::string raw;
  raw.reserve(static_cast<size_t>(h) * (static_cast<size_t>(w) * 3 + 1));
  for (int y = 0; y < h; ++y) {
    raw += '\0';
    const Pixel* row = bitmap.row(y);
    for (int x = 0; x < w; ++x) {
      raw += static_cast<char>((row[x] >> 16) & 0xFF);
      raw += static_cast<char>((row[x] >> 8) & 0xFF);
      raw += static_cast<char>(row[x] & 0xFF);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::string packed(packedSize, '\0');
  compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
            static_cast<uLong>(raw.size()), Z_DEFAULT_COMPRESSION);
  packed.resize(packedSize);

  std::string header;
  put32(header, static_cast<uint32_t>(w));
  put32(header, static_cast<uint32_t>(h));
  header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, adaptive filters, no interlace
  std::string png("\x89PNG\r\n\x1a\n", 8);
  chunk(png, "IHDR", header);
  chunk(png, "IDAT", packed);
  chunk(png, "IEND", "");
  return png;
}

sys::Result<void> savePng(const std::string& path, const Bitmap& bitmap) {
  return sys::writeFileAtomic(path, encodePng(bitmap));
}

}  // namespace gfx
