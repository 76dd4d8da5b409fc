// Rooms that change with the story: backgrounds by time of day and story
// state, hot spots that come and go, and the overlays that show what changed.
#include "rooms/RoomFixture.h"

namespace roomtest {
namespace {

class RoomVariants : public RoomTest {
 protected:
  RoomVariants() { picture("\\graphic\\error.bmp", gfx::clRed, 8, 8); }

  void night() { f2().Tag.Caption = "night"; }

  // Every overlay the room asked for was there (the people's tables are not).
  std::vector<std::string> pictureErrors() {
    std::vector<std::string> found;
    for (const std::string& line : errors().lines())
      if (line.find("Grafic-File") != std::string::npos) found.push_back(line);
    return found;
  }
};

TEST_F(RoomVariants, CorridorFollowsTheCleaningWomanByDayAndIsDarkAtNight) {
  enter(2);
  EXPECT_EQ(f1().Caption, "\\graphic\\gang\\hintergrund.bmp");
  EXPECT_EQ(f2().Grenze.Left, 0);
  EXPECT_EQ(f2().Grenze.Width, 200);
  EXPECT_EQ(f1().zone.Width, 800);
  EXPECT_EQ(slot(4).Hint, "Putzfrau");
  EXPECT_EQ(slot(5).Hint, "Staubsauger");

  f2().putzfrau.Tag = 2;
  enter(2);
  EXPECT_EQ(f1().Caption, "\\graphic\\gang\\hintergrund2.bmp");
  EXPECT_EQ(f2().Grenze.Width, 640);
  EXPECT_FALSE(present(4));
  EXPECT_FALSE(present(5));

  night();
  enter(2);
  EXPECT_EQ(f1().Caption, "\\movies\\cls.bmp");
  f2().putzfrau.Tag = 0;
  enter(2);
  EXPECT_EQ(f1().Caption, "\\movies\\cls.bmp");
}

TEST_F(RoomVariants, NightOverridesTheBroomClosetInTheCorridors) {
  f2().putzkammerl.Tag = 1;
  enter(3);
  EXPECT_EQ(f1().Caption, "\\graphic\\gang2\\hintergrund2.bmp");
  night();
  enter(3);
  EXPECT_EQ(f1().Caption, "\\movies\\cls.bmp");
  enter(4);
  EXPECT_EQ(f1().Caption, "\\graphic\\gang3\\night.bmp");
}

TEST_F(RoomVariants, BroomClosetTakesTheArchiveDoorAway) {
  picture("\\graphic\\gang101\\0.bmp", gfx::clLime, 8, 8);
  enter(101);
  EXPECT_TRUE(present(2));
  EXPECT_FALSE(present(5));
  f2().putzkammerl.Tag = 2;
  enter(101);
  EXPECT_EQ(slot(2).Left, -5000);
  EXPECT_EQ(slot(3).Left, -5000);
  EXPECT_FALSE(present(5));
  EXPECT_EQ(pixel(445, 260), gfx::clLime);
}

TEST_F(RoomVariants, CanteenAtTheStartShowsTheChequeOnTheTableButNoChequeSpot) {
  picture("\\graphic\\toegl\\scheck0.bmp", gfx::clYellow, 8, 8);
  ASSERT_EQ(f2().Scheck.Tag, 9999);
  enter(7);
  EXPECT_EQ(slot(1).Top, -5000);
  EXPECT_TRUE(present(2));
  EXPECT_EQ(slot(2).Hint, "Herr Tö l");
  EXPECT_FALSE(present(5));
  EXPECT_EQ(pixel(50, 177), gfx::clYellow);
  EXPECT_EQ(f2().Grenze.Left, -1200);
  EXPECT_EQ(f2().Grenze.Width, -640);
  EXPECT_TRUE(pictureErrors().empty());
}

TEST_F(RoomVariants, CanteenAfterTheChequeHasGoneShowsTheCoffee) {
  picture("\\graphic\\toegl\\scheck0.bmp", gfx::clYellow, 8, 8);
  picture("\\graphic\\toegl\\weg.bmp", gfx::clBlue, 8, 8);
  picture("\\graphic\\toegl\\kaffee1a.bmp", gfx::clLime, 8, 8);
  f2().Scheck.Tag = 2;
  f2().toegl.Tag = 1;
  enter(7);
  EXPECT_EQ(slot(2).Top, -5000);
  EXPECT_EQ(slot(5).Hint, "Plan");
  EXPECT_TRUE(present(4));
  EXPECT_EQ(pixel(300, 60), gfx::clBlue);
  EXPECT_EQ(pixel(300, 292), gfx::clLime);
  EXPECT_TRUE(pictureErrors().empty());
}

TEST_F(RoomVariants, BackRoomLaysTheSecondChequeOverTheFirstByDayOnly) {
  picture("\\graphic\\toegl2\\scheck0.bmp", gfx::clYellow, 8, 8);
  picture("\\graphic\\toegl2\\scheck0a.bmp", gfx::clBlue, 4, 4);
  enter(71);
  EXPECT_EQ(pixel(222, 196), gfx::clBlue);    // scheck0a on top
  EXPECT_EQ(pixel(227, 201), gfx::clYellow);  // scheck0 beside it
  EXPECT_EQ(slot(5).Hint, "Plan");
  EXPECT_TRUE(pictureErrors().empty());

  night();
  f1().schirm.canvas().fillRect(gfx::Rect::xywh(0, 0, 640, 400), gfx::clWhite);
  enter(71);
  EXPECT_EQ(f1().Caption, "\\graphic\\toegl2\\night.bmp");
  EXPECT_EQ(pixel(222, 196), gfx::clWhite);
  EXPECT_TRUE(pictureErrors().empty());
}

TEST_F(RoomVariants, ArchiveBookSpotIsDefinedThenHiddenUnderTheOverlay) {
  picture("\\graphic\\archiv\\red0.bmp", gfx::clRed, 8, 8);
  picture("\\graphic\\archiv\\buch0.bmp", gfx::clLime, 8, 8);
  enter(104);
  EXPECT_EQ(slot(1).Hint, "Buch");
  EXPECT_EQ(slot(1).Left, 312);
  EXPECT_EQ(slot(1).Top, -100);
  EXPECT_EQ(slot(2).Hint, "Archivar");
  EXPECT_EQ(slot(6).Hint, "angeritztes Seil");
  EXPECT_EQ(slot(6).boundsRect(), gfx::Rect::xywh(376, 74, 23, 22));
  EXPECT_EQ(pixel(337, 177), gfx::clRed);
  EXPECT_EQ(pixel(291, 300), gfx::clLime);
  EXPECT_EQ(f2().Grenze.Left, 100);
  EXPECT_TRUE(pictureErrors().empty());
}

TEST_F(RoomVariants, ArchiveAfterTheCrateFellShowsTheSilicon) {
  picture("\\graphic\\archiv\\kiste.bmp", gfx::clBlue, 8, 8);
  picture("\\graphic\\archiv\\silicon.bmp", gfx::clYellow, 8, 8);
  f2().busen.Tag = 2;
  f2().buch.Tag = 1;
  enter(104);
  EXPECT_FALSE(present(1));
  EXPECT_FALSE(present(2));
  EXPECT_EQ(slot(6).Hint, "Silicon");
  EXPECT_EQ(slot(6).boundsRect(), gfx::Rect::xywh(351, 278, 38, 37));
  EXPECT_EQ(pixel(167, 35), gfx::clBlue);
  EXPECT_EQ(pixel(337, 236), gfx::clYellow);
  EXPECT_TRUE(pictureErrors().empty());

  f2().busen.Tag = 3;
  enter(104);
  EXPECT_FALSE(present(6));
}

TEST_F(RoomVariants, WorkshopWithHubertGoneHidesHimAndHisTools) {
  picture("\\graphic\\bastelraum\\tool.bmp", gfx::clLime, 8, 8);
  f2().hubert.Tag = 4;
  enter(8);
  EXPECT_EQ(f1().Caption, "\\graphic\\bastelraum\\hintergrund2.bmp");
  EXPECT_EQ(slot(2).Top, -600);
  EXPECT_EQ(slot(3).Top, -600);
  EXPECT_TRUE(present(1));
  EXPECT_EQ(pixel(362, 126), gfx::clLime);

  f2().hubert.Tag = 3;
  enter(8);
  EXPECT_EQ(slot(2).Top, -600);
  EXPECT_EQ(slot(3).Top, 120);
}

TEST_F(RoomVariants, LibraryNamesTheProfessorAndTheBookByTheStory) {
  enter(6);
  EXPECT_EQ(slot(1).Hint, "Lesender Professor");
  EXPECT_EQ(slot(3).Hint, "Buch: Gelddruckmaschinenbauen leichtgemacht");
  f2().zweistein.Tag = 1;
  f2().buch.Caption = "buch2";
  enter(6);
  EXPECT_EQ(slot(1).Hint, "Professor Zweistein");
  EXPECT_EQ(slot(3).Hint, "Buch: Physik und Mathematik");
}

TEST_F(RoomVariants, DeskCloseUpShowsItsAnswerBoxesAndKeepsTheAnswers) {
  enter(1111);
  game::TForm1& f = f1();
  EXPECT_EQ(f.ComboBox1.boundsRect(), gfx::Rect::xywh(264, 160, 169, 17));
  EXPECT_EQ(f.ComboBox4.boundsRect(), gfx::Rect::xywh(511, 250, 125, 17));
  EXPECT_TRUE(f.ComboBox3.Enabled);
  EXPECT_EQ(f.ComboBox1.Items.Count(), 9);
  EXPECT_EQ(f.ComboBox2.Items.get(0), "E = m . c²");
  EXPECT_EQ(f.ComboBox3.Items.Count(), 12);
  EXPECT_EQ(f.ComboBox4.Items.get(5), "weiß ich doch nicht!");
  EXPECT_EQ(f2().Grenze.Left, -300);
  f.ComboBox2.setText("U = R . I");

  enter(1111);
  EXPECT_EQ(f.ComboBox2.Text(), "U = R . I");
  enter(103);
  for (ui::ComboBox* box : {&f.ComboBox1, &f.ComboBox2, &f.ComboBox3, &f.ComboBox4}) {
    EXPECT_FALSE(box->Enabled);
    EXPECT_EQ(box->Top, 5000);
  }
}

TEST_F(RoomVariants, MinigolfShowsTheHoseUntilItIsTaken) {
  picture("\\graphic\\minigolf\\schlauch.bmp", gfx::clLime, 8, 8);
  picture("\\graphic\\minigolf\\blood.bmp", gfx::clRed, 8, 8);
  picture("\\graphic\\minigolf\\schlaucha.bmp", gfx::clBlue, 4, 4);
  enter(500);
  EXPECT_EQ(slot(3).Hint, "Motty");
  EXPECT_EQ(pixel(87, 163), gfx::clLime);

  f2().schlauch.Hint = "Motty tot";
  enter(500);
  EXPECT_FALSE(present(3));
  EXPECT_EQ(pixel(87, 163), gfx::clBlue);
  EXPECT_EQ(pixel(152, 133), gfx::clRed);
  EXPECT_TRUE(pictureErrors().empty());
}

TEST_F(RoomVariants, NightFallsOnEveryRoomOutside) {
  night();
  const std::pair<int, const char*> outside[] = {{-1010, "gastgarten"}, {500, "minigolf"}, {501, "minigolf2"},
                                                 {502, "minigolf3"},    {-10000, "out"},   {-10001, "out1"},
                                                 {-10002, "mine"},      {-10003, "out2"},  {-10004, "out3"}};
  for (const auto& [room, folder] : outside) {
    enter(room);
    EXPECT_EQ(f1().Caption, std::string("\\graphic\\") + folder + "\\night.bmp") << room;
  }
}

TEST_F(RoomVariants, MinigolfAtNightShowsMottysBloodAndTheBallInTheDark) {
  picture("\\graphic\\minigolf\\blood.bmp", gfx::clRed, 8, 8);
  picture("\\graphic\\minigolf\\blood_dark.bmp", gfx::clNavy, 8, 8);
  picture("\\graphic\\minigolf2\\golf8.bmp", gfx::clWhite, 8, 8);
  picture("\\graphic\\minigolf2\\golf8_dark.bmp", gfx::clGray, 8, 8);
  f2().schlauch.Tag = 1;
  f2().schlauch.Hint = "Motty tot";
  f2().golfball.Tag = 1;
  night();
  enter(500);
  EXPECT_EQ(pixel(152, 133), gfx::clNavy);
  enter(501);
  EXPECT_EQ(pixel(285, 282), gfx::clGray);
  EXPECT_TRUE(pictureErrors().empty());
}

}  // namespace
}  // namespace roomtest
