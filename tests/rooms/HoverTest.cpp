// The hover line: hit tests of the hot spots, the text with its item prefix,
// the fade in and out, and the pointer's shape.
#include "rooms/RoomFixture.h"
#include "ui/Desktop.h"

namespace roomtest {
namespace {

constexpr gfx::TColor kBar = 9724929;

// The text colour of fade levels 1 to 14, as the players know them.
const gfx::TColor kFade[14] = {gfx::rgb(1, 115, 169),   gfx::rgb(1, 129, 190),   gfx::rgb(1, 143, 211),
                               gfx::rgb(1, 157, 233),   gfx::rgb(1, 172, 254),   gfx::rgb(22, 179, 254),
                               gfx::rgb(44, 186, 254),  gfx::rgb(65, 192, 254),  gfx::rgb(86, 200, 254),
                               gfx::rgb(107, 206, 254), gfx::rgb(129, 214, 254), gfx::rgb(171, 227, 254),
                               gfx::rgb(203, 237, 254), gfx::rgb(227, 247, 255)};

class Hover : public RoomTest {
 protected:
  Hover() {
    f1().helpline.Color = kBar;
    f2().putzfrau.Tag = 0;
    enter(2);  // the corridor: its slots 4 and 5 overlap
  }

  void move(int x, int y) { f1().zoneMouseMove(x, y); }
  void fadeTicks(int n) {
    for (int i = 0; i < n; ++i) f1().helplineFadeStep();
  }
  std::string text() { return f1().helpline.Caption; }
  int level() { return f1().helpline.Tag; }
  int hovered() { return f2().Label2.Tag; }
};

TEST_F(Hover, PointsOnABorderAreOutsideTheSlot) {
  // Slot 1: 144, 144, 121 × 193.
  for (auto [x, y] : {std::pair{144, 200}, {265, 200}, {200, 144}, {200, 337}}) {
    move(x, y);
    EXPECT_EQ(hovered(), 0) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{145, 200}, {264, 200}, {200, 145}, {200, 336}}) {
    move(x, y);
    EXPECT_EQ(hovered(), 1) << x << "," << y;
    EXPECT_EQ(text(), "Büro der Sekräterin");
  }
}

TEST_F(Hover, OverlappingSlotsGoToTheLowerNumber) {
  move(470, 300);  // in slot 4 (Putzfrau) and slot 5 (Staubsauger)
  EXPECT_EQ(hovered(), 4);
  EXPECT_EQ(text(), "Putzfrau");
  EXPECT_EQ(f1().schirm.Tag, 462 + 187 / 2);
  move(300, 300);
  EXPECT_EQ(hovered(), 5);
  EXPECT_EQ(f1().schirm.Tag, 296 + 166 / 2);
  // The centre of the last slot stays for the click dispatcher.
  move(10, 10);
  EXPECT_EQ(hovered(), 0);
  EXPECT_EQ(f1().schirm.Tag, 379);
}

TEST_F(Hover, HeldItemPrefixesTheName) {
  enter(1);
  f2().inventar.Tag = 2;
  f1().say.Hint = "Taschentuch";
  move(400, 250);
  EXPECT_EQ(text(), "Benütze Taschentuch mit Steckdose");
  EXPECT_EQ(f2().inventar.Tag, 1);  // now over something the item can be used on
  f1().helpline.Tag = 5;
  move(10, 10);
  EXPECT_EQ(text(), "Benütze Taschentuch mit ");
  f2().inventar.Tag = 2;
  move(20, 20);
  EXPECT_EQ(f2().inventar.Tag, 2);  // the prefix alone names nothing
  f1().helpline.Caption = "Pinwand";
  f1().helpline.Tag = 0;
  move(10, 10);
  EXPECT_EQ(text(), "Pinwand");  // at level 0 empty space leaves the text alone
}

TEST_F(Hover, NameFadesInThroughTheColourTableAndTurnsWhite) {
  move(200, 200);
  std::vector<gfx::TColor> colours;
  for (int i = 0; i < 16; ++i) {
    f1().helplineFadeStep();
    colours.push_back(f1().helpline.Font.Color);
  }
  for (int i = 0; i < 14; ++i) EXPECT_EQ(colours[i], kFade[i]) << "tick " << i + 1;
  EXPECT_EQ(colours[14], kFade[13]);  // level 15 keeps the colour it has
  EXPECT_EQ(colours[15], gfx::clWhite);
  EXPECT_EQ(level(), 15);
  EXPECT_EQ(f2().effect.Color, gfx::clWhite);
}

TEST_F(Hover, LeftNameFadesOutAndVanishesOnTheSixthTick) {
  move(200, 200);
  fadeTicks(16);
  move(10, 10);
  EXPECT_EQ(text(), "Büro der Sekräterin");
  EXPECT_EQ(f2().effect.Left, 1);
  std::vector<int> levels;
  for (int i = 0; i < 6; ++i) {
    f1().helplineFadeStep();
    levels.push_back(level());
    if (i < 5) {
      EXPECT_NE(f1().helpline.Font.Color, kBar) << "tick " << i + 1;
    }
  }
  EXPECT_EQ(levels, (std::vector<int>{12, 9, 6, 3, 0, 0}));
  EXPECT_EQ(f1().helpline.Font.Color, kBar);

  // At level 0 a move over empty space leaves the name and lets it fade in...
  move(20, 20);
  EXPECT_EQ(text(), "Büro der Sekräterin");
  EXPECT_EQ(f2().effect.Left, 0);
  fadeTicks(3);
  EXPECT_EQ(level(), 3);
  // ...the next move above level 1 sends it back into fade-out...
  move(20, 20);
  EXPECT_EQ(f2().effect.Left, 1);
  f1().helpline.Tag = 1;
  // ...and a move at level 1 empties the line.
  move(20, 20);
  EXPECT_EQ(text(), "");
  EXPECT_EQ(f2().effect.Left, 0);
}

TEST_F(Hover, MovingBetweenSpotsReplacesTheTextAndKeepsTheLevel) {
  move(200, 200);
  fadeTicks(4);
  move(300, 300);
  EXPECT_EQ(text(), "Staubsauger");
  f1().helplineFadeStep();
  EXPECT_EQ(level(), 5);
  EXPECT_EQ(f1().helpline.Font.Color, kFade[4]);
}

TEST_F(Hover, EmptyLineFallsTwoLevelsATickAndLevelsAreCut) {
  f1().helpline.Caption.clear();
  f1().helpline.Tag = 3;
  f1().helplineFadeStep();
  EXPECT_EQ(level(), 1);
  f1().helplineFadeStep();
  EXPECT_EQ(level(), 0);
  EXPECT_EQ(f2().effect.Color, kBar);
}

TEST_F(Hover, BlackBarDuringScriptsStaysBlack) {
  move(200, 200);
  f1().helpline.Color = gfx::clBlack;
  f1().helpline.Font.Color = gfx::clBlack;
  fadeTicks(5);
  EXPECT_EQ(f1().helpline.Font.Color, gfx::clBlack);
  EXPECT_EQ(f2().effect.Color, kFade[4]);
}

TEST_F(Hover, ChoiceLinesLoseTheirHighlight) {
  f1().Line3.Font.Color = gfx::clYellow;
  move(10, 10);
  EXPECT_EQ(f1().Line3.Font.Color, gfx::clWhite);
}

TEST_F(Hover, PointerShowsTargetObjectAndItemShapes) {
  auto shapeAt = [&](int x, int y, int item) {
    f2().inventar.Tag = item;
    move(x, y);
    f1().pointerShapeStep();
    return f1().schirm.Cursor;
  };
  EXPECT_EQ(shapeAt(10, 10, 0), 3);
  EXPECT_EQ(shapeAt(200, 200, 0), 2);
  EXPECT_EQ(shapeAt(10, 10, 1), 5);
  EXPECT_EQ(shapeAt(200, 200, 1), 4);
  f2().mode.Caption = "dialog";
  f1().schirm.Cursor = 1;
  f1().pointerShapeStep();
  EXPECT_EQ(f1().schirm.Cursor, 1);
}

TEST_F(Hover, PointerMovesReachTheHandlersThroughTheDesktop) {
  f1().Show();
  f1().schirm.Top = 0;
  g().desktop.mouseMove(200, 200);
  EXPECT_EQ(text(), "Büro der Sekräterin");
  EXPECT_EQ(hovered(), 1);
  // Below the picture, away from every control, the main window empties the line.
  g().desktop.mouseMove(320, 470);
  EXPECT_EQ(text(), "");
  // Off the screen (the window's bars) the name left behind fades out.
  g().desktop.mouseMove(200, 200);
  fadeTicks(16);
  g().desktop.pointerLeft();
  EXPECT_EQ(text(), "Büro der Sekräterin");
  EXPECT_EQ(hovered(), 0);
  fadeTicks(6);
  EXPECT_EQ(f1().helpline.Font.Color, kBar);
}

TEST_F(Hover, LineIsWrittenCentredInTheComicStandIn) {
  EXPECT_EQ(f1().helpline.Font.Name, "Comic Sans MS");
  EXPECT_EQ(f1().helpline.Font.Height, 11);
  f1().Show();
  f1().helpline.Visible = true;
  move(200, 200);
  fadeTicks(16);
  gfx::Bitmap screen;
  g().desktop.compose(screen);
  int left = 640, right = -1, top = 480, bottom = -1;
  for (int y = 405; y < 425; ++y)
    for (int x = 0; x < 640; ++x) {
      if (gfx::toColor(screen.pixel(x, y)) == kBar) continue;
      left = std::min(left, x), right = std::max(right, x);
      top = std::min(top, y), bottom = std::max(bottom, y);
    }
  ASSERT_GE(right, left) << "no text drawn";
  EXPECT_NEAR((left + right) / 2, 320, 3);
  EXPECT_LE(bottom - top + 1, 14);
  EXPECT_GT(right - left, 60);
}

}  // namespace
}  // namespace roomtest
