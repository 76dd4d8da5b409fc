#pragma once
#include <string>
#include <utility>
#include <vector>

#include "state/DeveloperView.h"
#include "state/Mode.h"
#include "state/Slot.h"
#include "sys/TextList.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"

namespace game {

// The hidden state store: every variable of the running game, the command
// queue, the protocol log and the tables the other windows read. During play
// the window itself is the black backdrop behind the main window.
class TForm2 : public ui::Form {
 public:
  // The store sits below the Game object and needs only the desktop.
  explicit TForm2(ui::Desktop& desktop);

  // Engine and presentation slots. Tag, Left, Caption ... serve as separate
  // variables; the comment says which carrier means what.
  Slot mode;        // Caption: the engine mode (inMode/setMode)
  Slot posit;       // Tag: his x on the room picture; Caption: "Kroxl: standing" or where he walks to
  Slot sonsti;      // Caption: where he faces (left, right, behind, invisible); Tag 1: the room
                    // was just built and the clean walk strip is still to be taken
  Slot kroxl;       // Caption: his mood (happy, bad, sick); Tag: ticks until he is happy again
  Slot talking;     // Caption: "talking: " and who speaks; Tag: the mouth frame (0-3); Left
                    // counts the ticks between mouth frames
  Slot person;      // Caption: the person talked with; Tag: the row of their header in Memo5
  Slot Label1;      // Tag 10: the room was just built, the next walk step renews posit's caption;
                    // Caption: the data root, for the developer
  Slot Label2;      // The hot spot pointed at: Caption the room's script prefix, Tag its slot
                    // (0 none: hotSpotUnderPointer()), Hint the button clicked ("l" or "r")
  Slot Label4;      // Tag: his walk frame (0-3); Caption: the screen resolution, for the developer
  Slot anim;        // Tag: counts ticks, the walk frame advances every second one
  Slot Label13;     // Tag: ticks a "wait" has still to go (waitTicks()), -1 after one ended;
                    // Caption: the same in words
  Slot Label10;     // Caption: the command being worked this tick, "nothing" between ticks
  Slot Label11;     // Caption: what the runner waits for, for the developer
  Slot background;  // Tag: ticks before the people of the room move (10 at start, 0 after a room change)
  Slot pause;       // Tag 1: the people of the room stand still ("pause off")
  Slot effect;      // The hover line's fade: Left 1 while it fades out, Color its colour now
  Slot Grenze;      // Left and Width: the leftmost and rightmost x he may walk to
  Slot reso;        // Left and Top: the screen size at start, given back at the end
  Slot musi;        // Caption: the music file playing (saved with the game)
  Slot version;     // Caption: the game's version (saved with the game)
  Slot Tag;         // Caption: the time of day, "tag" or "night"
  Slot GroupBox1;   // Tag: a copy of his x, for the developer
  Slot GroupBox2;   // Caption: the spoken line's remaining ticks, for the developer
  Slot Label5;      // Caption: the music file after the last room change, for the developer
  Slot Label6;      // Caption: "MIDI: nothing" until music was started, then what plays
  Slot Label7;      // Caption: what the wave player plays, for the developer
  Slot Label8;      // Caption: the music's position and length, for the developer
  Slot label9;      // Caption: the wave's position and length, for the developer
  Slot Label12;     // Caption: the music file before the last room change, for the developer
  Slot TrackBar1;   // Width and Tag: the music's length and position
  Slot TrackBar2;   // Width and Tag: the wave's length and position
  Slot intro;       // unused; kept because the dump lists it
  Slot volume;      // unused; kept because the dump lists it

