// Pictures written by us or built by hand in every bit depth read back exactly.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <random>

#include "BmpWriter.h"
#include "gfx/Bmp.h"

namespace {

using bmptest::BmpLayout;
using gfx::Bitmap;
using gfx::Pixel;

Bitmap randomPicture(int w, int h, uint32_t seed, uint32_t alpha = 0xFF000000u) {
  std::mt19937 rng(seed);
  Bitmap b(w, h);
  for (Pixel& p : b.pixels()) p = alpha | (rng() & 0xFFFFFFu);
  return b;
}

// Decoded from a buffer of exactly the file's size (a string has a spare
// byte after its end), so that the sanitizer sees a read past the last pixel.
Bitmap decoded(const std::string& file) {
  const auto exact = std::make_unique<char[]>(file.size());
  std::copy(file.begin(), file.end(), exact.get());
  sys::Result<gfx::Bitmap> r = gfx::decodeBmp(std::string_view(exact.get(), file.size()));
  EXPECT_TRUE(r.ok()) << r.error().message;
  return r.ok() ? *r : Bitmap();
}

std::vector<uint32_t> pattern(int w, int h, uint32_t colours) {
  std::vector<uint32_t> v(static_cast<size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      v[static_cast<size_t>(y) * w + x] = static_cast<uint32_t>(x * 3 + y * 5 + x * y) % colours;
  return v;
}

std::vector<Pixel> palette(size_t n) {
  std::vector<Pixel> p(n);
  for (size_t i = 0; i < n; ++i) p[i] = 0xFF000000u | static_cast<Pixel>((i * 0x3B71D5u) & 0xFFFFFFu);
  return p;
}

TEST(BmpRoundTrip, EncodedPicturesOfEveryRowPaddingDecodeExactly) {
  for (int w = 1; w <= 9; ++w)
    for (int h : {1, 2, 5}) {
      const Bitmap original = randomPicture(w, h, static_cast<uint32_t>(w * 31 + h));
      const std::string file = gfx::encodeBmp(original);
      EXPECT_EQ(file.size(), 54u + static_cast<size_t>((w * 3 + 3) / 4 * 4) * h);
      EXPECT_TRUE(decoded(file) == original) << w << " x " << h;
    }
}

TEST(BmpRoundTrip, TranslucentPixelsComeBackOpaque) {
  const Bitmap translucent = randomPicture(7, 3, 5, 0x40000000u);
  Bitmap opaque = translucent;
  for (Pixel& p : opaque.pixels()) p |= 0xFF000000u;
  EXPECT_TRUE(decoded(gfx::encodeBmp(translucent)) == opaque);
}

TEST(BmpRoundTrip, SavedFilesLoadBackAndReplaceOldOnes) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "kroxl_bmp_roundtrip";
  std::filesystem::remove_all(dir);
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "shot.bmp").string();
  ASSERT_TRUE(gfx::saveBmp(path, randomPicture(20, 10, 1)).ok());
  const Bitmap second = randomPicture(13, 11, 2);
  ASSERT_TRUE(gfx::saveBmp(path, second).ok());
  sys::Result<gfx::Bitmap> loaded = gfx::loadBmp(path);
  ASSERT_TRUE(loaded.ok()) << loaded.error().message;
  EXPECT_TRUE(*loaded == second);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1)
      << "a temporary file was left behind";

  EXPECT_FALSE(gfx::saveBmp((dir / "empty.bmp").string(), Bitmap()).ok());
  EXPECT_FALSE(std::filesystem::exists(dir / "empty.bmp"));
  const sys::Result<gfx::Bitmap> missing = gfx::loadBmp((dir / "missing.bmp").string());
  ASSERT_FALSE(missing.ok());
  EXPECT_NE(missing.error().message.find("missing.bmp"), std::string::npos) << missing.error().message;
  EXPECT_THROW(gfx::loadBmpOrThrow((dir / "missing.bmp").string()), gfx::PictureError);
  std::filesystem::remove_all(dir);
}

TEST(BmpRoundTrip, PalettedPicturesInEveryHeaderAndOrientation) {
  for (int bits : {1, 4, 8})
    for (uint32_t header : {12u, 40u, 108u, 124u})
      for (bool topDown : {false, true}) {
        if (header == 12 && topDown) continue;  // OS/2 1.x heights are unsigned
        BmpLayout layout{
            .width = 13, .height = 5, .bitCount = bits, .headerSize = header, .topDown = topDown};
        layout.palette = palette(bits == 8 ? 200 : size_t{1} << bits);
        layout.values = pattern(layout.width, layout.height, static_cast<uint32_t>(layout.palette.size()));
        EXPECT_TRUE(decoded(bmptest::writeBmp(layout)) ==
                    bmptest::paletted(layout.width, layout.height, layout.values, layout.palette))
            << bits << " bits, header " << header << (topDown ? ", top-down" : "");
      }
}

TEST(BmpRoundTrip, TrueColourPicturesInEveryOrientation) {
  for (bool topDown : {false, true}) {
    const Bitmap original = randomPicture(11, 4, topDown ? 7 : 8);
    BmpLayout layout{.width = 11, .height = 4, .bitCount = 24, .topDown = topDown};
    for (Pixel p : original.pixels()) layout.values.push_back(p & 0xFFFFFF);
    EXPECT_TRUE(decoded(bmptest::writeBmp(layout)) == original);
    // 32 bits without masks: the top byte is unused and must not leak into alpha.
    layout.bitCount = 32;
    for (uint32_t& v : layout.values) v |= 0x5A000000u;
    EXPECT_TRUE(decoded(bmptest::writeBmp(layout)) == original);
  }
}

