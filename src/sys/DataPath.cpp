#include "sys/DataPath.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "sys/Wildcard.h"

namespace sys {
namespace {

// No file has a longer path or name, so a longer one is not looked up: a
// hostile operand of a megabyte would otherwise cost a directory search per
// part on an ever longer path.
constexpr size_t kMaxPath = PATH_MAX;
constexpr size_t kMaxName = NAME_MAX;

std::vector<std::string> splitParts(const std::string& path) {
  std::vector<std::string> parts;
  std::string current;
  for (char c : path) {
    if (c == '/' || c == '\\') {
      if (!current.empty()) parts.push_back(std::move(current));
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) parts.push_back(std::move(current));
  return parts;
}

std::vector<std::string> listDirectory(const std::string& dir) {
  std::vector<std::string> names;
  DIR* d = ::opendir(dir.empty() ? "/" : dir.c_str());
  if (!d) return names;
  while (dirent* e = ::readdir(d)) {
    const std::string name = e->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(d);
  std::sort(names.begin(), names.end());  // a stable answer for wildcards
  return names;
}

bool exists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0;
}

std::string findPart(const std::string& dir, const std::string& part) {
  if (part == "." || part == ".." || part.size() > kMaxName || dir.size() > kMaxPath) return part;
  const std::string exact = dir + "/" + part;
  if (exists(exact)) return part;
  for (const auto& name : listDirectory(dir))
    if (sameNameIgnoringCase(name, part)) return name;
  return part;
}

// The real path of `parts` below `base`. Most game paths are written as the
// files are named, so one look at the whole path usually answers; only when
// that fails is each part looked up on its own.
std::string resolveParts(const std::string& base, const std::vector<std::string>& parts) {
  std::string asWritten = base;
  for (const auto& part : parts) asWritten += "/" + part;
  // Nothing longer can exist; a hostile name is not searched part by part.
  if (asWritten.size() >= kMaxPath || exists(asWritten)) return asWritten;
  std::string dir = base;
  for (const auto& part : parts) dir += "/" + findPart(dir, part);
  return dir;
}

std::string baseOf(const std::string& gamePath) {
  const bool absolute = !gamePath.empty() && gamePath[0] == '/';
  return absolute ? "" : currentDirectory();
}

}  // namespace

bool staysInside(const std::string& relative) {
  if (relative.find('\0') != std::string::npos) return false;
  if (relative.find("..") == std::string::npos) return true;  // the usual name, asked on every tick
  int depth = 0;
  for (const auto& part : splitParts(relative)) {
    if (part == "..") {
      if (--depth < 0) return false;
    } else if (part != ".") {
      ++depth;
    }
  }
  return true;
}

std::string confinedName(const std::string& relative) {
  if (staysInside(relative)) return relative;
  std::vector<std::string> kept;
  for (auto& part : splitParts(relative.substr(0, relative.find('\0')))) {
    if (part == "..") {
      if (!kept.empty()) kept.pop_back();
    } else if (part != ".") {
      kept.push_back(std::move(part));
    }
  }
  std::string name;
  for (const auto& part : kept) name += "\\" + part;
  return name;
}

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  return foldCase(a) == foldCase(b);
}

bool wildcardMatch(const std::string& pattern, const std::string& name) {
  return Wildcard(pattern).matches(name);
}

std::string currentDirectory() {
  std::vector<char> buf(4096);
  if (!::getcwd(buf.data(), buf.size())) return ".";
  std::string dir = buf.data();
  while (dir.size() > 1 && dir.back() == '/') dir.pop_back();
  return dir;
}

std::string resolvePath(const std::string& gamePath) {
  const std::string path = resolveParts(baseOf(gamePath), splitParts(gamePath));
  return path.empty() ? "/" : path;
}

int64_t fileSize(const std::string& gamePath) {
  // The system would read such a name only up to the NUL: another file.
  if (gamePath.find('\0') != std::string::npos) return -1;
  auto parts = splitParts(gamePath);
  if (parts.empty()) return -1;
  auto sizeOf = [](const std::string& path) -> int64_t {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return -1;
    return S_ISDIR(st.st_mode) ? 0 : static_cast<int64_t>(st.st_size);
  };
  const std::string pattern = parts.back();
  if (pattern.find_first_of("*?") == std::string::npos) return sizeOf(resolveParts(baseOf(gamePath), parts));
  parts.pop_back();
  const std::string dir = resolveParts(baseOf(gamePath), parts);
  if (dir.size() + pattern.size() >= kMaxPath) return -1;
  const Wildcard wildcard(pattern);
  for (const auto& name : listDirectory(dir))
    if (wildcard.matches(name)) return sizeOf(dir + "/" + name);
  return -1;
}

}  // namespace sys
