#include "core/Game.h"

#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm11.h"
#include "core/TForm12.h"
#include "core/TForm13.h"
#include "core/TForm14.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "core/TForm7.h"
#include "core/TForm8.h"
#include "core/TForm9.h"
#include "media/SimulatedPlayer.h"
#include "state/TForm2.h"

namespace game {

Game::Game(ui::Platform& platform, GameSetup s) : desktop(platform), random(s.seed), setup(std::move(s)) {
  Form1 = std::make_unique<TForm1>(*this);
  Form2 = std::make_unique<TForm2>(desktop);
  Form3 = std::make_unique<TForm3>(*this);
  Form5 = std::make_unique<TForm5>(*this);
  Form7 = std::make_unique<TForm7>(*this);
  Form8 = std::make_unique<TForm8>(*this);
  Form9 = std::make_unique<TForm9>(*this);
  Form10 = std::make_unique<TForm10>(*this);
  Form11 = std::make_unique<TForm11>(*this);
  Form12 = std::make_unique<TForm12>(*this);
  Form13 = std::make_unique<TForm13>(*this);
  Form14 = std::make_unique<TForm14>(*this);
}

// The windows go in the reverse order of their creation; the main window's
// players and timers last.
Game::~Game() {
  Form14.reset();
  Form13.reset();
  Form12.reset();
  Form11.reset();
  Form10.reset();
  Form9.reset();
  Form8.reset();
  Form7.reset();
  Form5.reset();
  Form3.reset();
  Form2.reset();
  Form1.reset();
}

std::unique_ptr<media::MediaPlayer> Game::makePlayer(PlayerKind kind) {
  if (setup.makePlayer) return setup.makePlayer(kind);
  return std::make_unique<media::SimulatedPlayer>(desktop.clock());
}

void Game::run() {
  Form1->FormCreate();
  Form1->Show();
  desktop.run();
}

}  // namespace game
