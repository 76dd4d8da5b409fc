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
// subsystems. Its own Caption holds the current room's background picture.
class TForm1 : public ui::Form {
 public:
  explicit TForm1(Game& game);
  ~TForm1() override;

  Game& game;

  // Timers: the warm-up (its Tag counts its ticks), the start-up (Tag -1),
  // the room builder (its Tag is the current room: currentRoom()) and the
  // runner (its Tag is the screen height the previous tick saw).
  ui::Timer Testen, START, build, Runner;

  // Directory prefixes: the data root and the program directory. cd's Left
  // set to 15 asks the room builder to check the screen's resolution again.
  ui::Label cd, cd2;
  // "loading ..." and the developer's walk-target mirror.
  ui::Label Label1, memory;

  // The room picture (its Tag is the centre x of the hot spot last pointed
  // at: hoveredSpotCentre()), the protagonist's work buffer and the clean
  // copy of the walk strip.
  ui::Image schirm, Image1, Image2;
  // The walk strip and the six hot-spot slots.
  ui::Label zone;
  ui::Label Object1, object2, object3, object4, object5, object6;
  // The spoken-line band, also the inventory bar: its Tag counts the ticks
  // the line stays (sayCountdown()), its Hint names the item in hand
  // (heldItem()). The hover line: its Tag is the fade level of its text, its
  // Hint the text the previous tick showed.
  ui::Label say, helpline;
  // The hover line's own colour (red 1, green 100, blue 148): text of this
  // colour cannot be seen on it.
  static constexpr gfx::TColor kHelplineColour = 9724929;

  // Invisible buttons: the walk target (block's Left: walkTarget()) and
  // callable actions; work's Tag 1 shows the title screen's columns at once.
  ui::Button block, Button1, NToption, laden, work;

  // The old menu panel.
  ui::Panel menu;
  ui::Button Button4, Button5, Button6;

  // The dialogue choice panel with its four reply lines.
  ui::Panel Panel1;
  ui::Label line1, Line2, Line3, Line4;

  // The video panel and the developer panel with its mirror of the
  // double-click counter.
  ui::Panel Panel2, Panel3;
  ui::Label Label2;

  // The four answer boxes of the desk close-up.
  ui::ComboBox ComboBox1, ComboBox2, ComboBox3, ComboBox4;

  // Image lists: the protagonist's body frames and faces, the room
  // background, the item icons.
  ui::ImageList animate, face, backgraphic, inventar;

  // Music, effects and speech, video; films play on the video panel. The
  // wave player's Tag says what it holds: 1 speech, 2 an effect, 3 nothing,
  // 10 a file that failed.
  PanelVideoSurface videoSurface{Panel2};
  std::unique_ptr<media::MediaPlayer> MediaPlayer1, MediaPlayer2, MediaPlayer3;

  // The double-click detector shared with the click dispatcher, and the
  // target of the last scripted walk.
  int clickCountdown = 0;
  int scriptWalkTarget = 0;

  // What the hidden carriers above hold, by name. The fields keep their own
  // names, under which the dump and the saved games know them.
  int currentRoom() const { return build.Tag; }  // "goto room" sets it before the room is built
  void setCurrentRoom(int room) { build.Tag = room; }
  // The x the protagonist walks towards, 6 pixels a tick.
  int walkTarget() const { return block.Left; }
  void setWalkTarget(int x) { block.Left = x; }
  // Ticks the spoken line stays on display: -9999 when none is, 30000 while
  // its recording plays.
  int sayCountdown() const { return say.Tag; }
  void setSayCountdown(int ticks) { say.Tag = ticks; }
  // The name of the item in hand (the store's inventar.Tag says whether one is).
  const std::string& heldItem() const { return say.Hint; }
  void setHeldItem(const std::string& name) { say.Hint = name; }
  // He turns towards it when a click finds no script; it stays when the
  // pointer leaves the hot spot.
  int hoveredSpotCentre() const { return schirm.Tag; }
  void setHoveredSpotCentre(int x) { schirm.Tag = x; }

  // Start-up and shutdown.
  void FormCreate();
  void loadImageLists();
  void TestenTimer();
  void STARTTimer();
  void Button1Click();   // the drive check
  void NToptionClick();  // writes the default options file when there is none
  void sayDblClick();
  void Button4Click();
  void Button5Click();
  void Button6Click();
  void FormClose();
  void lookForStartRoom();
  void checkDataRoot();
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

  // Spoken lines, the choice panel and the dialogue trees. The spoken-line
  // band takes the colour and weight of the speaker's lines (the table of
  // people). The panel's refresh returns false when the room has no person
  // to talk to.
  void styleSpokenLine(const std::string& speaker);
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
