// Malformed pictures are refused with the reason, never read past their end.
#include <gtest/gtest.h>

#include <random>

#include "BmpWriter.h"
#include "gfx/Bmp.h"

namespace {

using bmptest::BmpLayout;
using bmptest::put16;
using bmptest::put32;

// Offsets of the header fields patched below.
constexpr size_t kOffBits = 10, kHeaderSize = 14, kWidth = 18, kHeight = 22, kPlanes = 26, kBitCount = 28,
                 kCompression = 30, kSizeImage = 34, kColorsUsed = 46, kMasks = 54;

std::string validTrueColour() {
  BmpLayout layout{.width = 5, .height = 3, .bitCount = 24};
  layout.values.assign(15, 0x123456);
  return bmptest::writeBmp(layout);
}

std::string validPaletted() {
  BmpLayout layout{.width = 6, .height = 2, .bitCount = 8, .palette = {0xFF000000u, 0xFFFFFFFFu}};
  layout.values.assign(12, 1);
  return bmptest::writeBmp(layout);
}

std::string rle8(int width, int height, const std::string& stream) {
  return bmptest::writeBmp({.width = width,
                            .height = height,
                            .bitCount = 8,
                            .compression = 1,
                            .palette = std::vector<gfx::Pixel>(4, 0xFF000000u),
                            .rle = stream});
}

std::string rle4(int width, int height, const std::string& stream) {
  return bmptest::writeBmp({.width = width,
                            .height = height,
                            .bitCount = 4,
                            .compression = 2,
                            .palette = std::vector<gfx::Pixel>(16, 0xFF000000u),
                            .rle = stream});
}

// Expects the file to be refused with an error that contains `reason`.
void expectRefused(const std::string& file, const std::string& reason) {
  const sys::Result<gfx::Bitmap> r = gfx::decodeBmp(file);
  ASSERT_FALSE(r.ok()) << "accepted; expected: " << reason;
  EXPECT_NE(r.error().message.find(reason), std::string::npos)
      << "error: " << r.error().message << "\nexpected: " << reason;
}

std::string patched32(std::string file, size_t at, uint32_t v) {
  put32(file, at, v);
  return file;
}

TEST(BmpMalformed, EmptyAndForeignFiles) {
  expectRefused("", "empty");
  expectRefused("GIF89a....", "not a BMP");
  expectRefused("BM", "too short");
}

// Every truncation of a valid file is refused, whichever part it cuts.
TEST(BmpMalformed, EveryTruncationIsRefused) {
  std::string bitfields = bmptest::writeBmp({.width = 3,
                                             .height = 2,
                                             .bitCount = 32,
                                             .compression = 3,
                                             .masks = {0xFF000000u, 0xFF0000u, 0xFF00u},
                                             .values = std::vector<uint32_t>(6, 0x11223300u)});
  for (const std::string& file : {validTrueColour(), validPaletted(),
                                  rle8(4, 2, bmptest::bytes({4, 1, 0, 0, 4, 2, 0, 0, 0, 1})), bitfields}) {
    ASSERT_TRUE(gfx::decodeBmp(file).ok());
    for (size_t length = 0; length < file.size(); ++length) {
      std::string cut = file.substr(0, length);
      if (cut.size() >= 6)
        put32(cut, 2, static_cast<uint32_t>(cut.size()));  // hide the cut from the size field
      EXPECT_FALSE(gfx::decodeBmp(cut).ok()) << "accepted a file cut to " << length << " of " << file.size();
    }
  }
}

TEST(BmpMalformed, SizesAndOffsetsBeyondTheFile) {
  const std::string ok = validTrueColour();
  expectRefused(patched32(ok, 2, static_cast<uint32_t>(ok.size() + 1)), "file size");
  expectRefused(patched32(ok, kHeaderSize, 66), "info header size 66");
  expectRefused(patched32(ok, kHeaderSize, 124), "ends inside its 124-byte info header");
  expectRefused(patched32(ok, kOffBits, static_cast<uint32_t>(ok.size())), "past the end of the file");
  expectRefused(patched32(ok, kOffBits, 0xFFFFFFF0u), "past the end of the file");
  expectRefused(patched32(ok, kOffBits, 20), "points inside the headers");
  expectRefused(patched32(ok, kSizeImage, 0xFFFFFFFFu), "bytes of pixel data");
  expectRefused(patched32(patched32(ok, kOffBits, 60), kSizeImage, 0), "cut short");
}

// Dimensions are checked before anything is allocated for them.
TEST(BmpMalformed, DimensionsOutOfRange) {
  const std::string ok = validTrueColour();
  expectRefused(patched32(ok, kWidth, 0), "width 0");
  expectRefused(patched32(ok, kWidth, 16385), "width 16385");
  expectRefused(patched32(ok, kWidth, 0x80000000u), "width -2147483648");
  expectRefused(patched32(ok, kHeight, 0), "height 0");
  expectRefused(patched32(ok, kHeight, 0x80000000u), "height 2147483648");
  expectRefused(patched32(patched32(ok, kWidth, 16384), kHeight, 16384), "too large");
  expectRefused(patched32(patched32(ok, kWidth, 16384), kHeight, static_cast<uint32_t>(-16384)), "too large");
  // Within the limits but far more than the file holds.
  expectRefused(patched32(patched32(ok, kWidth, 8000), kHeight, 8000), "cut short");
}

TEST(BmpMalformed, PlanesBitCountAndCompression) {
  const std::string ok = validTrueColour();
  std::string file = ok;
  put16(file, kPlanes, 0);
  expectRefused(file, "planes");
  for (uint16_t bits : {0, 2, 7, 64, 30000}) {
    file = ok;
    put16(file, kBitCount, bits);
    expectRefused(file, std::to_string(bits) + " bits per pixel");
  }
  expectRefused(patched32(ok, kCompression, 1), "RLE8 compression needs 8 bits");
  expectRefused(patched32(ok, kCompression, 2), "RLE4 compression needs 4 bits");
  expectRefused(patched32(ok, kCompression, 3), "needs 16 or 32 bits");
  expectRefused(patched32(ok, kCompression, 4), "JPEG");
  expectRefused(patched32(ok, kCompression, 5), "PNG");
  expectRefused(patched32(ok, kCompression, 11), "unknown compression 11");
}

TEST(BmpMalformed, PaletteCountsThatDoNotFit) {
  const std::string ok = validPaletted();
  expectRefused(patched32(ok, kColorsUsed, 0xFFFFFFFFu), "palette colours");
  expectRefused(patched32(ok, kColorsUsed, 3), "palette colours");  // two entries precede the pixels
  // An index past the palette's end (the picture uses colour 1 of 1).
  expectRefused(patched32(ok, kColorsUsed, 1), "palette");
  std::string rle = rle8(2, 1, bmptest::bytes({2, 9, 0, 1}));
  expectRefused(rle, "uses colour 9, but the palette has only 4");
}

TEST(BmpMalformed, BitFieldMasks) {
  const auto withMasks = [](uint32_t r, uint32_t g, uint32_t b, int bits) {
    BmpLayout layout{.width = 2, .height = 1, .bitCount = bits, .compression = 3, .masks = {r, g, b}};
    layout.values.assign(2, 0);
    return bmptest::writeBmp(layout);
  };
  expectRefused(withMasks(0xF800, 0x07E0, 0, 16), "blue bit-field mask is empty");
  expectRefused(withMasks(0xF800, 0x0FE0, 0x001F, 16), "overlap");
  expectRefused(withMasks(0xF0F0, 0x0700, 0x000F, 16), "not one run of bits");
  expectRefused(withMasks(0x1F0000, 0x07E0, 0x001F, 16), "outside the 16 bits");
  std::string cut = withMasks(0xF800, 0x07E0, 0x001F, 16).substr(0, kMasks + 8);
  put32(cut, 2, static_cast<uint32_t>(cut.size()));
  expectRefused(cut, "ends inside its bit-field masks");
}

// RLE commands that would draw outside the picture, or a stream that stops
// before its end mark, are caught before SDL draws anything.
TEST(BmpMalformed, RunawayRunLengthStreams) {
  using bmptest::bytes;
  expectRefused(rle8(4, 2, bytes({5, 1, 0, 1})),
                "run of 5 pixels at byte 0 of the RLE data runs past the end of row 0");
  expectRefused(rle8(4, 2, bytes({3, 1, 2, 1, 0, 1})), "runs past the end of row 0");
  expectRefused(rle8(4, 2, bytes({0, 5, 1, 1, 1, 1, 1, 0, 0, 1})), "run of 5 pixels");  // literal
  expectRefused(rle4(3, 1, bytes({0, 4, 0x11, 0x11, 0, 1})), "run of 4 pixels");
  expectRefused(rle8(4, 2, bytes({0, 2, 5, 0, 0, 1})), "delta at byte 0");
  expectRefused(rle8(4, 2, bytes({0, 2, 0, 2, 0, 1})), "delta at byte 0");
  expectRefused(rle8(4, 2, bytes({0, 0, 0, 0, 0, 0, 0, 1})),
                "end-of-line at byte 4 of the RLE data moves past the top row");
  expectRefused(rle8(4, 2, bytes({0, 0, 0, 0, 1, 1, 0, 1})), "above the top row");
  expectRefused(rle8(4, 2, bytes({4, 1, 0, 0})), "ends before its end-of-picture mark");
  expectRefused(rle8(4, 2, bytes({4, 1, 0})), "ends before its end-of-picture mark");
  expectRefused(rle8(4, 2, bytes({0, 2, 1})), "ends inside a delta");
  expectRefused(rle8(4, 2, bytes({0, 4, 1, 1, 1})), "ends inside a run of literal pixels");
  // RLE streams run upwards; a top-down one cannot be drawn.
  std::string topDown = rle8(2, 1, bytes({2, 1, 0, 1}));
  put32(topDown, kHeight, static_cast<uint32_t>(-1));
  expectRefused(topDown, "top-down");
}

// Random damage to valid files of each kind must never crash or overread
// (AddressSanitizer watches this test in the sanitizer build).
TEST(BmpMalformed, RandomDamageIsHandled) {
  std::vector<std::string> seeds = {validTrueColour(), validPaletted(),
                                    rle8(8, 4, bmptest::encodeRle8(8, 4, std::vector<uint32_t>(32, 2))),
                                    rle4(8, 4, bmptest::encodeRle4(8, 4, std::vector<uint32_t>(32, 3)))};
  std::mt19937 rng(1234);
  for (const std::string& seed : seeds)
    for (int round = 0; round < 3000; ++round) {
      std::string file = seed;
      const int flips = 1 + static_cast<int>(rng() % 4);
      for (int i = 0; i < flips; ++i) file[rng() % file.size()] = static_cast<char>(rng());
      const sys::Result<gfx::Bitmap> r = gfx::decodeBmp(file);
      if (r.ok()) {
        ASSERT_FALSE(r->empty());
        ASSERT_EQ(r->pixels().size(), static_cast<size_t>(r->width()) * r->height());
      } else {
        ASSERT_FALSE(r.error().message.empty());
      }
    }
}

}  // namespace
