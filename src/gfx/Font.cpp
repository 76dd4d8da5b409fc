#include "gfx/Font.h"

#include <sys/stat.h>

#include <array>

namespace gfx {
namespace {

bool readable(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::string lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

}  // namespace

std::string fontFileFor(const std::string& name, bool bold) {
  const std::string n = lower(name);
  std::string wanted;
  if (n.find("comic") != std::string::npos)
    wanted = bold ? "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"
                  : "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf";
  else if (n.find("serif") != std::string::npos && n.find("sans") == std::string::npos)
    wanted = bold ? "/usr/share/fonts/truetype/liberation/LiberationSerif-Bold.ttf"
                  : "/usr/share/fonts/truetype/liberation/LiberationSerif-Regular.ttf";
  else
    wanted = bold ? "/usr/share/fonts/truetype/liberation/LiberationSans-Bold.ttf"
                  : "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf";
  if (readable(wanted)) return wanted;
  // A machine without the stand-in fonts still shows text.
  static const std::array<const char*, 2> fallbacks = {
      "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
      "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"};
  for (const char* f : fallbacks)
    if (readable(f)) return f;
  return wanted;
}

}  // namespace gfx
