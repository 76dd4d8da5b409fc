// The in-game menu drawn over the room: opening and closing, the lit entries
// under the pointer, and what a click on an entry does.
#include <gtest/gtest.h>

#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm5.h"
#include "core/TForm7.h"
#include "core/TForm9.h"
#include "gfx/Bmp.h"
#include "persist/support/ScriptedGame.h"
#include "state/TForm2.h"

namespace {

class Menu : public savetest::ScriptedGameTest {
 protected:
  gfx::Bitmap room() { return f1().schirm.Picture; }
  // The 226 x 160 panel drawn at (218, 197) of the room picture.
  gfx::Bitmap panelOnScreen() {
    gfx::Bitmap panel(226, 160);
    gfx::Canvas(panel).copyRect(panel.bounds(), f1().schirm.Picture, gfx::Rect::xywh(218, 197, 226, 160));
    return panel;
  }
  gfx::Bitmap picture(const std::string& name) { return gfx::loadBmpOrThrow(path("graphic/" + name)); }
  void moveTo(int x, int y) { g().desktop.mouseMove(x, y); }
};

TEST_F(Menu, OpeningPausesTheGameOverTheRoomAndClosingGivesTheRoomBack) {
  paintRoom();
  const gfx::Bitmap before = room();
  const int walkTarget = f1().block.Left;
  key(ui::vk::Escape);

  EXPECT_EQ(f2().mode.Caption, "menu");
  EXPECT_FALSE(f1().Runner.Enabled());
  EXPECT_EQ(f1().block.Left, walkTarget - 3000);
  EXPECT_EQ(f1().MediaPlayer1->mode(), media::Mode::Paused);
  ASSERT_TRUE(exists("temp.bmp"));
  EXPECT_EQ(gfx::loadBmpOrThrow(path("temp.bmp")), before);
  // The menu picture's corner colour lets the room show through.
  const gfx::Bitmap menu = picture("menu.bmp");
  EXPECT_EQ(room().pixel(1, 1), before.pixel(1, 1));
  EXPECT_EQ(room().pixel(320, 180), menu.pixel(320, 180));
  EXPECT_NE(room().pixel(320, 180), before.pixel(320, 180));

  key(ui::vk::Escape);
  EXPECT_EQ(f2().mode.Caption, "normal");
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_EQ(f1().block.Left, walkTarget);
  EXPECT_EQ(f1().MediaPlayer1->mode(), media::Mode::Playing);
  EXPECT_EQ(room(), before);
  EXPECT_FALSE(exists("temp.bmp"));
}

TEST_F(Menu, AnEffectInterruptedByTheMenuGoesOnWhenItCloses) {
  media::MediaPlayer& effect = *f1().MediaPlayer2;
  effect.FileName = f1().dataPath("\\sound\\effects\\pfeil.wav");
  effect.Open();
  effect.Play();
  key(ui::vk::Escape);
  EXPECT_EQ(effect.mode(), media::Mode::Paused);
  key(ui::vk::Escape);
  EXPECT_EQ(effect.mode(), media::Mode::Playing);
}

TEST_F(Menu, EntriesLightUpWithBothEndsIncludedAndTheGapsShowTheDarkPanel) {
  key(ui::vk::Escape);
  moveTo(320, 220);
  EXPECT_EQ(f1().helpline.Caption, "Spielstand laden");
  EXPECT_EQ(f1().schirm.Cursor, 2);
  EXPECT_EQ(f1().helpline.Tag, 1);
  EXPECT_EQ(panelOnScreen(), picture("load.bmp"));

  // Between "Spielstand speichern" (to 287) and "Spielstand laden" (from 298).
  moveTo(292, 220);
  EXPECT_EQ(f1().helpline.Caption, "");
  EXPECT_EQ(f1().schirm.Cursor, 3);
  EXPECT_EQ(panelOnScreen(), picture("0.bmp"));
  click(292, 220);
  EXPECT_EQ(f2().mode.Caption, "menu");
  EXPECT_FALSE(g().Form9->Visible);

  const std::pair<gfx::Point, const char*> edges[] = {
      {{238, 198}, "Spielstand speichern"},
      {{287, 251}, "Spielstand speichern"},
      {{237, 198}, ""},
      {{422, 344}, "Spiel beenden"},
      {{423, 344}, ""},
      {{375, 263}, "Spiel beenden"},
      {{375, 262}, ""},
      {{298, 344}, "Programmeinstellungen"},
      {{330, 345}, ""},
      {{400, 200}, "Hilfe und Info"},
      {{250, 300}, "Zwischensequenzen ansehen"},
  };
  for (const auto& [at, name] : edges) {
    moveTo(at.x, at.y);
    EXPECT_EQ(f1().helpline.Caption, name) << at.x << ", " << at.y;
  }
}

TEST_F(Menu, HelpCutScenesAndSettingsLeaveTheMenuOpen) {
  ::setenv("XDG_CACHE_HOME", path("cache").c_str(), 1);
  dir.write("readme.txt", "Hilfe\r\n");
  menuEntry(400, 220);
  ASSERT_EQ(platform().opened.size(), 1u);
  EXPECT_EQ(platform().opened[0], path("cache/kroxl/readme.txt"));

  f1().reportError("ERROR! one");
  f1().reportError("ERROR! two");
  menuEntry(320, 300);
  EXPECT_EQ(g().Form5->Label2.Caption, "Bis jetzt 2 Fehler aufgetreten");
  EXPECT_TRUE(g().Form10->Visible);
  EXPECT_EQ(g().Form10->Left, 217);
  EXPECT_FALSE(f1().Enabled);
  g().Form10->Close();
  EXPECT_TRUE(f1().Enabled);

  menuEntry(250, 300);
  game::TForm7& list = *g().Form7;
  EXPECT_TRUE(list.Visible);
  EXPECT_EQ(list.Top, 193);
  EXPECT_FALSE(f1().Enabled);
  EXPECT_EQ(list.ListBox1.Items.lines(), std::vector<std::string>{"Funktion nicht verfügbar!"});
  const gfx::Point back = list.Label1.clientOrigin();
  click(back.x + 5, back.y + 5);
  EXPECT_FALSE(list.Visible);
  EXPECT_TRUE(f1().Enabled);
  EXPECT_EQ(f2().mode.Caption, "menu");
}

TEST_F(Menu, QuittingFromTheMenuEndsTheGameAndTheShutdownRemovesTheScreenShot) {
  menuEntry(400, 300);
  EXPECT_TRUE(g().desktop.terminated());
  EXPECT_FALSE(exists("temp.bmp"));
}

// The readme is Windows-1252; the desktop's viewer gets a UTF-8 copy in the
// user's cache, and without a viewer the game shows the text itself, in a
// window that Escape closes.
TEST_F(Menu, HelpHandsOnAUtf8CopyOrShowsTheTextInAWindow) {
  ::setenv("XDG_CACHE_HOME", path("cache").c_str(), 1);
  dir.write("readme.txt",
            "Kantine: Herr T\xE4gl\r\n\r\nViel Gl\xFC"
            "ck!\r\n");
  menuEntry(400, 220);
  ASSERT_EQ(platform().opened.size(), 1u);
  EXPECT_EQ(testsupport::readAll(platform().opened[0]), "Kantine: Herr Tägl\r\n\r\nViel Glück!\r\n");
  EXPECT_EQ(f1().textViewer, nullptr);

  platform().hasOpener = false;
  platform().virtualClock.advanceBy(1000);
  menuEntry(400, 220);
  ASSERT_NE(f1().textViewer, nullptr);
  ui::TextViewer& viewer = *f1().textViewer;
  EXPECT_TRUE(viewer.Visible);
  EXPECT_EQ(viewer.lines().Items.lines(),
            (std::vector<std::string>{"Kantine: Herr Tägl", "", "Viel Glück!"}));
  key(ui::vk::Escape);
  EXPECT_FALSE(viewer.Visible);
  EXPECT_EQ(f2().mode.Caption, "menu");  // the menu is still open behind it
}

}  // namespace
