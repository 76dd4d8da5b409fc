// The small screen, desktop and file helpers the whole game uses.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm11.h"
#include "core/TForm5.h"
#include "gfx/Bmp.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game {

// The game's screen is the 640 x 480 virtual desktop: switching the display
// mode changes the size the game sees. The user's monitor is never touched.
void TForm1::switchDisplayMode(int width, int height) {
  game.desktop.setDisplayMode(width, height);
}

// Our desktops have no task bar start button to hide; there is nothing to do.
void TForm1::showStartButton(bool) {}

void TForm1::drawOverlay(const std::string& path, int x, int y) {
  if (sys::fileSize(path) == -1) {
    const std::string error = "ERROR! Grafic-File not found: \"" + path + "\"!";
    // A run of the same failure is reported once.
    sys::TextList& errors = game.Form5->Memo1.Lines;
    if (errors.empty() || errors.last() != error) errors.add(error);
    return;
  }
  // A file that is there but cannot be read fails the caller (inside a
  // runner tick, that ends the game).
  const gfx::Bitmap picture = gfx::loadBmpOrThrow(path);
  schirm.canvas().draw(x, y, picture);
  Image2.canvas().draw(x, gfx::addSat(y, -int64_t{zone.Top}), picture);
}

// Texts are passed whole: the old 80-character buffers would cut off a long
// data root in front of "\readme.txt" and open the wrong file.
bool TForm1::shellOpen(const std::string& file, const std::string& /*parameters*/,
                       const std::string& /*directory*/, int /*showCommand*/) {
  const bool address = file.find("://") != std::string::npos;
  return game.desktop.shellOpen(address ? file : sys::resolvePath(file));
}

void TForm1::reportError(const std::string& line) {
  game.Form5->Memo1.Lines.add(line);
}

void TForm1::reportErrorOnce(const std::string& line) {
  if (game.Form5->Memo1.Lines.empty() || game.Form5->Memo1.Lines.last() != line) reportError(line);
}

void TForm1::reportFatal(const std::string& line) {
  game.Form11->Memo1.Lines.add(line);
}

void TForm1::log(const std::string& line) {
  game.Form2->Memo2.add(line);
}

}  // namespace game
