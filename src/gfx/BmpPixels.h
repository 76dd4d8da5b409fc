#pragma once
#include <string>
#include <string_view>

#include "gfx/Bitmap.h"
#include "gfx/BmpLayout.h"
#include "sys/Result.h"

struct SDL_Surface;

namespace gfx::bmp {

// Decodes uncompressed 16-, 24- or 32-bit pixels with the layout's masks
// straight from the file. The layout must come from parseLayout on the same
// bytes.
Bitmap decodePacked(const Layout& layout, std::string_view file);

// Turns the surface SDL read into an opaque bitmap: palette indices through the
// file's own palette (an index past its end is an error), packed pixels
// through the surface's masks with proper scaling of narrow channels.
sys::Result<Bitmap> fromSurface(const SDL_Surface& surface, const Layout& layout);

}  // namespace gfx::bmp
