// The room table: every room's name, music, background, animation table and
// walk limits, and the variants of backgrounds and walk limits that follow
// the story.
#include "rooms/RoomTable.h"

#include <algorithm>

#include "state/TForm2.h"

namespace game::rooms {
namespace {

using S = const TForm2&;

// clang-format off
constexpr Room kRooms[] = {
  // number   name            music              background                                  animation         walk limits
  {0,         "Intro",        kKeep,             "\\movies\\black.bmp",                      kKeep,            0, 640, Kind::Intro},
  {-1,        "BigBoss",      "bigboss.mid",     "\\graphic\\BigBoss\\hintergrund.bmp",      "bigboss.ani",    0, 640},
  {1,         "Buero",        "buero.mid",       "\\graphic\\buero\\hintergrund.bmp",        "corinna.ani",    250, 640},
  {2,         "Gang",         "gang.mid",        "\\graphic\\gang\\hintergrund.bmp",         "putzfrau.ani",   0, 640},
  {3,         "Gang2",        "gang.mid",        "\\graphic\\gang2\\hintergrund.bmp",        kKeep,            0, 640},
  {4,         "Gang3",        "erdgeschoss.mid", "\\graphic\\gang3\\hintergrund.bmp",        kCleared,         0, 640},
  {5,         "Gang4",        "erdgeschoss.mid", "\\graphic\\gang4\\hintergrund.bmp",        kCleared,         100, 640},
  {6,         "Bibliothek",   "gang2.mid",       "\\graphic\\bibliothek\\hintergrund.bmp",   "zweistein.ani",  300, 640},
  {7,         "Kantine",      "toegl.mid",       "\\graphic\\toegl\\hintergrund.bmp",        "toegl.ani",      -1200, -640},
  {71,        "Kantine2",     kKeep,             "\\graphic\\toegl2\\hintergrund.bmp",       "joschi.ani",     178, 320},
  {8,         "Bastelraum",   "bastelraum.mid",  "\\graphic\\bastelraum\\hintergrund.bmp",   "hubert.ani",     150, 200},
  {100,       "Gang100",      "gang.mid",        "\\graphic\\gang100\\hintergrund.bmp",      kCleared,         0, 640},
  {101,       "Gang101",      "gang.mid",        "\\graphic\\gang101\\hintergrund.bmp",      kCleared,         0, 640},
  {103,       "Kroxl",        "Kroxl.mid",       "\\graphic\\Kroxl\\hintergrund.bmp",        kCleared,         10, 300},
  {104,       "Archiv",       "Archiv.mid",      "\\graphic\\Archiv\\hintergrund.bmp",       "archivar.ani",   100, 450},
  {200,       "Keller",       "gang.mid",        "\\graphic\\keller\\hintergrund.bmp",       kCleared,         0, 640},
  {201,       "Printerroom",  "gang.mid",        "\\graphic\\printerroom\\hintergrund.bmp",  "franz.ani",      0, 640},
  {-11,       "Liftpanel",    "kroxl.mid",       "\\graphic\\liftpanel\\hintergrund.bmp",    kCleared,         -300, -200},
  {1111,      "Schreibtisch", "kroxl.mid",       "\\graphic\\schreibtisch\\hintergrund.bmp", kCleared,         -300, -200},
  {-1020,     "Bild",         "out.mid",         "\\graphic\\bild\\hintergrund.bmp",         kCleared,         250, 600},
  {-1010,     "Gastgarten",   "out.mid",         "\\graphic\\gastgarten\\hintergrund.bmp",   kCleared,         250, 600},
  {500,       "Minigolf",     "minigolf.mid",    "\\graphic\\minigolf\\hintergrund.bmp",     "motty.ani",      0, 360},
  {501,       "Minigolf2",    "minigolf.mid",    "\\graphic\\minigolf2\\hintergrund.bmp",    kCleared,         0, 360},
  {502,       "Minigolf3",    "minigolf.mid",    "\\graphic\\minigolf3\\hintergrund.bmp",    kCleared,         0, 360},
  {-10000,    "Out",          "out.mid",         "\\graphic\\out\\hintergrund.bmp",          "out.ani",        -300, -200},
  {-10001,    "Out1",         "out.mid",         "\\graphic\\out1\\hintergrund.bmp",         "out1.ani",       -300, -200},
  {-10002,    "Mine",         "out.mid",         "\\graphic\\mine\\hintergrund.bmp",         kCleared,         -300, -200},
  {-10003,    "Out2",         "out.mid",         "\\graphic\\out2\\hintergrund.bmp",         "out2.ani",       80, 500},
  {-10004,    "Out3",         "out.mid",         "\\graphic\\out3\\hintergrund.bmp",         "out1.ani",       80, 500},
  {123456,    kKeep,          kKeep,             "\\movies\\cls.bmp",                        kKeep,            0, 640, Kind::BackgroundOnly},
};

constexpr AnimationNote kAnimationNotes[] = {
  {-1, "Lade BigBoss Animationen"},
  {6,  "Lade Zweistein Animationen"},
  {8,  "Lade Hubert Animationen"},
};

constexpr WalkLimitVariant kWalkLimitVariants[] = {
  // The cleaning woman blocks the corridor until she has gone.
  {2, [](S s) { return s.putzfrau.Tag < 2; }, 0, 200},
};

// The corridor's tidy day picture, once the cleaning woman has gone, is set
// by the builder after every room is handled (see buildTimer).
constexpr BackgroundVariant kBackgroundVariants[] = {
  {2,      atNight,                                    "\\movies\\cls.bmp"},
  {3,      [](S s) { return s.putzkammerl.Tag > 0; },  "\\graphic\\gang2\\hintergrund2.bmp"},
  {3,      atNight,                                    "\\movies\\cls.bmp"},
  {4,      atNight,                                    "\\graphic\\gang3\\night.bmp"},
  {5,      atNight,                                    "\\graphic\\gang4\\night.bmp"},
  {6,      atNight,                                    "\\graphic\\bibliothek\\night.bmp"},
  {71,     atNight,                                    "\\graphic\\toegl2\\night.bmp"},
  {8,      [](S s) { return s.hubert.Tag > 2; },       "\\graphic\\bastelraum\\hintergrund2.bmp"},
  {100,    atNight,                                    "\\movies\\cls.bmp"},
  {101,    [](S s) { return s.putzkammerl.Tag > 0; },  "\\graphic\\gang101\\hintergrund2.bmp"},
  {101,    atNight,                                    "\\movies\\cls.bmp"},
  {103,    atNight,                                    "\\graphic\\Kroxl\\night.bmp"},
  {-1010,  atNight,                                    "\\graphic\\gastgarten\\night.bmp"},
  // The minigolf course and the mine lie outside too: night falls there.
  {500,    atNight,                                    "\\graphic\\minigolf\\night.bmp"},
  {501,    atNight,                                    "\\graphic\\minigolf2\\night.bmp"},
  {502,    atNight,                                    "\\graphic\\minigolf3\\night.bmp"},
  {-10000, atNight,                                    "\\graphic\\out\\night.bmp"},
  {-10001, atNight,                                    "\\graphic\\out1\\night.bmp"},
  {-10002, atNight,                                    "\\graphic\\mine\\night.bmp"},
  {-10003, [](S s) { return s.taube.Tag > 0; },        "\\graphic\\out2\\hintergrund2.bmp"},
  {-10003, atNight,                                    "\\graphic\\out2\\night.bmp"},
  {-10004, atNight,                                    "\\graphic\\out3\\night.bmp"},
};
// clang-format on

}  // namespace

bool atNight(const TForm2& state) {
  return state.Tag.Caption == "night";
}

std::span<const Room> roomTable() {
  return kRooms;
}
std::span<const AnimationNote> animationNotes() {
  return kAnimationNotes;
}
std::span<const WalkLimitVariant> walkLimitVariants() {
  return kWalkLimitVariants;
}
std::span<const BackgroundVariant> backgroundVariants() {
  return kBackgroundVariants;
}

const Room* findRoom(int number) {
  const auto it = std::ranges::find(kRooms, number, &Room::number);
  return it == std::end(kRooms) ? nullptr : &*it;
}

}  // namespace game::rooms