  // Story slots: how far each thread of the story has come.
  Slot zweistein;     // Tag 1: he has been asked what he reads; Hint "WEG": away at night
  Slot hubert;        // Tag: 0 unmet, 1 plan asked for, 3 plan returned, 4 tools taken, 5 epilogue;
                      // Left: his face; Caption "hubert2" while he is not drawn
  Slot toegl;         // Tag: where the plan is (0 table, 1 counter, 2 bin, 3 found, 4 Tägl arrested);
                      // Left 1: the cheque is taken
  Slot lift;          // Tag: 2 lift not tried, 1 his card is known to be ruined, 0 he has Corinna's
  Slot buch;          // Tag 1: the archive book taken; Caption "buch2": the library swap done;
                      // Hint "schlaf": the archivist sleeps; Left: the room the quiz opened in
  Slot Schreibtisch;  // Tag: 1 the desk test passed, 3 Corinna has her silicone
  Slot corinna;       // Tag 1: Corinna is busy and does not type
  Slot leiche;        // Tag: 0 body unseen, 1 found, 2 carried off, 5 alive after all, 6 gone home
  Slot Franz;         // Tag: 0 unmet, 1 met, 5 waits for the hose at night, 6 the ending
  Slot Scheck;        // Tag: 9999 no cheque yet, 0 on the counter, 1 taken, 2 Tägl arrested
  Slot kaffee;        // Tag: 1 he carries Tägl's cup, 2 Zweistein drank it
  Slot putzkammerl;   // Tag: 0 the broom closet intact, 1 blown up, 2 the poison taken
  Slot taube;         // Tag 1: pigeon, grandmother and gardener gone from the garden
  Slot putzfrau;      // Tag: 0 she blocks the corridor, 1 has told him off, 2 gone
  Slot busen;         // Tag: 0 rope cut a little, 1 badly, 2 the crate fell, 3 the silicone taken
  Slot schlauch;      // Tag 1: the hose taken; Hint "Motty tot": Motty is dead
  Slot golfball;      // Tag 1: the ball lies on the first course
  Slot zeichnung;     // Tag 1: the drawing is delivered to Franz

  sys::TextList Memo1;  // the command queue
  sys::TextList Memo2;  // the protocol log
  sys::TextList Memo3;  // the newest protocol line
  sys::TextList Memo4;  // the animation frame table; Tag: the row shown now
  sys::TextList Memo5;  // the dialogue option table
  // The items he carries. Tag: 0 nothing in hand, 1 an item in hand whose
  // hover line is still to be written, 2 in hand and shown.
  sys::TextList inventar;
  sys::TextList franzinventar;  // what Franz still waits for

  // The engine mode, as the caption of `mode` holds it. A caption that names
  // no mode (nothing the game writes) is in none.
  bool inMode(Mode m) const { return mode.Caption == captionOf(m); }
  void setMode(Mode m) { mode.Caption = captionOf(m); }

  // The carriers above, by name where the slot's own name says nothing.
  int waitTicks() const { return Label13.Tag; }
  void setWaitTicks(int ticks) { Label13.Tag = ticks; }
  int hotSpotUnderPointer() const { return Label2.Tag; }
  void setHotSpotUnderPointer(int slot) { Label2.Tag = slot; }
  // The hot spot's script name without its ending: prefix, slot, button.
  std::string hotSpotScriptStem() const { return Label2.Caption + std::to_string(Label2.Tag) + Label2.Hint; }

  // Every slot with its name, in declaration order (for the developer view
  // and the headless dump).
  const std::vector<std::pair<std::string, Slot*>>& slots() const { return slots_; }
  // Every list with its name.
  const std::vector<std::pair<std::string, sys::TextList*>>& lists() const { return lists_; }

  // The developer's view of the store: six group boxes under a black cover.
  ui::GroupBox developerVariables, objects, pictureTest, sound, ki, protocol;
  SlotTable slotTable;
  ListView queueView, protocolView;
  ui::Label black;

  // Shows the group boxes (true) or the black cover (false).
  void showDeveloperView(bool show);
  bool developerViewShown() const { return !black.Visible; }

 private:
  void protocolChanged();

  std::vector<std::pair<std::string, Slot*>> slots_;
  std::vector<std::pair<std::string, sys::TextList*>> lists_;
};

}  // namespace game
