#include "media/MidiSong.h"

#include <algorithm>

#include "media/ByteSource.h"

namespace media {
namespace {

class TrackReader {
 public:
  explicit TrackReader(std::string_view chunk) : data_(chunk) {}

  sys::Result<void> read(MidiTrack& track, std::vector<MidiTempo>& tempos) {
    uint64_t tick = 0;
    unsigned running = 0;
    while (pos_ < data_.size()) {
      uint32_t delta = 0;
      if (!number(delta)) return sys::Error{"a truncated event time"};
      tick += delta;
      if (pos_ >= data_.size()) return sys::Error{"an event time without an event"};
      unsigned status = byte(pos_);
      if (status < 0x80) {
        if (running == 0) return sys::Error{"a data byte without a running status"};
        status = running;
      } else {
        ++pos_;
      }
      MidiEvent event{tick, std::string(1, static_cast<char>(status))};
      if (status < 0xF0) {
        running = status;
        const unsigned kind = status & 0xF0;
        if (!take(kind == 0xC0 || kind == 0xD0 ? 1 : 2, event.bytes))
          return sys::Error{"a truncated channel event"};
      } else if (status == 0xFF) {
        if (pos_ >= data_.size()) return sys::Error{"a truncated meta event"};
        const unsigned type = byte(pos_);
        event.bytes += data_[pos_++];
        if (!sized(event.bytes)) return sys::Error{"a meta event longer than its track"};
        if (type == 0x2F) break;
        if (type == 0x51 && event.bytes.size() == 6)
          tempos.push_back({tick, (byteOf(event.bytes, 3) << 16) | (byteOf(event.bytes, 4) << 8) |
                                      byteOf(event.bytes, 5)});
      } else if (status == 0xF0 || status == 0xF7) {
        if (!sized(event.bytes)) return sys::Error{"a sysex event longer than its track"};
      } else {
        return sys::Error{"an unexpected status byte"};
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

sys::Result<MidiSong> readMidiSong(std::string_view file) {
  auto fail = [](std::string why) { return sys::Error{std::move(why)}; };
  const std::string_view smf = plainSmf(file);
  const auto* p = reinterpret_cast<const unsigned char*>(smf.data());
  if (smf.size() < 14 || smf.substr(0, 4) != "MThd") return fail("not a MIDI file");
  const uint32_t headerSize = be32(p + 4);
  if (headerSize < 6 || headerSize > smf.size() - 8) return fail("a broken MIDI header");
  MidiSong song;
  song.format = be16(p + 8);
  song.division = be16(p + 12);
  const int trackCount = be16(p + 10);
  if (song.format > 1) return fail("MIDI format " + std::to_string(song.format) + " is not supported");
  if (song.division == 0 || ((song.division & 0x8000) && (song.division & 0xFF) == 0))
    return fail("a MIDI division of 0");

  for (uint64_t pos = 8 + uint64_t{headerSize}; static_cast<int>(song.tracks.size()) < trackCount;) {
    if (pos + 8 > smf.size()) return fail("the MIDI file ends before its last track");
    const uint32_t size = be32(p + pos + 4);
    if (size > smf.size() - pos - 8) return fail("a MIDI chunk reaches past the end of the file");
    if (smf.compare(pos, 4, "MTrk") == 0) {
      song.tracks.emplace_back();
      TrackReader reader(smf.substr(pos + 8, size));
      if (const sys::Result<void> read = reader.read(song.tracks.back(), song.tempos); !read)
        return fail("track " + std::to_string(song.tracks.size()) + ": " + read.error().message);
    }
    pos += 8 + uint64_t{size};
  }
  std::stable_sort(song.tempos.begin(), song.tempos.end(),
                   [](const MidiTempo& a, const MidiTempo& b) { return a.tick < b.tick; });
  return song;
}

double MidiSong::microsecondsAt(uint64_t tick) const {
  if (division & 0x8000) {
    const int fps = -static_cast<int8_t>(division >> 8);
    const double framesPerSecond = fps == 29 ? 29.97 : fps;
    return static_cast<double>(tick) * 1e6 / (framesPerSecond * (division & 0xFF));
  }
  double us = 0;
  uint64_t at = 0;
  uint32_t tempo = kDefaultMidiTempo;
  for (const MidiTempo& change : tempos) {
    if (change.tick >= tick) break;
    us += static_cast<double>(change.tick - at) * tempo / division;
    at = change.tick;
    tempo = change.usPerQuarter;
  }
  return us + static_cast<double>(tick - at) * tempo / division;
}

}  // namespace media
