#include "media/ByteSource.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "sys/FileIo.h"

namespace media {

bool MemorySource::read(uint64_t offset, void* out, size_t n) const {
  if (offset > bytes_.size() || n > bytes_.size() - offset) return false;
  std::memcpy(out, bytes_.data() + offset, n);
  return true;
}

sys::Result<FileSource> FileSource::open(const std::string& path) {
  const sys::Result<int> opened = sys::openRegularFile(path);
  if (!opened) return opened.error();
  struct stat st {};
  if (::fstat(*opened, &st) != 0) {
    const std::string why = std::strerror(errno);
    ::close(*opened);
    return sys::Error::inFile(path, why);
  }
  return FileSource(*opened, static_cast<uint64_t>(st.st_size));
}

FileSource::FileSource(FileSource&& other) noexcept : fd_(other.fd_), size_(other.size_) {
  other.fd_ = -1;
}

FileSource::~FileSource() {
  if (fd_ >= 0) ::close(fd_);
}

bool FileSource::read(uint64_t offset, void* out, size_t n) const {
  if (fd_ < 0 || offset > size_ || n > size_ - offset) return false;
  auto* dest = static_cast<char*>(out);
  size_t got = 0;
  while (got < n) {
    const ssize_t r = ::pread(fd_, dest + got, n - got, static_cast<off_t>(offset + got));
    if (r < 0 && errno == EINTR) continue;
    if (r <= 0) return false;
    got += static_cast<size_t>(r);
  }
  return true;
}

}  // namespace media
