// The people off the main floor: the archivist, Franz at the printer, Motty on
// the minigolf course, the gardener and the old woman outside, the waterfall.
#include <string>

#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "rooms/PersonAnimation.h"
#include "state/TForm2.h"

namespace game {

namespace {

std::string numbered(const std::string& stem, int n) {
  return stem + std::to_string(n) + ".bmp";
}

// Frame codes "1" to "6" as a number, 0 for any other code.
int poseNumber(const AnimationStep& step) {
  for (int n = 1; n <= 6; ++n)
    if (step.code == std::to_string(n)) return n;
  return 0;
}

}  // namespace

// The archivist, until the crate has come down on him: asleep he snores,
// awake he blinks, and he mumbles when he speaks.
void animateArchive(AnimationStep& step) {
  const TForm2& s = step.state;
  if (s.busen.Tag >= 2) return;
  const std::string dir = "\\graphic\\archiv\\";
  const bool speaking = step.talking("Archivar");
  if (s.buch.Hint == "schlaf") {
    if (step.is("998")) step.cue("\\sound\\effects\\schlaf2.wav");
    if (step.is("999")) step.cue("\\sound\\effects\\schlaf.wav");
    if (const int pose = poseNumber(step)) step.overlay(numbered(dir, pose), 336, 176);
  }
  if (s.buch.Hint.empty() && !speaking) {
    step.overlay(dir + "red0.bmp", 336, 176);
    if (step.is("1") || step.is("3")) step.overlay(dir + "zwinker1.bmp", 336, 235);
    if (step.is("2") || step.is("5") || step.is("998") || step.is("999"))
      step.overlay(dir + "zwinker2.bmp", 336, 235);
  }
  if (speaking) {
    // A fresh seed keeps his mumbling from falling into a pattern.
    step.reseedFromClock();
    if (step.random(100) < 50) step.overlay(numbered(dir + "red", step.mouth()), 336, 176);
  }
}

// Franz works at the printer; when he speaks, his face moves at random.
void animatePrinterRoom(AnimationStep& step) {
  const std::string dir = "\\graphic\\printerroom\\";
  if (!step.talking("Franz")) {
    if (const int pose = poseNumber(step)) step.overlay(numbered(dir + "franz", pose), 41, 141);
    if (step.is("808")) step.cue("\\sound\\effects\\noneblitz.wav");
    if (step.is("888")) step.cue("\\sound\\effects\\blitz.wav");
  } else if (step.random(10) > 2) {
    step.overlay(numbered(dir + "red", step.random(4) + 1), 41, 141);
  }
}

// Motty at the till, until the hose has done for him.
void animateMinigolf(AnimationStep& step) {
  if (!step.state.schlauch.Hint.empty()) return;
  const std::string dir = "\\graphic\\minigolf\\";
  step.overlay(dir + "red0.bmp", 299, 151);
  if (step.talking("Motty") && step.random(100) < 50)
    step.overlay(numbered(dir + "red", step.random(2) + 1), 299, 151);
  if (step.is("0")) step.overlay(dir + "eye0.bmp", 299, 132);
  if (step.is("1")) step.overlay(dir + "eye1.bmp", 299, 132);
  if (step.is("2")) step.overlay(dir + "eye2.bmp", 299, 132);
}

// Outside: birds by day and wind at any time; in the garden the gardener and
// the old woman blink until the pigeon is gone, and a waterfall runs by the
// rocket.
void animateGrounds(AnimationStep& step) {
  const TForm2& s = step.state;
  const int room = step.room;
  if (step.byDay() && step.is("1")) step.cue("\\sound\\effects\\out1.wav");
  if (step.byDay() && step.is("2")) step.cue("\\sound\\effects\\out2.wav");
  if (step.is("3")) step.cue("\\sound\\effects\\out3.wav");
  if (step.is("4")) step.cue("\\sound\\effects\\out4.wav");
  if (room == kRoomWaterfall && step.is("999")) step.cue("\\sound\\effects\\water.wav");

  if (room == kRoomPigeonGarden && s.taube.Tag == 0) {
    if (step.is("0")) step.overlay("\\graphic\\out2\\gartnereye1.bmp", 251, 130);
    if (step.is("1")) step.overlay("\\graphic\\out2\\gartnereye0.bmp", 251, 130);
    if (s.inMode(Mode::Normal)) {
      if (step.is("0")) step.overlay("\\graphic\\out2\\omaeye1.bmp", 340, 210);
      if (step.is("1a")) step.overlay("\\graphic\\out2\\omaeye0.bmp", 340, 210);
    }
  }
  // The waterfall follows the mouth counter, so it flows whatever the table
  // holds.
  if (room == kRoomWaterfall && step.byDay()) {
    step.overlay(numbered("\\graphic\\out1\\wasserfall", step.mouth() + 1), 344, 262);
    step.overlay("\\graphic\\out1\\fluss.bmp", 344, 381);
  }
}

}  // namespace game
