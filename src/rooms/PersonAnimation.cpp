// The people in the rooms come alive through small pictures drawn over the
// background on every runner tick. A room's animation table says which pose
// each step shows; the room's rules say which pictures a pose means.
#include "rooms/PersonAnimation.h"

#include "core/Game.h"
#include "core/TForm1.h"
#include "gfx/Bmp.h"
#include "state/TForm2.h"

namespace game {
namespace {

struct RoomRules {
  int room;
  RoomAnimation animate;
};

const RoomRules kRoomRules[] = {
    {1, animateOffice},       {2, animateCorridor},      {500, animateMinigolf},   {8, animateWorkshop},
    {104, animateArchive},    {201, animatePrinterRoom}, {7, animateCanteen},      {6, animateLibrary},
    {-10000, animateGrounds}, {-10001, animateGrounds},  {-10003, animateGrounds},
};

RoomAnimation rulesFor(int room) {
  for (const RoomRules& rules : kRoomRules)
    if (rules.room == room) return rules.animate;
  return nullptr;
}

}  // namespace

AnimationStep::AnimationStep(TForm1& form, int roomNumber, std::string frameCode)
    : f1(form), state(*form.game.Form2), room(roomNumber), code(std::move(frameCode)) {}

int AnimationStep::frame() const {
  return state.Memo4.Tag;
}
int AnimationStep::mouth() const {
  return state.talking.Tag;
}
bool AnimationStep::byDay() const {
  return state.Tag.Caption == "tag";
}
bool AnimationStep::talking(const char* person) const {
  return state.talking.Caption == std::string("talking: ") + person;
}

void AnimationStep::draw(const std::string& path, int x, int y) {
  work_ = gfx::loadBmpOrThrow(f1.dataPath(path));
  f1.schirm.canvas().draw(x, y, work_);
}

void AnimationStep::overlay(const std::string& path, int x, int y) {
  f1.drawOverlay(f1.dataPath(path), x, y);
}

void AnimationStep::cue(const std::string& path) {
  f1.effectSound(f1.dataPath(path), 3);
}

int AnimationStep::random(int n) {
  return f1.game.random.next(n);
}

void AnimationStep::reseedFromClock() {
  f1.game.random.seed(static_cast<uint32_t>(f1.game.desktop.clock().nowMs()));
}

// The animation rests while the story pauses it and for the first ticks of
// the game; the mouths and the table stand still meanwhile.
void TForm1::personAnimation(int room) {
  TForm2& f2 = *game.Form2;
  if (f2.pause.Tag != 0 || f2.background.Tag != 0) return;

  sys::TextList& table = f2.Memo4;
  table.Tag += 1;
  // The mouth moves on every second step, whoever speaks.
  f2.talking.Left += 1;
  if (f2.talking.Left > 1) {
    f2.talking.Left = 0;
    f2.talking.Tag += 1;
    if (f2.talking.Tag >= 4) f2.talking.Tag = 0;
  }
  // The counter moves before the test, so after a room change the table
  // plays from its second line; an empty table keeps it at 0.
  if (table.Tag > table.Count() - 1) table.Tag = 0;

  AnimationStep step(*this, room, table.get(table.Tag));
  if (RoomAnimation animate = rulesFor(room)) animate(step);
}

// Sound cues of the animation are recognised and deliberately left silent.
void TForm1::effectSound(const std::string&, int) {}

}  // namespace game
