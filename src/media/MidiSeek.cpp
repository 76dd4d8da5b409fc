#include "media/MidiSeek.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

#include "media/ByteSource.h"

namespace media {
namespace {

constexpr uint32_t kDefaultTempo = 500000;  // microseconds per quarter: 120 bpm

// One event with its status byte written out (no running status).
struct Event {
  uint64_t tick = 0;
  std::string bytes;
  unsigned status() const { return static_cast<unsigned char>(bytes[0]); }
};

struct Track {
  std::vector<Event> events;
  uint64_t endTick = 0;
};

struct Tempo {
  uint64_t tick;
  uint32_t usPerQuarter;
};

class TrackReader {
 public:
  explicit TrackReader(std::string_view chunk) : data_(chunk) {}

  std::string read(Track& track, std::vector<Tempo>& tempos) {
    uint64_t tick = 0;
    unsigned running = 0;
    while (pos_ < data_.size()) {
      uint32_t delta = 0;
      if (!number(delta)) return "a truncated event time";
      tick += delta;
      if (pos_ >= data_.size()) return "an event time without an event";
      unsigned status = byte(pos_);
      if (status < 0x80) {
        if (running == 0) return "a data byte without a running status";
        status = running;
      } else {
        ++pos_;
      }
      Event event{tick, std::string(1, static_cast<char>(status))};
      if (status < 0xF0) {
        running = status;
        const unsigned kind = status & 0xF0;
        if (!take(kind == 0xC0 || kind == 0xD0 ? 1 : 2, event.bytes)) return "a truncated channel event";
      } else if (status == 0xFF) {
        if (pos_ >= data_.size()) return "a truncated meta event";
        const unsigned type = byte(pos_);
        event.bytes += data_[pos_++];
        if (!sized(event.bytes)) return "a meta event longer than its track";
        if (type == 0x2F) break;
        if (type == 0x51 && event.bytes.size() == 6)
          tempos.push_back({tick, (byteOf(event.bytes, 3) << 16) | (byteOf(event.bytes, 4) << 8) |
                                      byteOf(event.bytes, 5)});
      } else if (status == 0xF0 || status == 0xF7) {
        if (!sized(event.bytes)) return "a sysex event longer than its track";
      } else {
        return "an unexpected status byte";
      }
      track.events.push_back(std::move(event));
    }
    track.endTick = tick;
    return {};
  }

 private:
  static unsigned byteOf(const std::string& s, size_t i) { return static_cast<unsigned char>(s[i]); }
  unsigned byte(size_t i) const { return static_cast<unsigned char>(data_[i]); }

  // A variable-length number: 7 bits a byte, at most 4 bytes.
  bool number(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4 && pos_ < data_.size(); ++i) {
      const unsigned b = byte(pos_++);
      value = (value << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    return false;
  }
  bool take(size_t n, std::string& out) {
    if (n > data_.size() - pos_) return false;
    out.append(data_.substr(pos_, n));
    pos_ += n;
    return true;
  }
  // A length and that many bytes, both copied.
  bool sized(std::string& out) {
    const size_t at = pos_;
    uint32_t length = 0;
    if (!number(length)) return false;
    out.append(data_.substr(at, pos_ - at));
    return take(length, out);
  }

  std::string_view data_;
  size_t pos_ = 0;
};

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

// The first tick at or after the given time.
uint64_t tickAt(int64_t ms, int division, std::vector<Tempo> tempos) {
  if (division & 0x8000) {
    const int fps = -static_cast<int8_t>(division >> 8);
    const double framesPerSecond = fps == 29 ? 29.97 : fps;
    return static_cast<uint64_t>(std::ceil(ms * framesPerSecond * (division & 0xFF) / 1000.0));
  }
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
  const double target = static_cast<double>(ms) * 1000.0;
  double us = 0;
  uint64_t tick = 0;
  uint32_t tempo = kDefaultTempo;
  for (const Tempo& change : tempos) {
    const double span = static_cast<double>(change.tick - tick) * tempo / division;
    if (us + span >= target) break;
    us += span;
    tick = change.tick;
    tempo = change.usPerQuarter;
  }
  // A hair of tolerance keeps an event that lies exactly on the position.
  return tick + static_cast<uint64_t>(std::ceil((target - us) * division / tempo - 1e-6));
}

bool isNoteOn(const Event& e) {
  return (e.status() & 0xF0) == 0x90 && static_cast<unsigned char>(e.bytes[2]) > 0;
}
bool isNoteOff(const Event& e) {
  const unsigned kind = e.status() & 0xF0;
  return kind == 0x80 || (kind == 0x90 && static_cast<unsigned char>(e.bytes[2]) == 0);
}

// Channel and key of a note event.
int noteOf(const Event& e) {
  return static_cast<int>(((e.status() & 0x0F) << 7) | (e.bytes[1] & 0x7F));
}

// The notes struck and not yet released, in the order they were struck.
class SoundingNotes {
 public:
  void strike(const Event& e) {
    release(e);  // a key struck again while it sounds is one note: strike it once
    index_[noteOf(e)] = notes_.size();
    notes_.push_back(&e);
  }
  bool release(const Event& e) {
    const auto it = index_.find(noteOf(e));
    if (it == index_.end()) return false;
    notes_[it->second] = nullptr;
    index_.erase(it);
    return true;
  }
  std::string strikeAll() const {
    std::string out;
    for (const Event* e : notes_)
      if (e) out += vlq(0) + e->bytes;
    return out;
  }

