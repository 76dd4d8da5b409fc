// The layout of a saved game, and what saving writes into it.
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "gfx/Bmp.h"
#include "gfx/Canvas.h"
#include "persist/SaveGame.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"

namespace game::savegame {
namespace {

using C = Carrier;

constexpr std::array<StoredVariable, 29> kStoredVariables = {{
    {"[kroxl.tag]", &TForm2::kroxl, C::Tag},
    {"[kroxl.caption]", &TForm2::kroxl, C::Caption},
    {"[pause.tag]", &TForm2::pause, C::Tag},
    {"[Zweistein.tag]", &TForm2::zweistein, C::Tag},
    {"[hubert.tag]", &TForm2::hubert, C::Tag},
    {"[hubert.left]", &TForm2::hubert, C::Left},
    {"[toegl.tag]", &TForm2::toegl, C::Tag},
    {"[toegl.left]", &TForm2::toegl, C::Left},
    {"[lift.tag]", &TForm2::lift, C::Tag},
    {"[buch.tag]", &TForm2::buch, C::Tag},
    {"[buch.left]", &TForm2::buch, C::Left},
    {"[buch.hint]", &TForm2::buch, C::Hint},
    {"[buch.caption]", &TForm2::buch, C::Caption},
    {"[schreibtisch.tag]", &TForm2::Schreibtisch, C::Tag},
    {"[corinna.tag]", &TForm2::corinna, C::Tag},
    {"[leiche.tag]", &TForm2::leiche, C::Tag},
    {"[franz.tag]", &TForm2::Franz, C::Tag},
    {"[franz.left]", &TForm2::Franz, C::Left},
    {"[scheck.tag]", &TForm2::Scheck, C::Tag},
    {"[kaffee.tag]", &TForm2::kaffee, C::Tag},
    {"[putzkammerl.tag]", &TForm2::putzkammerl, C::Tag},
    {"[taube.tag]", &TForm2::taube, C::Tag},
    {"[putzfrau.tag]", &TForm2::putzfrau, C::Tag},
    {"[tag.caption]", &TForm2::Tag, C::Caption},
    {"[busen.tag]", &TForm2::busen, C::Tag},
    {"[schlauch.tag]", &TForm2::schlauch, C::Tag},
    {"[schlauch.hint]", &TForm2::schlauch, C::Hint},
    {"[golfball.tag]", &TForm2::golfball, C::Tag},
    {"[zeichnung.tag]", &TForm2::zeichnung, C::Tag},
}};

std::string valueOf(const Slot& slot, Carrier carrier) {
  switch (carrier) {
    case C::Tag:
      return std::to_string(slot.Tag);
    case C::Left:
      return std::to_string(slot.Left);
    case C::Caption:
      return slot.Caption;
    case C::Hint:
      return slot.Hint;
  }
  return {};
}

// The system's short date and long time, as a German desktop writes them.
std::string dateAndTime() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  std::strftime(text, sizeof text, "%d.%m.%Y %H:%M:%S", &local);
  return text;
}

void addList(std::vector<std::string>& lines, const char* header, const sys::TextList& list) {
  lines.push_back(header);
  lines.push_back(std::to_string(list.Count()));
  for (const std::string& item : list.lines()) lines.push_back(item);
}

}  // namespace

const std::array<StoredVariable, 29>& storedVariables() {
  return kStoredVariables;
}

std::optional<int> parseInt(const std::string& text) {
  const char* begin = text.c_str();
  while (*begin == ' ') ++begin;
  if (*begin == '\0') return std::nullopt;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(begin, &end, 10);
  if (end == begin || *end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
    return std::nullopt;
  return static_cast<int>(value);
}

int64_t positionOf(const media::MediaPlayer& player) {
  return player.mode() == media::Mode::NotOpen ? 0 : player.Position();
}

bool atEndOfSound(const media::MediaPlayer& player) {
  return player.mode() == media::Mode::NotOpen || player.Position() >= player.Length();
}

std::vector<std::string> compose(TForm1& f1) {
  const TForm2& f2 = *f1.game.Form2;
  std::vector<std::string> lines = {kHeader,
                                    f2.version.Caption,
                                    dateAndTime(),
                                    "",
                                    "form definitions:",
                                    "[room:]",
                                    std::to_string(f1.build.Tag),
                                    "[position:]",
                                    std::to_string(f2.posit.Tag),
                                    "[sonsti:]",
                                    f2.sonsti.Caption,
                                    "[midi:]",
                                    f2.musi.Caption,
                                    "[midiposition:]",
                                    std::to_string(positionOf(*f1.MediaPlayer1)),
                                    "[mp3:]",
                                    f2.musi.Caption,
                                    "[mp3position:]",
                                    std::to_string(positionOf(*f1.MediaPlayer2)),
                                    "",
                                    "savegame definitions:"};
  for (const StoredVariable& v : kStoredVariables) {
    lines.push_back(v.key);
    lines.push_back(valueOf(f2.*v.slot, v.carrier));
  }
  lines.push_back("");
  addList(lines, kListHeaders[0], f2.inventar);
  addList(lines, kListHeaders[1], f2.Memo5);
  addList(lines, kListHeaders[2], f2.franzinventar);
  addList(lines, kListHeaders[3], f1.game.Form13->liste);
  lines.push_back(kLastLine);
  return lines;
}

std::string directory(TForm1& f1) {
  const std::string dir = f1.programPath("\\savegames");
  std::error_code ec;
  std::filesystem::create_directories(sys::resolvePath(dir), ec);
  if (ec) f1.reportError("ERROR! Cannot create \"" + dir + "\": " + ec.message());
  // What a save cut short by a crash left behind.
  sys::removeStaleTemporaries(sys::resolvePath(dir), [](const std::string& name) {
    return name.ends_with(".kvt") || name.ends_with(".kvt.bmp");
  });
  return dir;
}

void writeThumbnail(TForm1& f1, const std::string& gamePath) {
  const std::string shotPath = f1.programPath("\\temp.bmp");
  const sys::Result<gfx::Bitmap> shot = gfx::loadBmp(shotPath);
  if (!shot.ok()) {
    f1.reportError("ERROR! Grafic-File not found: \"" + shotPath + "\"!");
    return;
  }
  gfx::Bitmap thumbnail(160, 100);
  gfx::Canvas(thumbnail).copyRectSmooth(thumbnail.bounds(), *shot, gfx::Rect::xywh(0, 0, 640, 400));
  if (const sys::Result<void> r = gfx::saveBmp(gamePath, thumbnail); !r.ok())
    f1.reportError("ERROR! Cannot write \"" + gamePath + "\": " + r.error().message);
}

}  // namespace game::savegame
