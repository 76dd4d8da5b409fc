// "change": the story-state commands. The sub-command in line 1 is compared
// with every keyword in a fixed test order, reading line 1 anew each time, so
// after a scene script has been loaded the remaining tests look at the new
// queue. Then two lines go; a loaded scene script therefore loses its first
// two lines, which such scripts keep free for it.
#include <array>
#include <functional>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "script/Commands.h"
#include "script/ScriptError.h"
#include "script/Vocabulary.h"
#include "state/TForm2.h"

namespace game::script {
namespace {

void load(TForm1& f1, const char* file) {
  loadScript(f1, std::string("\\source\\scripts\\") + file);
}
void tick(TForm1& f1, const std::string& task) {
  f1.game.Form13->tickTask(task);
}

// A reply line offered after every header "person:" of the option table.
void addOption(TForm2& f2, const std::string& person, const std::string& option) {
  for (int i = 0; i < f2.Memo5.Count(); ++i)
    if (f2.Memo5.get(i) == person + ":") f2.Memo5.insert(++i, option);
}

// Of two equal lines in a row only the first goes.
void removeOption(TForm2& f2, const std::string& option) {
  for (int i = 0; i < f2.Memo5.Count(); ++i)
    if (f2.Memo5.get(i) == option) f2.Memo5.remove(i);
}

// The first line of that name among the first six of Franz's list.
void deliverToFranz(TForm2& f2, const std::string& thing) {
  for (int i = 0; i <= 5; ++i)
    if (f2.franzinventar.get(i) == thing) {
      f2.franzinventar.remove(i);
      return;
    }
}

bool carries(const TForm2& f2, const std::string& item, int lastIndex) {
  for (int i = 0; i <= lastIndex; ++i)
    if (f2.inventar.get(i) == item) return true;
  return false;
}

bool night(const TForm2& f2) {
  return f2.Tag.Caption == "night";
}

// A number in line 2 is a third line to consume.
int takeNumberOperand(TForm1& f1) {
  const int n = toInt(line(f1, 2));
  deleteLines(f1, 1);
  return n;
}

void quizCheck(TForm1& f1, TForm2&) {
  struct Box {
    ui::ComboBox& box;
    const char* answer;
  };
  const std::array<Box, 4> boxes = {{{f1.ComboBox1, "Wasser"},
                                     {f1.ComboBox2, "U = R . I"},
                                     {f1.ComboBox3, "die Muster sind identisch"},
                                     {f1.ComboBox4, "ein Apfel"}}};
  bool allRight = true;
  for (const Box& b : boxes) {
    const bool right = b.box.Text() == b.answer;
    b.box.Color = right ? gfx::clWindow : gfx::rgb(255, 0, 0);
    allRight = allRight && right;
  }
  if (allRight) load(f1, "geb.smx");
}

void quizBoxes(TForm1& f1, bool visible) {
  for (ui::ComboBox* box : {&f1.ComboBox1, &f1.ComboBox2, &f1.ComboBox3, &f1.ComboBox4})
    box->Visible = visible;
}

// In the order the tests are made. The three that take a number (a third
// parameter) read it from line 2 when their test is reached.
const SubCommandRow kSubCommands[] = {
    {"gameover2", [](TForm1& f1, TForm2& f2) { if (f2.zeichnung.Tag == 1 && f2.franzinventar.empty()) load(f1, "gameover.smx"); }},
    {"clearinventarcanvas", [](TForm1& f1, TForm2&) { f1.say.canvas().fillRect({0, 0, 700, 150}, gfx::clBlack); }},
    {"nachtsperre", [](TForm1& f1, TForm2& f2) { if (night(f2)) load(f1, "nachtsperre.smx"); }},
    {"getnight test", [](TForm1& f1, TForm2& f2) { if (f2.schlauch.Tag == 1 && !night(f2)) load(f1, "getnight.smx"); }},
    {"automat test", [](TForm1& f1, TForm2& f2) {
       for (int i = 0; i <= 100; ++i) {
         if (f2.inventar.get(i) == "Getränk") load(f1, "nodrink.smx");
         if (f2.inventar.get(i) == "Spezialgolfball") load(f1, "nodrink2.smx");
       }
     }},
    {"schläger add", [](TForm1&, TForm2& f2) { if (!carries(f2, "Schläger", 200)) f2.inventar.add("Schläger"); }},
    {"ball liegt", [](TForm1& f1, TForm2& f2) { f2.golfball.Tag = 1; f1.object2.setBounds(298, 322, 39, 28); f1.object2.Hint = "Golfball"; }},
    {"ball weg", [](TForm1& f1, TForm2& f2) { f2.golfball.Tag = 0; f1.object2.Top = -5000; }},
    {"schlauch weg", [](TForm1& f1, TForm2& f2) { f2.schlauch.Tag = 1; f1.object4.Top = -5000; }},
    {"motty tot", [](TForm1&, TForm2& f2) { f2.schlauch.Hint = "Motty tot"; }},
    {"spezialball test", [](TForm1& f1, TForm2& f2) { if (carries(f2, "Spezialgolfball", 300)) load(f1, "minigolf23lspezial.smx"); }},
    {"miniball test", [](TForm1& f1, TForm2& f2) {
       if (!carries(f2, "Golfball", 200) && !carries(f2, "Spezialgolfball", 200)) load(f1, "minigolf23lkeinball.smx");
     }},
    {"minigolf test", [](TForm1& f1, TForm2& f2) { if (carries(f2, "Schläger", 100)) load(f1, "Minigolf2lReal.smx"); }},
    {"motty schlauch", [](TForm1& f1, TForm2& f2) { if (f2.schlauch.Hint.empty()) load(f1, "minigolfkeinschlauch.smx"); }},
    {"siliconhabtest", [](TForm1& f1, TForm2& f2) { if (f2.busen.Tag > 2) load(f1, "buero5lsilicon.smx"); }},
    {"franz Schlauch", [](TForm1& f1, TForm2& f2) { tick(f1, "   Gartenschlauch"); deliverToFranz(f2, "Gartenschlauch"); }},
    {"franz Zeichnung", [](TForm1& f1, TForm2& f2) {
       tick(f1, "   Geldscheinvorlage");
       f2.zeichnung.Tag = 1;
       deliverToFranz(f2, "Geldscheinvorlage");
     }},
    {"franz Buch", [](TForm1& f1, TForm2& f2) { tick(f1, "   Gelddruckmaschinenbuch"); deliverToFranz(f2, "Maschinenbuch"); }},
    {"franz Werkzeug", [](TForm1& f1, TForm2& f2) { tick(f1, "   Werkzeug eines Bastlers"); deliverToFranz(f2, "Werkzeug"); }},
    {"leiche card", [](TForm1& f1, TForm2& f2) { if (f2.lift.Tag > 1) queue(f1).clear(); }},
    {"hubert explo", [](TForm1& f1, TForm2& f2) {
       if (f2.hubert.Tag == 4 && f2.putzkammerl.Tag > 0) {
         f2.hubert.Tag = 5;
         load(f1, "hubertexplo.smx");
       }
     }},
    {"schirm", [](TForm1& f1, TForm2&, int n) { f1.schirm.Left = n; }},
    {"putzfrau 1", [](TForm1&, TForm2& f2) { f2.putzfrau.Tag = 1; }},
    {"putzfrau 2", [](TForm1&, TForm2& f2) { f2.putzfrau.Tag = 2; }},
    {"putzfrau test", [](TForm1& f1, TForm2& f2) { if (f2.putzfrau.Tag == 0) load(f1, "putzfrau.smx"); }},
    {"putzfrau test", [](TForm1& f1, TForm2& f2) { if (f2.putzfrau.Tag == 1) load(f1, "putzfrau2.smx"); }},
    {"pause on", [](TForm1&, TForm2& f2) { f2.pause.Tag = 0; }},
    {"pause off", [](TForm1&, TForm2& f2) { f2.pause.Tag = 1; }},
    {"elevator test", [](TForm1& f1, TForm2& f2) {
       if (f2.lift.Tag == 2) {
         queue(f1).add("execute script");
         queue(f1).add("\\source\\scripts\\feststellungs.smx");
       }
     }},
    {"Busen action", [](TForm1& f1, TForm2& f2) {
       queue(f1).add("execute script");
       if (f2.busen.Tag >= 0 && f2.busen.Tag <= 2)
         queue(f1).add("\\source\\scripts\\archiv_busen" + std::to_string(f2.busen.Tag) + "l.smx");
     }},
    {"Busen action right", [](TForm1& f1, TForm2& f2) {
       queue(f1).add("execute script");
       if (f2.busen.Tag >= 0 && f2.busen.Tag <= 2)
         queue(f1).add("\\source\\scripts\\archiv_busen" + std::to_string(f2.busen.Tag) + "r.smx");
     }},
    {"corinna satz weg", [](TForm1&, TForm2& f2) { removeOption(f2, "Schau doch einmal, was ich da für dich habe."); }},
    {"busen 0", [](TForm1&, TForm2& f2) { f2.busen.Tag = 0; }},
    {"busen 1", [](TForm1& f1, TForm2& f2) { f2.busen.Tag = 1; f1.object6.Hint = "stark angeritztes Seil"; }},
    {"busen 2", [](TForm1& f1, TForm2& f2) {
       if (f2.busen.Tag != 1) return;
       f2.busen.Tag = 2;
       queue(f1).add("play wav effect");
       queue(f1).add("\\sound\\effects\\kiste.wav");
     }},
    {"busen 3", [](TForm1& f1, TForm2& f2) {
       f1.object6.Top = -5000;
       f2.busen.Tag = 3;
       addOption(f2, "Corinna", "Schau doch einmal, was ich da für dich habe.");
     }},
    {"scheck 0", [](TForm1&, TForm2& f2) { f2.Scheck.Tag = 0; }},
    {"scheck 1", [](TForm1&, TForm2& f2) { f2.Scheck.Tag = 1; }},
    {"scheck 2", [](TForm1&, TForm2& f2) { f2.Scheck.Tag = 2; }},
    {"lift 0", [](TForm1& f1, TForm2& f2) { f2.lift.Tag = 0; tick(f1, "Neue Liftkarte besorgen!"); }},
    {"lift 1", [](TForm1&, TForm2& f2) { f2.lift.Tag = 1; }},
    {"corinna 0", [](TForm1&, TForm2& f2) { f2.corinna.Tag = 0; }},
    {"corinna 1", [](TForm1&, TForm2& f2) { f2.corinna.Tag = 1; }},
    {"taube 1", [](TForm1&, TForm2& f2) { f2.taube.Tag = 1; }},
    {"bombe test", [](TForm1& f1, TForm2& f2) { if (f2.putzkammerl.Tag > 0) load(f1, "gang23r2.smx"); }},
    {"toegl 1", [](TForm1&, TForm2& f2) { if (f2.toegl.Tag < 1) f2.toegl.Tag = 1; }},
    {"buchchange", [](TForm1& f1, TForm2& f2) { f2.buch.Caption = "buch2"; f1.object3.Hint = "Buch: Physik und Mathematik"; }},
    {"buchtest", [](TForm1& f1, TForm2& f2) { if (f2.buch.Caption == "buch2") queue(f1).clear(); }},
    {"night", [](TForm1&, TForm2& f2) { f2.Tag.Caption = "night"; }},
    {"tag", [](TForm1&, TForm2& f2) { f2.Tag.Caption = "tag"; }},
    {"toegl 2", [](TForm1&, TForm2& f2) { f2.toegl.Tag = 2; }},
    {"toegl 3", [](TForm1& f1, TForm2& f2) {
       f2.toegl.Tag = 3;
       addOption(f2, "Hubert", "Sieh mal Hubert, was ich da habe!");
       f1.object2.Top = -5000;
     }},
    {"toegl 4", [](TForm1&, TForm2& f2) { f2.toegl.Tag = 4; }},
    {"archivar schläft", [](TForm1& f1, TForm2& f2) {
       f2.buch.Hint = "schlaf";
       f1.Object1.setBounds(312, 344, 65, 33);
       f1.Object1.Hint = "Buch";
     }},
    {"archivar wach", [](TForm1&, TForm2& f2) { f2.buch.Hint.clear(); }},
    {"putzkammerl 1", [](TForm1&, TForm2& f2) { f2.putzkammerl.Tag = 1; }},
    {"hubert up", [](TForm1&, TForm2& f2) { f2.hubert.Caption = "hubert2"; }},
    {"hubert down", [](TForm1&, TForm2& f2) { f2.hubert.Caption = "hubert"; }},
    {"putzkammerl 2", [](TForm1& f1, TForm2& f2) { f2.putzkammerl.Tag = 2; f1.object5.Left = -5000; }},
    {"demo test", [](TForm1& f1, TForm2& f2) {
       if (f2.taube.Tag != 1) return;
       queue(f1).clear();
       load(f1, "out24lreal.smx");
     }},
    {"leiche 5", [](TForm1&, TForm2& f2) { f2.leiche.Tag = 5; }},
    {"hubert 1", [](TForm1& f1, TForm2& f2) { f1.game.Form13->addTask("Huberts Plan suchen."); f2.hubert.Tag = 1; }},
    {"hubert 3", [](TForm1& f1, TForm2& f2) { f2.hubert.Tag = 3; tick(f1, "Huberts Plan suchen."); }},
    {"hubert 4", [](TForm1& f1, TForm2& f2) { f2.hubert.Tag = 4; f1.object3.Left = 5000; }},
    {"hubert happy", [](TForm1&, TForm2& f2) { f2.hubert.Left = 1; }},
    {"hubert bad", [](TForm1&, TForm2& f2) { f2.hubert.Left = 0; }},
    {"hubert take", [](TForm1&, TForm2& f2) { f2.hubert.Left = 2; }},
    {"zweistein true", [](TForm1&, TForm2& f2) { f2.zweistein.Hint.clear(); }},
    {"zweistein false", [](TForm1&, TForm2& f2) { f2.zweistein.Hint = "WEG"; }},
    {"mistkübel", [](TForm1& f1, TForm2&) { f1.object5.Top = -100; }},
    {"schreibtisch 1", [](TForm1&, TForm2& f2) { f2.Schreibtisch.Tag = 1; }},
    {"schreibtisch 3", [](TForm1& f1, TForm2& f2) { f2.Schreibtisch.Tag = 3; tick(f1, "Silicon für Corinna holen."); }},
    {"kaffee 2", [](TForm1& f1, TForm2& f2) {
       f2.kaffee.Tag = 2;
       removeOption(f2, "Ich habe einen neuen Kaffee für Sie.");
       tick(f1, "Kaffee für Professor Zweistein");
     }},
    {"kaffee 1", [](TForm1& f1, TForm2& f2) {
       f2.kaffee.Tag = 1;
       f1.object4.Top = -5000;
       addOption(f2, "Zweistein", "Ich habe einen neuen Kaffee für Sie.");
     }},
    {"franz 1", [](TForm1&, TForm2& f2) { f2.Franz.Tag = 1; }},
    {"franz 2", [](TForm1&, TForm2& f2) { f2.Franz.Tag = 2; }},
    {"franz 3", [](TForm1&, TForm2& f2) { f2.Franz.Tag = 3; }},
    {"franz 4", [](TForm1&, TForm2& f2) { f2.Franz.Tag = 4; }},
    {"franz 5", [](TForm1&, TForm2& f2) { f2.Franz.Tag = 5; }},
    {"franz 6", [](TForm1&, TForm2& f2) { f2.Franz.Tag = 6; }},
    {"kaffee test", [](TForm1& f1, TForm2& f2) {
       if (f2.Scheck.Tag != 2) return;
       queue(f1).clear();
       load(f1, "kaffee.dia");
     }},
    {"Tägl 1", [](TForm1& f1, TForm2& f2) { f2.toegl.Left = 1; f1.Object1.Top = -600; }},
    {"bad", [](TForm1&, TForm2& f2, int n) { f2.kroxl.Caption = "bad"; f2.kroxl.Tag = n; }},
    {"sick", [](TForm1&, TForm2& f2, int n) { f2.kroxl.Caption = "sick"; f2.kroxl.Tag = n; }},
    {"happy", [](TForm1&, TForm2& f2) { f2.kroxl.Caption = "happy"; f2.kroxl.Tag = 0; }},
    {"franz test", [](TForm1& f1, TForm2& f2) { if (f2.Franz.Tag == 1) load(f1, "franz0.dia"); }},
    {"franz test", [](TForm1& f1, TForm2& f2) {
       if (f2.Franz.Tag != 0) return;
       f2.Franz.Tag = 1;
       load(f1, "franz1.dia");
     }},
    {"buch 1", [](TForm1& f1, TForm2& f2) { f2.buch.Tag = 1; f1.Object1.Top = -150; }},
    {"check test", quizCheck},
    {"buch on", [](TForm1& f1, TForm2& f2) { f2.buch.Left = f1.currentRoom(); quizBoxes(f1, false); }},
    {"buch off", [](TForm1& f1, TForm2&) {
       queue(f1).add("goto room");
       queue(f1).add(std::to_string(f1.currentRoom()));
       quizBoxes(f1, true);
     }},
};

}  // namespace

std::span<const SubCommandRow> subCommandTable() {
  return kSubCommands;
}

Ending change(TForm1& f1) {
  TForm2& f2 = store(f1);
  for (const SubCommandRow& s : kSubCommands) {
    if (line(f1, 1) != s.keyword) continue;
    if (s.operand == Operand::Number)
      s.numbered(f1, f2, takeNumberOperand(f1));
    else
      s.action(f1, f2);
  }
  deleteLines(f1, 2);
  return Ending::Check;
}

}  // namespace game::script
