#pragma once
#include <string>

#include "gfx/Color.h"

namespace gfx {

// A font as the windows name it. The Windows faces are stood in for by
// Debian's fonts: Comic Neue for "Comic Sans MS", Liberation Sans for
// "Arial" and the plain dialog font, Liberation Serif for "MS Serif".
struct Font {
  std::string Name = "MS Sans Serif";
  int Height = 11;  // character height in pixels
  TColor Color = clWindowText;
  bool Bold = false;

  bool operator==(const Font&) const = default;
};

// The font file that stands in for a face name (always some readable file).
std::string fontFileFor(const std::string& name, bool bold);

}  // namespace gfx
