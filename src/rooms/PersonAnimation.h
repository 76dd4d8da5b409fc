#pragma once
#include <string>

#include "gfx/Bitmap.h"

namespace game {

class TForm1;
class TForm2;

// One step of the people's animation as a room's rules see it: the frame
// code the room's table holds now, the mouth frame, and the ways to put a
// picture on the room. Paths are below the data root.
class AnimationStep {
 public:
  AnimationStep(TForm1& form, int room, std::string code);

  TForm1& f1;
  TForm2& state;
  const int room;
  const std::string code;

  bool is(const char* frameCode) const { return code == frameCode; }
  int frame() const;
  int mouth() const;
  bool byDay() const;
  // Whether the spoken line on display is this person's.
  bool talking(const char* person) const;

  // Draws onto the room picture only; the next walk past wipes it. A picture
  // that cannot be read ends the step (and, inside the runner, the game).
  void draw(const std::string& path, int x, int y);
  // Draws onto the room picture and into the clean copy of the walk strip, so
  // it survives the protagonist walking past. A missing picture is reported
  // in the error list and skipped.
  void overlay(const std::string& path, int x, int y);
  // A sound that goes with the frame; the game plays none of them.
  void cue(const std::string& path);
  int random(int n);
  void reseedFromClock();

 private:
  gfx::Bitmap work_;
};

using RoomAnimation = void (*)(AnimationStep&);

// The rules of the rooms with people in them.
void animateOffice(AnimationStep& step);       // room 1: Corinna
void animateCorridor(AnimationStep& step);     // room 2: the cleaner
void animateLibrary(AnimationStep& step);      // room 6: Zweistein
void animateCanteen(AnimationStep& step);      // room 7: the agent
void animateWorkshop(AnimationStep& step);     // room 8: Hubert
void animateArchive(AnimationStep& step);      // room 104: the archivist
void animatePrinterRoom(AnimationStep& step);  // room 201: Franz
void animateMinigolf(AnimationStep& step);     // room 500: Motty
void animateGrounds(AnimationStep& step);      // rooms -10000, -10001, -10003

}  // namespace game
