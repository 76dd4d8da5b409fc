#include "gfx/Contrast.h"

#include <algorithm>
#include <cmath>

namespace gfx {
namespace {

double linear(int channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(TColor c) {
  return 0.2126 * linear(redOf(c)) + 0.7152 * linear(greenOf(c)) + 0.0722 * linear(blueOf(c));
}

// A channel moved share/255 of the way to the target channel.
int towards(int channel, int target, int share) {
  return channel + ((target - channel) * share + (target > channel ? 254 : -254)) / 255;
}

}  // namespace

double contrastRatio(TColor a, TColor b) {
  const double la = luminance(a), lb = luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TColor readableOn(TColor background, TColor text, double ratio) {
  if (text == background || contrastRatio(background, text) >= ratio) return text;
  const int target = luminance(background) < 0.18 ? 255 : 0;
  for (int share = 1; share <= 255; ++share) {
    const TColor moved = rgb(towards(redOf(text), target, share), towards(greenOf(text), target, share),
                             towards(blueOf(text), target, share));
    if (contrastRatio(background, moved) >= ratio) return moved;
  }
  return rgb(target, target, target);
}

}  // namespace gfx
