// Drawing on a canvas: copies and stretches clip to the target and to the
// source, transparent drawing leaves out one colour, fills and pixels.
#include <gtest/gtest.h>

#include "gfx/Canvas.h"

namespace {

using gfx::Bitmap;
using gfx::Canvas;
using gfx::Pixel;
using gfx::Rect;

constexpr Pixel kBack = 0xFF102030u;

// A source whose every pixel tells where it came from: red = x, green = y.
Bitmap coordinates(int w, int h) {
  Bitmap b(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      b.setPixel(x, y, 0xFF000000u | static_cast<Pixel>(x) << 16 | static_cast<Pixel>(y) << 8);
  return b;
}

Pixel from(int sx, int sy) {
  return 0xFF000000u | static_cast<Pixel>(sx) << 16 | static_cast<Pixel>(sy) << 8;
}

TEST(Canvas, DrawClipsAtEveryEdgeOfTheTarget) {
  const Bitmap src = coordinates(4, 4);
  for (auto [x, y] : {std::pair{-2, -3}, {5, 6}, {-1, 5}, {6, -2}}) {
    Bitmap target(8, 8, kBack);
    Canvas(target).draw(x, y, src);
    for (int ty = 0; ty < 8; ++ty)
      for (int tx = 0; tx < 8; ++tx) {
        const bool covered = tx >= x && tx < x + 4 && ty >= y && ty < y + 4;
        ASSERT_EQ(target.pixel(tx, ty), covered ? from(tx - x, ty - y) : kBack)
            << x << "," << y << " at " << tx << "," << ty;
      }
  }
}

// Target pixels whose source lies outside the source picture keep their colour.
TEST(Canvas, SourceRectanglePartlyOutsideTheSourceLeavesTheRest) {
  const Bitmap src = coordinates(4, 4);
  Bitmap target(6, 6, kBack);
  Canvas(target).copyRect(Rect::xywh(0, 0, 6, 6), src, Rect::xywh(-1, -2, 6, 6));
  for (int ty = 0; ty < 6; ++ty)
    for (int tx = 0; tx < 6; ++tx) {
      const int sx = tx - 1, sy = ty - 2;
      const bool inside = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
      ASSERT_EQ(target.pixel(tx, ty), inside ? from(sx, sy) : kBack) << tx << "," << ty;
    }
}

TEST(Canvas, StretchScalesByWholePixelsAndClips) {
  const Bitmap src = coordinates(2, 2);
  Bitmap target(6, 6, kBack);
  Canvas(target).stretchDraw(Rect::xywh(-2, 0, 8, 4), src);  // 4× wide, 2× high, left half clipped
  for (int ty = 0; ty < 6; ++ty)
    for (int tx = 0; tx < 6; ++tx)
      ASSERT_EQ(target.pixel(tx, ty), ty < 4 ? from((tx + 2) / 4, ty / 2) : kBack) << tx << "," << ty;

  // Shrinking takes every other pixel; a stretched source partly outside its
  // picture leaves the matching target pixels alone.
  Bitmap small(2, 2, kBack);
  Canvas(small).copyRect(Rect::xywh(0, 0, 2, 2), coordinates(4, 4), Rect::xywh(2, 0, 4, 4));
  EXPECT_EQ(small.pixel(0, 0), from(2, 0));
  EXPECT_EQ(small.pixel(0, 1), from(2, 2));
  EXPECT_EQ(small.pixel(1, 0), kBack);
  EXPECT_EQ(small.pixel(1, 1), kBack);
}

TEST(Canvas, CopyWithinOnePictureActsOnTheOriginal) {
  Bitmap b = coordinates(5, 3);
  Canvas(b).copyRect(Rect::xywh(1, 1, 4, 2), b, Rect::xywh(0, 0, 4, 2));  // overlapping, down and right
  for (int y = 1; y < 3; ++y)
    for (int x = 1; x < 5; ++x) ASSERT_EQ(b.pixel(x, y), from(x - 1, y - 1)) << x << "," << y;
  EXPECT_EQ(b.pixel(0, 1), from(0, 1));
}

TEST(Canvas, SmoothShrinkAveragesAndIgnoresPixelsOutsideTheSource) {
  Bitmap src(4, 2, 0xFF000000u);
  src.setPixel(0, 0, 0xFFFFFFFFu);
  src.setPixel(1, 1, 0xFFFFFFFFu);  // the left 2×2 block averages to 50% gray
  Bitmap target(3, 1, kBack);
  Canvas(target).copyRectSmooth(Rect::xywh(0, 0, 3, 1), src, Rect::xywh(0, 0, 6, 2));
  EXPECT_EQ(target.pixel(0, 0), 0xFF7F7F7Fu);
  EXPECT_EQ(target.pixel(1, 0), 0xFF000000u);
  EXPECT_EQ(target.pixel(2, 0), kBack);  // its source lies wholly right of the picture
}

TEST(Canvas, TransparentDrawLeavesOutTheKeyColour) {
  Bitmap src(3, 1);
  src.setPixel(0, 0, 0xFFFF00FFu);
  src.setPixel(1, 0, 0xFF00FF00u);
  src.setPixel(2, 0, 0x00FF00FFu);  // the key colour whatever its alpha
  Bitmap target(4, 1, kBack);
  Canvas(target).drawTransparent(-1, 0, src, gfx::rgb(255, 0, 255));
  EXPECT_EQ(target.pixel(0, 0), 0xFF00FF00u);
  EXPECT_EQ(target.pixel(1, 0), kBack);
  EXPECT_EQ(target.pixel(2, 0), kBack);
}

TEST(Canvas, FillFrameAndPixelsHonourTheClip) {
  Bitmap target(6, 6, kBack);
  int changes = 0;
  Canvas canvas(target, [&] { ++changes; });
  canvas.setClip({1, 1, 5, 5});
  canvas.fillRect({-10, -10, 3, 3}, gfx::clRed);
  EXPECT_EQ(target.pixel(0, 0), kBack);
  EXPECT_EQ(target.pixel(1, 1), 0xFFFF0000u);
  EXPECT_EQ(target.pixel(2, 2), 0xFFFF0000u);
  EXPECT_EQ(target.pixel(3, 3), kBack);
  canvas.frameRect({0, 0, 6, 6}, gfx::clBlue);  // lies wholly outside the clip
  EXPECT_EQ(target.pixel(0, 3), kBack);
  canvas.setPixel(4, 4, gfx::clLime);
  canvas.setPixel(5, 5, gfx::clLime);
  EXPECT_EQ(canvas.pixel(4, 4), gfx::clLime);
  EXPECT_EQ(canvas.pixel(5, 5), gfx::toColor(kBack));
  EXPECT_EQ(canvas.pixel(-1, 0), gfx::clBlack);  // outside the picture
  EXPECT_GE(changes, 2);
}

TEST(Canvas, ColoursConvertBetweenWindowsAndPixelOrder) {
  EXPECT_EQ(gfx::toPixel(gfx::rgb(0x12, 0x34, 0x56)), 0xFF123456u);
  EXPECT_EQ(gfx::toColor(0x80123456u), gfx::rgb(0x12, 0x34, 0x56));
}

}  // namespace
