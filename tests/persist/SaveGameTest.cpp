// Saved games from the in-game menu: the file written line by line, and
// loading it back with its version question, lists and queued room change.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/TForm1.h"
#include "core/TForm12.h"
#include "core/TForm13.h"
#include "core/TForm14.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "core/TForm9.h"
#include "gfx/Bmp.h"
#include "persist/SaveGame.h"
#include "persist/support/ScriptedGame.h"
#include "state/TForm2.h"

namespace {

using Lines = std::vector<std::string>;
using game::savegame::Carrier;

constexpr int kSaveX = 260, kLoadX = 320, kFirstRowY = 220;

class SaveGame : public savetest::ScriptedGameTest {
 protected:
  // Every kept variable gets a value of its own: tags and positions count
  // up from 11, texts name their key.
  void giveEveryVariableAValue(int offset) {
    int n = 11 + offset;
    for (const auto& v : game::savegame::storedVariables()) {
      game::Slot& slot = f2().*v.slot;
      switch (v.carrier) {
        case Carrier::Tag:
          slot.Tag = n++;
          break;
        case Carrier::Left:
          slot.Left = n++;
          break;
        case Carrier::Caption:
          slot.Caption = std::string(v.key) + " Größe " + std::to_string(offset);
          break;
        case Carrier::Hint:
          slot.Hint = std::string(v.key) + " Tür " + std::to_string(offset);
          break;
      }
    }
  }
  std::vector<std::string> everyVariable() {
    std::vector<std::string> values;
    for (const auto& v : game::savegame::storedVariables()) {
      const game::Slot& s = f2().*v.slot;
      values.push_back(std::to_string(s.Tag) + "/" + std::to_string(s.Left) + "/" + s.Caption + "/" + s.Hint);
    }
    return values;
  }
  void saveAs(const std::string& name) {
    menuEntry(kSaveX, kFirstRowY);
    type(name);
    key(ui::vk::Return);
  }
  void loadFirstSavedGame() {
    pickFirstSavedGame();
    menuEntry(kLoadX, kFirstRowY);
  }
  Lines savedFile(const std::string& name) {
    sys::TextList file;
    EXPECT_TRUE(file.loadFromFile(path("savegames/" + name)).ok());
    return file.lines();
  }
  void writeSavedGame(const std::string& name, Lines lines) {
    std::filesystem::create_directories(path("savegames"));
    sys::TextList file;
    file.assign(std::move(lines));
    ASSERT_TRUE(file.saveToFile(path("savegames/" + name)).ok());
  }
  // A saved game of the running game with some lines changed.
  Lines composedWith(std::initializer_list<std::pair<int, std::string>> changes) {
    Lines lines = game::savegame::compose(f1());
    for (const auto& [index, text] : changes) lines.at(index) = text;
    return lines;
  }
  Lines queue() { return f2().Memo1.lines(); }
  Lines errors() { return g().Form5->Memo1.Lines.lines(); }
  bool queued(const Lines& lines) {
    const Lines q = queue();
    return std::search(q.begin(), q.end(), lines.begin(), lines.end()) != q.end();
  }
};

TEST_F(SaveGame, TheFileKeepsItsLayoutLineByLine) {
  f1().build.Tag = 104;
  f2().posit.Tag = 355;
  f2().sonsti.Caption = "right";
  f2().musi.Caption = "\\sound\\music\\archiv.mid";
  f2().inventar.assign({"Auftragsmappe", "Taschentuch"});
  f2().Memo5.clear();
  f2().franzinventar.assign({"Werkzeug"});
  g().Form13->liste.assign({"", "", "<eintrag>", "Kaffee holen", "false"});
  saveAs("layout");

  const Lines file = savedFile("layout.kvt");
  const Lines head(file.begin(), file.begin() + 21);
  EXPECT_EQ(head, (Lines{"[Professor Kroxl Spielstand]",
                         "100",
                         file[2],
                         "",
                         "form definitions:",
                         "[room:]",
                         "104",
                         "[position:]",
                         "355",
                         "[sonsti:]",
                         "right",
                         "[midi:]",
                         "\\sound\\music\\archiv.mid",
                         "[midiposition:]",
                         file[14],
                         "[mp3:]",
                         "\\sound\\music\\archiv.mid",
                         "[mp3position:]",
                         file[18],
                         "",
                         "savegame definitions:"}));
  EXPECT_TRUE(game::savegame::parseInt(file[14]).has_value());
  const char* keys[] = {
      "[kroxl.tag]",       "[kroxl.caption]", "[pause.tag]",    "[Zweistein.tag]",    "[hubert.tag]",
      "[hubert.left]",     "[toegl.tag]",     "[toegl.left]",   "[lift.tag]",         "[buch.tag]",
      "[buch.left]",       "[buch.hint]",     "[buch.caption]", "[schreibtisch.tag]", "[corinna.tag]",
      "[leiche.tag]",      "[franz.tag]",     "[franz.left]",   "[scheck.tag]",       "[kaffee.tag]",
      "[putzkammerl.tag]", "[taube.tag]",     "[putzfrau.tag]", "[tag.caption]",      "[busen.tag]",
      "[schlauch.tag]",    "[schlauch.hint]", "[golfball.tag]", "[zeichnung.tag]"};
  for (int k = 0; k < 29; ++k) EXPECT_EQ(file.at(21 + 2 * k), keys[k]);
  EXPECT_EQ(file.at(24), "happy");
  EXPECT_EQ(file.at(58), "9999");  // the cheque starts at 9999
  const Lines tail(file.begin() + 79, file.end());
  EXPECT_EQ(tail, (Lines{"", "inventar list:", "2", "Auftragsmappe", "Taschentuch", "dialog list:", "0",
                         "franzinventar list:", "1", "Werkzeug", "mappe list:", "5", "", "", "<eintrag>",
                         "Kaffee holen", "false", "[write empty]"}));

  const gfx::Bitmap thumbnail = gfx::loadBmpOrThrow(path("savegames/layout.kvt.bmp"));
  EXPECT_EQ(thumbnail.width(), 160);
  EXPECT_EQ(thumbnail.height(), 100);
}

TEST_F(SaveGame, LoadingRestoresEveryKeptVariableAndListAndQueuesTheRoomChange) {
  f1().build.Tag = 6;
  f2().posit.Tag = 410;
  f2().sonsti.Caption = "left";
  f2().musi.Caption = "\\sound\\music\\labor.mid";
  giveEveryVariableAValue(0);
  const Lines saved = everyVariable();
  f2().inventar.assign({"Golfball"});
  f2().Memo5.clear();
  f2().franzinventar.clear();
  g().Form13->liste.assign({"", "", "<eintrag>", "Zeichnung finden", "true"});
  saveAs("abend");
  ASSERT_TRUE(exists("savegames/abend.kvt"));
  key(ui::vk::Escape);

  giveEveryVariableAValue(100);
  f2().sonsti.Caption = "behind";
  f2().inventar.assign({"x", "y"});
  f2().Memo5.assign({"Franz:", "Hallo"});
  f2().franzinventar.assign({"Werkzeug"});
  g().Form13->liste.clear();
  loadFirstSavedGame();

  EXPECT_EQ(everyVariable(), saved);
  EXPECT_EQ(f2().sonsti.Caption, "left");
  EXPECT_EQ(f2().inventar.lines(), Lines{"Golfball"});
  EXPECT_TRUE(f2().Memo5.empty());
  EXPECT_TRUE(f2().franzinventar.empty());
  EXPECT_EQ(g().Form13->liste.lines(), (Lines{"", "", "<eintrag>", "Zeichnung finden", "true"}));
  // The loading pictures first, then the saved room, place and music.
  const Lines q = queue();
  EXPECT_EQ(Lines(q.begin(), q.begin() + 6),
            (Lines{"jump to", "-300008", "goto room", "-23552", "bitmap", "\\movies\\loading.bmp"}));
  EXPECT_TRUE(queued({"bitmap", "\\movies\\loading07.bmp", "301", "288", "wait", "5", "goto room", "6",
                      "jump to", "410", "play music", "\\sound\\music\\labor.mid", "music pos"}));
  EXPECT_EQ(g().Form3->Memo2.Lines.lines(), Lines{"[empty]"});
  EXPECT_EQ(f2().mode.Caption, "normal");
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_FALSE(exists("temp.bmp"));
  EXPECT_TRUE(platform().asked.empty());
  EXPECT_TRUE(errors().empty());
}

TEST_F(SaveGame, AnOldVersionIsLoadedOnlyAfterTheQuestionAndWarnsAboutItsSound) {
  writeSavedGame("alt.kvt", composedWith({{1, "6"}, {6, "8"}}));
  platform().answers = {ui::TModalResult::Yes, ui::TModalResult::Ok};
  loadFirstSavedGame();
  ASSERT_EQ(platform().asked.size(), 2u);
  EXPECT_EQ(
      platform().asked[0].text,
      "Sie sind dabei einen Spielstand der Version 0.6 zu laden. Sie benutzen jedoch Professor Kroxl Version "
      "100! Wollen Sie fortsetzen?");
  EXPECT_EQ(platform().asked[0].buttons, ui::MessageButtons::YesNo);
  EXPECT_EQ(platform().asked[1].text,
            "WARNUNG! Sie sind dabei einen Spielstand zu laden, der noch das alte Soundsystem insultiert. Es "
            "können "
            "Fehler bei der Musikwiedergabe auftreten!");
  EXPECT_EQ(errors(), Lines{"WARNING! Loading an old version of savegame."});
  EXPECT_TRUE(queued({"goto room", "8"}));

  // A newer old version brings no sound warning.
  writeSavedGame("alt.kvt", composedWith({{1, "99"}}));
  platform().asked.clear();
  platform().answers = {ui::TModalResult::Yes};
  loadFirstSavedGame();
  EXPECT_EQ(platform().asked.size(), 1u);
  EXPECT_EQ(errors().size(), 2u);
}

TEST_F(SaveGame, NoToTheVersionQuestionLeavesTheGameAsItWas) {
  writeSavedGame("alt.kvt", composedWith({{1, "6"}, {22, "77"}}));
  f2().Memo1.clear();
  platform().answers = {ui::TModalResult::No};
  loadFirstSavedGame();
  EXPECT_EQ(platform().asked.size(), 1u);
  EXPECT_EQ(f2().kroxl.Tag, 0);
  EXPECT_TRUE(queue().empty());
  EXPECT_TRUE(errors().empty());
  EXPECT_TRUE(f1().Runner.Enabled());
  EXPECT_EQ(f2().mode.Caption, "normal");
}

TEST_F(SaveGame, EveryLineIsAKeyEvenAListItem) {
  Lines lines = composedWith({{6, "3"}});
  const auto inventory = std::find(lines.begin(), lines.end(), "inventar list:");
  lines.erase(inventory + 1, inventory + 4);
  lines.insert(inventory + 1, {"2", "[room:]", "5"});
  writeSavedGame("raum.kvt", lines);
  loadFirstSavedGame();
  EXPECT_EQ(f2().inventar.lines(), (Lines{"[room:]", "5"}));
  EXPECT_TRUE(queued({"goto room", "3"}));
  EXPECT_TRUE(queued({"goto room", "5"}));
}

TEST_F(SaveGame, ShortListsDamagedNumbersAndAMissingLastLineAreSurvived) {
  Lines lines = composedWith({{22, "viel"}});
  const auto tasks = std::find(lines.begin(), lines.end(), "mappe list:");
  lines.erase(tasks, lines.end());
  lines.insert(lines.end(), {"mappe list:", "3", "a"});
  const auto franz = std::find(lines.begin(), lines.end(), "franzinventar list:");
  *(franz + 1) = "2000000000";
  writeSavedGame("kaputt.kvt", lines);
  f2().kroxl.Tag = 42;
  f2().franzinventar.assign({"Werkzeug"});
  loadFirstSavedGame();

  EXPECT_EQ(g().Form13->liste.lines(), (Lines{"a", "", ""}));
  EXPECT_EQ(f2().kroxl.Tag, 42);
  EXPECT_EQ(f2().franzinventar.lines(), Lines{"Werkzeug"});
  EXPECT_EQ(errors().size(), 2u);
  // Without "[write empty]" the buffer keeps what was loaded.
  EXPECT_EQ(g().Form3->Memo2.Lines.lines(), lines);
}

TEST_F(SaveGame, AFileThatIsNoSavedGameChangesNothing) {
  dir.write("savegames/notiz.kvt", testsupport::gameText({"[room:]", "4", "[kroxl.tag]", "9"}));
  f2().Memo1.clear();
  platform().answers = {ui::TModalResult::Ok};
  loadFirstSavedGame();
  EXPECT_TRUE(queue().empty());
  EXPECT_EQ(f2().kroxl.Tag, 0);
  EXPECT_EQ(errors().size(), 1u);
}

// Each refusal is a sentence that names the file, as the error list shows it.
TEST_F(SaveGame, TheReaderSaysWhyAFileCannotBeLoaded) {
  writeSavedGame("gut.kvt", composedWith({}));
  writeSavedGame("keller.kvt", composedWith({{6, "Keller"}}));
  writeSavedGame("notiz.kvt", {"[room:]", "4"});
  const std::string dir = f1().programPath("\\savegames\\");
  const auto read = [&](const std::string& name) { return game::savegame::readSavedGame(dir + name); };

  const auto good = read("gut.kvt");
  ASSERT_TRUE(good.ok()) << good.error().message;
  EXPECT_EQ(*good, composedWith({}));
  const std::pair<const char*, std::string> refused[] = {
      {"keller.kvt", "Savegame \"" + dir + "keller.kvt\" is damaged: [room:] \"Keller\" is not a number."},
      {"notiz.kvt", "\"" + dir + "notiz.kvt\" is no Professor Kroxl savegame."},
      {"fehlt.kvt", "Savegame \"" + dir + "fehlt.kvt\" cannot be read: "}};
  for (const auto& [name, message] : refused) {
    const auto r = read(name);
    ASSERT_FALSE(r.ok()) << name;
    EXPECT_EQ(r.error().message.substr(0, message.size()), message);
  }
}

// A room that is not a number used to leave the player in the empty loading
// room for good; a save of a hundred megabytes froze the game.
TEST_F(SaveGame, ADamagedOrOversizedSaveIsRefusedWithAMessageAndThePlayerStaysPut) {
  Lines noRoom = composedWith({});
  noRoom.erase(noRoom.begin() + 5, noRoom.begin() + 7);
  Lines oversized = composedWith({});
  oversized.insert(oversized.end() - 1, 600000, "");
  const Lines cases[] = {composedWith({{6, "Keller"}}), composedWith({{8, ""}}), noRoom, oversized};
  for (const Lines& lines : cases) {
    std::filesystem::remove_all(path("savegames"));
    writeSavedGame("kaputt.kvt", lines);
    f2().Memo1.assign({"look left"});
    f2().kroxl.Tag = 42;
    g().Form5->Memo1.Lines.clear();
    platform().asked.clear();
    platform().answers = {ui::TModalResult::Ok};
    loadFirstSavedGame();

    EXPECT_EQ(queue(), Lines{"look left"}) << lines.size() << " lines";
    EXPECT_EQ(f2().kroxl.Tag, 42);
    EXPECT_EQ(g().Form3->Memo2.Lines.lines(), Lines{"[empty]"});
    ASSERT_EQ(errors().size(), 1u);
    EXPECT_NE(errors()[0].find("kaputt.kvt"), std::string::npos) << errors()[0];
    ASSERT_EQ(platform().asked.size(), 1u);
    EXPECT_EQ(platform().asked[0].text,
              "Der Spielstand \"kaputt.kvt\" ist beschädigt und kann nicht geladen werden.");
    EXPECT_TRUE(f1().Runner.Enabled());
  }
}

// A wildcard passed the existence test of "play music" and a sound effect is
// no MIDI piece: the runner failed to open either and the game ended.
TEST_F(SaveGame, MusicThePlayerCannotOpenIsLeftOutAndTheGameGoesOn) {
  for (const std::string music : {"\\sound\\music\\*", "\\sound\\effects\\none.wav"}) {
    writeSavedGame("musik.kvt", composedWith({{6, "4"}, {12, music}}));
    g().Form5->Memo1.Lines.clear();
    loadFirstSavedGame();
    EXPECT_FALSE(queued({"play music", music})) << music;
    runnerTicks(60);
    EXPECT_FALSE(g().desktop.terminated()) << music;
    EXPECT_EQ(f1().build.Tag, 4) << music;
    EXPECT_EQ(errors(), Lines{"ERROR! Savegame: \"" + music + "\" after [midi:] is no music file, ignored."});
  }
}

TEST_F(SaveGame, AThumbnailFarLargerThanItsSizeIsNotDrawn) {
  writeSavedGame("riesig.kvt", composedWith({}));
  // 8192 x 8192 pixels in 1 KB: one run of green, then the end of the picture.
  auto le = [](uint64_t v, int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
  };
  const std::string palette = le(0x00FF00, 4) + le(0x00FF00, 4);
  const std::string pixels = std::string("\xFF\x01", 2) + std::string("\x00\x01", 2);
  const std::string info = le(40, 4) + le(8192, 4) + le(8192, 4) + le(1, 2) + le(8, 2) + le(1, 4) +
                           le(static_cast<uint32_t>(pixels.size()), 4) + le(0, 8) + le(2, 4) + le(0, 4);
  const uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size());
  dir.write("savegames/riesig.kvt.bmp", "BM" + le(offset + static_cast<uint32_t>(pixels.size()), 4) +
                                            le(0, 4) + le(offset, 4) + info + palette + pixels);

