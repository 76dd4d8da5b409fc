// The hover line: which hot spot is under the pointer, the text that names
// it, the soft fade of that text, and the pointer's shape.
#include "core/Game.h"
#include "core/TForm1.h"
#include "rooms/RoomEvents.h"
#include "state/TForm2.h"

namespace game {
namespace {

constexpr int kTopLevel = 15;

// The text colour of fade levels 1 to 14, from the bar's blue towards white.
constexpr gfx::TColor kFadeColors[kTopLevel - 1] = {
    gfx::rgb(1, 115, 169),   gfx::rgb(1, 129, 190),   gfx::rgb(1, 143, 211),   gfx::rgb(1, 157, 233),
    gfx::rgb(1, 172, 254),   gfx::rgb(22, 179, 254),  gfx::rgb(44, 186, 254),  gfx::rgb(65, 192, 254),
    gfx::rgb(86, 200, 254),  gfx::rgb(107, 206, 254), gfx::rgb(129, 214, 254), gfx::rgb(171, 227, 254),
    gfx::rgb(203, 237, 254), gfx::rgb(227, 247, 255)};

enum Pointer { kObject = 2, kTarget = 3, kInventar = 4, kInventar2 = 5 };

// Borders belong to no slot: a point on an edge is outside.
bool inside(const ui::Label& slot, int x, int y) {
  return slot.Left < x && x < slot.Left + slot.Width && slot.Top < y && y < slot.Top + slot.Height;
}

}  // namespace

void TForm1::zoneMouseMove(int x, int y) {
  TForm2& f2 = *game.Form2;
  const std::string oldText = helpline.Caption;
  const std::string prefix = f2.inventar.Tag != 0 ? "Benütze " + heldItem() + " mit " : "";
  for (ui::Label* line : {&line1, &Line2, &Line3, &Line4}) line->Font.Color = gfx::clWhite;
  f2.setHotSpotUnderPointer(0);

  const auto slots = rooms::hotSpotSlots(*this);
  bool hit = false;
  for (int i = 0; i < 6 && !hit; ++i) {
    const ui::Label& slot = *slots[i];
    if (!inside(slot, x, y)) continue;
    hit = true;
    helpline.Caption = prefix + slot.Hint;
    f2.setHotSpotUnderPointer(i + 1);
    setHoveredSpotCentre(slot.Left + slot.Width / 2);
  }
  if (!hit && helpline.Tag > 0) helpline.Caption = prefix;

  if (f2.inMode(Mode::Menu)) menuHover(x, y);
  // The item has now been moved onto something: the click may use it.
  if (helpline.Caption != prefix && f2.inventar.Tag == 2) f2.inventar.Tag = 1;

  // A name that has just been left stays and fades out instead of vanishing.
  f2.effect.Left = 0;
  if (!oldText.empty() && helpline.Caption.empty() && helpline.Tag > 1) {
    helpline.Caption = oldText;
    f2.effect.Left = 1;
  }
}

void TForm1::FormMouseMove() {
  helpline.Caption.clear();
}

void TForm1::helplineFadeStep() {
  TForm2& f2 = *game.Form2;
  const bool fadingOut = f2.effect.Left == 1;
  if (!helpline.Caption.empty()) {
    if (!fadingOut) helpline.Tag += 1;
  } else {
    helpline.Tag -= 2;
  }
  if (fadingOut) helpline.Tag -= 3;

  // Levels 0 and 15 keep the colour the text already has.
  if (helpline.Tag > kTopLevel) {
    helpline.Tag = kTopLevel;
    f2.effect.Color = gfx::clWhite;
  } else if (helpline.Tag >= 1 && helpline.Tag < kTopLevel) {
    f2.effect.Color = kFadeColors[helpline.Tag - 1];
  }
  if (helpline.Tag < 0) {
    helpline.Tag = 0;
    f2.effect.Color = TForm1::kHelplineColour;
  }
  // While a script runs the bar is black and stays unreadable.
  if (helpline.Color != gfx::clBlack) helpline.Font.Color = f2.effect.Color;
}

void TForm1::pointerShapeStep() {
  TForm2& f2 = *game.Form2;
  if (f2.inMode(Mode::Normal)) {
    const bool itemInHand = f2.inventar.Tag != 0;
    const bool overHotSpot = f2.hotSpotUnderPointer() > 0;
    schirm.Cursor = itemInHand ? kInventar2 : kTarget;
    if (overHotSpot) schirm.Cursor = kObject;
    if (overHotSpot && itemInHand) schirm.Cursor = kInventar;
  }
}

}  // namespace game
