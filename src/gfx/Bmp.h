#pragma once
#include <stdexcept>
#include <string>
#include <string_view>

#include "gfx/Bitmap.h"
#include "sys/Result.h"

namespace gfx {

// The largest picture a reader accepts; a larger one is refused from its
// header, before any pixel is decoded or any memory is set aside for it.
struct PictureLimit {
  int width = 16384;
  int height = 16384;
};

// Reads a Windows BMP from memory: 1, 4, 8, 16, 24 and 32 bits per pixel,
// RLE4 and RLE8, bit-field masks, bottom-up and top-down, the OS/2 and V4/V5
// headers. Every size in the file is checked against the data before it is
// used, so a malformed file is an error naming the failed check, never a
// crash or an overread. Pictures may be at most 16384 pixels on a side and
// 64 M pixels in all. The result is opaque: any alpha in the file is ignored.
sys::Result<Bitmap> decodeBmp(std::string_view bytes, PictureLimit limit = {});

// Reads a BMP file named by a game path (see sys::resolvePath); an error
// starts with that path.
sys::Result<Bitmap> loadBmp(const std::string& gamePath, PictureLimit limit = {});

// Raised where a picture that must be there cannot be read; inside a runner
// tick this ends the game, as a failed picture load always did.
class PictureError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
Bitmap loadBmpOrThrow(const std::string& gamePath);

// Encodes a bitmap as a 24-bit bottom-up BMP (alpha is dropped).
std::string encodeBmp(const Bitmap& bitmap);
// Writes a 24-bit BMP file through a temporary file; an empty bitmap is refused.
sys::Result<void> saveBmp(const std::string& gamePath, const Bitmap& bitmap);

}  // namespace gfx