  game::TForm14& screen = *g().Form14;
  screen.zeigeClick();
  ASSERT_EQ(screen.FileListBox1.Items.Count(), 1);
  const gfx::TColor before = screen.Image1.canvas().pixel(300, 80);
  screen.FileListBox1.setItemIndex(0);
  screen.FileListBox1Change();
  EXPECT_EQ(screen.Image1.canvas().pixel(300, 80), before);
  EXPECT_TRUE(screen.SpeedButton1.Enabled);
}

TEST_F(SaveGame, WithoutSavedGamesOkStaysDisabledAndCancelLoadsNothing) {
  f2().Memo1.clear();
  game::TForm14& screen = *g().Form14;
  platform().steps.push_back([&] {
    EXPECT_TRUE(screen.FileListBox1.Items.empty());
    EXPECT_FALSE(screen.SpeedButton1.Enabled);
    EXPECT_EQ(screen.ClientWidth(), 465);
    EXPECT_EQ(screen.Left, 320 - 232);
    const gfx::Point ok = screen.SpeedButton1.clientOrigin();
    click(ok.x + 20, ok.y + 10);
  });
  cancelLoadScreen();
  menuEntry(kLoadX, kFirstRowY);
  EXPECT_TRUE(platform().steps.empty());
  EXPECT_FALSE(screen.Visible);
  EXPECT_TRUE(queue().empty());
  EXPECT_EQ(g().Form3->Memo2.Lines.lines(), Lines{"[empty]"});
  EXPECT_EQ(f2().mode.Caption, "normal");
}

