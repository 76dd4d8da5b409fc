// From process start to the first room: the warm-up timer and the start-up
// sequence. Almost every step writes its protocol line before it acts, so the
// log of a failed start shows how far it came.
#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm11.h"
#include "core/TForm12.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "core/TForm9.h"
#include "persist/Options.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"
#include "sys/SystemInfo.h"

namespace game {

void TForm1::TestenTimer() {
  Width = 640;
  Testen.Tag = Testen.Tag + 1;
  if (Testen.Tag > 30) {
    Testen.setEnabled(false);
    START.setEnabled(true);
  }
}

namespace {

// The first commands of a game, queued in this order.
// clang-format off
const char* const kFirstOrders[] = {"activate",        "jump to", "440",
                                    "play music",      "\\sound\\music\\buero.mid",
                                    "play wav effect", "\\sound\\effects\\doorclose.wav",
                                    "wait",            "8",
                                    "look left",       "walking to",
                                    "300"};
// clang-format on

}  // namespace

// A start room from the options file is built directly, with the first
// commands left in the queue; kNoStartRoom (the default) plays the opening
// script.
void TForm1::lookForStartRoom() {
  const sys::TextList& options = game.Form5->Memo2.Lines;
  for (int i = 0; i <= 100; ++i) {
    if (options.get(i) != "[startnumber]") continue;
    const std::string value = options.get(i + 1);
    try {
      size_t used = 0;
      const int room = std::stoi(value, &used);
      if (used != value.size()) throw std::invalid_argument(value);
      if (room != kNoStartRoom) setCurrentRoom(room);
    } catch (const std::exception&) {
      reportError("(!) Error: [startnumber] in OptionsNT.pre ist keine Zahl: " + value);
    }
  }
}

// The data root of the options file no longer holds the game (a game moved or
// installed anew): the one found at start stands in, and the settings screen
// says so. One named on the command line always wins.
void TForm1::checkDataRoot() {
  const std::string& found = game.setup.dataRoot;
  if (found.empty() || cd.Caption == found) return;
  if (!game.setup.dataRootGiven) {
    if (isDataRoot(cd.Caption)) return;
    reportError("(!) Error: In \"" + cd.Caption +
                "\" ([run cd] in OptionsNT.pre) fehlen die Spieldaten; das Spiel "
                "nimmt die aus \"" +
                found + "\".");
  }
  cd.Caption = found;
}

bool TForm1::loadListOrReport(sys::TextList& list, const std::string& path) {
  if (list.loadFromFile(sys::resolvePath(path)).ok()) return true;
  reportError("ERROR! File not found: \"" + path + "\"!");
  return false;
}

void TForm1::STARTTimer() {
  TForm2& f2 = *game.Form2;
  TForm5& f5 = *game.Form5;

  NToptionClick();
  f2.franzinventar.assign({"Maschinenbuch", "Werkzeug", "Geldscheinvorlage", "Gartenschlauch"});
  log("START TIMER ...");
  log("");

  log(" + activate form11 handle");
  game.Form11->CloseEnabled = false;
  log(" + set volume");

  log(" + hide taskbar");
  showStartButton(false);
  clickCountdown = 0;

  log(" + saving actual screen-resolution");
  f2.reso.Left = game.desktop.screenWidth();
  f2.reso.Top = game.desktop.screenHeight();

  log(" + prepare cd2 path");
  cd2.Caption = cd.Caption;
  // What a write of the options or of the menu's screen shot cut short by a
  // crash left behind.
  sys::removeStaleTemporaries(sys::resolvePath(cd2.Caption), [](const std::string& name) {
    return name == "optionsNT.pre" || name == "temp.bmp";
  });

  log(" + testing bitsperpixel");
  if (game.desktop.bitsPerPixel() < 16) {
    reportFatal(
        "ERROR: Sie haben eine Farbtiefe von nur 8 Bit oder weniger eingestellt. Professor Kroxl "
        "benötigt mindestens 16 bit!");
    START.setEnabled(false);
    return;
  }

  log(" + checking drive");
  Button1Click();

  log(" + calibrate form1");
  Color = gfx::clBlack;
  game.Form9->Left = 243;
  game.Form9->Top = 216;
  f5.Width = 339;

  log(" + open config file");
  if (sys::fileSize(programPath("\\optionsNT.pre")) <= 0) {
    reportFatal(
        "ERROR: Die Datei \"optionsNT.pre\" konnte nicht gefunden werden! Überprüfen Sie ob sich "
        "die Datei in \"" +
        cd2.Caption + "\\\" befindet! Installieren Sie im Notfall das Spiel erneut!");
    START.setEnabled(false);
    return;
  }
  if (const sys::Result<void> r =
          f5.Memo2.Lines.loadFromFile(sys::resolvePath(programPath("\\optionsNT.pre")));
      !r.ok()) {
    // The game goes on with the default settings; the file keeps the player's.
    reportError("(!) Error: OptionsNT.pre could not be read: " + r.error().message);
    OptionValues defaults;
    defaults.speed = game.Form10->TrackBar1.Position();
    f5.Memo2.Lines.assign(optionsFileLines(defaults, dataRootEntry(game.setup.dataRoot, cd2.Caption)));
    game.Form10->keepUnreadableFile = true;
  }
  const sys::TextList& options = f5.Memo2.Lines;

  log("   - test free ram");
  const std::string version = options.get(4);
  log("   - locate version number: " + version);
  f2.version.Caption = version;
  f5.showMemory();
  f5.Label6.Caption = "Professor Kroxl Betaversion 0." + version;

  log(" + calibrate speed of program");
  for (int i = 0; i <= 100; ++i)
    if (options.get(i) == "[speed]") f5.edit1.setText(options.get(i + 1));

  log(" + look for startroomnumber");
  lookForStartRoom();

  log(" + check for data");
  for (int i = 0; i <= 100; ++i)
    if (options.get(i) == "[run from cd]" && options.get(i + 1) == "true")
      for (int j = 0; j <= 100; ++j)
        if (options.get(j) == "[run cd]") cd.Caption = options.get(j + 1);
  checkDataRoot();
  for (int i = 0; i <= 100; ++i)
    if (options.get(i) == "[base]" && options.get(i + 1) == "developer") f5.player.Caption = "developer";

  log(" + Changing Resolution");
  Label1.Top = 5000;
  switchDisplayMode(640, 480);
  f2.showDeveloperView(false);
  schirm.Top = 800;

  log(" + Calibrate form2");
  f2.setBounds(0, 0, 4000, 4000);
  f2.Color = gfx::clBlack;
  f2.Show();

  log(" + Calibrate form12");
  TForm12& f12 = *game.Form12;
  f12.Tag = 0;
  f12.setBounds(0, 0, 640, 480);
  f12.Color = gfx::clBlack;
  Color = gfx::clBlack;
  zone.Color = Color;

  game.Form3->loadVoiceDatabases();

  log(" + Loading Dialog source ...");
  loadListOrReport(f2.Memo5, dataPath("\\source\\dialogs\\dialogs.sou"));

  log(" + Calibrating Form1 again");
  setBounds(game.desktop.screenWidth() / 2 - 320, game.desktop.screenHeight() / 2 - 240, 640, 480);

  log(" + Define Variable ...");
  Show();
  START.setEnabled(false);
  // After a drive the game may not run from, the sequence has gone on
  // behind the error window; the game itself must not start.
  const bool stopped = !game.Form11->Memo1.Lines.empty();
  if (!stopped) build.setEnabled(true);
  Runner.Tag = game.desktop.screenHeight();
  f2.GroupBox1.Tag = f2.posit.Tag;
  MediaPlayer2->Tag = 3;
  game.Form10->einlesen.click();

  log(" + define animation containers ...");
  Image1.setBounds(1, 481, 204, 179);
  Image2.setBounds(400, 481, 204, 179);
  f2.posit.Tag = 450;
  setWalkTarget(450);

  log(" + give first orders ...");
  log(" + Start Game ...");
  log(" ");

  // The players stay open from here on: the runner reads their lengths on
  // every tick. A player that cannot open its file leaves the game unplayable.
  const std::pair<media::MediaPlayer*, const char*> firstFiles[] = {
      {MediaPlayer1.get(), "\\sound\\music\\toegl.mid"},
      {MediaPlayer3.get(), "\\movies\\black.avi"},
      {MediaPlayer2.get(), "\\sound\\effects\\none.wav"}};
  for (const auto& [player, file] : firstFiles) {
    player->FileName = dataPath(file);
    if (const sys::Result<void> opened = player->tryOpen(); !opened) {
      reportFatal("ERROR! " + opened.error().message);
      return;
    }
  }
  MediaPlayer2->Play();

  for (const char* line : kFirstOrders) f2.Memo1.add(line);
  if (currentRoom() == kNoStartRoom) loadListOrReport(f2.Memo1, dataPath("\\source\\scripts\\htm.smx"));
  // The backdrop and the main window were shown over the error window.
  if (stopped) game.Form11->Show();
}

}  // namespace game
