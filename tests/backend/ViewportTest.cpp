// Where the game's picture lies in the window, and how window positions map
// to picture pixels and back.
#include <gtest/gtest.h>

#include "backend/sdl/FrameDiff.h"
#include "backend/sdl/Viewport.h"

using backend::Viewport;
using gfx::Point;
using gfx::Rect;

TEST(Viewport, WholeNumberFactorWhereItFillsMostOfTheWindow) {
  const Viewport twice(1280, 960, 640, 480);
  EXPECT_EQ(twice.area(), Rect::xywh(0, 0, 1280, 960));
  EXPECT_TRUE(twice.sharp());
  EXPECT_EQ(twice.cursorScale(), 2);
  // 1920 x 1080: 2.25 would fit, 2 fills 89 % of it and stays sharp.
  const Viewport fullHd(1920, 1080, 640, 480);
  EXPECT_EQ(fullHd.area(), Rect::xywh(320, 60, 1280, 960));
  EXPECT_TRUE(fullHd.sharp());
  // A tall window that takes the picture once, with bars on all sides.
  const Viewport tall(700, 900, 640, 480);
  EXPECT_EQ(tall.area(), Rect::xywh(30, 210, 640, 480));
  EXPECT_TRUE(tall.sharp());
}

TEST(Viewport, SmoothFitWithAspectKeptWhereWholeNumbersWasteTooMuch) {
  const Viewport wide(1200, 600, 640, 480);  // 1.25: bars left and right
  EXPECT_EQ(wide.area(), Rect::xywh(200, 0, 800, 600));
  EXPECT_FALSE(wide.sharp());
  const Viewport narrow(1000, 1000, 640, 480);  // 1.5625: bars above and below
  EXPECT_EQ(narrow.area(), Rect::xywh(0, 125, 1000, 750));
  EXPECT_EQ(narrow.cursorScale(), 2);
  // Smaller than the picture: shrunk, never cut.
  const Viewport small(320, 300, 640, 480);
  EXPECT_EQ(small.area(), Rect::xywh(0, 30, 320, 240));
  EXPECT_EQ(small.cursorScale(), 1);
  // The physical display's frame before the game switches modes keeps its own aspect.
  const Viewport display(1280, 960, 1920, 1080);
  EXPECT_EQ(display.area(), Rect::xywh(0, 120, 1280, 720));
}

TEST(Viewport, WindowPositionsMapToPicturePixelsAndBack) {
  const Viewport twice(1280, 960, 640, 480);
  EXPECT_EQ(twice.toPicture(201, 401), (Point{100, 200}));
  EXPECT_EQ(twice.toWindow(100, 200), (Point{201, 401}));
  const Viewport wide(1200, 600, 640, 480);
  for (Point p : {Point{0, 0}, Point{100, 200}, Point{639, 479}, Point{333, 17}}) {
    const Point w = wide.toWindow(p.x, p.y);
    EXPECT_EQ(wide.toPicture(w.x, w.y), p);
  }
  // The bars belong to the nearest edge pixel.
  EXPECT_EQ(wide.toPicture(5, 300), (Point{0, 240}));
  EXPECT_EQ(wide.toPicture(1199, -20), (Point{639, 0}));
  EXPECT_EQ(wide.toPicture(1000, 600), (Point{639, 479}));
}

TEST(Viewport, EmptyWindowOrPictureMapsEverythingToTheCorner) {
  for (const Viewport& v : {Viewport(), Viewport(0, 480, 640, 480), Viewport(640, 480, 0, 0)}) {
    EXPECT_TRUE(v.area().empty());
    EXPECT_EQ(v.toPicture(100, 100), (Point{0, 0}));
    EXPECT_EQ(v.toWindow(100, 100), (Point{0, 0}));
  }
}

TEST(FrameDiff, FindsTheBandOfChangedRows) {
  gfx::Bitmap before(8, 12), after(8, 12);
  EXPECT_TRUE(backend::changedRows(before, after).empty());
  after.setPixel(7, 5, 0xFFFFFFFFu);
  after.setPixel(0, 9, 0xFF00FF00u);
  EXPECT_EQ(backend::changedRows(before, after), (Rect{0, 5, 8, 10}));
  after.setPixel(3, 11, 0xFF0000FFu);
  EXPECT_EQ(backend::changedRows(before, after), (Rect{0, 5, 8, 12}));
  EXPECT_EQ(backend::changedRows(gfx::Bitmap(8, 4), after), after.bounds());
  EXPECT_EQ(backend::changedRows(gfx::Bitmap(), after), after.bounds());
}
