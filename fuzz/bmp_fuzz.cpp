// Feeds arbitrary bytes to the BMP reader. Besides the sanitizers' checks it
// holds the reader to its promises: a refusal always says why, and a picture
// it accepts is within the size limits, opaque, and survives a round trip
// through our own writer unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "gfx/Bmp.h"

namespace {

void require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const sys::Result<gfx::Bitmap> r =
      gfx::decodeBmp(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!r.ok()) {
    require(!r.error().message.empty());
    return 0;
  }
  const gfx::Bitmap& b = *r;
  require(b.width() >= 1 && b.width() <= 16384 && b.height() >= 1 && b.height() <= 16384);
  require(b.pixels().size() == static_cast<size_t>(b.width()) * static_cast<size_t>(b.height()));
  for (gfx::Pixel p : b.pixels()) require(p >> 24 == 0xFF);
  const sys::Result<gfx::Bitmap> again = gfx::decodeBmp(gfx::encodeBmp(b));
  require(again.ok() && *again == b);
  return 0;
}
