// The in-game menu: not a window but a picture drawn over the room while the
// game is paused, with six entries that light up under the pointer.
#include <optional>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm5.h"
#include "core/TForm7.h"
#include "gfx/Bmp.h"
#include "persist/SaveGame.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"

namespace game {
namespace {

// The walk target is moved this far out of the room while the menu is open.
constexpr int kWalkTargetAway = 3000;
// Where the lit panels are drawn over the menu picture.
constexpr int kPanelX = 218, kPanelY = 197;
// Pointer shapes over the menu and over one of its entries.
constexpr int kMenuCursor = 3, kEntryCursor = 2;

struct MenuEntry {
  int left, right, top, bottom;  // both ends included
  const char* picture;
  const char* name;
};

constexpr MenuEntry kEntries[] = {
    {238, 287, 198, 251, "\\graphic\\save.bmp", "Spielstand speichern"},
    {298, 367, 198, 251, "\\graphic\\load.bmp", "Spielstand laden"},
    {375, 422, 198, 251, "\\graphic\\help.bmp", "Hilfe und Info"},
    {238, 287, 263, 344, "\\graphic\\sequenz.bmp", "Zwischensequenzen ansehen"},
    {298, 367, 263, 344, "\\graphic\\tool.bmp", "Programmeinstellungen"},
    {375, 422, 263, 344, "\\graphic\\exit.bmp", "Spiel beenden"},
};
constexpr const char* kNoEntryPicture = "\\graphic\\0.bmp";

const MenuEntry* entryAt(int x, int y) {
  for (const MenuEntry& e : kEntries)
    if (e.left <= x && x <= e.right && e.top <= y && y <= e.bottom) return &e;
  return nullptr;
}

// Reads a picture; a file that is missing or unreadable becomes one line in
// the error list (once for a run of the same failure) and nothing is drawn.
std::optional<gfx::Bitmap> loadPicture(TForm1& f1, const std::string& path) {
  sys::Result<gfx::Bitmap> r = gfx::loadBmp(path);
  if (r.ok()) return std::move(*r);
  const std::string error = sys::fileSize(path) == -1 ? "ERROR! Grafic-File not found: \"" + path + "\"!"
                                                      : "ERROR! Grafic-File unreadable: \"" + path + "\"!";
  const sys::TextList& errors = f1.game.Form5->Memo1.Lines;
  if (errors.empty() || errors.last() != error) f1.reportError(error);
  return std::nullopt;
}

// A player pausing or resuming; one without a file is left alone.
void togglePause(media::MediaPlayer& player) {
  if (player.mode() != media::Mode::NotOpen) player.Pause();
}

void openSettingsPanel(TForm1& f1) {
  TForm5& settings = *f1.game.Form5;
  settings.Label2.Caption =
      "Bis jetzt " + std::to_string(settings.Memo1.Lines.Count()) + " Fehler aufgetreten";
  f1.Enabled = false;
  TForm10& panel = *f1.game.Form10;
  panel.Left = 217;
  panel.Top = 193;
  panel.Show();
}

void openCutSceneList(TForm1& f1) {
  TForm7& list = *f1.game.Form7;
  list.Left = 217;
  list.Top = 193;
  f1.Enabled = false;
  list.Show();
}

}  // namespace

void TForm1::openMenu() {
  setWalkTarget(gfx::addSat(walkTarget(), -kWalkTargetAway));
  Runner.setEnabled(false);

  // The room as it is now, to bring back when the menu closes and to make
  // save thumbnails from.
  gfx::Bitmap shot(640, 400);
  gfx::Canvas(shot).copyRect(gfx::Rect::xywh(0, 0, 640, 400), schirm.canvas().target(),
                             gfx::Rect::xywh(0, 0, 640, 400));
  const std::string shotPath = programPath("\\temp.bmp");
  if (const sys::Result<void> r = gfx::saveBmp(shotPath, shot); !r.ok())
    reportError("ERROR! Cannot write \"" + shotPath + "\": " + r.error().message);

  const std::optional<gfx::Bitmap> menuPicture = loadPicture(*this, dataPath("\\graphic\\menu.bmp"));
  game.Form2->setMode(Mode::Menu);
  togglePause(*MediaPlayer1);
  if (!savegame::atEndOfSound(*MediaPlayer2)) togglePause(*MediaPlayer2);
  if (menuPicture)
    schirm.canvas().drawTransparent(0, 0, *menuPicture, gfx::toColor(menuPicture->pixel(1, 1)));
}

void TForm1::closeMenu() {
  const std::string shotPath = programPath("\\temp.bmp");
  const std::optional<gfx::Bitmap> shot = loadPicture(*this, shotPath);
  game.Form2->setMode(Mode::Normal);
  togglePause(*MediaPlayer1);
  togglePause(*MediaPlayer2);
  if (shot) schirm.canvas().draw(0, 0, *shot);
  sys::removeFile(sys::resolvePath(shotPath));
  setWalkTarget(gfx::addSat(walkTarget(), kWalkTargetAway));
  Runner.setEnabled(true);
}

void TForm1::menuHover(int x, int y) {
  schirm.Cursor = kMenuCursor;
  helpline.Caption.clear();
  helpline.Tag = 1;
  helpline.Font.Color = gfx::clWhite;

  // The panel is read from disk on every move, lit or not.
  const MenuEntry* entry = entryAt(x, y);
  const std::optional<gfx::Bitmap> panel =
      loadPicture(*this, dataPath(entry ? entry->picture : kNoEntryPicture));
  if (panel) schirm.canvas().draw(kPanelX, kPanelY, *panel);
  if (!entry) return;
  helpline.Caption = entry->name;
  schirm.Cursor = kEntryCursor;
}

bool TForm1::menuClick() {
  const std::string entry = helpline.Caption;
  if (entry == "Hilfe und Info") {
    openReadme(dataPath("\\readme.txt"));
  } else if (entry == "Zwischensequenzen ansehen") {
    openCutSceneList(*this);
  } else if (entry == "Programmeinstellungen") {
    openSettingsPanel(*this);
  } else if (entry == "Spielstand speichern") {
    composeSaveGame();
    return true;
  } else if (entry == "Spielstand laden") {
    laden.click();
    closeMenu();
    return true;
  } else if (entry == "Spiel beenden") {
    Close();
  }
  return false;
}

}  // namespace game
