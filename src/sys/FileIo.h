#pragma once
#include <optional>
#include <string>

namespace sys {

// The outcome of a file operation: empty error means success.
struct IoResult {
  std::string error;
  bool ok() const { return error.empty(); }
};

// Opens a regular file for reading and returns its descriptor, or -1 with the
// reason in *error. A named pipe, a device or a directory in its place is
// refused without waiting for a writer: the open does not block, and the test
// is made on the opened descriptor, so nothing can be swapped in between.
int openRegularFile(const std::string& path, std::string* error = nullptr);

// Reads a whole regular file (a real file-system path). Files larger than maxBytes are
// refused rather than read, so a bogus file cannot exhaust memory.
std::optional<std::string> readFile(const std::string& path, std::string* error = nullptr,
                                    size_t maxBytes = size_t{1} << 30);

// Writes a file through a temporary file in the same directory that is renamed
// into place, so a crash never leaves a half-written file behind.
IoResult writeFileAtomic(const std::string& path, const std::string& bytes);

bool removeFile(const std::string& path);

}  // namespace sys
