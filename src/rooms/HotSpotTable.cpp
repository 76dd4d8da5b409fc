// The hot spots of every room: rectangle (left, top, width, height) and hover
// text per slot, with the story conditions under which a room has them, and
// the spots the story later takes off the picture.
#include "rooms/RoomTable.h"
#include "state/TForm2.h"

namespace game::rooms {
namespace {

using S = const TForm2&;

// clang-format off
constexpr HotSpot kHotSpots[] = {
  // room  slot  left  top   width height  hover text                                only if
  {-1,     1,    59,   169,  165,  128,    "Big Boss"},
  {-1,     2,    336,  129,  127,  214,    "Lift"},
  {-1,     3,    488,  180,  110,  189,    "Tür hinaus"},
  {1,      1,    256,  144,  129,  193,    "Tür hinaus auf den Gang"},
  {1,      2,    424,  144,  113,  193,    "Büro vom Boss"},
  {1,      3,    391,  243,  20,   16,     "Steckdose"},
  {1,      4,    584,  152,  49,   129,    "Pinwand"},
  {1,      5,    88,   160,  145,  167,    "Sekräterin"},
  {2,      1,    144,  144,  121,  193,    "Büro der Sekräterin"},
  {2,      3,    568,  64,   73,   321,    "den Gang entlang >>"},
  {2,      4,    462,  202,  187,  198,    "Putzfrau",                               [](S s) { return s.putzfrau.Tag < 2; }},
  {2,      5,    296,  266,  166,  134,    "Staubsauger",                            [](S s) { return s.putzfrau.Tag < 2; }},
  {3,      1,    -1,   0,    35,   400,    "<< nach hinten"},
  {3,      2,    530,  96,   200,  265,    "Aufzug"},
  {3,      3,    168,  56,   409,  281,    "Gang nach hinten"},
  {3,      4,    16,   122,  108,  230,    "Getränke Automat"},
  {4,      1,    -2,   0,    30,   400,    "<< nach hinten"},
  {4,      2,    589,  126,  100,  274,    "Aufzug"},
  {4,      3,    484,  181,  79,   75,     "Tägl Kantine"},
  {4,      4,    30,   127,  153,  194,    "Stiegabgang zu den Laboratorien"},
  {4,      5,    194,  97,   284,  174,    "Raucherzone"},
  {5,      1,    -2,   0,    73,   400,    "<< Hauptausgang"},
  {5,      2,    610,  0,    200,  400,    "nach vorne >>"},
  {5,      3,    195,  178,  71,   115,    "Produktionsstätte"},
  {5,      4,    112,  170,  48,   153,    "Bibliothek"},
  {5,      5,    561,  89,   77,   201,    "Stiegenabgang zu den Laboratorien"},
  {6,      1,    88,   128,  153,  225,    "Professor Zweistein",                    [](S s) { return s.zweistein.Tag != 0; }},
  {6,      1,    88,   128,  153,  225,    "Lesender Professor",                     [](S s) { return s.zweistein.Tag == 0; }},
  {6,      2,    488,  144,  57,   161,    "Tür auf den Gang"},
  {6,      3,    280,  199,  50,   43,     "Buch: Physik und Mathematik",            [](S s) { return s.buch.Caption == "buch2"; }},
  {6,      3,    280,  199,  50,   43,     "Buch: Gelddruckmaschinenbauen leichtgemacht", [](S s) { return s.buch.Caption != "buch2"; }},
  {7,      1,    94,   231,  109,  52,     "Scheck"},
  {7,      2,    350,  84,   185,  263,    "Herr Tö l"},
  {7,      3,    582,  -1,   500,  402,    "zum Gastgarten hinaus >>"},
  {7,      4,    299,  317,  58,   42,     "Kaffee"},
  {7,      5,    472,  264,  41,   25,     "Plan",                                   [](S s) { return 0 < s.toegl.Tag && s.toegl.Tag < 3; }},
  {7,      6,    100,  370,  400,  150,    "\\/ zurück in den hinteren Raum \\/"},
  {71,     1,    -1,   110,  100,  150,    "<< hinaus auf den Gang"},
  {71,     2,    457,  184,  66,   84,     "hinaus in den Gastgarten"},
  {71,     4,    210,  177,  181,  89,     "zur Theke"},
  {71,     5,    0,    317,  88,   60,     "Plan",                                   [](S s) { return s.toegl.Tag == 0; }},
  {8,      1,    152,  128,  129,  193,    "Tür auf den Gang"},
  {8,      2,    424,  168,  201,  225,    "Hubert"},
  {8,      3,    376,  120,  89,   81,     "Werkzeug"},
  {200,    1,    600,  0,    40,   400,    ">> ins Erdgeschoss hinauf >>"},
  {200,    2,    -2,   0,    40,   400,    "<< Printerroom <<"},
  {201,    1,    600,  0,    40,   400,    ">> wieder raus >>"},
  {201,    2,    41,   141,  138,  239,    "Franz"},
  {100,    1,    600,  0,    40,   400,    ">> zurück auf den Hauptgang >>"},
  {100,    2,    -2,   0,    40,   400,    "<< nach hinten <<"},
  {100,    3,    256,  152,  129,  201,    "Büro von Professor Kroxl"},
  {101,    1,    600,  0,    40,   400,    ">> zurück auf den Hauptgang >>"},
  {101,    2,    -2,   0,    40,   400,    "Archiv"},
  {101,    3,    431,  142,  129,  197,    "Putzkammerl"},
  {101,    4,    133,  302,  244,  99,     "Leiche",                                 [](S s) { return s.leiche.Tag < 2; }},
  {101,    5,    447,  275,  42,   42,     "Rattengift",                             [](S s) { return s.putzkammerl.Tag == 1; }},
  {103,    1,    270,  192,  305,  209,    "Arbeitsplatz"},
  {103,    2,    64,   128,  73,   89,     "Bild"},
  {103,    3,    176,  144,  121,  193,    "Tür auf den Gang."},
  {104,    1,    312,  344,  65,   33,     "Buch",                                   [](S s) { return s.buch.Tag == 0; }},
  {104,    2,    360,  224,  121,  153,    "Archivar",                               [](S s) { return s.busen.Tag < 2; }},
  {104,    3,    447,  123,  149,  278,    "Tür auf den Gang."},
  {104,    4,    137,  131,  85,   134,    "Vitrine"},
  {104,    6,    376,  74,   23,   22,     "angeritztes Seil",                       [](S s) { return s.busen.Tag == 0; }},
  {104,    6,    376,  74,   23,   22,     "stark angeritztes Seil",                 [](S s) { return s.busen.Tag == 1; }},
  {104,    6,    351,  278,  38,   37,     "Silicon",                                [](S s) { return s.busen.Tag == 2; }},
  {-11,    1,    0,    0,    640,  400,    "einfach draufklicken"},
  {1111,   1,    16,   48,   209,  265,    "Mikroskop"},
  {1111,   2,    503,  0,    137,  158,    "von Sekräterin korrigieren lassen"},
  {1111,   3,    -1,   -1,   100,  400,    "Schreibtisch verlassen"},
  {-1020,  1,    0,    0,    640,  400,    "Klicken um fortzufahren!"},
  {-1010,  1,    584,  134,  56,   267,    "Kantine >>"},
  {-1010,  2,    486,  264,  61,   25,     "Plan",                                   [](S s) { return s.toegl.Tag == 2; }},
  {-1010,  3,    158,  159,  99,   197,    "Staffelei mit Ölbild"},
  {500,    1,    -1,   -1,   70,   400,    "<< Richtung Forschungszentrum"},
  {500,    2,    540,  0,    200,  400,    "Richtung Minigolf-Bahnen >>"},
  {500,    3,    275,  132,  118,  146,    "Motty",                                  [](S s) { return s.schlauch.Hint.empty(); }},
  {500,    4,    86,   162,  51,   114,    "Handelsüblicher Gartenschlauch",         [](S s) { return s.schlauch.Tag == 0; }},
  {501,    1,    -1,   -1,   70,   400,    "<< zurück zur Kassa"},
  {501,    2,    298,  322,  39,   28,     "Golfball",                               [](S s) { return s.golfball.Tag == 1; }},
  {501,    3,    466,  199,  143,  168,    "Bahn Nummer 1"},
  {501,    4,    600,  199,  143,  168,    "zur Bahn Nummer 2 >>"},
  {-10000, 1,    168,  160,  113,  73,     "Forschungslabor"},
  {-10000, 3,    256,  232,  137,  89,     "Brunnenplatz"},
  {-10001, 1,    96,   168,  145,  177,    "Rakete"},
  {-10001, 2,    136,  352,  145,  57,     "\\/ zurück zum Forschungslabor \\/"},
  {-10001, 3,    232,  96,   409,  281,    "Mine"},
  {-10003, 1,    166,  106,  175,  165,    "Gärtner",                                [](S s) { return s.taube.Tag == 0; }},
  {-10003, 2,    341,  206,  147,  147,    "Oma",                                    [](S s) { return s.taube.Tag == 0; }},
  {-10003, 3,    304,  347,  82,   53,     "Taube",                                  [](S s) { return s.taube.Tag == 0; }},
  {-10003, 4,    592,  0,    48,   400,    "nach Hinten >>"},
  {-10003, 5,    -1,   0,    45,   400,    "zurück ins Forschungslabor"},
  {-10004, 1,    310,  125,  122,  107,    "Lore"},
  {-10004, 2,    598,  125,  42,   275,    "zurück in den Garten >>"},
};

// Spots the story has done away with, taken off the picture in the room
// step. Those the overlay step moves are in the overlay table.
constexpr HotSpotMove kHotSpotMoves[] = {
  // room  slot  edge        to     when
  {7,      1,    Edge::Top,  -5000, [](S s) { return s.Scheck.Tag > 0; }},
  {7,      2,    Edge::Top,  -5000, [](S s) { return s.Scheck.Tag == 2; }},
  {7,      4,    Edge::Top,  -5000, [](S s) { return s.kaffee.Tag > 0; }},
  {8,      2,    Edge::Top,  -600,  [](S s) { return s.hubert.Tag > 2; }},
  {101,    2,    Edge::Left, -5000, [](S s) { return s.putzkammerl.Tag == 1 || s.putzkammerl.Tag == 2; }},
  {101,    3,    Edge::Left, -5000, [](S s) { return s.putzkammerl.Tag == 1 || s.putzkammerl.Tag == 2; }},
};
// clang-format on

}  // namespace

std::span<const HotSpot> hotSpots() {
  return kHotSpots;
}
std::span<const HotSpotMove> hotSpotMoves() {
  return kHotSpotMoves;
}

}  // namespace game::rooms
