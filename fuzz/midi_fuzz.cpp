// The MIDI readers on any bytes: the length reader, which opens a piece for
// the players' time line, and the sequencer, which turns it into the
// synthesizer's messages. A piece whose length the game could read must also
// be playable, or the music player would fail after the time line opened.
#include <cstdint>
#include <string_view>

#include "media/MidiInfo.h"
#include "media/MidiSequence.h"
#include "support/Require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const sys::Result<media::MidiInfo> info = media::readMidiInfo(bytes);
  const auto sequence = media::sequenceMidi(bytes, 44100);
  if (!info.ok()) return 0;
  fuzzsupport::require(info->lengthMs >= 0, "a length is never negative");
  fuzzsupport::require(sequence.ok(), "a piece with a length is playable");
  return 0;
}