 private:
  std::vector<const Event*> notes_;
  std::map<int, size_t> index_;  // channel and key -> index in notes_
};

// The track's events from the cut on, with what sets up the sound before them.
std::string cutTrack(const Track& track, uint64_t cut) {
  std::string body;
  SoundingNotes sounding;
  size_t i = 0;
  for (; i < track.events.size() && track.events[i].tick < cut; ++i) {
    const Event& e = track.events[i];
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

std::string_view plainSmf(std::string_view file) {
  if (file.size() < 12 || file.substr(0, 4) != "RIFF" || file.substr(8, 4) != "RMID") return file;
  const auto* p = reinterpret_cast<const unsigned char*>(file.data());
  size_t pos = 12;
  while (pos + 8 <= file.size()) {
    const uint32_t size = le32(p + pos + 4);
    if (size > file.size() - pos - 8) break;
    if (file.compare(pos, 4, "data") == 0) return file.substr(pos + 8, size);
    pos += 8 + size + (size & 1u);
  }
  return {};
}

MidiCut midiFrom(std::string_view file, int64_t fromMs) {
  const std::string_view smf = plainSmf(file);
  const auto* p = reinterpret_cast<const unsigned char*>(smf.data());
  if (smf.size() < 14 || smf.substr(0, 4) != "MThd") return {{}, "not a MIDI file"};
  const uint32_t headerSize = be32(p + 4);
  if (headerSize < 6 || headerSize > smf.size() - 8) return {{}, "a broken MIDI header"};
  const int format = be16(p + 8), trackCount = be16(p + 10), division = be16(p + 12);
  if (format > 1) return {{}, "MIDI format " + std::to_string(format) + " is not supported"};
  if (division == 0 || ((division & 0x8000) && (division & 0xFF) == 0)) return {{}, "a MIDI division of 0"};

  std::vector<Track> tracks;
  std::vector<Tempo> tempos;
  for (uint64_t pos = 8 + uint64_t{headerSize}; static_cast<int>(tracks.size()) < trackCount;) {
    if (pos + 8 > smf.size()) return {{}, "the MIDI file ends before its last track"};
    const uint32_t size = be32(p + pos + 4);
    if (size > smf.size() - pos - 8) return {{}, "a MIDI chunk reaches past the end of the file"};
    if (smf.compare(pos, 4, "MTrk") == 0) {
      tracks.emplace_back();
      if (std::string why = TrackReader(smf.substr(pos + 8, size)).read(tracks.back(), tempos); !why.empty())
        return {{}, "track " + std::to_string(tracks.size()) + ": " + why};
    }
    pos += 8 + uint64_t{size};
  }

  const uint64_t cut = tickAt(std::max<int64_t>(0, fromMs), division, tempos);
  MidiCut result;
  result.smf = "MThd" + be(6, 4) + be(format, 2) + be(trackCount, 2) + be(division, 2);
  for (const Track& track : tracks) result.smf += cutTrack(track, cut);
  return result;
}

}  // namespace media
