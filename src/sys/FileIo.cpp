#include "sys/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace sys {

Result<int> openRegularFile(const std::string& path) {
  // The system would open the name only up to the NUL: another file.
  if (path.find('\0') != std::string::npos) return Error::inFile(path, "a NUL byte in the name");
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Error::inFile(path, std::strerror(errno));
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    return Error::inFile(path, "not a regular file");
  }
  // The flag was only for the open; the descriptor behaves as usual from here.
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  return fd;
}

Result<std::string> readFile(const std::string& path, size_t maxBytes) {
  auto fail = [&](const std::string& why) { return Error::inFile(path, why); };
  const Result<int> opened = openRegularFile(path);
  if (!opened) return opened.error();
  const int fd = *opened;
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    const std::string why = std::strerror(errno);
    ::close(fd);
    return fail(why);
  }
  if (static_cast<size_t>(st.st_size) > maxBytes) {
    ::close(fd);
    return fail("file too large (more than " + std::to_string(maxBytes) + " bytes)");
  }
  std::string data(static_cast<size_t>(st.st_size), '\0');
  size_t got = 0;
  while (got < data.size()) {
    const ssize_t n = ::read(fd, data.data() + got, data.size() - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      const std::string why = std::strerror(errno);
      ::close(fd);
      return fail(why);
    }
    if (n == 0) break;  // the file shrank while we read it
    got += static_cast<size_t>(n);
  }
  ::close(fd);
  data.resize(got);
  return data;
}

bool removeFile(const std::string& path) {
  return std::remove(path.c_str()) == 0;
}

}  // namespace sys
