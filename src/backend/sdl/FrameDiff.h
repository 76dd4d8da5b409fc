#pragma once
#include "gfx/Bitmap.h"

namespace backend {

// The band of whole rows in which two frames differ: empty when they are
// equal, the whole of `after` when their sizes differ.
gfx::Rect changedRows(const gfx::Bitmap& before, const gfx::Bitmap& after);

}  // namespace backend
