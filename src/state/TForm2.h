#pragma once
#include <string>
#include <utility>
#include <vector>

#include "state/Slot.h"
#include "sys/TextList.h"
#include "ui/Form.h"
#include "ui/GroupBox.h"
#include "ui/Label.h"
#include "state/DeveloperView.h"

namespace game {

// The hidden state store: every variable of the running game, the command
// queue, the protocol log and the tables the other windows read. During play
// the window itself is the black backdrop behind the main window.
class TForm2 : public ui::Form {
 public:
  // The store sits below the Game object and needs only the desktop.
  explicit TForm2(ui::Desktop& desktop);

  // Engine and presentation slots.
  Slot mode, posit, sonsti, kroxl, talking, person, Label1, Label2, Label4, anim, Label13, Label10,
      Label11, background, pause, effect, Grenze, reso, musi, version, Tag, GroupBox1, GroupBox2,
      Label5, Label6, Label7, Label8, label9, Label12, TrackBar1, TrackBar2, intro, volume;
  // Story slots.
  Slot zweistein, hubert, toegl, lift, buch, Schreibtisch, corinna, leiche, Franz, Scheck, kaffee,
      putzkammerl, taube, putzfrau, busen, schlauch, golfball, zeichnung;

  sys::TextList Memo1;  // the command queue
  sys::TextList Memo2;  // the protocol log
  sys::TextList Memo3;  // the newest protocol line
  sys::TextList Memo4;  // the animation frame table
  sys::TextList Memo5;  // the dialogue option table
  sys::TextList inventar;
  sys::TextList franzinventar;

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
