// The save screen: the name the player types decides the file's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/TForm1.h"
#include "core/TForm3.h"
#include "core/TForm9.h"
#include "persist/support/ScriptedGame.h"
#include "state/TForm2.h"

namespace {

class SaveScreen : public savetest::ScriptedGameTest {
 protected:
  game::TForm9& screen() { return *g().Form9; }
  void openSaveScreen() { menuEntry(260, 220); }
  std::vector<std::string> savedGames() {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path("savegames")))
      names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

TEST_F(SaveScreen, TheNameIsCutAtItsFirstDotAndTakesFifteenCharacters) {
  openSaveScreen();
  EXPECT_TRUE(screen().Visible);
  EXPECT_EQ(screen().Left, 218);
  EXPECT_FALSE(f1().Enabled);
  EXPECT_EQ(screen().Edit1.Text(), "*.kvt");
  type("Kapitel.zwei");
  key(ui::vk::Return);
  EXPECT_EQ(screen().Edit1.Text(), "Kapitel");
  EXPECT_FALSE(screen().Visible);
  EXPECT_TRUE(f1().Enabled);

  openSaveScreen();
  type("Fünfzehn_Zeiche");
  type("n");
  EXPECT_EQ(screen().Edit1.Text(), "Fünfzehn_Zeiche");
  key(ui::vk::Return);
  EXPECT_EQ(savedGames(), (std::vector<std::string>{"Fünfzehn_Zeiche.kvt", "Fünfzehn_Zeiche.kvt.bmp",
                                                    "Kapitel.kvt", "Kapitel.kvt.bmp"}));
}

TEST_F(SaveScreen, TheMaskOrANameThatIsNoFileNameWritesNothingAndKeepsTheScreenOpen) {
  openSaveScreen();
  for (const char* name : {"", ".versteckt", "a/b", "..\\oben", "wer?"}) {
    if (*name) type(name);
    key(ui::vk::Return);
    EXPECT_TRUE(screen().Visible) << name;
    EXPECT_FALSE(f1().Enabled) << name;
    EXPECT_EQ(screen().Edit1.Text(), "*.kvt") << name;
  }
  screen().Close();
  EXPECT_TRUE(screen().Visible);
  EXPECT_TRUE(savedGames().empty());

  type("gut");
  screen().Close();
  EXPECT_FALSE(screen().Visible);
  EXPECT_EQ(savedGames(), (std::vector<std::string>{"gut.kvt", "gut.kvt.bmp"}));
}

TEST_F(SaveScreen, ChoosingAListedGameOverwritesItWithTheRunningGame) {
  f2().posit.Tag = 111;
  openSaveScreen();
  type("abend");
  key(ui::vk::Return);

  f2().posit.Tag = 222;
  openSaveScreen();
  const gfx::Point list = screen().FileListBox1.clientOrigin();
  click(list.x + 10, list.y + 8);
  EXPECT_EQ(screen().Edit1.Text(), "abend.kvt");
  click(list.x + 10, list.y + 8);  // the second click of a double click
  EXPECT_FALSE(screen().Visible);
  EXPECT_EQ(savedGames(), (std::vector<std::string>{"abend.kvt", "abend.kvt.bmp"}));
  sys::TextList file;
  ASSERT_TRUE(file.loadFromFile(path("savegames/abend.kvt")).ok());
  EXPECT_EQ(file.get(8), "222");
  // The save buffer still holds the game just written.
  EXPECT_EQ(g().Form3->Memo2.Lines.get(8), "222");
}

// The screen could only be left by saving, even under a name it refuses.
TEST_F(SaveScreen, EscapeLeavesTheScreenWithoutSaving) {
  openSaveScreen();
  type("vielleicht");
  key(ui::vk::Escape);
  EXPECT_FALSE(screen().Visible);
  EXPECT_TRUE(f1().Enabled);
  EXPECT_TRUE(savedGames().empty());
  EXPECT_EQ(f2().mode.Caption, "menu") << "back in the menu";
  key(ui::vk::Escape);
  EXPECT_EQ(f2().mode.Caption, "normal");
}

// The save file and its thumbnail are two files: the new save used to stand
// beside the old game's picture whenever the thumbnail was not written.
TEST_F(SaveScreen, ANewSaveIsNeverLeftBesideTheOldGamesThumbnail) {
  openSaveScreen();
  type("abend");
  key(ui::vk::Return);
  ASSERT_TRUE(exists("savegames/abend.kvt.bmp"));

  // Saved again when the thumbnail cannot be made (the screen shot is gone).
  key(ui::vk::Escape);
  openSaveScreen();
  std::filesystem::remove(path("temp.bmp"));
  type("abend");
  key(ui::vk::Return);
  EXPECT_EQ(savedGames(), std::vector<std::string>{"abend.kvt"});
}

}  // namespace
