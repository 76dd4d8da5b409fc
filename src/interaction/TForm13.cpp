#include "interaction/TForm13.h"

#include "app/Game.h"

namespace game {

TForm13::TForm13(Game& g) : ui::Form(g.desktop, "Form13"), game(g), Image1(this, "Image1") {
  Caption = "Auftragszettel";
  FormStyle = ui::TFormStyle::StayOnTop;
  setClientSize(288, 375);
  Image1.setBounds(0, 0, 289, 377);
  liste.assign({"<eintrag>", "Neue Liftkarte besorgen!", "false", ""});
}

}  // namespace game
