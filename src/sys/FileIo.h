#pragma once
#include <optional>
#include <string>

namespace sys {

// The outcome of a file operation: empty error means success.
struct IoResult {
  std::string error;
  bool ok() const { return error.empty(); }
};

// Reads a whole file (a real file-system path). Files larger than maxBytes are
// refused rather than read, so a bogus file cannot exhaust memory.
std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr,
                                    size_t maxBytes = size_t{1} << 30);

// Writes a file through a temporary file in the same directory that is renamed
// into place, so a crash never leaves a half-written file behind.
IoResult writeFileAtomic(const std::string& path, const std::string& bytes);

bool removeFile(const std::string& path);

}  // namespace sys
