#pragma once
#include "gfx/Color.h"

namespace gfx {

// Contrast of two colours as the web's accessibility guidelines measure it:
// (L1 + 0.05) / (L2 + 0.05) of their relative luminances, 1 to 21.
double contrastRatio(TColor a, TColor b);

// The text colour moved just far enough towards white (on a dark
// background) or black (on a light one) to reach the ratio. Text in the
// background's own colour is hidden on purpose and stays so.
TColor readableOn(TColor background, TColor text, double ratio);

}  // namespace gfx
