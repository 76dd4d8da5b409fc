#pragma once
#include <memory>

#include "media/MediaPlayer.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/ImageList.h"
#include "ui/Label.h"
#include "ui/Panel.h"
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

  // Image lists: the protagonist's body frames and faces, the room
  // background, the item icons.
  ui::ImageList animate, face, backgraphic, inventar;

  // Music, effects and speech, video.
  std::unique_ptr<media::MediaPlayer> MediaPlayer1, MediaPlayer2, MediaPlayer3;

  // The double-click detector shared with the click dispatcher, and the
  // target of the last scripted walk.
  int clickCountdown = 0;
  int scriptWalkTarget = 0;

  // Start-up and shutdown.
  void FormCreate();
};

}  // namespace game
