// The room change: the one-shot timer `build` builds the room whose number
// is in its Tag and hands the game back to the runner. The steps keep their
// order; scripts, save games and the protocol rely on it.
#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "core/TForm5.h"
#include "gfx/Bmp.h"
#include "rooms/RoomEvents.h"
#include "rooms/RoomSteps.h"
#include "rooms/RoomTable.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game {
namespace {

constexpr int kScreenWidth = 640;

// Until the screen has once been found 640 pixels wide, every room change
// checks it again; the left edge of `cd` says whether it still has to.
void checkResolution(TForm1& f1) {
  if (f1.cd.Left <= 0) return;
  f1.log(" + checking resolution ...");
  const int width = f1.game.desktop.screenWidth();
  if (width > kScreenWidth) {
    f1.log(" + ERROR: Wrong resolution");
    f1.reportError("WARNING! Wrong resolution!");
  }
  if (width == kScreenWidth) f1.cd.Left = 0;
}

void resetHotSpots(TForm1& f1) {
  f1.log(" + reset objects");
  for (ui::Label* slot : rooms::hotSpotSlots(f1)) {
    slot->Hint.clear();
    slot->Left = -1000;
  }
}

// Draws the background named in the main window's caption and keeps it as
// background picture 0. A missing or empty file leaves the picture as it was.
void drawBackground(TForm1& f1) {
  const std::string path = f1.dataPath(f1.Caption);
  if (sys::fileSize(path) <= 0) return;
  sys::Result<gfx::Bitmap> picture = gfx::loadBmp(path);
  if (!picture.ok()) {
    rooms::reportUnreadablePicture(f1, path, picture.error().message);
    return;
  }
  f1.schirm.canvas().draw(0, 0, *picture);
  f1.backgraphic.Clear();
  f1.log(" + handle backgraphic");
  f1.backgraphic.Add(*picture);
  f1.log(" + define variables");
}

}  // namespace

void TForm1::buildTimer() {
  TForm2& f2 = *game.Form2;
  const int room = currentRoom();

  if (!game.Form5->edit1.Text().empty()) Runner.setInterval(1);
  Label1.Color = gfx::clBlack;
  Label1.Top = 5000;
  f2.background.Tag = 0;
  f2.Memo4.Tag = 0;
  f2.posit.Caption = "Kroxl: walking";
  f2.sonsti.Tag = 1;
  f2.Label12.Caption = MediaPlayer1->FileName;
  log("");
  log(" --- Change room (" + std::to_string(room) + ") -----------");
  f2.Label1.Tag = 10;
  setWalkTarget(walkTarget() - 30);
  zone.setBounds(120, 200, 600, 280);
  checkResolution(*this);
  f2.Grenze.Left = 0;
  f2.Grenze.Width = 640;
  resetHotSpots(*this);
  f2.Label1.Caption = cd.Caption;
  helpline.Caption.clear();
  log(" + redefine objects");

  rooms::applyRoomStep(*this, room);
  if (room != kRoomDeskCloseUp) {
    for (ui::ComboBox* box : {&ComboBox1, &ComboBox2, &ComboBox3, &ComboBox4}) {
      box->Enabled = false;
      box->Top = 5000;
    }
  }
  // The cleaning woman has gone: by day the corridor shows its tidy picture.
  if (room == kRoomCorridor && f2.Tag.Caption == "tag" && f2.putzfrau.Tag > 1)
    Caption = "\\graphic\\gang\\hintergrund2.bmp";
  drawBackground(*this);

  build.setEnabled(false);
  Runner.setEnabled(true);
  Image2.Width = zone.Width;
  Image2.Height = zone.Height;
  f2.Label5.Caption = MediaPlayer1->FileName;
  log("  Room: " + f2.Label2.Caption);
  rooms::drawRoomOverlays(*this, room);
  log("  call runner ->");
}

}  // namespace game
