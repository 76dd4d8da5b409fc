// The dialogue choice panel: up to four replies of the person in the room,
// taken from the dialogue option table.
#include "interaction/ChoicePanel.h"

#include <array>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm5.h"
#include "interaction/People.h"
#include "state/TForm2.h"

namespace game {
bool TForm1::refreshChoicePanel() {
  TForm2& f2 = *game.Form2;
  // The panel steps aside while the chosen exchange is spoken.
  Panel1.Visible = f2.Memo1.empty();
  if (sayCountdown() < 3) schirm.Cursor = 1;
  for (const Person& p : people()) {
    if (p.room != currentRoom()) continue;
    for (int i = 0; i < f2.Memo5.Count(); ++i) {
      const std::string& header = f2.Memo5.lines()[static_cast<size_t>(i)];
      if (header != p.headers[0] && !(p.headers[1] && header == p.headers[1])) continue;
      f2.person.Caption = p.name;
      f2.person.Tag = i;
      line1.Caption = f2.Memo5.get(i + 1);
      Line2.Caption = f2.Memo5.get(i + 2);
      Line3.Caption = f2.Memo5.get(i + 3);
      Line4.Caption = f2.Memo5.get(i + 4);
      return true;
    }
  }
  const std::string error =
      "ERROR! No figur aviable for dialog mode in room: " + std::to_string(currentRoom());
  sys::TextList& errors = game.Form5->Memo1.Lines;
  if (errors.empty() || errors.last() != error) reportError(error);
  return false;
}

namespace {

std::array<ui::Label*, 4> replyLines(TForm1& f1) {
  return {&f1.line1, &f1.Line2, &f1.Line3, &f1.Line4};
}

}  // namespace

// Reply N lies N lines below the person's header. The panel steps aside on
// the runner's next refresh; a press before that (the second press of a
// double click) finds the queue busy and chooses nothing, since choosing
// again would speak the exchange twice and edit the option table twice.
void TForm1::lineMouseDown(int line) {
  TForm2& f2 = *game.Form2;
  if (line < 1 || line > 4 || !f2.Memo1.empty()) return;
  dialogTree(f2.person.Caption, replyLines(*this)[static_cast<size_t>(line - 1)]->Caption,
             f2.person.Tag + line);
}

void TForm1::lineMouseMove(int line) {
  int n = 1;
  for (ui::Label* reply : replyLines(*this)) reply->Font.Color = n++ == line ? gfx::clYellow : gfx::clWhite;
}

void TForm1::Panel1MouseMove() {
  for (ui::Label* reply : replyLines(*this)) reply->Font.Color = gfx::clWhite;
}

void bindReplyLines(TForm1& f1) {
  constexpr int kObjectCursor = 2;
  f1.Panel1.Cursor = kObjectCursor;
  f1.Panel1.OnMouseMove = [&f1](ui::Shift, int, int) { f1.Panel1MouseMove(); };
  int n = 1;
  for (ui::Label* reply : replyLines(f1)) {
    reply->Cursor = kObjectCursor;
    reply->OnMouseDown = [&f1, n](ui::MouseButton, ui::Shift, int, int) { f1.lineMouseDown(n); };
    reply->OnMouseMove = [&f1, n](ui::Shift, int, int) { f1.lineMouseMove(n); };
    ++n;
  }
}

}  // namespace game
