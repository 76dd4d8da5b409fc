// The dialogue choice panel: up to four replies of the person in the room,
// taken from the dialogue option table.
#include <array>

#include "app/Game.h"
#include "app/TForm1.h"
#include "persist/TForm5.h"
#include "state/TForm2.h"

namespace game {
namespace {

struct Person {
  int room;
  const char* header;
  const char* alternative;  // a second spelling of the header, or null
  const char* name;
};

constexpr std::array<Person, 8> kPeople = {{{500, "Motty:", nullptr, "Motty"},
                                            {201, "Franz:", nullptr, "Franz"},
                                            {2, "Putzfrau:", nullptr, "Putzfrau"},
                                            {104, "Archivar:", nullptr, "Archivar"},
                                            {7, "Tägl:", "Tögl:", "Tägl"},
                                            {1, "Corinna:", nullptr, "Corinna"},
                                            {6, "Zweistein:", nullptr, "Zweistein"},
                                            {8, "Hubert:", nullptr, "Hubert"}}};

}  // namespace

bool TForm1::refreshChoicePanel() {
  TForm2& f2 = *game.Form2;
  // The panel steps aside while the chosen exchange is spoken.
  Panel1.Visible = f2.Memo1.empty();
  if (say.Tag < 3) schirm.Cursor = 1;
  for (const Person& p : kPeople) {
    if (p.room != build.Tag) continue;
    for (int i = 0; i < f2.Memo5.Count(); ++i) {
      const std::string& header = f2.Memo5.lines()[static_cast<size_t>(i)];
      if (header != p.header && !(p.alternative && header == p.alternative)) continue;
      f2.person.Caption = p.name;
      f2.person.Tag = i;
      line1.Caption = f2.Memo5.get(i + 1);
      Line2.Caption = f2.Memo5.get(i + 2);
      Line3.Caption = f2.Memo5.get(i + 3);
      Line4.Caption = f2.Memo5.get(i + 4);
      return true;
    }
  }
  const std::string error = "ERROR! No figur aviable for dialog mode in room: " + std::to_string(build.Tag);
  sys::TextList& errors = game.Form5->Memo1.Lines;
  if (errors.empty() || errors.last() != error) reportError(error);
  return false;
}

}  // namespace game
