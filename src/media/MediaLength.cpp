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

LengthResult withPath(const std::string& path, LengthResult r) {
  if (!r.ok()) r.error = path + ": " + r.error;
  return r;
}

}  // namespace

LengthResult mediaLength(const std::string& path) {
  const FileSource source(path);
  if (!source.ok()) return {0, source.error()};
  if (source.size() == 0) return {0, path + ": empty file"};

  switch (kindOf(path, source)) {
    case Kind::Wave: {
      const WavResult wav = readWavInfo(source);
      return withPath(path, {wav.info.lengthMs, wav.error});
    }
    case Kind::Midi:
      return midiLength(path);
    case Kind::Other:
      break;
  }
  return withPath(path, containerLength(path));
}

LengthResult midiLength(const std::string& path) {
  std::string error;
  const auto bytes = sys::readFile(path, &error, kMaxMidiBytes);
  if (!bytes) return {0, error};
  const MidiResult midi = readMidiInfo(*bytes);
  return withPath(path, {midi.info.lengthMs, midi.error});
}

}  // namespace media
