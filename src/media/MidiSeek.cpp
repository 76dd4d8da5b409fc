#include "media/MidiSeek.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <vector>

#include "media/MidiSong.h"

namespace media {
namespace {

std::string vlq(uint64_t v) {
  std::string s(1, static_cast<char>(v & 0x7F));
  while (v >>= 7) s.insert(s.begin(), static_cast<char>(0x80 | (v & 0x7F)));
  return s;
}

std::string be(uint32_t v, int bytes) {
  std::string s;
  for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

// A tick count worked out in floating point. A time the piece never reaches
// (a tempo of 0 stops its clock; a position far past its end) comes out
// infinite or beyond 64 bits: it lies after every event.
uint64_t wholeTicks(double ticks) {
  if (!(ticks < 18446744073709549568.0)) return std::numeric_limits<uint64_t>::max();
  return ticks > 0 ? static_cast<uint64_t>(std::ceil(ticks)) : 0;
}

// The first tick at or after the given time.
uint64_t tickAt(int64_t ms, const MidiSong& song) {
  const int division = song.division;
  if (division & 0x8000) {
    const int fps = -static_cast<int8_t>(division >> 8);
    const double framesPerSecond = fps == 29 ? 29.97 : fps;
    return wholeTicks(static_cast<double>(ms) * framesPerSecond * (division & 0xFF) / 1000.0);
  }
  const double target = static_cast<double>(ms) * 1000.0;
  double us = 0;
  uint64_t tick = 0;
  uint32_t tempo = kDefaultMidiTempo;
  for (const MidiTempo& change : song.tempos) {
    const double span = static_cast<double>(change.tick - tick) * tempo / division;
    if (us + span >= target) break;
    us += span;
    tick = change.tick;
    tempo = change.usPerQuarter;
  }
  if (target <= us) return tick;
  // A hair of tolerance keeps an event that lies exactly on the position.
  const uint64_t more = wholeTicks((target - us) * division / tempo - 1e-6);
  return more > std::numeric_limits<uint64_t>::max() - tick ? std::numeric_limits<uint64_t>::max()
                                                            : tick + more;
}

bool isNoteOn(const MidiEvent& e) {
  return (e.status() & 0xF0) == 0x90 && static_cast<unsigned char>(e.bytes[2]) > 0;
}
bool isNoteOff(const MidiEvent& e) {
  const unsigned kind = e.status() & 0xF0;
  return kind == 0x80 || (kind == 0x90 && static_cast<unsigned char>(e.bytes[2]) == 0);
}

// Channel and key of a note event.
int noteOf(const MidiEvent& e) {
  return static_cast<int>(((e.status() & 0x0F) << 7) | (e.bytes[1] & 0x7F));
}

// The notes struck and not yet released, in the order they were struck.
class SoundingNotes {
 public:
  void strike(const MidiEvent& e) {
    release(e);  // a key struck again while it sounds is one note: strike it once
    index_[noteOf(e)] = notes_.size();
    notes_.push_back(&e);
  }
  bool release(const MidiEvent& e) {
    const auto it = index_.find(noteOf(e));
    if (it == index_.end()) return false;
    notes_[it->second] = nullptr;
    index_.erase(it);
    return true;
  }
  std::string strikeAll() const {
    std::string out;
    for (const MidiEvent* e : notes_)
      if (e) out += vlq(0) + e->bytes;
    return out;
  }

 private:
  std::vector<const MidiEvent*> notes_;
  std::map<int, size_t> index_;  // channel and key -> index in notes_
};

// The track's events from the cut on, with what sets up the sound before them.
std::string cutTrack(const MidiTrack& track, uint64_t cut) {
  std::string body;
  SoundingNotes sounding;
  size_t i = 0;
  for (; i < track.events.size() && track.events[i].tick < cut; ++i) {
    const MidiEvent& e = track.events[i];
    if (isNoteOn(e))
      sounding.strike(e);
    else if (isNoteOff(e))
      sounding.release(e);
    else if ((e.status() & 0xF0) != 0xA0)  // key pressure belongs to a note that is gone
      body += vlq(0) + e.bytes;
  }
  // A note released right at the cut is over: neither struck nor released.
  std::vector<bool> skip(track.events.size(), false);
  for (size_t j = i; j < track.events.size() && track.events[j].tick == cut; ++j)
    if (isNoteOff(track.events[j])) skip[j] = sounding.release(track.events[j]);
  body += sounding.strikeAll();

  uint64_t last = cut;
  for (; i < track.events.size(); ++i) {
    if (skip[i]) continue;
    body += vlq(track.events[i].tick - last) + track.events[i].bytes;
    last = track.events[i].tick;
  }
  body += vlq(std::max(track.endTick, last) - last) + "\xFF\x2F";
  body += '\0';
  return "MTrk" + be(static_cast<uint32_t>(body.size()), 4) + body;
}

}  // namespace

sys::Result<std::string> midiFrom(std::string_view file, int64_t fromMs) {
  const sys::Result<MidiSong> song = readMidiSong(file);
  if (!song) return song.error();
  const uint64_t cut = tickAt(std::max<int64_t>(0, fromMs), *song);
  std::string smf = "MThd" + be(6, 4) + be(static_cast<uint32_t>(song->format), 2) +
                    be(static_cast<uint32_t>(song->tracks.size()), 2) +
                    be(static_cast<uint32_t>(song->division), 2);
  for (const MidiTrack& track : song->tracks) smf += cutTrack(track, cut);
  return smf;
}

}  // namespace media
