// Hot spots whose click depends on the story: tried in this order before the
// hot spot's own script, for a click with no item in hand.
#include <string>

#include "core/Game.h"
#include "core/TForm1.h"
#include "interaction/ClickDispatcher.h"
#include "state/TForm2.h"

namespace game {
namespace {

enum class Button { Left, Right, Any };
enum class Then { Stop, GoOn };

struct SpecialCase {
  int room;
  int hotSpot;
  Button button;
  bool (*applies)(const TForm2&);  // null: always
  void (*action)(TForm1&);         // null: nothing
  Then then;
};

void load(TForm1& f1, const char* script) {
  loadScript(f1, std::string("\\source\\scripts\\") + script);
}

TForm2& state(TForm1& f1) {
  return *f1.game.Form2;
}

// Taking the lift the first time: Corinna can now be asked for her card, as
// her second choice.
void borrowLiftCard(TForm1& f1) {
  state(f1).lift.Tag = 1;
  load(f1, "lift.smx");
  sys::TextList& options = state(f1).Memo5;
  const int linesBefore = options.Count();
  for (int i = 0; i < linesBefore; ++i)
    if (options.get(i) == "Corinna:")
      options.insert(i + 2, "Kann ich mir deine Liftkarte borgen? Ich hab meine ruiniert!");
}

// Leaving the desk's answer boxes behind: out of sight and out of reach.
void hideAnswerBoxes(TForm1& f1) {
  for (ui::ComboBox* box : {&f1.ComboBox1, &f1.ComboBox2, &f1.ComboBox3, &f1.ComboBox4}) {
    box->Enabled = false;
    box->Top = 5000;
  }
}

const SpecialCase kSpecialCases[] = {
    // room, hot spot, button, condition, action, then
    {5, 5, Button::Left, [](const TForm2& s) { return s.Franz.Tag == 5; },
     [](TForm1& f) { load(f, "gang45l2.smx"); }, Then::Stop},
    {104, 2, Button::Left, [](const TForm2& s) { return s.buch.Hint.empty(); },
     [](TForm1& f) { load(f, "archiv2l2.smx"); }, Then::Stop},
    {104, 2, Button::Right, [](const TForm2& s) { return s.buch.Hint.empty(); },
     [](TForm1& f) { load(f, "archiv2r2.smx"); }, Then::Stop},
    // The archive door: the body is found on the first click, and once its
    // story has gone far enough the door leads to its last scene.
    {104, 3, Button::Left, [](const TForm2& s) { return s.leiche.Tag == 1; },
     [](TForm1& f) { state(f).leiche.Tag = 2; }, Then::GoOn},
    {104, 3, Button::Left, [](const TForm2& s) { return s.leiche.Tag > 4; },
     [](TForm1& f) {
       load(f, "leiche0.smx");
       state(f).leiche.Tag = 6;
     },
     Then::Stop},
    {4, 3, Button::Left, [](const TForm2& s) { return s.hubert.Tag == 0; },
     [](TForm1& f) { load(f, "gang33la.smx"); }, Then::Stop},
    {1111, 1, Button::Left, nullptr, hideAnswerBoxes, Then::GoOn},
    {3, 2, Button::Left, [](const TForm2& s) { return s.lift.Tag == 2; }, borrowLiftCard, Then::Stop},
    {3, 2, Button::Left, [](const TForm2& s) { return s.lift.Tag == 1; },
     [](TForm1& f) { load(f, "lift2.smx"); }, Then::Stop},
    {100, 2, Button::Any, [](const TForm2& s) { return s.leiche.Tag > 1; },
     [](TForm1& f) { load(f, "gang1002la.smx"); }, Then::Stop},
    {100, 2, Button::Any, [](const TForm2& s) { return s.leiche.Tag == 0; },
     [](TForm1& f) {
       load(f, "leiche.smx");
       state(f).leiche.Tag = 1;
     },
     Then::Stop},
    {5, 3, Button::Left, [](const TForm2& s) { return s.hubert.Tag == 0; },
     [](TForm1& f) { load(f, "hubert1.dia"); }, Then::Stop},
    {5, 3, Button::Right, [](const TForm2& s) { return s.hubert.Tag >= 2; },
     [](TForm1& f) { load(f, "gang43r2.smx"); }, Then::Stop},
    {5, 3, Button::Left, [](const TForm2& s) { return s.hubert.Tag >= 3; },
     [](TForm1& f) { load(f, "hubert2.smx"); }, Then::Stop},
    {71, 5, Button::Any, [](const TForm2& s) { return s.toegl.Tag == 2; },
     [](TForm1& f) {
       state(f).toegl.Tag = 3;
       load(f, "plan.smx");
     },
     Then::Stop},
    // The plan has been taken: its hot spot does nothing any more.
    {71, 5, Button::Any, [](const TForm2& s) { return s.toegl.Tag >= 3; }, nullptr, Then::Stop},
    // Hubert has gone with his tools: the tool box is no hot spot any more.
    {8, 3, Button::Left, [](const TForm2& s) { return s.hubert.Tag == 3; },
     [](TForm1& f) { f.object3.Top = -600; }, Then::GoOn},
    {8, 3, Button::Any, [](const TForm2& s) { return s.hubert.Tag < 3; },
     [](TForm1& f) { load(f, "bastelraum3l2.smx"); }, Then::Stop},
    {4, 3, Button::Any, [](const TForm2& s) { return s.toegl.Tag == 1; },
     [](TForm1& f) { load(f, "toegl1.dia"); }, Then::Stop},
};

bool buttonMatches(Button wanted, const std::string& letter) {
  switch (wanted) {
    case Button::Left:
      return letter == "l";
    case Button::Right:
      return letter == "r";
    case Button::Any:
      return true;
  }
  return false;
}

}  // namespace

bool runClickSpecialCases(TForm1& f1) {
  const TForm2& f2 = state(f1);
  const int room = f1.currentRoom();
  for (const SpecialCase& row : kSpecialCases) {
    if (row.room != room || row.hotSpot != f2.hotSpotUnderPointer() ||
        !buttonMatches(row.button, f2.Label2.Hint))
      continue;
    if (row.applies && !row.applies(f2)) continue;
    if (row.action) row.action(f1);
    if (row.then == Then::Stop) return true;
  }
  return false;
}

}  // namespace game
