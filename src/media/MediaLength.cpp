#include "media/MediaLength.h"

#include <string_view>

#include "media/ByteSource.h"
#include "media/ContainerInfo.h"
#include "media/MidiInfo.h"
#include "media/WavInfo.h"
#include "sys/FileIo.h"

namespace media {
namespace {

// MIDI files are small; anything bigger is not one we want to walk in memory.
constexpr size_t kMaxMidiBytes = size_t{32} << 20;

enum class Kind { Wave, Midi, Other };

std::string lowerExtension(const std::string& path) {
  const size_t dot = path.find_last_of("./");
  if (dot == std::string::npos || path[dot] != '.') return {};
  std::string ext = path.substr(dot + 1);
  for (char& c : ext)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return ext;
}

Kind kindOf(const std::string& path, const ByteSource& source) {
  char head[12] = {};
  if (source.read(0, head, sizeof head)) {
    const std::string_view magic(head, 4), form(head + 8, 4);
    if (magic == "RIFF" && form == "WAVE") return Kind::Wave;
    if (magic == "MThd" || (magic == "RIFF" && form == "RMID")) return Kind::Midi;
  }
  const std::string ext = lowerExtension(path);
  if (ext == "wav") return Kind::Wave;
  if (ext == "mid" || ext == "midi" || ext == "rmi") return Kind::Midi;
  return Kind::Other;
}

template <class Info>
sys::Result<int64_t> lengthIn(const std::string& path, const sys::Result<Info>& info) {
  if (!info) return sys::Error::inFile(path, info.error().message);
  return info->lengthMs;
}

}  // namespace

sys::Result<int64_t> mediaLength(const std::string& path) {
  const sys::Result<FileSource> source = FileSource::open(path);
  if (!source) return source.error();
  if (source->size() == 0) return sys::Error::inFile(path, "empty file");

  switch (kindOf(path, *source)) {
    case Kind::Wave:
      return lengthIn(path, readWavInfo(*source));
    case Kind::Midi:
      return midiLength(path);
    case Kind::Other:
      break;
  }
  const sys::Result<int64_t> length = containerLength(path);
  if (!length) return sys::Error::inFile(path, length.error().message);
  return length;
}

sys::Result<int64_t> midiLength(const std::string& path) {
  const sys::Result<std::string> bytes = sys::readFile(path, kMaxMidiBytes);
  if (!bytes) return bytes.error();
  return lengthIn(path, readMidiInfo(*bytes));
}

}  // namespace media
