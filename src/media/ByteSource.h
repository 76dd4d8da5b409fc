#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "sys/Result.h"

namespace media {

// Random access to the bytes of a media file, so that a parser can walk the
// chunk headers of a large sound without reading the samples in between.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual uint64_t size() const = 0;
  // Copies n bytes from offset into out; false if they are not all there.
  virtual bool read(uint64_t offset, void* out, size_t n) const = 0;
};

class MemorySource final : public ByteSource {
 public:
  explicit MemorySource(std::string_view bytes) : bytes_(bytes) {}
  uint64_t size() const override { return bytes_.size(); }
  bool read(uint64_t offset, void* out, size_t n) const override;

 private:
  std::string_view bytes_;
};

class FileSource final : public ByteSource {
 public:
  // Opens a regular file.
  static sys::Result<FileSource> open(const std::string& path);
  ~FileSource() override;
  FileSource(FileSource&& other) noexcept;
  FileSource(const FileSource&) = delete;
  FileSource& operator=(const FileSource&) = delete;

  uint64_t size() const override { return size_; }
  bool read(uint64_t offset, void* out, size_t n) const override;

 private:
  FileSource(int fd, uint64_t size) : fd_(fd), size_(size) {}

  int fd_ = -1;
  uint64_t size_ = 0;
};

// Little- and big-endian numbers from raw bytes.
inline uint32_t le32(const unsigned char* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline uint16_t le16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline uint32_t be32(const unsigned char* p) {
  return (static_cast<uint32_t>(p[0]) << 24) | (p[1] << 16) | (p[2] << 8) | p[3];
}
inline uint16_t be16(const unsigned char* p) {
  return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

}  // namespace media
