// The screenshot's PNG: a viewer must read back the very pixels.
#include <gtest/gtest.h>
#include <zlib.h>

#include "gfx/Png.h"

namespace {

uint32_t read32(const std::string& s, size_t at) {
  uint32_t v = 0;
  for (size_t i = 0; i < 4; ++i) v = v << 8 | static_cast<unsigned char>(s[at + i]);
  return v;
}

TEST(PngTest, ChunksCarryTheirCrcAndThePixelsComeBack) {
  gfx::Bitmap picture(3, 2);
  picture.setPixel(0, 0, 0xFF102030u);
  picture.setPixel(2, 1, 0xFFFFFEFDu);
  const std::string png = gfx::encodePng(picture);
  ASSERT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));

  std::string idat;
  std::vector<std::string> types;
  for (size_t at = 8; at + 12 <= png.size();) {
    const uint32_t length = read32(png, at);
    const std::string typeAndData = png.substr(at + 4, 4 + length);
    types.push_back(typeAndData.substr(0, 4));
    EXPECT_EQ(read32(png, at + 8 + length), crc32(0, reinterpret_cast<const Bytef*>(typeAndData.data()),
                                                  static_cast<uInt>(typeAndData.size())))
        << types.back();
    if (types.back() == "IHDR") {
      EXPECT_EQ(read32(png, at + 8), 3u);
      EXPECT_EQ(read32(png, at + 12), 2u);
      EXPECT_EQ(png.substr(at + 16, 2), std::string("\x08\x02", 2));  // 8-bit RGB
    }
    if (types.back() == "IDAT") idat += typeAndData.substr(4);
    at += 12 + length;
  }
  EXPECT_EQ(types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));

  std::string raw(2 * (1 + 3 * 3), '\0');
  uLongf rawSize = raw.size();
  ASSERT_EQ(uncompress(reinterpret_cast<Bytef*>(raw.data()), &rawSize,
                       reinterpret_cast<const Bytef*>(idat.data()), static_cast<uLong>(idat.size())),
            Z_OK);
  ASSERT_EQ(rawSize, raw.size());
  EXPECT_EQ(raw.substr(0, 4), std::string("\0\x10\x20\x30", 4));     // filter none, then R G B
  EXPECT_EQ(raw.substr(4, 3), std::string("\0\0\0", 3));             // black
  EXPECT_EQ(raw.substr(10 + 7, 3), std::string("\xFF\xFE\xFD", 3));  // the last pixel
}

}  // namespace