// 16-bit channels of 5 or 6 bits widen to 8 bits with their full range kept.
TEST(BmpRoundTrip, SixteenBitChannelsSpanTheFullRange) {
  struct Case {
    uint32_t compression;
    std::array<uint32_t, 3> masks;
    std::vector<uint32_t> values;  // black, white, red, green, blue, a middle gray
    Pixel gray;                    // 16 of 31 steps is 132, 32 of 63 is 130
  };
  const std::vector<Pixel> colours = {0xFF000000u, 0xFFFFFFFFu, 0xFFFF0000u, 0xFF00FF00u, 0xFF0000FFu};
  const std::vector<Case> cases = {
      {0, {}, {0x0000, 0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x4210}, 0xFF848484u},
      {3, {0xF800, 0x07E0, 0x001F}, {0x0000, 0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410}, 0xFF848284u},
      {3, {0x001F, 0x07E0, 0xF800}, {0x0000, 0xFFFF, 0x001F, 0x07E0, 0xF800, 0x8410}, 0xFF848284u},
  };
  for (const Case& c : cases)
    for (uint32_t header : {40u, 56u, 124u}) {
      BmpLayout layout{
          .width = 6, .height = 1, .bitCount = 16, .compression = c.compression, .headerSize = header};
      layout.masks = c.masks;
      layout.values = c.values;
      const Bitmap b = decoded(bmptest::writeBmp(layout));
      for (int x = 0; x < 5; ++x)
        EXPECT_EQ(b.pixel(x, 0), colours[x]) << "masks " << c.masks[0] << " x " << x;
      EXPECT_EQ(b.pixel(5, 0), c.gray) << "masks " << c.masks[0];
    }
}

// Masks in any byte order, whether SDL has a format for them or not.
TEST(BmpRoundTrip, ThirtyTwoBitFieldsInAnyOrder) {
  const Bitmap original = randomPicture(5, 3, 11);
  for (std::array<uint32_t, 3> masks : {std::array<uint32_t, 3>{0xFF0000, 0xFF00, 0xFF},
                                        {0xFF000000, 0xFF0000, 0xFF00},
                                        {0xFF00, 0xFF000000, 0xFF0000},
                                        {0xFF, 0xFF00, 0xFF0000}})
    for (bool topDown : {false, true}) {
      BmpLayout layout{
          .width = 5, .height = 3, .bitCount = 32, .compression = 3, .topDown = topDown, .masks = masks};
      for (Pixel p : original.pixels()) {
        uint32_t v = 0;
        int shift = 16;
        for (uint32_t m : masks) {
          v |= ((p >> shift) & 0xFF) << std::countr_zero(m);
          shift -= 8;
        }
        layout.values.push_back(v);
      }
      EXPECT_TRUE(decoded(bmptest::writeBmp(layout)) == original)
          << std::hex << masks[0] << (topDown ? " top-down" : "");
    }
}

TEST(BmpRoundTrip, RunLengthEncodedPicturesDecodeExactly) {
  for (int w : {1, 7, 16, 33})
    for (bool rle8 : {true, false}) {
      const int h = 6;
      BmpLayout layout{.width = w, .height = h, .bitCount = rle8 ? 8 : 4, .compression = rle8 ? 1u : 2u};
      layout.palette = palette(rle8 ? 256 : 16);
      std::vector<uint32_t> indices(static_cast<size_t>(w) * h);
      for (int y = 0; y < h; ++y)  // runs on even rows, scattered pixels on odd ones
        for (int x = 0; x < w; ++x)
          indices[static_cast<size_t>(y) * w + x] = (y % 2 ? x * 7 + y : x / 4 + y) % (rle8 ? 256 : 16);
      layout.rle = rle8 ? bmptest::encodeRle8(w, h, indices) : bmptest::encodeRle4(w, h, indices);
      EXPECT_TRUE(decoded(bmptest::writeBmp(layout)) == bmptest::paletted(w, h, indices, layout.palette))
          << (rle8 ? "RLE8" : "RLE4") << " width " << w;
    }
}

// Pixels that deltas and early line ends skip take the palette's first colour.
TEST(BmpRoundTrip, SkippedRunLengthPixelsTakeTheFirstColour) {
  BmpLayout layout{
      .width = 4, .height = 3, .bitCount = 8, .compression = 1, .palette = {0xFF101010u, 0xFFAA0000u}};
  // bottom row: 2 pixels of colour 1, end of line; middle row: delta (1, 1) to
  // the top row, one pixel of colour 1; end of picture.
  layout.rle = bmptest::bytes({2, 1, 0, 0, 0, 2, 1, 1, 1, 1, 0, 1});
  const Pixel o = 0xFF101010u, X = 0xFFAA0000u;
  const std::vector<Pixel> expected = {o, X, o, o, /**/ o, o, o, o, /**/ X, X, o, o};
  const Bitmap b = decoded(bmptest::writeBmp(layout));
  ASSERT_EQ(b.width(), 4);
  EXPECT_EQ(b.pixels(), expected);
}

}  // namespace
