#pragma once
#include <cstdint>

namespace gfx {

// A colour as the game stores it: the Windows colour value 0x00BBGGRR (red in
// the low byte). Pixels of a Bitmap are 0xAARRGGBB instead.
using TColor = uint32_t;
using Pixel = uint32_t;

constexpr TColor rgb(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int redOf(TColor c) {
  return static_cast<int>(c & 0xFF);
}
constexpr int greenOf(TColor c) {
  return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int blueOf(TColor c) {
  return static_cast<int>((c >> 16) & 0xFF);
}

constexpr Pixel toPixel(TColor c) {
  return 0xFF000000u | (static_cast<Pixel>(redOf(c)) << 16) | (static_cast<Pixel>(greenOf(c)) << 8) |
         static_cast<Pixel>(blueOf(c));
}
constexpr TColor toColor(Pixel p) {
  return rgb(static_cast<int>((p >> 16) & 0xFF), static_cast<int>((p >> 8) & 0xFF),
             static_cast<int>(p & 0xFF));
}

// The colours the windows use by name.
inline constexpr TColor clBlack = rgb(0, 0, 0);
inline constexpr TColor clWhite = rgb(255, 255, 255);
inline constexpr TColor clRed = rgb(255, 0, 0);
inline constexpr TColor clBlue = rgb(0, 0, 255);
inline constexpr TColor clYellow = rgb(255, 255, 0);
inline constexpr TColor clLime = rgb(0, 255, 0);
inline constexpr TColor clGray = rgb(128, 128, 128);
inline constexpr TColor clNavy = rgb(0, 0, 128);
// System colours of a plain late-1990s desktop.
inline constexpr TColor clBtnFace = rgb(192, 192, 192);
inline constexpr TColor clBtnHighlight = rgb(255, 255, 255);
inline constexpr TColor clBtnShadow = rgb(128, 128, 128);
inline constexpr TColor clBtnDkShadow = rgb(0, 0, 0);
inline constexpr TColor clWindow = rgb(255, 255, 255);
inline constexpr TColor clWindowText = rgb(0, 0, 0);
inline constexpr TColor clHighlight = rgb(0, 0, 128);
inline constexpr TColor clGrayText = rgb(128, 128, 128);
inline constexpr TColor clActiveCaption = rgb(0, 0, 128);
inline constexpr TColor clInactiveCaption = rgb(128, 128, 128);

}  // namespace gfx
