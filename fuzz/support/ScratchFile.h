#pragma once
#include <string>
#include <string_view>

namespace fuzzsupport {

// A file in the temporary directory for a target whose reader takes a path:
// each input is written there. Removed with the object (a target keeps one
// for the whole run).
class ScratchFile {
 public:
  explicit ScratchFile(const std::string& suffix = "");
  ~ScratchFile();
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& path() const { return path_; }
  void write(std::string_view bytes) const;

 private:
  std::string path_;
};

}  // namespace fuzzsupport
