// The readme for the player: the desktop's own viewer gets a copy in UTF-8
// (the file itself is Windows-1252, like every text of the game, and would
// show its umlauts as garbage there); without a program to open it, the game
// shows the text in a window of its own.
#include <cstdlib>
#include <filesystem>

#include "core/Game.h"
#include "core/TForm1.h"
#include "sys/DataPath.h"
#include "sys/FileIo.h"

namespace game {
namespace {

// The user's cache, not the data root: that may be read-only and is shared.
std::string readmeCopyPath() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  std::filesystem::path dir;
  if (cache && *cache == '/')
    dir = cache;
  else if (home && *home == '/')
    dir = std::filesystem::path(home) / ".cache";
  else
    return "";
  dir /= "kroxl";
  std::error_code error;
  std::filesystem::create_directories(dir, error);
  return error ? "" : (dir / "readme.txt").string();
}

}  // namespace

void TForm1::openReadme(const std::string& file) {
  sys::TextList text;
  if (const sys::Result<void> read = text.loadFromFile(sys::resolvePath(file)); !read.ok()) {
    text.assign({"Die Hilfe kann nicht gelesen werden:", read.error().message});
  } else {
    const std::string copy = readmeCopyPath();
    if (!copy.empty() && sys::writeFileAtomic(copy, text.text()).ok() && game.desktop.shellOpen(copy)) return;
  }
  textViewer = std::make_unique<ui::TextViewer>(game.desktop, "Hilfe und Info", text.text());
  textViewer->Show();
}

}  // namespace game
