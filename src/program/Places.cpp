#include "program/Places.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "persist/Options.h"
#include "sys/DataPath.h"

namespace program {
using game::isDataRoot;
namespace fs = std::filesystem;

namespace {

// Made absolute and tidied, so that it still names the same folder after the
// program has changed its directory.
std::string absoluteFrom(const std::string& base, const std::string& dir) {
  fs::path p(dir);
  if (p.is_relative()) p = fs::path(base) / p;
  std::string s = p.lexically_normal().string();
  while (s.size() > 1 && s.back() == '/') s.pop_back();
  return s;
}

std::string perUserDir(const PlaceHints& h) {
  // A relative XDG_DATA_HOME is to be ignored, as the base directory rules say.
  if (!h.xdgDataHome.empty() && h.xdgDataHome.front() == '/')
    return absoluteFrom("/", h.xdgDataHome + "/kroxl");
  if (h.home.empty()) return "";
  return absoluteFrom(h.currentDir, h.home + "/.local/share/kroxl");
}

std::string environment(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

}  // namespace

std::string findPlaces(const PlaceHints& h, Places& places) {
  const bool hereIsData = isDataRoot(h.currentDir);
  places.dataGiven = !h.dataOption.empty();
  if (places.dataGiven) {
    places.dataRoot = absoluteFrom(h.currentDir, h.dataOption);
    if (!isDataRoot(places.dataRoot))
      return places.dataRoot + " holds no game data (no sound/effects/none.wav, no source/scripts/htm.smx)";
  } else if (hereIsData) {
    places.dataRoot = absoluteFrom("/", h.currentDir);
  } else {
    for (const char* beside : {"../share/kroxl", "game"}) {
      const std::string dir = absoluteFrom(h.programDir, beside);
      if (!h.programDir.empty() && isDataRoot(dir)) {
        places.dataRoot = dir;
        break;
      }
    }
    if (places.dataRoot.empty())
      return "no game data found here, in " + absoluteFrom(h.programDir, "../share/kroxl") + " or in " +
             absoluteFrom(h.programDir, "game") + "; name it with --data DIR";
  }

  if (!h.userDirOption.empty())
    places.userDir = absoluteFrom(h.currentDir, h.userDirOption);
  else if (hereIsData)
    places.userDir = absoluteFrom("/", h.currentDir);
  else
    places.userDir = perUserDir(h);
  if (places.userDir.empty())
    return "no user directory: set HOME or XDG_DATA_HOME, or name it with --user-dir DIR";
  return "";
}

PlaceHints processHints(const std::string& dataOption, const std::string& userDirOption) {
  PlaceHints h;
  h.dataOption = dataOption;
  h.userDirOption = userDirOption;
  h.currentDir = sys::currentDirectory();
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  if (!error) h.programDir = exe.parent_path().string();
  h.xdgDataHome = environment("XDG_DATA_HOME");
  h.home = environment("HOME");
  return h;
}

std::string enterUserDir(const std::string& dir) {
  std::error_code error;
  const fs::path path(dir);
  if (!fs::is_directory(path, error)) {
    if (path.has_parent_path()) fs::create_directories(path.parent_path(), error);
    if (::mkdir(dir.c_str(), 0700) != 0 && errno != EEXIST)
      return "cannot make the user directory " + dir + ": " + std::strerror(errno);
  }
  if (::chdir(dir.c_str()) != 0)
    return "cannot enter the user directory " + dir + ": " + std::strerror(errno);
  return "";
}

}  // namespace program

namespace program {

std::string enterPlaces(Options& o, Places& places) {
  const PlaceHints hints = processHints(o.data, o.userDir);
  if (std::string error = findPlaces(hints, places); !error.empty()) return error;
  for (std::string* file : {&o.replay, &o.dump, &o.record})
    if (!file->empty()) *file = absoluteFrom(hints.currentDir, *file);
  return enterUserDir(places.userDir);
}

}  // namespace program
