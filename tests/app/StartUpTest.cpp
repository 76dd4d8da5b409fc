// The start-up sequence and the shutdown: what they check, read and report.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm11.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "state/TForm2.h"
#include "support/GameFixture.h"
#include "sys/TextList.h"

namespace {

class StartUpTest : public testsupport::GameTest {
 protected:
  StartUpTest() {
    useDemoMedia();
    std::filesystem::create_directory_symlink(std::filesystem::path(demoDataRoot()) / "source",
                                              std::filesystem::path(dir.path()) / "source");
  }
  // Writes an options file from the default one with some lines changed.
  void writeOptions(const std::vector<std::pair<int, std::string>>& changes, int extraLinesBefore = 0) {
    f1().NToptionClick();
    sys::TextList options;
    ASSERT_TRUE(options.loadFromFile(dir.path() + "/optionsNT.pre").ok());
    for (const auto& [index, value] : changes) options.set(index, value);
    for (int i = 0; i < extraLinesBefore; ++i) options.insert(0, "");
    ASSERT_TRUE(options.saveToFile(dir.path() + "/optionsNT.pre").ok());
    g().Form5->Memo2.Lines.clear();
  }
  const sys::TextList& fatal() { return g().Form11->Memo1.Lines; }
  const sys::TextList& errors() { return g().Form5->Memo1.Lines; }
};

TEST_F(StartUpTest, AFreshStartWritesTheDefaultOptionsAndLoadsTheGame) {
  f1().STARTTimer();
  sys::TextList written;
  ASSERT_TRUE(written.loadFromFile(dir.path() + "/optionsNT.pre").ok());
  EXPECT_EQ(written.Count(), 43);
  EXPECT_EQ(written.get(4), "100");
  EXPECT_EQ(written.get(10), "1");
  EXPECT_EQ(f2().version.Caption, "100");
  EXPECT_EQ(g().Form5->Label6.Caption, "Professor Kroxl Betaversion 0.100");
  EXPECT_EQ(f2().posit.Tag, 450);
  EXPECT_EQ(f1().block.Left, 450);
  EXPECT_EQ(g().desktop.screenWidth(), 640);
  EXPECT_GT(f2().Memo5.Count(), 0);
  EXPECT_FALSE(g().Form3->StringGrid1.Hint.empty());
  EXPECT_TRUE(f1().build.Enabled());
  // The opening script replaced the first commands.
  sys::TextList opening;
  ASSERT_TRUE(opening.loadFromFile(dir.path() + "/source/scripts/htm.smx").ok());
  EXPECT_EQ(f2().Memo1.lines(), opening.lines());
  EXPECT_TRUE(fatal().empty());
  EXPECT_TRUE(errors().empty());
}

TEST_F(StartUpTest, TheProtocolShowsTheStepsInOrder) {
  f1().STARTTimer();
  const std::vector<std::string> expected = {
      "START TIMER ...",           "",
      " + activate form11 handle", " + set volume",
      " + hide taskbar",           " + saving actual screen-resolution"};
  ASSERT_GE(f2().Memo2.Count(), 6);
  EXPECT_EQ(std::vector<std::string>(f2().Memo2.lines().begin(), f2().Memo2.lines().begin() + 6), expected);
  EXPECT_EQ(f2().Memo2.get(f2().Memo2.Count() - 3), " + give first orders ...");
  EXPECT_EQ(f2().Memo2.last(), " ");
}

TEST_F(StartUpTest, EightBitColourStopsBeforeAnythingIsLoaded) {
  display.bitsPerPixel = 8;
  display.width = 800;
  createGame();
  f1().STARTTimer();
  ASSERT_EQ(fatal().Count(), 1);
  EXPECT_NE(fatal().get(0).find("Farbtiefe von nur 8 Bit"), std::string::npos);
  EXPECT_EQ(g().desktop.screenWidth(), 800);
  EXPECT_EQ(f2().version.Caption, "version");
  EXPECT_TRUE(f2().Memo5.empty());
  EXPECT_TRUE(g().Form11->Visible);
}

TEST_F(StartUpTest, DrivesTheGameMayNotRunFromAreReportedButTheStartGoesOn) {
  struct Case {
    sys::DriveType type;
    const char* start;
  } cases[] = {{sys::DriveType::Network, "ERROR: Professor Kroxl darf nicht über Netzwerk"},
               {sys::DriveType::CdRom, "ERROR: kroxl.exe darf nicht von CD"},
               {sys::DriveType::RamDisk, "ERROR: Professor Kroxl darf nicht von einer RAM-Diskette"}};
  for (const Case& c : cases) {
    setup.driveType = [type = c.type](const std::string&) { return type; };
    createGame();
    f1().STARTTimer();
    ASSERT_EQ(fatal().Count(), 1);
    EXPECT_EQ(fatal().get(0).rfind(c.start, 0), 0u) << fatal().get(0);
    EXPECT_EQ(f2().version.Caption, "100");  // the sequence went on behind the error window
    EXPECT_FALSE(f1().Enabled);
    // The game used to start behind the window, hidden by the backdrop.
    EXPECT_FALSE(f1().build.Enabled());
    advance(1000);
    EXPECT_FALSE(f1().Runner.Enabled());
    const auto& z = g().desktop.zOrder();
    const auto front = std::find_if(z.rbegin(), z.rend(), [](const ui::Form* f) { return f->Visible; });
    ASSERT_NE(front, z.rend());
    EXPECT_EQ(*front, g().Form11.get()) << "the error window is in front";
  }
  // In developer mode a network drive is fine.
  setup.driveType = [](const std::string&) { return sys::DriveType::Network; };
  createGame();
  f1().sayDblClick();
  f1().STARTTimer();
  EXPECT_TRUE(fatal().empty());
}

TEST_F(StartUpTest, AnOptionsFileThatCannotBeWrittenStopsTheStart) {
  std::filesystem::create_directory(dir.path() + "/optionsNT.pre");
  f1().STARTTimer();
  ASSERT_EQ(fatal().Count(), 2);
  EXPECT_EQ(fatal().get(0).rfind("(!) Error: OptionsNT.pre could not be generated. Contact ", 0), 0u);
  EXPECT_EQ(fatal().get(1),
            "ERROR: Die Datei \"optionsNT.pre\" konnte nicht gefunden werden! Überprüfen Sie ob "
            "sich die Datei in \"" +
                dir.path() +
                "\\\" befindet! Installieren Sie im Notfall das "
                "Spiel erneut!");
}

TEST_F(StartUpTest, AnEmptyOptionsFileIsReplacedByTheDefault) {
  dir.write("optionsNT.pre", "");
  f1().STARTTimer();
  EXPECT_EQ(g().Form5->Memo2.Lines.Count(), 43);
  EXPECT_TRUE(fatal().empty());
}

// An options file that could not be read used to be taken as empty, without
// a word, and then overwritten with the defaults when the panel closed.
TEST_F(StartUpTest, AnOptionsFileThatCannotBeReadIsReportedAndNeverOverwritten) {
  // Larger than any options file may be; for anyone but root a file without
  // permissions fails the same way.
  const std::string unreadable = "[speed]\r\n77\r\n" + std::string(5 << 20, ' ');
  dir.write("optionsNT.pre", unreadable);
  f1().STARTTimer();
  EXPECT_TRUE(fatal().empty());
  ASSERT_GE(errors().Count(), 1);
  EXPECT_EQ(errors().get(0).rfind("(!) Error: OptionsNT.pre could not be read: ", 0), 0u) << errors().get(0);
  EXPECT_EQ(f2().version.Caption, "100") << "the game goes on with the defaults";
  EXPECT_TRUE(f1().build.Enabled());

  game::TForm10& panel = *g().Form10;
  panel.TrackBar1.setPosition(42);
  panel.Show();
  panel.Close();
  EXPECT_EQ(testsupport::readAll(dir.file("optionsNT.pre")), unreadable);
  EXPECT_EQ(errors().last(), "(!) Error: OptionsNT.pre could not be read and is not overwritten.");
}

TEST_F(StartUpTest, RunFromCdMovesTheAssetsButNotTheProgramFiles) {
  testsupport::TempDir other;
  writeOptions({{34, other.path()}, {37, "true"}});
  f1().STARTTimer();
  EXPECT_EQ(f1().cd.Caption, other.path());
  EXPECT_EQ(f1().cd2.Caption, dir.path());
  EXPECT_EQ(f1().programPath("\\temp.bmp"), dir.path() + "\\temp.bmp");

  writeOptions({{34, other.path()}, {37, "TRUE"}});  // exact comparison
  createGame();
  f1().STARTTimer();
  EXPECT_EQ(f1().cd.Caption, dir.path());
}

TEST_F(StartUpTest, OnlyTheFirstHundredLinesAreSearchedForTheSpeed) {
  // A bad speed at the top stops the options reader there, so only the
  // start-up's own search can set the speed field; the good value lies
  // beyond line 100, where that search does not look.
  writeOptions({{10, "77"}}, 95);
  sys::TextList options;
  ASSERT_TRUE(options.loadFromFile(dir.path() + "/optionsNT.pre").ok());
  options.insert(0, "");
  options.insert(0, "schnell");
  options.insert(0, "[speed]");
  ASSERT_TRUE(options.saveToFile(dir.path() + "/optionsNT.pre").ok());
  f1().STARTTimer();
  EXPECT_EQ(g().Form5->edit1.Text(), "schnell");
  EXPECT_EQ(g().Form5->TrackBar1.Position(), 1);
  EXPECT_EQ(errors().last(),
            "(!) Error occoured while setting up preferences from options.pre-file in Line 0");
}

TEST_F(StartUpTest, TheOptionsReaderReportsWhatItCannotUse) {
  writeOptions({{1, "Professor Kroxel"}, {10, "schnell"}, {13, "TRUE"}});
  f1().STARTTimer();
  ASSERT_GE(errors().Count(), 2);
  EXPECT_EQ(errors().get(0), "(!) Error: OptionsNT.pre ungültig!");
  EXPECT_EQ(errors().get(1),
            "(!) Error occoured while setting up preferences from options.pre-file in Line 9");
}

TEST_F(StartUpTest, ValuesAreLowerCasedAndTheSpeedKeptInRange) {
  writeOptions({{10, "250"}, {13, "TRUE"}, {19, "False"}});
  f1().STARTTimer();
  EXPECT_EQ(g().Form10->TrackBar1.Position(), 100);
  EXPECT_TRUE(g().Form10->CheckBox5.Checked());
  EXPECT_FALSE(g().Form10->CheckBox4.Checked());
  EXPECT_FALSE(g().Form5->CheckBox4.Checked());
}

TEST_F(StartUpTest, OddOptionsFilesAreReadWithoutHarm) {
  // NUL bytes, LF-only line ends, a very long line and 100,000 lines.
  std::string odd =
      "[indicator]\nProfessor Kroxl\n\n[version]\n100\n\n[speed]\n5\0x\n" + std::string(1 << 20, 'L') + "\n";
  for (int i = 0; i < 100000; ++i) odd += "[music]\nfalse\n";
  dir.write("optionsNT.pre", odd);
  f1().STARTTimer();
  EXPECT_TRUE(fatal().empty());
  EXPECT_EQ(f2().version.Caption, "100");
  EXPECT_EQ(errors().last(),
            "(!) Error occoured while setting up preferences from options.pre-file in Line 6");
  EXPECT_TRUE(g().Form10->CheckBox5.Checked());  // the reader stopped before the music lines
}

// A data root from the options file that names no usable folder: one cut
// short by a NUL byte (the system would read "/"), and one whose error
// picture is a folder. The start-up reports what it misses and goes on; the
// error list's picture was read from either and ended the program.
TEST_F(StartUpTest, ADataRootThatIsNoFolderOfTheGameIsReportedWithoutHarm) {
  testsupport::TempDir other;
  std::filesystem::create_directories(std::filesystem::path(other.path()) / "graphic" / "error.bmp");
  for (const std::string& root : {std::string("/\0\0work", 7), other.path()}) {
    writeOptions({{34, root}, {37, "true"}});
    createGame();
    f1().STARTTimer();
    EXPECT_FALSE(errors().empty()) << root;
  }
}

TEST_F(StartUpTest, AnIncompleteVoiceRecordIsSkipped) {
  std::filesystem::remove(dir.path() + "/source");
  std::filesystem::create_directories(dir.path() + "/source/voice");
  std::filesystem::create_directories(dir.path() + "/source/dialogs");
  std::filesystem::create_directories(dir.path() + "/source/scripts");
  dir.write("source/voice/voice.voi",
            testsupport::gameText(
                {"Kroxl: \"Hallo\"", "Hello", "\\intro\\hinweis01.wav", "Kroxl: \"Nur halb\"", "Half"}));
  f1().STARTTimer();
  EXPECT_EQ(g().Form3->StringGrid1.Hint, "1");
  EXPECT_EQ(g().Form3->StringGrid1.Cells.get(0, 0), "Kroxl: \"Hallo\"");
  EXPECT_EQ(g().Form3->StringGrid1.Cells.get(0, 1), "");
}

TEST_F(StartUpTest, AStartRoomIsBuiltDirectlyWithTheFirstCommandsQueued) {
  writeOptions({{28, "103"}});
  f1().STARTTimer();
  EXPECT_EQ(f1().build.Tag, 103);
  EXPECT_EQ(f2().Memo1.get(0), "activate");
  EXPECT_EQ(f2().Memo1.Count(), 12);
}

TEST_F(StartUpTest, ShutdownSwitchesBackOnlyWhenTheWidthChanged) {
  display.width = 1024;
  display.height = 768;
  createGame();
  f1().STARTTimer();
  dir.write("temp.bmp", "x");
  f1().FormClose();
  EXPECT_EQ(g().desktop.screenWidth(), 1024);
  EXPECT_FALSE(std::filesystem::exists(dir.path() + "/temp.bmp"));

  display.width = 640;
  display.height = 400;
  createGame();
  f1().STARTTimer();
  // An empty file does not exist by the game's own rule, so it is not deleted.
  dir.write("temp.bmp", "");
  f1().FormClose();
  EXPECT_EQ(g().desktop.screenHeight(), 480);  // same width: no switch back
  EXPECT_TRUE(std::filesystem::exists(dir.path() + "/temp.bmp"));
}

}  // namespace