TEST_F(SaveGame, LoadingFromTheTitleScreenActivatesTheGame) {
  writeSavedGame("start.kvt", game::savegame::compose(f1()));
  game::TForm12& title = *g().Form12;
  f2().Memo1.assign({"wahl", "goto room", "1"});
  f1().Runner.setEnabled(false);
  f1().Enabled = false;
  title.Show();
  title.Tag = 2;
  pickFirstSavedGame();
  f1().ladenClick();
  EXPECT_EQ(queue().front(), "activate");
  EXPECT_FALSE(queued({"wahl"}));
  EXPECT_FALSE(title.Visible);
  EXPECT_EQ(title.Tag, 0);
  EXPECT_TRUE(f1().Enabled);
  EXPECT_TRUE(f1().Runner.Enabled());
}

TEST_F(SaveGame, AnEffectInterruptedByTheMenuSoundsOnAfterTheLoad) {
  media::MediaPlayer& effect = *f1().MediaPlayer2;
  effect.FileName = f1().dataPath("\\sound\\effects\\explosion.wav");
  effect.Open();
  const Lines lines = game::savegame::compose(f1());
  for (const int extraLines : {0, 1}) {
    Lines file = lines;
    file.insert(file.begin() + 3, extraLines, "");
    writeSavedGame("knall.kvt", file);
    effect.Rewind();
    effect.Play();
    loadFirstSavedGame();
    EXPECT_EQ(effect.mode(), media::Mode::Playing) << "file of " << file.size() << " lines";
  }
}

}  // namespace
