#include "gfx/Bmp.h"

#include <SDL.h>

#include <algorithm>
#include <climits>

#include "gfx/BmpLayout.h"
#include "gfx/BmpPixels.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"

namespace gfx {
namespace {

// Hands SDL exactly the bytes we checked: its reader cannot run past them,
// and after our checks it finds nothing in them that makes it write or read
// outside its own surface.
sys::Result<Bitmap> decodeWithSdl(const bmp::Layout& layout, std::string_view file) {
  const std::string_view checked = file.substr(0, layout.dataEnd());
  SDL_RWops* rw = SDL_RWFromConstMem(checked.data(), static_cast<int>(checked.size()));
  SDL_Surface* surface = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
  if (!surface) return sys::Error{std::string("SDL cannot read the picture: ") + SDL_GetError()};
  sys::Result<Bitmap> bitmap = bmp::fromSurface(*surface, layout);
  SDL_FreeSurface(surface);
  return bitmap;
}

}  // namespace

sys::Result<Bitmap> decodeBmp(std::string_view bytes, PictureLimit limit) {
  if (bytes.size() > static_cast<size_t>(INT_MAX)) return sys::Error{"the file is too large for a picture"};
  const sys::Result<bmp::Layout> layout = bmp::parseLayout(bytes);
  if (!layout) return layout.error();
  if (layout->width > limit.width || layout->height > limit.height)
    return sys::Error{"the picture is " + std::to_string(layout->width) + " x " +
                      std::to_string(layout->height) + " pixels, more than the " +
                      std::to_string(limit.width) + " x " + std::to_string(limit.height) + " allowed here"};
  if (layout->compression == bmp::Compression::Rle8 || layout->compression == bmp::Compression::Rle4)
    if (auto rle = bmp::checkRleStream(*layout, bytes.substr(layout->pixelOffset, layout->pixelBytes)); !rle)
      return rle.error();
  // Packed pixels are converted straight from the file: SDL would copy them
  // into a surface of its own first, and it refuses some masks (red in the
  // top byte of 32 bits) and reads the alpha-bit-field compression as none.
  if (layout->bitCount >= 16) return bmp::decodePacked(*layout, bytes);
  return decodeWithSdl(*layout, bytes);
}

sys::Result<Bitmap> loadBmp(const std::string& gamePath, PictureLimit limit) {
  // No picture within the limit needs more than four bytes a pixel (RLE
  // streams included) and a header with its colour table.
  const uint64_t mostBytes =
      uint64_t{4} * static_cast<uint64_t>(limit.width) * static_cast<uint64_t>(limit.height);
  const size_t maxBytes = static_cast<size_t>(std::min<uint64_t>(mostBytes + 65536, uint64_t{64} << 20));
  const sys::Result<std::string> bytes = sys::readFile(sys::resolvePath(gamePath), maxBytes);
  if (!bytes) return bytes.error();
  sys::Result<Bitmap> picture = decodeBmp(*bytes, limit);
  if (!picture) return sys::Error::inFile(gamePath, picture.error().message);
  return picture;
}

Bitmap loadBmpOrThrow(const std::string& gamePath) {
  sys::Result<Bitmap> picture = loadBmp(gamePath);
  if (!picture) throw PictureError(picture.error().message);
  return std::move(picture).value();
}

std::string encodeBmp(const Bitmap& bitmap) {
  const size_t w = static_cast<size_t>(bitmap.width()), h = static_cast<size_t>(bitmap.height());
  const size_t rowBytes = (w * 3 + 3) & ~size_t{3};
  const size_t imageSize = rowBytes * h;
  std::string out(54 + imageSize, '\0');
  auto put16 = [&](size_t at, uint16_t v) {
    out[at] = static_cast<char>(v & 0xFF);
    out[at + 1] = static_cast<char>(v >> 8);
  };
  auto put32 = [&](size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) out[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
  };
  out[0] = 'B';
  out[1] = 'M';
  put32(2, static_cast<uint32_t>(out.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(w));
  put32(22, static_cast<uint32_t>(h));
  put16(26, 1);
  put16(28, 24);
  put32(34, static_cast<uint32_t>(imageSize));
  put32(38, 2835);
  put32(42, 2835);
  for (size_t y = 0; y < h; ++y) {
    const Pixel* src = bitmap.row(static_cast<int>(h - 1 - y));
    char* dst = out.data() + 54 + y * rowBytes;
    for (size_t x = 0; x < w; ++x) {
      dst[3 * x] = static_cast<char>(src[x] & 0xFF);
      dst[3 * x + 1] = static_cast<char>((src[x] >> 8) & 0xFF);
      dst[3 * x + 2] = static_cast<char>((src[x] >> 16) & 0xFF);
    }
  }
  return out;
}

sys::Result<void> saveBmp(const std::string& gamePath, const Bitmap& bitmap) {
  // A BMP cannot hold an empty picture; writing one would leave a file that
  // no reader, ours included, accepts.
  if (bitmap.empty()) return sys::Error::inFile(gamePath, "cannot save an empty picture as BMP");
  return sys::writeFileAtomic(sys::resolvePath(gamePath), encodeBmp(bitmap));
}

}  // namespace gfx
