#pragma once
#include <string>

#include "gfx/Bitmap.h"
#include "sys/FileIo.h"

namespace gfx {

// The picture as a PNG file (8-bit RGB, no alpha: the game's pictures are
// opaque), compressed with zlib.
std::string encodePng(const Bitmap& bitmap);

// Writes the PNG through a temporary file renamed into place.
sys::Result<void> savePng(const std::string& path, const Bitmap& bitmap);

}  // namespace gfx
