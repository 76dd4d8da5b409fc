#include "sys/DataPath.h"

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace sys {
namespace {

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

// Lower-cases ASCII letters and the Latin-1 capitals (À..Þ except ×) of a UTF-8 text.
std::u32string foldCase(const std::string& s) {
  std::u32string out;
  for (size_t i = 0; i < s.size();) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    char32_t cp = b0;
    int len = 1;
    if ((b0 >> 5) == 6 && i + 1 < s.size()) {
      cp = ((b0 & 0x1F) << 6) | (static_cast<unsigned char>(s[i + 1]) & 0x3F);
      len = 2;
    }
    if (cp >= 'A' && cp <= 'Z') cp += 32;
    if (cp >= 0xC0 && cp <= 0xDE && cp != 0xD7) cp += 32;
    out += cp;
    i += static_cast<size_t>(len);
  }
  return out;
}

bool globMatch(const std::u32string& p, size_t pi, const std::u32string& n, size_t ni) {
  while (pi < p.size()) {
    if (p[pi] == U'*') {
      for (size_t k = ni; k <= n.size(); ++k)
        if (globMatch(p, pi + 1, n, k)) return true;
      return false;
    }
    if (ni >= n.size()) return false;
    if (p[pi] != U'?' && p[pi] != n[ni]) return false;
    ++pi;
    ++ni;
  }
  return ni == n.size();
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
  const std::string exact = dir + "/" + part;
  if (part == "." || part == ".." || exists(exact)) return part;
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
  if (exists(asWritten)) return asWritten;
  std::string dir = base;
  for (const auto& part : parts) dir += "/" + findPart(dir, part);
  return dir;
}

std::string baseOf(const std::string& gamePath) {
  const bool absolute = !gamePath.empty() && gamePath[0] == '/';
  return absolute ? "" : currentDirectory();
}

}  // namespace

bool sameNameIgnoringCase(const std::string& a, const std::string& b) {
  return foldCase(a) == foldCase(b);
}

bool wildcardMatch(const std::string& pattern, const std::string& name) {
  return globMatch(foldCase(pattern), 0, foldCase(name), 0);
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
  for (const auto& name : listDirectory(dir))
    if (wildcardMatch(pattern, name)) return sizeOf(dir + "/" + name);
  return -1;
}

}  // namespace sys
