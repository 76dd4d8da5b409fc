#include "BmpWriter.h"

namespace bmptest {
namespace {

void append16(std::string& out, uint32_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>((v >> 8) & 0xFF);
}
void append32(std::string& out, uint32_t v) {
  append16(out, v & 0xFFFF);
  append16(out, v >> 16);
}

std::string packRow(const BmpLayout& layout, int y) {
  std::string row;
  const uint32_t* v = layout.values.data() + static_cast<size_t>(y) * layout.width;
  if (layout.bitCount <= 8) {
    const int perByte = 8 / layout.bitCount;
    for (int x = 0; x < layout.width; x += perByte) {
      uint32_t byte = 0;
      for (int k = 0; k < perByte; ++k) {
        const uint32_t index = x + k < layout.width ? v[x + k] : 0;
        byte |= index << (8 - layout.bitCount * (k + 1));
      }
      row += static_cast<char>(byte);
    }
  } else {
    for (int x = 0; x < layout.width; ++x) {
      if (layout.bitCount == 16) append16(row, v[x]);
      if (layout.bitCount == 24)
        row += std::string{char(v[x] & 0xFF), char(v[x] >> 8 & 0xFF), char(v[x] >> 16 & 0xFF)};
      if (layout.bitCount == 32) append32(row, v[x]);
    }
  }
  row.resize((row.size() + 3) & ~size_t{3}, '\0');
  return row;
}

}  // namespace

void put16(std::string& file, size_t at, uint16_t v) {
  file[at] = static_cast<char>(v & 0xFF);
  file[at + 1] = static_cast<char>(v >> 8);
}
void put32(std::string& file, size_t at, uint32_t v) {
  put16(file, at, static_cast<uint16_t>(v & 0xFFFF));
  put16(file, at + 2, static_cast<uint16_t>(v >> 16));
}

std::string writeBmp(const BmpLayout& layout) {
  std::string pixels;
  if (layout.compression == 1 || layout.compression == 2) {
    pixels = layout.rle;
  } else {
    for (int r = 0; r < layout.height; ++r)
      pixels += packRow(layout, layout.topDown ? r : layout.height - 1 - r);
  }
  std::string info;
  append32(info, layout.headerSize);
  if (layout.headerSize == 12) {
    append16(info, layout.width);
    append16(info, layout.height);
    append16(info, 1);
    append16(info, layout.bitCount);
  } else {
    append32(info, layout.width);
    append32(info, static_cast<uint32_t>(layout.topDown ? -layout.height : layout.height));
    append16(info, 1);
    append16(info, layout.bitCount);
    append32(info, layout.compression);
    append32(info, static_cast<uint32_t>(pixels.size()));
    append32(info, 2835);
    append32(info, 2835);
    append32(info, static_cast<uint32_t>(layout.palette.size()));
    append32(info, 0);
    if (layout.compression == 3)
      for (uint32_t m : layout.masks) append32(info, m);
    if (layout.headerSize > 40) info.resize(layout.headerSize, '\0');  // later header fields stay zero
  }
  for (gfx::Pixel p : layout.palette) {
    info += std::string{char(p & 0xFF), char(p >> 8 & 0xFF), char(p >> 16 & 0xFF)};
    if (layout.headerSize != 12) info += '\0';
  }
  std::string file = "BM";
  append32(file, static_cast<uint32_t>(14 + info.size() + pixels.size()));
  append32(file, 0);
  append32(file, static_cast<uint32_t>(14 + info.size()));
  return file + info + pixels;
}

std::string bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out += static_cast<char>(v);
  return out;
}

namespace {

// Shared by both encoders; RLE4 packs two pixels per byte and counts pixels.
std::string encodeRle(int width, int height, const std::vector<uint32_t>& indices, bool rle8) {
  std::string out;
  for (int y = height - 1; y >= 0; --y) {
    const uint32_t* row = indices.data() + static_cast<size_t>(y) * width;
    int x = 0;
    while (x < width) {
      int run = 1;
      while (x + run < width && run < 255 && row[x + run] == row[x]) ++run;
      // A literal stretch stops where a run of two equal pixels begins.
      int literal = 1;
      while (x + literal < width && literal < 255 &&
             !(x + literal + 1 < width && row[x + literal] == row[x + literal + 1]))
        ++literal;
      if (run >= 2 || literal < 3) {
        out += static_cast<char>(run);
        out += static_cast<char>(rle8 ? row[x] : row[x] << 4 | row[x]);
        x += run;
        continue;
      }
      out += '\0';
      out += static_cast<char>(literal);
      std::string data;
      for (int k = 0; k < literal; k += rle8 ? 1 : 2)
        data +=
            static_cast<char>(rle8 ? row[x + k] : row[x + k] << 4 | (k + 1 < literal ? row[x + k + 1] : 0));
      if (data.size() % 2) data += '\0';
      out += data;
      x += literal;
    }
    out += bytes({0, 0});
  }
  return out + bytes({0, 1});
}

}  // namespace

std::string encodeRle8(int width, int height, const std::vector<uint32_t>& indices) {
  return encodeRle(width, height, indices, true);
}
std::string encodeRle4(int width, int height, const std::vector<uint32_t>& indices) {
  return encodeRle(width, height, indices, false);
}

gfx::Bitmap paletted(int width, int height, const std::vector<uint32_t>& indices,
                     const std::vector<gfx::Pixel>& palette) {
  gfx::Bitmap b(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) b.setPixel(x, y, palette[indices[static_cast<size_t>(y) * width + x]]);
  return b;
}

}  // namespace bmptest
