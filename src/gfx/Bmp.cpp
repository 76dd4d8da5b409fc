#include "gfx/Bmp.h"

#include <SDL.h>

#include "sys/DataPath.h"

namespace gfx {

// First cut: SDL's codec alone. The checks in front of it follow.
BmpResult decodeBmp(std::string_view bytes) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  SDL_Surface* s = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
  if (!s) return {std::nullopt, std::string("not a readable BMP: ") + SDL_GetError()};
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(s);
  if (!argb) return {std::nullopt, SDL_GetError()};
  Bitmap b(argb->w, argb->h);
  for (int y = 0; y < argb->h; ++y) {
    const auto* src = reinterpret_cast<const Pixel*>(static_cast<const uint8_t*>(argb->pixels) +
                                                     static_cast<size_t>(y) * argb->pitch);
    for (int x = 0; x < argb->w; ++x) b.row(y)[x] = src[x] | 0xFF000000u;
  }
  SDL_FreeSurface(argb);
  return {std::move(b), {}};
}

BmpResult loadBmp(const std::string& gamePath) {
  std::string error;
  auto bytes = sys::readFile(sys::resolvePath(gamePath), &error, size_t{64} << 20);
  if (!bytes) return {std::nullopt, error};
  BmpResult r = decodeBmp(*bytes);
  if (!r.ok()) r.error = gamePath + ": " + r.error;
  return r;
}

Bitmap loadBmpOrThrow(const std::string& gamePath) {
  BmpResult r = loadBmp(gamePath);
  if (!r.ok()) throw PictureError(r.error);
  return std::move(*r.bitmap);
}

std::string encodeBmp(const Bitmap& bitmap) {
  const int w = bitmap.width(), h = bitmap.height();
  const int rowBytes = (w * 3 + 3) & ~3;
  const uint32_t imageSize = static_cast<uint32_t>(rowBytes) * static_cast<uint32_t>(h);
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
  put32(34, imageSize);
  put32(38, 2835);
  put32(42, 2835);
  for (int y = 0; y < h; ++y) {
    const Pixel* src = bitmap.row(h - 1 - y);
    char* dst = out.data() + 54 + static_cast<size_t>(y) * rowBytes;
    for (int x = 0; x < w; ++x) {
      dst[3 * x] = static_cast<char>(src[x] & 0xFF);
      dst[3 * x + 1] = static_cast<char>((src[x] >> 8) & 0xFF);
      dst[3 * x + 2] = static_cast<char>((src[x] >> 16) & 0xFF);
    }
  }
  return out;
}

sys::IoResult saveBmp(const std::string& gamePath, const Bitmap& bitmap) {
  return sys::writeFileAtomic(sys::resolvePath(gamePath), encodeBmp(bitmap));
}

}  // namespace gfx
