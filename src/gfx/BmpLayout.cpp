#include "gfx/BmpLayout.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdio>

namespace gfx::bmp {
namespace {

// Compression values of the info header.
constexpr uint32_t kRgb = 0, kRle8 = 1, kRle4 = 2, kBitFields = 3, kJpeg = 4, kPng = 5, kAlphaBitFields = 6;
// The one info header OS/2 1.x wrote, and the OS/2 2.x one, whose compression
// values 3 and 4 mean Huffman and RLE24 instead of bit fields and JPEG.
constexpr uint32_t kOs2v1Header = 12, kOs2v2Header = 64;
constexpr size_t kFileHeader = 14;

uint16_t le16(std::string_view b, size_t at) {
  return static_cast<uint16_t>(static_cast<uint8_t>(b[at]) | static_cast<uint8_t>(b[at + 1]) << 8);
}
uint32_t le32(std::string_view b, size_t at) {
  return static_cast<uint32_t>(le16(b, at)) | static_cast<uint32_t>(le16(b, at + 2)) << 16;
}

std::string hex(uint32_t v) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08X", v);
  return text;
}
std::string num(uint64_t v) {
  return std::to_string(v);
}

bool knownHeaderSize(uint32_t size) {
  constexpr std::array<uint32_t, 7> sizes = {12, 40, 52, 56, 64, 108, 124};
  return std::find(sizes.begin(), sizes.end(), size) != sizes.end();
}

// Reads the headers of one file step by step; each step returns an error or
// nothing. Later steps rely on what earlier ones checked.
class Parser {
 public:
  explicit Parser(std::string_view file) : file_(file) {}

  sys::Result<void> run() {
    for (auto step : {&Parser::fileHeader, &Parser::infoHeader, &Parser::compression, &Parser::masks,
                      &Parser::palette, &Parser::pixelData}) {
      if (sys::Result<void> done = (this->*step)(); !done) return done;
    }
    return {};
  }
  Layout layout;

 private:
  sys::Result<void> fileHeader() {
    if (file_.empty()) return sys::Error{"the file is empty"};
    if (file_.size() < 2 || file_.substr(0, 2) != "BM")
      return sys::Error{"not a BMP file (it does not start with \"BM\")"};
    if (file_.size() < kFileHeader + 4)
      return sys::Error{"the file is too short for a BMP header (" + num(file_.size()) + " bytes)"};
    layout.pixelOffset = le32(file_, 10);
    layout.headerSize = le32(file_, 14);
    return {};
  }

  sys::Result<void> infoHeader() {
    const uint32_t size = layout.headerSize;
    if (!knownHeaderSize(size))
      return sys::Error{"info header size " + num(size) + " is not one that BMP files use"};
    if (kFileHeader + size > file_.size())
      return sys::Error{"the file ends inside its " + num(size) + "-byte info header"};
    int64_t width, height;
    uint32_t planes;
    if (size == kOs2v1Header) {
      width = le16(file_, 18);
      height = le16(file_, 20);
      planes = le16(file_, 22);
      layout.bitCount = le16(file_, 24);
    } else {
      width = static_cast<int32_t>(le32(file_, 18));
      height = static_cast<int32_t>(le32(file_, 22));
      planes = le16(file_, 26);
      layout.bitCount = le16(file_, 28);
      layout.rawCompression = le32(file_, 30);
      sizeImage_ = le32(file_, 34);
      colorsUsed_ = le32(file_, 46);
    }
    if (planes != 1) return sys::Error{"the header gives " + num(planes) + " planes; a BMP has exactly 1"};
    if (width < 1 || width > kMaxSide)
      return sys::Error{"width " + std::to_string(width) + " is outside 1 to " + num(kMaxSide)};
    layout.topDown = height < 0;
    height = layout.topDown ? -height : height;
    if (height < 1 || height > kMaxSide)
      return sys::Error{"height " + std::to_string(height) + " is outside 1 to " + num(kMaxSide)};
    if (width * height > kMaxPixels)
      return sys::Error{"the picture is too large (" + std::to_string(width) + " x " +
                        std::to_string(height) + " pixels)"};
    layout.width = static_cast<int>(width);
    layout.height = static_cast<int>(height);
    return {};
  }

