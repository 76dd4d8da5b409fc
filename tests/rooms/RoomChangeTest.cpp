// The room change: its steps and protocol, the hand-over to the runner, the
// rooms the table does not know, and what happens when data is missing.
#include <algorithm>

#include "rooms/RoomFixture.h"

namespace roomtest {
namespace {

constexpr gfx::TColor kArchive = gfx::rgb(10, 20, 30);
constexpr gfx::TColor kOffice = gfx::rgb(40, 50, 60);
constexpr gfx::TColor kCls = gfx::rgb(70, 80, 90);

class RoomChange : public RoomTest {
 protected:
  RoomChange() {
    // The error sign the settings screen draws whenever its list changes.
    picture("\\graphic\\error.bmp", gfx::clRed, 8, 8);
    picture("\\graphic\\Archiv\\hintergrund.bmp", kArchive);
    picture("\\graphic\\buero\\hintergrund.bmp", kOffice);
    picture("\\movies\\cls.bmp", kCls);
    text("\\source\\anim\\archivar.ani", {"0", "1", "2"});
    text("\\source\\anim\\corinna.ani", {"3", "4"});
    f2().Memo2.add("before");
  }
};

TEST_F(RoomChange, ArchiveIsBuiltStepByStepAndHandedToTheRunner) {
  f1().MediaPlayer1->FileName = "old.mid";
  g().Form5->edit1.setText("50");
  f1().block.Left = 450;
  f2().Memo4.Tag = 17;
  f2().background.Tag = 10;
  picture("\\graphic\\archiv\\red0.bmp", gfx::clRed, 8, 8);
  picture("\\graphic\\archiv\\buch0.bmp", gfx::clLime, 8, 8);
  enter(104);

  EXPECT_EQ(protocolFrom(1),
            (std::vector<std::string>{"", " --- Change room (104) -----------", " + checking resolution ...",
                                      " + reset objects", " + redefine objects", " + handle backgraphic",
                                      " + define variables", "  Room: Archiv", "  call runner ->"}));
  EXPECT_FALSE(f1().build.Enabled());
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_EQ(f1().Runner.Interval(), 1);

  EXPECT_EQ(f2().Label2.Caption, "Archiv");
  EXPECT_EQ(f1().Caption, "\\graphic\\Archiv\\hintergrund.bmp");
  EXPECT_EQ(f1().MediaPlayer1->FileName, f1().dataPath("\\sound\\music\\Archiv.mid"));
  EXPECT_EQ(f2().Label12.Caption, "old.mid");
  EXPECT_EQ(f2().Label5.Caption, f1().MediaPlayer1->FileName);
  EXPECT_EQ(f2().Label1.Caption, f1().cd.Caption);
  EXPECT_EQ(f2().Label1.Tag, 10);
  EXPECT_EQ(f2().posit.Caption, "Kroxl: walking");
  EXPECT_EQ(f2().sonsti.Tag, 1);
  EXPECT_EQ(f2().background.Tag, 0);
  EXPECT_EQ(f2().Memo4.lines(), (std::vector<std::string>{"0", "1", "2"}));
  EXPECT_EQ(f2().Memo4.Tag, 0);
  EXPECT_EQ(f2().Grenze.Left, 100);
  EXPECT_EQ(f2().Grenze.Width, 450);
  EXPECT_EQ(f1().block.Left, 420);
  EXPECT_EQ(f1().zone.boundsRect(), gfx::Rect::xywh(0, 200, 640, 280));
  EXPECT_EQ(f1().Image2.Width, 640);
  EXPECT_EQ(f1().Image2.Height, 280);
  EXPECT_EQ(f1().Label1.Top, 5000);
  EXPECT_EQ(f1().Label1.Color, gfx::clBlack);
  EXPECT_EQ(f1().cd.Left, 0);  // a 640-pixel screen passes the check once and for all

  EXPECT_EQ(pixel(600, 10), kArchive);
  ASSERT_EQ(f1().backgraphic.Count(), 1);
  EXPECT_EQ(gfx::toColor(f1().backgraphic.get(0)->pixel(0, 0)), kArchive);
  EXPECT_TRUE(errors().empty());
}

TEST_F(RoomChange, HotSpotsAndHoverLineAreResetBeforeTheRoomDefinesItsOwn) {
  enter(1);
  ASSERT_EQ(slot(5).Hint, "Sekräterin");
  f1().helpline.Caption = "Sekräterin";
  f1().helpline.Tag = 15;
  f2().Label2.Tag = 5;
  enter(-10000);
  EXPECT_EQ(slot(1).Hint, "Forschungslabor");
  for (int n : {2, 4, 5, 6}) {
    EXPECT_EQ(slot(n).Left, -1000) << n;
    EXPECT_EQ(slot(n).Hint, "") << n;
  }
  EXPECT_EQ(f1().helpline.Caption, "");
  // The fade level and the hovered slot wait for the next pointer move.
  EXPECT_EQ(f1().helpline.Tag, 15);
  EXPECT_EQ(f2().Label2.Tag, 5);
}

TEST_F(RoomChange, UnknownRoomKeepsThePreviousRoomButNotItsHotSpots) {
  enter(1);
  const std::string music = f1().MediaPlayer1->FileName;
  f1().schirm.canvas().fillRect(gfx::Rect::xywh(0, 0, 640, 400), gfx::clWhite);
  enter(-23552);
  EXPECT_EQ(f2().Label2.Caption, "Buero");
  EXPECT_EQ(f1().MediaPlayer1->FileName, music);
  EXPECT_EQ(f2().Memo4.lines(), (std::vector<std::string>{"3", "4"}));
  EXPECT_EQ(f1().Caption, "\\graphic\\buero\\hintergrund.bmp");
  EXPECT_EQ(pixel(320, 200), kOffice);  // the previous background drawn again
  for (int n = 1; n <= 6; ++n) EXPECT_FALSE(present(n)) << n;
  EXPECT_EQ(f1().zone.boundsRect(), gfx::Rect::xywh(120, 200, 600, 280));
  EXPECT_EQ(f2().Grenze.Left, 0);
  EXPECT_EQ(f2().Grenze.Width, 640);
  EXPECT_EQ(protocolFrom(0).back(), "  call runner ->");
  EXPECT_TRUE(f1().Runner.Enabled());
}

TEST_F(RoomChange, ClearScreenRoomShowsOnlyItsPicture) {
  enter(1);
  enter(123456);
  EXPECT_EQ(pixel(320, 200), kCls);
  EXPECT_EQ(f2().Label2.Caption, "Buero");
  EXPECT_EQ(f2().Memo4.lines(), (std::vector<std::string>{"3", "4"}));
  for (int n = 1; n <= 6; ++n) EXPECT_FALSE(present(n)) << n;
  EXPECT_EQ(f1().zone.Left, 120);
  EXPECT_EQ(f1().zone.Width, 600);
}

TEST_F(RoomChange, AnimationTableIsKeptClearedOrLoadedAsTheRoomSays) {
  enter(1);
  enter(3);  // the corridor has nobody of its own
  EXPECT_EQ(f2().Memo4.lines(), (std::vector<std::string>{"3", "4"}));
  enter(4);
  EXPECT_TRUE(f2().Memo4.empty());

  const int before = f2().Memo2.Count();
  text("\\source\\anim\\zweistein.ani", {"1"});
  enter(6);
  const auto lines = protocolFrom(before);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Lade Zweistein Animationen"), lines.end());
  enter(1);
  EXPECT_EQ(f2().Memo2.indexOf("Lade Corinna Animationen"), -1);
}

TEST_F(RoomChange, MissingAnimationTableLeavesItEmptyAndTheRoomComplete) {
  enter(1);
  picture("\\graphic\\printerroom\\key.bmp", gfx::clLime, 8, 8);
  enter(201);  // franz.ani is not there
  EXPECT_TRUE(f2().Memo4.empty());
  ASSERT_EQ(errors().Count(), 1);
  EXPECT_EQ(errors().get(0),
            "ERROR! File not found: \"" + f1().dataPath("\\source\\anim\\franz.ani") + "\"!");
  EXPECT_EQ(f2().Label2.Caption, "Printerroom");
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_FALSE(f1().build.Enabled());
}

TEST_F(RoomChange, IntroRoomQueuesTheOpeningScript) {
  text("\\source\\scripts\\intro.smx", {"play video", "\\movies\\intro.avi"});
  picture("\\movies\\black.bmp", gfx::clBlack);
  f2().mode.Caption = "menu";
  f2().Memo1.assign({"say", "x", "y"});
  enter(0);
  EXPECT_EQ(f2().mode.Caption, "normal");
  EXPECT_EQ(f2().Label2.Caption, "Intro");
  EXPECT_EQ(f2().Memo1.lines(), (std::vector<std::string>{"play video", "\\movies\\intro.avi"}));
  EXPECT_EQ(f1().zone.Left, 0);
  EXPECT_EQ(f1().zone.Width, 640);
  EXPECT_EQ(pixel(10, 10), gfx::clBlack);
}

TEST_F(RoomChange, IntroRoomWithoutScriptStartsWithAnEmptyQueue) {
  f2().Memo1.assign({"say", "x", "y"});
  enter(0);
  EXPECT_TRUE(f2().Memo1.empty());
  ASSERT_EQ(errors().Count(), 1);
  EXPECT_NE(errors().get(0).find("intro.smx"), std::string::npos);
  EXPECT_TRUE(f1().Runner.Enabled());
}

TEST_F(RoomChange, MissingPicturesAreReportedAndTheRoomStillCompleted) {
  enter(1);
  const int before = f2().Memo2.Count();
  // Room 3 has neither its background nor the body lying in the corridor.
  enter(3);
  const auto lines = protocolFrom(before);
  EXPECT_EQ(std::find(lines.begin(), lines.end(), " + handle backgraphic"), lines.end());
  EXPECT_EQ(pixel(320, 200), kOffice);  // the room picture keeps what it showed
  ASSERT_EQ(errors().Count(), 1);
  EXPECT_EQ(errors().get(0),
            "ERROR! Grafic-File not found: \"" + f1().dataPath("\\graphic\\gang2\\leiche.bmp") + "\"!");
  EXPECT_EQ(lines.back(), "  call runner ->");

  // A picture that is there but broken is reported too, and the change goes on.
  dir.write("graphic/gang2/hintergrund.bmp", "BM this is no picture");
  picture("\\graphic\\gang2\\leiche.bmp", gfx::clLime, 10, 10);
  enter(3);
  ASSERT_EQ(errors().Count(), 2);
  EXPECT_NE(errors().get(1).find("ERROR! Grafic-File not readable: \""), std::string::npos);
  EXPECT_EQ(pixel(290, 218), gfx::clLime);
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_FALSE(f1().build.Enabled());
}

TEST_F(RoomChange, OverlaysAreDrawnOntoThePictureAndTheCleanWalkStrip) {
  picture("\\graphic\\buero\\hintergrund.bmp", kOffice);
  picture("\\graphic\\corinna\\titten.bmp", gfx::clYellow, 10, 40);
  f2().Schreibtisch.Tag = 3;
  enter(1);
  EXPECT_EQ(pixel(95, 180), gfx::clYellow);
  // The walk strip begins at y 200: the overlay from y 174 to 213 reaches 14
  // rows into its copy.
  EXPECT_EQ(stripPixel(95, 0), gfx::clYellow);
  EXPECT_EQ(stripPixel(95, 13), gfx::clYellow);
  EXPECT_EQ(stripPixel(95, 14), gfx::clBlack);
}

TEST_F(RoomChange, EveryChangeMovesTheWalkTargetThirtyPixelsLeft) {
  f1().block.Left = 300;
  enter(1);
  enter(1);
  enter(-23552);
  EXPECT_EQ(f1().block.Left, 210);
}

TEST_F(RoomChange, ResolutionIsCheckedUntilTheScreenIsOnce640Wide) {
  g().desktop.setDisplayMode(800, 600);
  enter(1);
  enter(1);
  EXPECT_EQ(errors().lines(),
            (std::vector<std::string>{"WARNING! Wrong resolution!", "WARNING! Wrong resolution!"}));
  const auto& log = f2().Memo2.lines();
  EXPECT_EQ(std::count(log.begin(), log.end(), " + ERROR: Wrong resolution"), 2);
  EXPECT_EQ(f2().Label2.Caption, "Buero");

  g().desktop.setDisplayMode(640, 480);
  enter(1);
  EXPECT_EQ(f1().cd.Left, 0);
  const int before = f2().Memo2.Count();
  enter(1);
  const auto lines = protocolFrom(before);
  EXPECT_EQ(std::find(lines.begin(), lines.end(), " + checking resolution ..."), lines.end());
}

TEST_F(RoomChange, WithoutSpeedSettingTheRunnerKeepsItsPace) {
  g().Form5->edit1.setText("");
  enter(1);
  EXPECT_EQ(f1().Runner.Interval(), 10);
}

}  // namespace
}  // namespace roomtest
