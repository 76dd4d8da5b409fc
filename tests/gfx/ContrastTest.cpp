// Readable speaker colours: the contrast of the web's accessibility
// guidelines, and colours lightened just enough to reach a ratio.
#include <gtest/gtest.h>

#include "gfx/Contrast.h"

namespace {

using gfx::contrastRatio;
using gfx::readableOn;
using gfx::rgb;

TEST(Contrast, DarkColoursOnBlackAreLightenedJustEnough) {
  EXPECT_NEAR(contrastRatio(gfx::clBlack, gfx::clWhite), 21.0, 1e-9);
  // Hubert's blue and the agent's grey, 2.4 and 2.5 to 1 on black.
  for (gfx::TColor speaker : {rgb(0, 0, 255), rgb(71, 80, 73)}) {
    EXPECT_LT(contrastRatio(speaker, gfx::clBlack), 2.6);
    const gfx::TColor drawn = readableOn(gfx::clBlack, speaker, 4.5);
    EXPECT_GE(contrastRatio(drawn, gfx::clBlack), 4.5) << speaker;
    // One step less towards white would not do.
    const auto back = [](int c, int was) { return c > was ? c - 1 : c; };
    const gfx::TColor less =
        rgb(back(gfx::redOf(drawn), gfx::redOf(speaker)), back(gfx::greenOf(drawn), gfx::greenOf(speaker)),
            back(gfx::blueOf(drawn), gfx::blueOf(speaker)));
    EXPECT_LT(contrastRatio(less, gfx::clBlack), 4.5) << speaker;
  }
  // Readable colours stay as they are, and so does text hidden on purpose.
  EXPECT_EQ(readableOn(gfx::clBlack, rgb(140, 136, 55), 4.5), rgb(140, 136, 55));
  EXPECT_EQ(readableOn(gfx::clBlack, gfx::clBlack, 4.5), gfx::clBlack);
  // On a light background a light colour is darkened instead.
  EXPECT_GE(contrastRatio(readableOn(gfx::clWhite, rgb(255, 255, 0), 4.5), gfx::clWhite), 4.5);
}

}  // namespace
