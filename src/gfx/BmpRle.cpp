#include <cstdint>

#include "gfx/BmpLayout.h"

namespace gfx::bmp {

// The stream is a list of two-byte commands: a run (count, colour), or an
// escape (0, code) that ends a line, ends the picture, moves the cursor by a
// delta, or introduces literal pixels padded to an even byte count. Rows count
// from the bottom. SDL draws what we accept here, so nothing may leave the
// picture: a run or literal must end inside its row, a delta must land inside
// the picture, and the stream must reach its end-of-picture mark.
sys::Result<void> checkRleStream(const Layout& layout, std::string_view stream) {
  const bool rle8 = layout.compression == Compression::Rle8;
  const int64_t width = layout.width, height = layout.height;
  int64_t x = 0, y = 0;
  size_t at = 0;
  const auto where = [&](size_t start) { return " at byte " + std::to_string(start) + " of the RLE data"; };
  const auto fault = [](std::string what) { return sys::Error{std::move(what)}; };
  const auto drawable = [&](size_t start, int64_t count) -> sys::Result<void> {
    if (y >= height) return fault("RLE pixels" + where(start) + " lie above the top row");
    if (x + count > width)
      return fault("an RLE run of " + std::to_string(count) + " pixels" + where(start) +
                   " runs past the end of row " + std::to_string(y));
    x += count;
    return {};
  };

  while (true) {
    const size_t start = at;
    if (at + 2 > stream.size()) return fault("the RLE data ends before its end-of-picture mark");
    const uint8_t count = static_cast<uint8_t>(stream[at]);
    const uint8_t code = static_cast<uint8_t>(stream[at + 1]);
    at += 2;
    if (count > 0) {
      if (auto drawn = drawable(start, count); !drawn) return drawn;
      continue;
    }
    switch (code) {
      case 0:  // end of line
        if (y >= height) return fault("an RLE end-of-line" + where(start) + " moves past the top row");
        x = 0;
        ++y;
        break;
      case 1:  // end of picture
        return {};
      case 2: {  // delta: move right and up
        if (at + 2 > stream.size()) return fault("the RLE data ends inside a delta");
        x += static_cast<uint8_t>(stream[at]);
        y += static_cast<uint8_t>(stream[at + 1]);
        at += 2;
        if (x > width || y >= height)
          return fault("an RLE delta" + where(start) + " moves outside the picture");
        break;
      }
      default: {  // literal pixels
        const size_t bytes = rle8 ? code : (code + 1u) / 2;
        const size_t padded = bytes + (bytes & 1);
        if (at + padded > stream.size()) return fault("the RLE data ends inside a run of literal pixels");
        if (auto drawn = drawable(start, code); !drawn) return drawn;
        at += padded;
        break;
      }
    }
  }
}

}  // namespace gfx::bmp
