#include "support/ScratchFile.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/Require.h"

namespace fuzzsupport {

ScratchFile::ScratchFile(const std::string& suffix) {
  std::string pattern = (std::filesystem::temp_directory_path() / "kroxl-fuzz-XXXXXX").string() + suffix;
  const int fd = mkstemps(pattern.data(), static_cast<int>(suffix.size()));
  require(fd >= 0, "a scratch file can be made");
  ::close(fd);
  path_ = pattern;
}

ScratchFile::~ScratchFile() {
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

void ScratchFile::write(std::string_view bytes) const {
  std::ofstream(path_, std::ios::binary | std::ios::trunc)
      .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace fuzzsupport
