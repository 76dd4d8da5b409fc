#pragma once
#include <functional>
#include <string>

#include "sys/Result.h"

namespace sys {

// Opens a regular file for reading and returns its descriptor (the caller
// closes it). A named pipe, a device or a directory in its place is refused
// without waiting for a writer: the open does not block, and the test is made
// on the opened descriptor, so nothing can be swapped in between.
Result<int> openRegularFile(const std::string& path);

// Reads a whole regular file (a real file-system path). Files larger than maxBytes are
// refused rather than read, so a bogus file cannot exhaust memory.
Result<std::string> readFile(const std::string& path, size_t maxBytes = size_t{1} << 30);

// Writes a file through a temporary file NAME.tmpPID in the same directory
// that is synced and renamed into place, and then syncs the directory: a
// crash or a kill leaves the old file or the new one, whole, never a part.
// Stale temporaries of the same file (left by a writer that was killed) are
// removed first.
Result<void> writeFileAtomic(const std::string& path, const std::string& bytes);

// Removes the temporaries NAME.tmpPID that writeFileAtomic left in dir for
// files whose NAME ours() accepts, and only stale ones: the process PID is
// gone, or it started after the temporary was last written (the number was
// given again). A live writer's temporary is left alone. Returns how many
// were removed.
int removeStaleTemporaries(const std::string& dir, const std::function<bool(const std::string& name)>& ours);

// Makes the entries of a directory (a rename, a removal) durable.
void syncDirectory(const std::string& dir);

bool removeFile(const std::string& path);

}  // namespace sys
