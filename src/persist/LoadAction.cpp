// The load action behind the main window's invisible button `laden`: the
// load screen, the version question, and the queue that rebuilds the game.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm12.h"
#include "core/TForm14.h"
#include "core/TForm3.h"
#include "persist/SaveGame.h"
#include "state/TForm2.h"

namespace game {
namespace {

// Saved games older than this still name the music of the old sound system.
constexpr int kFirstVersionOfNewSound = 7;

// The loading pictures and how many ticks each one stays.
constexpr int kLoadingWaits[7] = {2, 2, 2, 2, 5, 10, 5};

void queueLoadingPictures(sys::TextList& queue) {
  // A room the table does not know and a position far off the screen: the
  // pictures stand on an empty screen until the saved room is built.
  for (const char* line :
       {"jump to", "-300008", "goto room", "-23552", "bitmap", "\\movies\\loading.bmp", "0", "0"})
    queue.add(line);
  for (int k = 0; k < 7; ++k) {
    queue.add("bitmap");
    queue.add("\\movies\\loading0" + std::to_string(k + 1) + ".bmp");
    queue.add("301");
    queue.add("288");
    queue.add("wait");
    queue.add(std::to_string(kLoadingWaits[k]));
  }
}

// Asks before a saved game of another version is loaded; returns whether to go on.
bool acceptVersion(TForm1& f1, const std::string& saved) {
  const std::string current = f1.game.Form2->version.Caption;
  if (saved == current) return true;
  ui::Desktop& desktop = f1.game.desktop;
  const ui::TModalResult answer = desktop.messageBox(
      {"Sie sind dabei einen Spielstand der Version 0." + saved +
           " zu laden. Sie benutzen jedoch Professor Kroxl Version " + current + "! Wollen Sie fortsetzen?",
       Game::kTitle, ui::MessageKind::Warning, ui::MessageButtons::YesNo});
  if (answer != ui::TModalResult::Yes) return false;
  const std::optional<int> version = savegame::parseInt(saved);
  if (!version) {
    f1.reportError("ERROR! Savegame: version \"" + saved + "\" is not a number.");
  } else if (*version < kFirstVersionOfNewSound) {
    desktop.messageBox(
        {"WARNUNG! Sie sind dabei einen Spielstand zu laden, der noch das alte Soundsystem "
         "insultiert. Es können Fehler bei der Musikwiedergabe auftreten!",
         Game::kTitle, ui::MessageKind::Warning, ui::MessageButtons::Ok});
  }
  f1.reportError("WARNING! Loading an old version of savegame.");
  return true;
}

// Asks the load screen for a saved game; empty when the player cancelled.
std::string chooseSavedGame(TForm1& f1) {
  TForm14& screen = *f1.game.Form14;
  ui::Desktop& desktop = f1.game.desktop;
  screen.setClientSize(465, 291);
  screen.Left = desktop.screenWidth() / 2 - 465 / 2;
  screen.Top = desktop.screenHeight() / 2 - 291 / 2;
  screen.zeige.click();
  screen.SpeedButton1.Enabled = false;
  if (screen.ShowModal() != ui::TModalResult::Ok) return {};
  return screen.FileListBox1.FileName();
}

// Tells the player why nothing was loaded: the menu closes over the room
// again, so the error sign alone would not be seen.
void refuseSavedGame(TForm1& f1, const std::string& path, const std::string& error) {
  f1.reportError(error);
  const std::string name = path.substr(path.find_last_of("\\/") + 1);
  f1.game.desktop.messageBox({"Der Spielstand \"" + name + "\" ist beschädigt und kann nicht geladen werden.",
                              Game::kTitle, ui::MessageKind::Warning, ui::MessageButtons::Ok});
}

}  // namespace

void TForm1::ladenClick() {
  TForm2& f2 = *game.Form2;
  const std::string path = chooseSavedGame(*this);
  if (path.empty()) return;

  // The file is checked before it replaces the save buffer: a file that is
  // no saved game, or one that would leave the player nowhere, is reported
  // and treated like a cancelled choice.
  sys::Result<std::vector<std::string>> file = savegame::readSavedGame(path);
  if (!file) {
    refuseSavedGame(*this, path, "ERROR! " + file.error().message);
    return;
  }
  sys::TextList& buffer = game.Form3->Memo2.Lines;
  buffer.assign(std::move(file).value());

  if (!acceptVersion(*this, buffer.get(1))) {
    Runner.setEnabled(true);
    return;
  }

  TForm12& title = *game.Form12;
  if (title.Tag > 0) {
    f2.Memo1.clear();
    f2.Memo1.add("activate");
    Enabled = true;
    title.Hide();
    title.Tag = 0;
  }

  f2.Tag.Caption = "tag";
  if (MediaPlayer1->mode() != media::Mode::NotOpen) MediaPlayer1->Stop();
  queueLoadingPictures(f2.Memo1);
  say.canvas().fillRect(gfx::Rect{0, 0, 500, 500}, gfx::clBlack);
  savegame::interpretBuffer(*this);
  Runner.setEnabled(true);
}

}  // namespace game