  sys::Result<void> compression() {
    const uint32_t c = layout.rawCompression;
    const int bits = layout.bitCount;
    if (layout.headerSize == kOs2v2Header && c == kBitFields)
      return sys::Error{"OS/2 Huffman compression is not supported"};
    if (layout.headerSize == kOs2v2Header && c == kJpeg)
      return sys::Error{"OS/2 RLE24 compression is not supported"};
    if (c == kJpeg) return sys::Error{"BMP files with an embedded JPEG picture are not supported"};
    if (c == kPng) return sys::Error{"BMP files with an embedded PNG picture are not supported"};
    if (c > kAlphaBitFields) return sys::Error{"unknown compression " + num(c)};
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
      return sys::Error{num(static_cast<uint32_t>(bits)) + " bits per pixel are not supported"};
    if (c == kRle8 && bits != 8)
      return sys::Error{"RLE8 compression needs 8 bits per pixel, not " + num(bits)};
    if (c == kRle4 && bits != 4)
      return sys::Error{"RLE4 compression needs 4 bits per pixel, not " + num(bits)};
    if ((c == kBitFields || c == kAlphaBitFields) && bits != 16 && bits != 32)
      return sys::Error{"bit-field compression needs 16 or 32 bits per pixel, not " + num(bits)};
    if ((c == kRle8 || c == kRle4) && layout.topDown)
      return sys::Error{"an RLE-compressed picture cannot be top-down"};
    layout.compression = c == kRle8   ? Compression::Rle8
                         : c == kRle4 ? Compression::Rle4
                         : c == kRgb  ? Compression::None
                                      : Compression::BitFields;
    return {};
  }

  static sys::Result<void> checkMask(const char* name, uint32_t mask, int bits) {
    if (mask == 0) return sys::Error{std::string("the ") + name + " bit-field mask is empty"};
    if (bits < 32 && (mask >> bits) != 0)
      return sys::Error{std::string("the ") + name + " bit-field mask " + hex(mask) + " lies outside the " +
                        num(bits) + " bits of a pixel"};
    const uint32_t shifted = mask >> std::countr_zero(mask);
    if ((shifted & (shifted + 1)) != 0)
      return sys::Error{std::string("the ") + name + " bit-field mask " + hex(mask) +
                        " is not one run of bits"};
    return {};
  }

  sys::Result<void> masks() {
    const int bits = layout.bitCount;
    if (layout.compression != Compression::BitFields) {
      if (bits == 16)
        setMasks(0x7C00, 0x03E0, 0x001F);
      else
        setMasks(0xFF0000, 0x00FF00, 0x0000FF);
      return {};
    }
    // The masks sit right after the 40-byte header fields: inside a V2 or
    // later header, or following a plain 40-byte header as extra words.
    const bool alphaFollows = layout.rawCompression == kAlphaBitFields || layout.headerSize >= 56;
    const size_t masksEnd = kFileHeader + 40 + (alphaFollows ? 16 : 12);
    if (masksEnd > file_.size()) return sys::Error{"the file ends inside its bit-field masks"};
    maskBytes_ = masksEnd > kFileHeader + layout.headerSize ? masksEnd - kFileHeader - layout.headerSize : 0;
    const uint32_t r = le32(file_, 54), g = le32(file_, 58), b = le32(file_, 62);
    for (auto [name, mask] : {std::pair{"red", r}, {"green", g}, {"blue", b}})
      if (sys::Result<void> checked = checkMask(name, mask, bits); !checked) return checked;
    if ((r & g) || (r & b) || (g & b)) return sys::Error{"the bit-field masks overlap"};
    setMasks(r, g, b);
    layout.alphaMask = alphaFollows ? le32(file_, 66) : 0;
    return {};
  }

