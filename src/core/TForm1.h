#pragma once
#include <memory>
#include <string>

#include "core/PanelVideoSurface.h"
#include "media/MediaPlayer.h"
#include "sys/DataPath.h"
#include "sys/TextList.h"
#include "ui/Button.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/TextViewer.h"
#include "ui/Timer.h"

namespace game {

class Game;

// The main window: the room picture, the hover line, the spoken-line band,
// the choice panel, the hot-spot labels, the timers that drive the game and
// the media players. Its handlers are defined in the folders of their
// subsystems.
class TForm1 : public ui::Form {
 public:
  explicit TForm1(Game& game);
  ~TForm1() override;

  Game& game;

  // Timers.
  ui::Timer Testen, START, build, Runner;

  // Directory prefixes: the data root and the program directory.
  ui::Label cd, cd2;
  // "loading ..." and the developer's walk-target mirror.
  ui::Label Label1, memory;

  // The room picture, the protagonist's work buffer and the clean copy of
  // the walk strip.
  ui::Image schirm, Image1, Image2;
  // The walk strip and the six hot-spot slots.
  ui::Label zone;
  ui::Label Object1, object2, object3, object4, object5, object6;
  // The spoken-line band (also the inventory bar) and the hover line.
  ui::Label say, helpline;

  // Invisible buttons: the walk target and callable actions.
  ui::Button block, Button1, NToption, laden, work;

  // The old menu panel.
  ui::Panel menu;
  ui::Button Button4, Button5, Button6;

  // The dialogue choice panel with its four reply lines.
  ui::Panel Panel1;
  ui::Label line1, Line2, Line3, Line4;

  // The video panel and the developer panel.
  ui::Panel Panel2, Panel3;
  ui::Label Label2;

  // The four answer boxes of the desk close-up.
  ui::ComboBox ComboBox1, ComboBox2, ComboBox3, ComboBox4;

  // Image lists: the protagonist's body frames and faces, the room
  // background, the item icons.
  ui::ImageList animate, face, backgraphic, inventar;

  // Music, effects and speech, video; films play on the video panel.
  PanelVideoSurface videoSurface{Panel2};
  std::unique_ptr<media::MediaPlayer> MediaPlayer1, MediaPlayer2, MediaPlayer3;

  // The double-click detector shared with the click dispatcher, and the
  // target of the last scripted walk.
  int clickCountdown = 0;
  int scriptWalkTarget = 0;

  // Start-up and shutdown.
  void FormCreate();
  void loadImageLists();
  void TestenTimer();
  void STARTTimer();
  void Button1Click();  // the drive check
  void NToptionClick();  // writes the default options file when there is none
  void sayDblClick();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void FormClose();
  void lookForStartRoom();
  // Loads a text file into a list; a file that cannot be read leaves the
  // list as it was and is reported in the error list.
  bool loadListOrReport(sys::TextList& list, const std::string& path);

  // The runner: one command and the housekeeping per tick.
  void RunnerTimer();

  // The room builder, the hot spots and the hover line.
  void buildTimer();
  void zoneMouseMove(int x, int y);
  void FormMouseMove();
  void helplineFadeStep();
  void pointerShapeStep();

  // The people's animation; the effect-sound hook does nothing.
  void personAnimation(int room);
  void effectSound(const std::string& path, int number);

  // Spoken lines, the choice panel and the dialogue trees. Returns false
  // when the room has no person to talk to.
  bool refreshChoicePanel();
  void dialogTree(const std::string& person, const std::string& reply, int index);

  // The choice panel's reply lines: pointing highlights, a press chooses
  // (line 1 to 4).
  void lineMouseDown(int line);
  void lineMouseMove(int line);
  void Panel1MouseMove();

  // The inventory bar on the spoken-line band.
  void paintInventoryBar();
  void sayMouseMove(int x);
  void sayMouseDown(ui::MouseButton button);
  // Uses the held item on the hot spot of the last click.
  void useHeldItem();

  // Keys and the in-game menu.
  void FormKeyDown(int& key);
  void openMenu();
  void closeMenu();
  void menuHover(int x, int y);
  // Acts on the menu entry the hover line names; returns true when it saved
  // or loaded a game.
  bool menuClick();

  // Saved games: composing the save buffer and the load action.
  void composeSaveGame();
  void ladenClick();

  // Clicks.
  void zoneMouseDown(ui::MouseButton button, int x);
  void FormMouseDown(ui::MouseButton button, int x);
  void Image2Click();
  void ComboBox1Change();

  // Screen and desktop helpers.
  void switchDisplayMode(int width, int height);
  void showStartButton(bool show);
  // Draws a picture file onto the room picture and into the clean copy of
  // the walk strip; a missing file becomes one line in the error list.
  void drawOverlay(const std::string& path, int x, int y);
  // Returns whether a program of the desktop took the file or address.
  bool shellOpen(const std::string& file, const std::string& parameters, const std::string& directory,
                 int showCommand);
  // Shows a readme (a game path): through the desktop as a UTF-8 copy, or,
  // with no program there to open it, in a window of the game.
  void openReadme(const std::string& file);
  // The game's own window for reading a text, while one is open.
  std::unique_ptr<ui::TextViewer> textViewer;

  // A path under the data root or the program directory. A name that would
  // climb out of the data root is kept inside it (see sys::confinedName), so
  // no name from a save or a script can reach another file of the system.
  std::string dataPath(const std::string& relative) const { return cd.Caption + sys::confinedName(relative); }
  std::string programPath(const std::string& relative) const { return cd2.Caption + relative; }
  // Adds a line to the settings screen's (non-fatal) or the error window's
  // (fatal) error list.
  void reportError(const std::string& line);
  // The same, once for a run of the same failure: a line equal to the last
  // one of the list is not added again.
  void reportErrorOnce(const std::string& line);
  void reportFatal(const std::string& line);
  // Appends to the protocol log.
  void log(const std::string& line);
};

}  // namespace game
