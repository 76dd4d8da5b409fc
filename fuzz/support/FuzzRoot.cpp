#include "support/FuzzRoot.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace fuzzsupport {
namespace fs = std::filesystem;

namespace {

// What set-up makes and reset() keeps: everything else a game wrote.
bool isDemoEntry(const fs::path& name) {
  return name == "graphic" || name == "sound" || name == "movies" || name == "source" || name == "readme.txt";
}

// The opening script of the fuzz root goes straight to the corridor, so that
// a target's game is in a room with a person and under the player's control
// a few ticks after the start-up.
constexpr char kOpening[] = "activate\r\ngoto room\r\n2\r\n";

}  // namespace

std::string demoDataRoot() {
  if (const char* dir = std::getenv("KROXL_FUZZ_GAME_DIR")) return dir;
  return KROXL_FUZZ_GAME_DIR;
}

FuzzRoot& FuzzRoot::get() {
  static FuzzRoot root;
  return root;
}

FuzzRoot::FuzzRoot() : demo_(demoDataRoot()) {
  if (!fs::is_directory(fs::path(demo_) / "graphic"))
    throw std::runtime_error("no demo data root at " + demo_ + " (set KROXL_FUZZ_GAME_DIR)");
  std::string pattern = (fs::temp_directory_path() / "kroxl-fuzz-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a temporary directory");
  path_ = pattern;
  const fs::path root(path_), demo(demo_);
  for (const char* folder : {"graphic", "sound", "movies"})
    fs::create_directory_symlink(demo / folder, root / folder);
  fs::create_symlink(demo / "readme.txt", root / "readme.txt");
  for (const fs::directory_entry& folder : fs::directory_iterator(demo / "source")) {
    const fs::path mirror = root / "source" / folder.path().filename();
    fs::create_directories(mirror);
    for (const fs::directory_entry& file : fs::directory_iterator(folder.path()))
      fs::create_symlink(file.path(), mirror / file.path().filename());
  }
  // The game's own writes (the readme's copy for the desktop) stay here too.
  setenv("XDG_CACHE_HOME", (root / "cache").c_str(), 1);
  setenv("HOME", path_.c_str(), 1);
  fs::remove(root / "source/scripts/htm.smx");
  std::ofstream(root / "source/scripts/htm.smx", std::ios::binary) << kOpening;
  reset();
}

FuzzRoot::~FuzzRoot() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

void FuzzRoot::put(const std::string& relative, std::string_view bytes) {
  const fs::path target = fs::path(path_) / relative;
  // Never through a link: that would write into the demo data.
  fs::remove(target);
  fs::create_directories(target.parent_path());
  std::ofstream(target, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  replaced_.push_back(relative);
}

void FuzzRoot::reset() {
  const fs::path root(path_), demo(demo_);
  for (const std::string& relative : replaced_) {
    fs::remove(root / relative);
    if (fs::exists(demo / relative)) fs::create_symlink(demo / relative, root / relative);
  }
  replaced_.clear();
  for (const fs::directory_entry& entry : fs::directory_iterator(root))
    if (!isDemoEntry(entry.path().filename())) fs::remove_all(entry.path());
  fs::create_directories(root / "savegames");
}

}  // namespace fuzzsupport
