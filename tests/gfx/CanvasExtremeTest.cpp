// Coordinates from saves and scripts can be any int: drawing at the ends of
// the int range clips like any other far-off position and never writes
// outside the target (these calls wrote past the picture or overflowed).
#include <gtest/gtest.h>

#include <climits>

#include "gfx/Canvas.h"

namespace {

using gfx::Bitmap;
using gfx::Canvas;
using gfx::Pixel;
using gfx::Rect;

constexpr Pixel kBack = 0xFF102030u;
constexpr int kMax = INT_MAX, kMin = INT_MIN;

bool untouched(const Bitmap& b) {
  for (Pixel p : b.pixels())
    if (p != kBack) return false;
  return true;
}

TEST(CanvasExtreme, RectangleArithmeticPinsToTheIntRange) {
  EXPECT_EQ(Rect::xywh(kMax, 5, 100, 1), (Rect{kMax, 5, kMax, 6}));
  EXPECT_TRUE(Rect::xywh(kMax, 0, 100, 100).empty());
  EXPECT_EQ((Rect{kMin, 0, kMax, 1}).width(), kMax);
  EXPECT_EQ((Rect{0, 0, 10, 10}).offset(kMax, int64_t{kMin} - 5), (Rect{kMax, kMin, kMax, kMin + 5}));
  EXPECT_EQ(Rect::pinned(-5000000000, 1, 5000000000, 2), (Rect{kMin, 1, kMax, 2}));
  EXPECT_EQ(Rect::xywh(3, 4, 5, 6), (Rect{3, 4, 8, 10}));  // ordinary values as before
}

TEST(CanvasExtreme, FarOffDrawsAndCopiesChangeNothing) {
  const Bitmap src(204, 179, 0xFFFFFFFFu);
  Bitmap target(640, 400, kBack);
  Canvas canvas(target);
  for (auto [x, y] : {std::pair{kMax, 0}, {kMin, 0}, {0, kMax}, {0, kMin}, {kMax - 100, kMin + 100}}) {
    canvas.draw(x, y, src);
    canvas.drawTransparent(x, y, src, gfx::clBlack);
    canvas.fillRect(Rect::xywh(x, y, 50, 50), gfx::clRed);
    canvas.frameRect(Rect::xywh(x, y, 50, 50), gfx::clRed);
    canvas.line(x, y, gfx::addSat(x, 50), y, gfx::clRed);
    canvas.line(x, y, x, gfx::addSat(y, 50), gfx::clRed);
    canvas.copyRect(Rect::xywh(x, y, 204, 179), src, src.bounds());
    canvas.copyRect(Rect::xywh(x, y, 100, 100), src, src.bounds());  // stretched
    canvas.copyRectSmooth(Rect::xywh(x, y, 20, 20), src, src.bounds());
  }
  // The walk strip at a position near -2^31: the source lies more than 2^31
  // from the target.
  canvas.copyRect({-2147483040, 214, -2147482836, 393}, src, {0, 0, 204, 179});
  canvas.copyRect({0, 0, 204, 179}, src, {-2147483040, 14, -2147482836, 193});
  canvas.copyRect({0, 0, 204, 179}, src, {2147483000, 14, kMax, 193});
  EXPECT_TRUE(untouched(target));
}

TEST(CanvasExtreme, StretchOverTheWholeIntRangeStillScales) {
  Bitmap src(2, 2);
  src.setPixel(0, 0, 0xFF0000FFu);
  src.setPixel(1, 1, 0xFF00FF00u);
  Bitmap target(4, 4, kBack);
  Canvas canvas(target);
  // The target lies just past the middle of the stretched picture: source (1, 1).
  canvas.copyRect({kMin, kMin, kMax, kMax}, src, src.bounds());
  EXPECT_EQ(target.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(target.pixel(3, 3), 0xFF00FF00u);
  Bitmap big(8, 8, 0xFF0000FFu);
  canvas.copyRectSmooth({kMin, kMin, kMax, kMax}, big, {kMin, kMin, kMax, kMax});
  EXPECT_EQ(target.pixel(0, 0), 0xFF0000FFu);
}

TEST(CanvasExtreme, TextAtTheEndsOfTheRangeDrawsNothing) {
  Bitmap target(64, 32, kBack);
  Canvas canvas(target);
  canvas.Font.Name = "Arial";
  canvas.Font.Height = 16;
  canvas.BrushClear = true;
  canvas.textOut(kMax, kMax, "Hallo");
  canvas.textOut(kMin, kMin, "Hallo");
  canvas.textBox({kMin, kMax - 4, kMin + 10, kMax}, "Hallo Welt, ein langer Text", gfx::Align::Right, true);
  canvas.textBox({kMax - 10, kMax - 40, kMax, kMax}, "Hallo Welt", gfx::Align::Center, true);
  EXPECT_TRUE(untouched(target));
}

}  // namespace
