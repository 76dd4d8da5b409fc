#include "media/MediaLength.h"

#include "sys/FileIo.h"

namespace media {

// First cut: a file that exists has a length of one second. Real parsing of
// WAV headers, MIDI events and video containers follows.
LengthResult mediaLength(const std::string& path) {
  std::string error;
  if (!sys::readFile(path, &error)) return {0, error};
  return {1000, {}};
}

}  // namespace media
