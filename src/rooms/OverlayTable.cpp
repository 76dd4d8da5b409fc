// The small pictures laid over a room's background to show what the story
// has changed, in drawing order, and the answer boxes of the desk close-up.
#include "rooms/RoomTable.h"
#include "state/TForm2.h"

namespace game::rooms {
namespace {

using S = const TForm2&;

bool byDay(S s) {
  return !atNight(s);
}

// clang-format off
constexpr Overlay kOverlays[] = {
  // room  when                                                              picture                                  x, y       first moves slot, to top
  {-1010,  [](S s) { return s.toegl.Tag == 2; },                            "\\graphic\\gastgarten\\mist.bmp",        486, 264},
  {101,    [](S s) { return s.putzkammerl.Tag == 2; },                      "\\graphic\\gang101\\0.bmp",              444, 259},
  // Night falls on the minigolf course after Motty's death: his blood and a
  // ball left on course 1 are drawn in the night's colours then.
  {500,    [](S s) { return byDay(s) && !s.schlauch.Hint.empty(); },        "\\graphic\\minigolf\\blood.bmp",         151, 132},
  {500,    [](S s) { return atNight(s) && !s.schlauch.Hint.empty(); },      "\\graphic\\minigolf\\blood_dark.bmp",    151, 132},
  {500,    [](S s) { return s.schlauch.Tag == 0; },                         "\\graphic\\minigolf\\schlauch.bmp",      86, 162},
  {500,    [](S s) { return s.schlauch.Tag == 0 && !s.schlauch.Hint.empty(); }, "\\graphic\\minigolf\\schlaucha.bmp", 86, 162},
  {501,    [](S s) { return byDay(s) && s.golfball.Tag == 1; },             "\\graphic\\minigolf2\\golf8.bmp",        284, 281},
  {501,    [](S s) { return atNight(s) && s.golfball.Tag == 1; },           "\\graphic\\minigolf2\\golf8_dark.bmp",   284, 281},
  {201,    [](S s) { return s.zeichnung.Tag != 0; },                        "\\graphic\\printerroom\\zeichnung.bmp",  456, 185},
  {201,    [](S s) { return s.zeichnung.Tag == 0; },                        "\\graphic\\printerroom\\key.bmp",        456, 185},
  {7,      [](S s) { return s.Scheck.Tag > 0; },                            "\\graphic\\toegl\\scheck0.bmp",          48, 175},
  {7,      [](S s) { return s.Scheck.Tag == 2; },                           "\\graphic\\toegl\\weg.bmp",              296, 57},
  {7,      [](S s) { return s.Scheck.Tag == 2 && s.kaffee.Tag == 0; },      "\\graphic\\toegl\\kaffee1a.bmp",         296, 290},
  {7,      [](S s) { return s.Scheck.Tag == 2 && s.kaffee.Tag == 1; },      "\\graphic\\toegl\\kaffee0.bmp",          296, 290},
  {71,     [](S s) { return byDay(s) && s.toegl.Tag > 0; },                 "\\graphic\\toegl2\\tisch0.bmp",          0, 226},
  {71,     [](S s) { return byDay(s) && s.Scheck.Tag > 0; },                "\\graphic\\toegl2\\scheck0.bmp",         221, 195},
  {71,     [](S s) { return byDay(s) && s.Scheck.Tag == 9999; },            "\\graphic\\toegl2\\scheck0a.bmp",        221, 195},
  {71,     [](S s) { return byDay(s) && s.Scheck.Tag == 2; },               "\\graphic\\toegl2\\weg.bmp",             266, 178},
  {71,     [](S s) { return byDay(s) && s.Scheck.Tag == 2 && s.kaffee.Tag == 0; }, "\\graphic\\toegl2\\kaffee1a.bmp",  266, 223},
  {6,      [](S s) { return s.buch.Caption == "buch"; },                    "\\graphic\\bibliothek\\buch2.bmp",       304, 185},
  {6,      [](S s) { return s.buch.Caption == "buch2"; },                   "\\graphic\\bibliothek\\buch1.bmp",       304, 185},
  {8,      [](S s) { return s.hubert.Tag == 4; },                           "\\graphic\\bastelraum\\tool.bmp",        361, 125,  3, -600},
  {104,    [](S s) { return s.busen.Tag == 1; },                            "\\graphic\\archiv\\seildurch.bmp",       368, 67},
  {104,    [](S s) { return s.busen.Tag > 1; },                             "\\graphic\\archiv\\kiste.bmp",           166, 34},
  {104,    [](S s) { return s.busen.Tag == 2; },                            "\\graphic\\archiv\\silicon.bmp",         336, 235},
  {104,    [](S s) { return s.busen.Tag < 2 && s.buch.Hint.empty(); },      "\\graphic\\archiv\\red0.bmp",            336, 176},
  {104,    [](S s) { return s.busen.Tag < 2 && s.buch.Tag == 1; },          "\\graphic\\archiv\\buch0.bmp",           290, 299,  1, -100},
  {104,    [](S s) { return s.busen.Tag < 2 && s.buch.Hint.empty(); },      "\\graphic\\archiv\\buch0.bmp",           290, 299,  1, -100},
  {1,      [](S s) { return s.Schreibtisch.Tag > 2; },                      "\\graphic\\corinna\\titten.bmp",         90, 174},
  {3,      [](S s) { return s.leiche.Tag < 2; },                            "\\graphic\\gang2\\leiche.bmp",           287, 215},
};

constexpr const char* kSubstances[] = {
  "Methan", "Ammoniak", "Natriumhydroxid", "Magnesiumchlorid", "Wasser", "Magnesiumnitrat",
  "Aluminiumchlorid", "Kohlendioxid", "Calciumsulfat",
};
constexpr const char* kFormulas[] = {
  "E = m . c²", "V = F / T", "U = R . I", "M = C + 2I", "Ohm? Da gibts doch gar keine Formel!",
};
constexpr const char* kPatterns[] = {
  "die Muster sind um y = 5 / 2x verschieden",
  "durch den Quotzienten",
  "die Gymbolusfunktion ist immer unter 0, daher kann man die Muster nicht vergleichen",
  "die Muster sind identisch",
  "sie unterscheiden sich um yx = 15,22",
  "die Muster unterschieden sich nie um 12,5",
  "845,45",
  "der Kehrwert",
  "die G-Funktion liegt im Minus",
  "die Gymbolusfunktion geht gegen unendlich",
  "x*8",
  "keine Ahnung!",
};
constexpr const char* kCauses[] = {
  "seine Frau", "ein Blitz", "ein Drache", "sein Hund", "ein Apfel", "weiß ich doch nicht!",
};

constexpr ChoiceBox kDeskChoiceBoxes[] = {
  // left  top  width height  items
  {264,    160, 169,  17,     kSubstances},  // ComboBox1
  {300,    216, 130,  17,     kFormulas},    // ComboBox2
  {285,    320, 139,  17,     kPatterns},    // ComboBox3
  {511,    250, 125,  17,     kCauses},      // ComboBox4
};
// clang-format on

}  // namespace

std::span<const Overlay> overlays() {
  return kOverlays;
}
std::span<const ChoiceBox, 4> deskChoiceBoxes() {
  return kDeskChoiceBoxes;
}

}  // namespace game::rooms
