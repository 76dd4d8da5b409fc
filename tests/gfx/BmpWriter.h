#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "gfx/Bitmap.h"

// Builds BMP files of any variety for the tests, independently of the reader.
namespace bmptest {

struct BmpLayout {
  int width = 1;
  int height = 1;
  int bitCount = 24;
  uint32_t compression = 0;  // 0 none, 1 RLE8, 2 RLE4, 3 bit fields
  uint32_t headerSize = 40;  // 12, 40, 52, 56, 108 or 124
  bool topDown = false;
  std::vector<gfx::Pixel> palette{};  // written as blue, green, red (, 0)
  std::array<uint32_t, 3> masks{};    // red, green, blue for compression 3
  // One value per pixel, top row first: a palette index, or the packed pixel
  // (0xRRGGBB for 24 bits). Ignored for RLE, which takes `rle` as its data.
  std::vector<uint32_t> values{};
  std::string rle{};
};

std::string writeBmp(const BmpLayout& layout);

// An RLE stream from a list of byte values.
std::string bytes(std::initializer_list<int> values);

// Simple encoders: runs of equal pixels and literal stretches, each row ended,
// the picture ended. Indices are given top row first, as in BmpLayout::values.
std::string encodeRle8(int width, int height, const std::vector<uint32_t>& indices);
std::string encodeRle4(int width, int height, const std::vector<uint32_t>& indices);

// The expected picture: each value looked up in the palette.
gfx::Bitmap paletted(int width, int height, const std::vector<uint32_t>& indices,
                     const std::vector<gfx::Pixel>& palette);

void put16(std::string& file, size_t at, uint16_t v);
void put32(std::string& file, size_t at, uint32_t v);

}  // namespace bmptest
