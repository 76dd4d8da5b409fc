// The room's own step of a room change and its overlays: everything the room
// table says about one room, applied to the main window and the state store.
#include <algorithm>

#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "gfx/Bmp.h"
#include "rooms/RoomEvents.h"
#include "rooms/RoomSteps.h"
#include "rooms/RoomTable.h"
#include "state/TForm2.h"

namespace game::rooms {
namespace {

// The corridor is wider than the screen: its walk strip reaches past the
// right edge.
constexpr int kWideCorridor = 2;

ui::Label& slot(TForm1& f1, int number) {
  return *hotSpotSlots(f1)[number - 1];
}

void loadAnimationTable(TForm1& f1, const Room& room) {
  TForm2& f2 = *f1.game.Form2;
  if (room.animation == kKeep) return;
  f2.Memo4.clear();
  if (room.animation == std::string(kCleared)) return;
  for (const AnimationNote& note : animationNotes())
    if (note.room == room.number) f1.log(note.line);
  // A missing table leaves the people standing still; the error list says why.
  f1.loadListOrReport(f2.Memo4, f1.dataPath(std::string("\\source\\anim\\") + room.animation));
}

void chooseBackground(TForm1& f1, const Room& room) {
  const TForm2& f2 = *f1.game.Form2;
  f1.Caption = room.background;
  for (const BackgroundVariant& v : backgroundVariants())
    if (v.room == room.number && v.when(f2)) f1.Caption = v.background;
}

void defineHotSpots(TForm1& f1, int room) {
  const TForm2& f2 = *f1.game.Form2;
  for (const HotSpot& spot : hotSpots()) {
    if (spot.room != room || (spot.when && !spot.when(f2))) continue;
    ui::Label& label = slot(f1, spot.slot);
    label.setBounds(spot.left, spot.top, spot.width, spot.height);
    label.Hint = spot.text;
  }
  for (const HotSpotMove& move : hotSpotMoves()) {
    if (move.room != room || !move.when(f2)) continue;
    ui::Label& label = slot(f1, move.slot);
    (move.edge == Edge::Left ? label.Left : label.Top) = move.to;
  }
}

void setWalkLimits(TForm1& f1, const Room& room) {
  TForm2& f2 = *f1.game.Form2;
  f2.Grenze.Left = room.walkLeft;
  f2.Grenze.Width = room.walkRight;
  for (const WalkLimitVariant& v : walkLimitVariants()) {
    if (v.room != room.number || !v.when(f2)) continue;
    f2.Grenze.Left = v.walkLeft;
    f2.Grenze.Width = v.walkRight;
  }
}

// The items are filled only when they differ, so that entering the desk
// again keeps the answers chosen before.
void placeDeskChoiceBoxes(TForm1& f1) {
  ui::ComboBox* boxes[] = {&f1.ComboBox1, &f1.ComboBox2, &f1.ComboBox3, &f1.ComboBox4};
  const auto table = deskChoiceBoxes();
  for (size_t i = 0; i < table.size(); ++i) {
    ui::ComboBox& box = *boxes[i];
    const ChoiceBox& row = table[i];
    box.setBounds(row.left, row.top, row.width, row.height);
    box.Enabled = true;
    const std::vector<std::string> items(row.items.begin(), row.items.end());
    if (box.Items.lines() != items) {
      box.Items.assign(items);
      box.setItemIndex(-1);
    }
  }
}

void buildIntro(TForm1& f1, const Room& room) {
  TForm2& f2 = *f1.game.Form2;
  f2.setMode(Mode::Normal);
  f2.Label2.Caption = room.name;
  f1.Caption = room.background;
  f2.Memo1.clear();
  // A missing opening leaves the queue empty; the player still gets the room.
  f1.loadListOrReport(f2.Memo1, f1.dataPath("\\source\\scripts\\intro.smx"));
  f1.zone.Left = 0;
  f1.zone.Width = 640;
}

void buildNormalRoom(TForm1& f1, const Room& room) {
  TForm2& f2 = *f1.game.Form2;
  f1.zone.Left = 0;
  f1.zone.Width = room.number == kWideCorridor ? 800 : 640;
  loadAnimationTable(f1, room);
  if (room.music != kKeep)
    f1.MediaPlayer1->FileName = f1.dataPath(std::string("\\sound\\music\\") + room.music);
  if (room.name != kKeep) f2.Label2.Caption = room.name;
  chooseBackground(f1, room);
  defineHotSpots(f1, room.number);
  setWalkLimits(f1, room);
  if (room.number == kRoomDeskCloseUp) placeDeskChoiceBoxes(f1);
}

}  // namespace

void applyRoomStep(TForm1& f1, int number) {
  const Room* room = findRoom(number);
  if (!room) return;
  switch (room->kind) {
    case Kind::Intro:
      buildIntro(f1, *room);
      break;
    case Kind::BackgroundOnly:
      f1.Caption = room->background;
      break;
    case Kind::Normal:
      buildNormalRoom(f1, *room);
      break;
  }
}

void drawRoomOverlays(TForm1& f1, int room) {
  const TForm2& f2 = *f1.game.Form2;
  for (const Overlay& o : overlays()) {
    if (o.room != room || !o.when(f2)) continue;
    if (o.moveSlot != 0) slot(f1, o.moveSlot).Top = o.moveTopTo;
    const std::string path = f1.dataPath(o.picture);
    try {
      f1.drawOverlay(path, o.x, o.y);
    } catch (const gfx::PictureError& e) {
      reportUnreadablePicture(f1, path, e.what());
    }
  }
}

void reportUnreadablePicture(TForm1& f1, const std::string& path, const std::string& reason) {
  f1.reportError("ERROR! Grafic-File not readable: \"" + path + "\"! (" + reason + ")");
}

}  // namespace game::rooms
