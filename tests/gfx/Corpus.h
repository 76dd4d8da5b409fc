#pragma once
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

// The BMP Suite lies in the shared corpora next to the source tree; a build
// tree elsewhere falls back to the team's fixed location.
inline std::string bmpSuiteDir() {
  for (const std::filesystem::path& dir : {std::filesystem::path(KROXL_CORPUS_DIR) / "bmpsuite",
                                           std::filesystem::path("/work/shared/corpora/bmpsuite")})
    if (std::filesystem::is_directory(dir / "g")) return dir.lexically_normal().string();
  return {};
}

inline std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

// The .bmp files of one folder of the suite (g, q, b or x), sorted by name.
inline std::vector<std::string> suiteFiles(const std::string& folder) {
  std::vector<std::string> names;
  const std::string dir = bmpSuiteDir();
  if (dir.empty()) return names;
  for (const auto& entry : std::filesystem::directory_iterator(dir + "/" + folder))
    if (entry.path().extension() == ".bmp") names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}
