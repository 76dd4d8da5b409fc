// Feeds arbitrary bytes to the BMP reader. Besides the sanitizers' checks it
// holds the reader to its promises: a refusal always says why, and a picture
// it accepts is within the size limits, opaque, and survives a round trip
// through our own writer unchanged.
#include <cstdint>
#include <string_view>

#include "gfx/Bmp.h"
#include "support/Require.h"

using fuzzsupport::require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const gfx::BmpResult r = gfx::decodeBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!r.ok()) {
    require(!r.error.empty(), "a refusal says why");
    return 0;
  }
  const gfx::Bitmap& b = *r.bitmap;
  require(b.width() >= 1 && b.width() <= 16384 && b.height() >= 1 && b.height() <= 16384, "within the size limits");
  require(b.pixels().size() == static_cast<size_t>(b.width()) * static_cast<size_t>(b.height()), "every pixel there");
  for (gfx::Pixel p : b.pixels()) require(p >> 24 == 0xFF, "opaque");
  const gfx::BmpResult again = gfx::decodeBmp(gfx::encodeBmp(b));
  require(again.ok() && *again.bitmap == b, "a round trip through our writer");
  return 0;
}
