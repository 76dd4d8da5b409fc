#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "media/MediaPlayer.h"
#include "sys/Random.h"
#include "sys/SystemInfo.h"
#include "ui/Desktop.h"

namespace game {

class TForm1;
class TForm2;
class TForm3;
class TForm5;
class TForm7;
class TForm8;
class TForm9;
class TForm10;
class TForm11;
class TForm12;
class TForm13;
class TForm14;

enum class PlayerKind { Midi, Wave, Video };

// What the front end decides for a game: how media is played and how the
// start-up checks see the machine.
struct GameSetup {
  uint32_t seed = 0;
  std::function<std::unique_ptr<media::MediaPlayer>(PlayerKind)> makePlayer;
  // The kind of drive a path lies on; tests pretend network or CD-ROM drives.
  std::function<sys::DriveType(const std::string&)> driveType;
};

// The one game object: it owns the desktop, the twelve windows, the media
// players (through the main window), the clock and the random generator.
// Nothing of the game is global; windows reach each other through it.
class Game {
 public:
  Game(ui::Platform& platform, GameSetup setup);
  ~Game();
  Game(const Game&) = delete;
  Game& operator=(const Game&) = delete;

  ui::Desktop desktop;
  sys::Random random;
  GameSetup setup;

  // The windows, created in this order by the main program.
  std::unique_ptr<TForm1> Form1;
  std::unique_ptr<TForm2> Form2;
  std::unique_ptr<TForm3> Form3;
  std::unique_ptr<TForm5> Form5;
  std::unique_ptr<TForm7> Form7;
  std::unique_ptr<TForm8> Form8;
  std::unique_ptr<TForm9> Form9;
  std::unique_ptr<TForm10> Form10;
  std::unique_ptr<TForm11> Form11;
  std::unique_ptr<TForm12> Form12;
  std::unique_ptr<TForm13> Form13;
  std::unique_ptr<TForm14> Form14;

  static constexpr const char* kTitle = "Professor Kroxl NT-Version";

  // Runs the application until the main window closes.
  void run();

  std::unique_ptr<media::MediaPlayer> makePlayer(PlayerKind kind);
};

}  // namespace game
