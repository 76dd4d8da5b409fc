// The MIDI cutter, which makes the copy of a piece that plays from a
// position: the first eight bytes of the input are the position in
// milliseconds, the rest is the file. The cut of a readable piece is itself
// a piece the synthesizer can play, with the same tracks.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "media/MidiSeek.h"
#include "media/MidiSequence.h"
#include "media/MidiSong.h"
#include "support/Require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  int64_t fromMs = 0;
  if (size < sizeof fromMs) return 0;
  std::memcpy(&fromMs, data, sizeof fromMs);
  const std::string_view file(reinterpret_cast<const char*>(data) + sizeof fromMs, size - sizeof fromMs);

  const sys::Result<std::string> cut = media::midiFrom(file, fromMs);
  if (!cut.ok()) return 0;
  const sys::Result<media::MidiSong> song = media::readMidiSong(file);
  const sys::Result<media::MidiSong> again = media::readMidiSong(*cut);
  fuzzsupport::require(song.ok(), "a piece that can be cut is readable");
  fuzzsupport::require(again.ok(), "a cut is a readable piece");
  fuzzsupport::require(again->tracks.size() == song->tracks.size(), "a cut keeps every track");
  fuzzsupport::require(media::sequenceMidi(*cut, 44100).ok(), "a cut is playable");
  return 0;
}
