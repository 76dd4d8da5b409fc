// The people on the main floor: Corinna, the cleaner, Zweistein, the agent in
// the canteen and Hubert.
#include <string>

#include "core/TForm1.h"
#include "rooms/PersonAnimation.h"
#include "state/TForm2.h"

namespace game {

namespace {

std::string numbered(const std::string& stem, int n) {
  return stem + std::to_string(n) + ".bmp";
}

}  // namespace

// Corinna types, looks up and winks while she is at her typewriter; her mouth
// is drawn whenever she is there by day.
void animateOffice(AnimationStep& step) {
  const TForm2& s = step.state;
  if (!step.byDay()) return;
  const std::string dir = "\\graphic\\corinna\\";
  if (s.corinna.Tag == 0 && s.Schreibtisch.Tag < 3) {
    if (step.frame() == 0) step.draw(dir + "0.bmp", 90, 174);
    std::string hands = "writing0.bmp";
    if (step.is("3")) hands = "writing1.bmp";
    if (step.is("4")) hands = "writing2.bmp";
    step.draw(dir + hands, 90, 237);
    if (step.is("10")) {
      step.draw(dir + "look up.bmp", 90, 174);
      step.draw(dir + "writing1.bmp", 90, 237);
    }
    if (step.is("11")) {
      step.draw(dir + "look down.bmp", 90, 174);
      step.draw(dir + "writing1.bmp", 90, 237);
    }
    if (step.is("0")) step.draw(dir + "normal.bmp", 90, 174);
    if (step.is("1")) step.draw(dir + "zwinker.bmp", 90, 174);
    if (step.is("999")) step.cue("\\sound\\effects\\typing2.wav");
    if (step.is("998")) step.cue("\\sound\\effects\\typing1.wav");
  }
  step.draw(step.talking("Corinna") ? numbered(dir + "talking", step.mouth()) : dir + "talking0.bmp", 90,
            218);
}

// The cleaner in the corridor, until she has gone.
void animateCorridor(AnimationStep& step) {
  if (!step.byDay() || step.state.putzfrau.Tag >= 2) return;
  step.overlay("\\graphic\\gang\\sprech0.bmp", 477, 219);
  if (step.talking("Putzfrau")) step.overlay(numbered("\\graphic\\gang\\sprech", step.random(4)), 477, 219);
  if (step.is("1")) step.overlay("\\graphic\\gang\\eye1.bmp", 477, 198);
  if (step.is("2")) step.overlay("\\graphic\\gang\\eye2.bmp", 477, 198);
  if (step.is("3")) step.overlay("\\graphic\\gang\\eye3.bmp", 477, 198);
  if (step.random(1000) > 998) step.cue("\\sound\\effects\\pfurz.wav");
  if (step.random(1000) > 998) step.cue("\\sound\\effects\\rülps.wav");
}

namespace {

// Zweistein reads and drinks his coffee; once he has drunk the poisoned one,
// he chokes instead.
enum class Coffee { Any, NotYetPoisoned, Poisoned };

struct LibraryFrame {
  const char* code;
  const char* picture;  // null: a sound cue only
  int x, y;
  Coffee coffee;
  const char* sound;  // null: no cue
};

const LibraryFrame kLibraryFrames[] = {
    {"0", "augennorm.bmp", 158, 186, Coffee::Any, nullptr},
    {"1", "zwinker.bmp", 158, 186, Coffee::Any, nullptr},
    {"2", "read1.bmp", 158, 186, Coffee::Any, nullptr},
    {"3", "read2.bmp", 158, 186, Coffee::Any, nullptr},
    {"4", "read3.bmp", 158, 186, Coffee::Any, nullptr},
    {"reset", "reset.bmp", 101, 126, Coffee::Any, nullptr},
    {"trink", "trink.bmp", 109, 126, Coffee::Any, nullptr},
    {"trink1", "trink1.bmp", 109, 107, Coffee::Any, nullptr},
    {"trink2", "trink1.bmp", 109, 107, Coffee::NotYetPoisoned, nullptr},
    {"998", "trink1.bmp", 109, 107, Coffee::NotYetPoisoned, nullptr},
    {"999", nullptr, 0, 0, Coffee::NotYetPoisoned, "\\sound\\effects\\heferl.wav"},
    {"123", "ouch.bmp", 101, 126, Coffee::Poisoned, nullptr},
    {"126", "ouch2.bmp", 101, 126, Coffee::Poisoned, nullptr},
    {"124", nullptr, 0, 0, Coffee::Poisoned, "\\sound\\effects\\würg1.wav"},
    {"trink2", "trink2.bmp", 109, 107, Coffee::Poisoned, nullptr},
    {"998", nullptr, 0, 0, Coffee::Poisoned, "\\sound\\effects\\trink.wav"},
};

bool coffeeMatches(Coffee wanted, int kaffee) {
  switch (wanted) {
    case Coffee::Any:
      return true;
    case Coffee::NotYetPoisoned:
      return kaffee < 2;
    case Coffee::Poisoned:
      return kaffee > 1;
  }
  return false;
}

}  // namespace

void animateLibrary(AnimationStep& step) {
  const TForm2& s = step.state;
  if (!s.zweistein.Hint.empty()) return;
  const std::string dir = "\\graphic\\zweistein\\";
  const std::string mouth =
      step.talking("Zweistein") ? numbered(dir + "red", step.mouth()) : dir + "red0.bmp";
  if (s.sonsti.Caption != "invisible") step.draw(mouth, 109, 210);
  // In a conversation he only talks; reading and drinking wait for its end.
  if (s.inMode(Mode::Dialog)) return;
  for (const LibraryFrame& row : kLibraryFrames) {
    if (!step.is(row.code) || !coffeeMatches(row.coffee, s.kaffee.Tag)) continue;
    if (row.picture) step.overlay(dir + row.picture, row.x, row.y);
    if (row.sound) step.cue(row.sound);
  }
  // His choking sounds vary.
  if (step.is("125") && s.kaffee.Tag > 1)
    step.cue(step.random(10) < 6 ? "\\sound\\effects\\würg3.wav" : "\\sound\\effects\\würg2.wav");
}

// The agent sits in the canteen while the cheque is on his table. When the
// room is dark (the picture's corner is black) he is not there to be seen.
void animateCanteen(AnimationStep& step) {
  const TForm2& s = step.state;
  if (s.Scheck.Tag != 1) return;
  const std::string face = step.talking("CIA-Agent") ? numbered("\\graphic\\toegl\\ciatalk", step.mouth())
                                                     : "\\graphic\\toegl\\ciatalk0.bmp";
  if (step.f1.schirm.canvas().pixel(10, 10) != 0 && s.toegl.Tag != 4) step.draw(face, 351, 128);
}

// Hubert at his bench, while he is down in the workshop.
void animateWorkshop(AnimationStep& step) {
  const TForm2& s = step.state;
  if (s.hubert.Caption != "hubert") return;
  const std::string dir = "\\graphic\\bastelraum\\";
  if (step.talking("Hubert")) {
    const char* faces[] = {"red", "happyred", "2happyred"};
    if (s.hubert.Left >= 0 && s.hubert.Left <= 2)
      step.draw(numbered(dir + faces[s.hubert.Left], step.mouth()), 453, 193);
  } else if (s.hubert.Tag < 3) {
    if (s.hubert.Left == 0) step.draw(dir + "talking0.bmp", 453, 193);
    if (s.hubert.Left == 1 || s.hubert.Left == 2) step.draw(dir + "lachen.bmp", 361, 125);
  }
  if (s.hubert.Tag >= 3) return;
  if (step.is("-1")) step.overlay(dir + "0.bmp", 361, 125);
  if (step.is("0")) step.overlay(dir + "look in.bmp", 453, 170);
  if (step.is("1")) step.overlay(dir + "zwinker1.bmp", 453, 170);
  if (step.is("2")) step.overlay(dir + "zwinker2.bmp", 453, 170);
  if (step.is("3")) step.overlay(dir + "look.bmp", 453, 170);
}

}  // namespace game