  void setMasks(uint32_t r, uint32_t g, uint32_t b) {
    layout.red = ChannelMask::of(r);
    layout.green = ChannelMask::of(g);
    layout.blue = ChannelMask::of(b);
  }

  sys::Result<void> palette() {
    const uint64_t start = kFileHeader + layout.headerSize + maskBytes_;
    if (layout.pixelOffset < start)
      return sys::Error{"the pixel data offset " + num(layout.pixelOffset) +
                        " points inside the headers (which end at " + num(start) + ")"};
    if (layout.pixelOffset >= file_.size())
      return sys::Error{"the pixel data offset " + num(layout.pixelOffset) +
                        " lies past the end of the file (" + num(file_.size()) + " bytes)"};
    const uint64_t entryBytes = layout.headerSize == kOs2v1Header ? 3 : 4;
    const uint64_t room = layout.pixelOffset - start;
    if (uint64_t{colorsUsed_} * entryBytes > room)
      return sys::Error{"the header declares " + num(colorsUsed_) +
                        " palette colours, but there is room for " + num(room / entryBytes) +
                        " before the pixel data"};
    if (layout.bitCount > 8) return {};  // a palette beside true colour is a hint for old displays only

    // A count of 0 means a full palette; OS/2 files that ship a shorter one
    // than that are taken with what fits before the pixels.
    const uint64_t full = uint64_t{1} << layout.bitCount;
    const uint64_t count =
        colorsUsed_ ? std::min<uint64_t>(colorsUsed_, full) : std::min(full, room / entryBytes);
    if (count == 0) return sys::Error{"there is no room for a palette before the pixel data"};
    layout.palette.resize(count);
    for (uint64_t i = 0; i < count; ++i) {
      const size_t at = start + i * entryBytes;
      const auto byte = [&](size_t k) { return static_cast<Pixel>(static_cast<uint8_t>(file_[at + k])); };
      layout.palette[i] = 0xFF000000u | byte(2) << 16 | byte(1) << 8 | byte(0);
    }
    return {};
  }

  sys::Result<void> pixelData() {
    // OS/2 files sometimes give the size of the headers here, never more than
    // the file; a larger value means the file was cut short or is garbage.
    if (const uint32_t declared = le32(file_, 2); declared > file_.size())
      return sys::Error{"the header gives a file size of " + num(declared) +
                        " bytes, but the file has only " + num(file_.size())};
    const uint64_t available = file_.size() - layout.pixelOffset;
    if (sizeImage_ > available)
      return sys::Error{"the header gives " + num(sizeImage_) + " bytes of pixel data, but only " +
                        num(available) + " follow its offset"};
    if (layout.compression == Compression::Rle8 || layout.compression == Compression::Rle4) {
      layout.pixelBytes = sizeImage_ ? sizeImage_ : available;
      return {};
    }
    layout.stride = (uint64_t{static_cast<uint32_t>(layout.width)} * layout.bitCount + 31) / 32 * 4;
    layout.pixelBytes = layout.stride * static_cast<uint64_t>(layout.height);
    if (layout.pixelBytes > available)
      return sys::Error{"the pixel data is cut short: " + num(layout.pixelBytes) + " bytes needed, " +
                        num(available) + " present"};
    return {};
  }

  std::string_view file_;
  uint32_t sizeImage_ = 0;
  uint32_t colorsUsed_ = 0;
  uint64_t maskBytes_ = 0;
};

}  // namespace

ChannelMask ChannelMask::of(uint32_t mask) {
  ChannelMask c;
  c.mask = mask;
  if (mask == 0) return c;
  c.shift = std::countr_zero(mask);
  c.max = mask >> c.shift;
  return c;
}

sys::Result<Layout> parseLayout(std::string_view file) {
  Parser parser(file);
  if (sys::Result<void> parsed = parser.run(); !parsed) return parsed.error();
  return std::move(parser.layout);
}

}  // namespace gfx::bmp
