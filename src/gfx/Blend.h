#pragma once
#include "gfx/Bitmap.h"

namespace gfx {

// Draws src with its top-left corner at (x, y), mixing by src's alpha, and only
// inside clip (in target coordinates). The result stays opaque.
void blendOnto(Bitmap& target, int x, int y, const Bitmap& src, const Rect& clip);

}  // namespace gfx
