#include "media/MidiSequence.h"

#include <algorithm>
#include <cmath>

#include "media/MidiSong.h"

namespace media {

sys::Result<std::shared_ptr<const MidiSequence>> sequenceMidi(std::string_view file, int sampleRate) {
  const sys::Result<MidiSong> song = readMidiSong(file);
  if (!song) return song.error();

  struct Due {
    uint64_t tick;
    const MidiEvent* event;
  };
  std::vector<Due> due;
  for (const MidiTrack& track : song->tracks)
    for (const MidiEvent& event : track.events)
      if (event.status() != 0xFF) due.push_back({event.tick, &event});
  // Events at one tick keep their track order, as a sequencer plays them.
  std::stable_sort(due.begin(), due.end(), [](const Due& a, const Due& b) { return a.tick < b.tick; });

  auto sequence = std::make_shared<MidiSequence>();
  sequence->cues.reserve(due.size());
  for (const Due& d : due) {
    const double seconds = song->microsecondsAt(d.tick) / 1e6;
    sequence->cues.push_back({static_cast<uint64_t>(std::llround(seconds * sampleRate)), d.event->bytes});
  }
  return std::shared_ptr<const MidiSequence>(std::move(sequence));
}

}  // namespace media
