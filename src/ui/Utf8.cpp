#include "ui/Utf8.h"

namespace ui::utf8 {

std::string encode(char32_t ch) {
  std::string out;
  if (ch < 0x80) {
    out += static_cast<char>(ch);
  } else if (ch < 0x800) {
    out += static_cast<char>(0xC0 | (ch >> 6));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x10000) {
    out += static_cast<char>(0xE0 | (ch >> 12));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else if (ch < 0x110000) {
    out += static_cast<char>(0xF0 | (ch >> 18));
    out += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (ch & 0x3F));
  } else {
    out = "\xEF\xBF\xBD";
  }
  return out;
}

char32_t decodeAt(const std::string& text, size_t& i) {
  const auto byte = [&](size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char b0 = byte(i);
  const int len = b0 < 0x80 ? 1 : (b0 >> 5) == 6 ? 2 : (b0 >> 4) == 14 ? 3 : (b0 >> 3) == 30 ? 4 : 0;
  if (len == 0 || i + static_cast<size_t>(len) > text.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t ch = len == 1 ? b0 : len == 2 ? (b0 & 0x1F) : len == 3 ? (b0 & 0x0F) : (b0 & 0x07);
  for (int k = 1; k < len; ++k) {
    const unsigned char b = byte(i + static_cast<size_t>(k));
    if ((b & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    ch = (ch << 6) | (b & 0x3F);
  }
  i += static_cast<size_t>(len);
  return ch;
}

int length(const std::string& text) {
  int n = 0;
  for (size_t i = 0; i < text.size(); ++n) decodeAt(text, i);
  return n;
}

size_t offsetOf(const std::string& text, int index) {
  size_t i = 0;
  for (int n = 0; n < index && i < text.size(); ++n) decodeAt(text, i);
  return i;
}

}  // namespace ui::utf8
