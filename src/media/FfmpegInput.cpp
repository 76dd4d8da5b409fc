#include "media/FfmpegInput.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

#include "sys/FileIo.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/mem.h>
}

namespace media {
namespace {

constexpr int kBufferBytes = 32768;

// The descriptor travels in the I/O context's opaque pointer.
void* opaqueOf(int fd) {
  return reinterpret_cast<void*>(static_cast<intptr_t>(fd));
}
int descriptorOf(void* opaque) {
  return static_cast<int>(reinterpret_cast<intptr_t>(opaque));
}

int readPacket(void* opaque, uint8_t* buffer, int size) {
  for (;;) {
    const ssize_t n = ::read(descriptorOf(opaque), buffer, static_cast<size_t>(size));
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return AVERROR(errno);
    return n == 0 ? AVERROR_EOF : static_cast<int>(n);
  }
}

int64_t seekInFile(void* opaque, int64_t offset, int whence) {
  const int fd = descriptorOf(opaque);
  if (whence & AVSEEK_SIZE) {
    struct stat st {};
    return ::fstat(fd, &st) == 0 ? static_cast<int64_t>(st.st_size) : AVERROR(errno);
  }
  const off_t at = ::lseek(fd, static_cast<off_t>(offset), whence & ~AVSEEK_FORCE);
  return at < 0 ? AVERROR(errno) : static_cast<int64_t>(at);
}

// Demuxers that follow references (HLS and other playlists, concatenation
// lists, picture sequences, external data of QuickTime files) open them
// through this callback.
int refuseOpen(AVFormatContext*, AVIOContext**, const char*, int, AVDictionary**) {
  return AVERROR(EPERM);
}

void freeIo(AVIOContext* io) {
  if (!io) return;
  const int fd = descriptorOf(io->opaque);
  av_freep(&io->buffer);
  avio_context_free(&io);
  ::close(fd);
}

}  // namespace

sys::Result<AVFormatContext*> openLocalInput(const std::string& path) {
  const sys::Result<int> opened = sys::openRegularFile(path);
  if (!opened) return opened.error();
  const int fd = *opened;
  auto* buffer = static_cast<unsigned char*>(av_malloc(kBufferBytes));
  AVIOContext* io =
      buffer ? avio_alloc_context(buffer, kBufferBytes, 0, opaqueOf(fd), readPacket, nullptr, seekInFile)
             : nullptr;
  AVFormatContext* format = io ? avformat_alloc_context() : nullptr;
  if (!format) {
    if (io) {
      freeIo(io);
    } else {
      av_free(buffer);
      ::close(fd);
    }
    return sys::Error{"out of memory"};
  }
  format->pb = io;
  format->flags |= AVFMT_FLAG_CUSTOM_IO;
  format->io_open = refuseOpen;
  // No name: the format is told by the content alone, as it always was.
  const int rc = avformat_open_input(&format, "", nullptr, nullptr);
  if (rc < 0) {
    freeIo(io);  // a failed open frees the context, but not our I/O
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(rc, text, sizeof text);
    return sys::Error{std::string("not a readable media file (") + text + ")"};
  }
  return format;
}

void closeLocalInput(AVFormatContext** ctx) {
  if (!*ctx) return;
  AVIOContext* io = (*ctx)->pb;
  avformat_close_input(ctx);
  freeIo(io);
}

}  // namespace media
