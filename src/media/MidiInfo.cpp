#include "media/MidiInfo.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "media/ByteSource.h"
#include "media/MidiSong.h"

namespace media {
namespace {

constexpr uint32_t kDefaultTempo = 500000;  // microseconds per quarter: 120 bpm

struct TempoChange {
  uint64_t tick;
  uint32_t usPerQuarter;
};

std::string hex(unsigned value) {
  const char* digits = "0123456789ABCDEF";
  return std::string("0x") + digits[(value >> 4) & 15] + digits[value & 15];
}

// Reads the events of one track chunk; positions in errors are file offsets.
class TrackWalker {
 public:
  TrackWalker(std::string_view track, uint64_t fileOffset, int index)
      : data_(reinterpret_cast<const unsigned char*>(track.data())),
        size_(track.size()),
        fileOffset_(fileOffset),
        index_(index) {}

  // Walks to the end-of-track event or the end of the chunk.
  sys::Result<void> walk(std::vector<TempoChange>& tempos) {
    uint64_t tick = 0;
    unsigned running = 0;
    while (pos_ < size_) {
      uint32_t delta = 0;
      if (!readNumber(delta)) return sys::Error{error_};
      tick += delta;
      if (pos_ >= size_) return fail("an event time without an event");
      const unsigned first = data_[pos_];
      unsigned status = first;
      if (first < 0x80) {
        if (running == 0) return fail("a data byte without a running status");
        status = running;
      } else {
        ++pos_;
      }
      if (status < 0xF0) {
        running = status;
        const unsigned kind = status & 0xF0;
        if (!skip(kind == 0xC0 || kind == 0xD0 ? 1 : 2)) return fail("a truncated channel event");
      } else if (status == 0xFF) {
        if (pos_ >= size_) return fail("a truncated meta event");
        const unsigned type = data_[pos_++];
        uint32_t length = 0;
        if (!readNumber(length)) return sys::Error{error_};
        const size_t at = pos_;
        if (!skip(length)) return fail("a meta event " + hex(type) + " longer than its track");
        if (type == 0x2F) {
          lastTick = tick;
          return {};
        }
        if (type == 0x51) {
          if (length != 3) return fail("a tempo event of " + std::to_string(length) + " bytes");
          const uint32_t us = (data_[at] << 16) | (data_[at + 1] << 8) | data_[at + 2];
          tempos.push_back({tick, us});
        }
      } else if (status == 0xF0 || status == 0xF7) {
        uint32_t length = 0;
        if (!readNumber(length)) return sys::Error{error_};
        if (!skip(length)) return fail("a sysex event longer than its track");
      } else {
        return fail("an unexpected status byte " + hex(status));
      }
      lastTick = tick;
    }
    return {};
  }

  uint64_t lastTick = 0;

 private:
  // A variable-length number: 7 bits a byte, at most 4 bytes.
  bool readNumber(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      if (pos_ >= size_) {
        error_ = where() + "a truncated variable-length number";
        return false;
      }
      const unsigned b = data_[pos_++];
      value = (value << 7) | (b & 0x7F);
      if (!(b & 0x80)) return true;
    }
    error_ = where() + "a variable-length number longer than 4 bytes";
    return false;
  }

  bool skip(size_t n) {
    if (n > size_ - pos_) return false;
    pos_ += n;
    return true;
  }

  std::string where() const {
    return "track " + std::to_string(index_ + 1) + ", offset " + std::to_string(fileOffset_ + pos_) + ": ";
  }
  sys::Error fail(const std::string& what) const { return sys::Error{where() + what}; }

  const unsigned char* data_;
  size_t size_;
  uint64_t fileOffset_;
  int index_;
  size_t pos_ = 0;
  std::string error_;
};

// Milliseconds from tick 0 to the given tick, following the tempo map of all
// tracks. SMPTE time has a fixed tick length and ignores tempo events.
sys::Result<int64_t> ticksToMs(const MidiInfo& info, std::vector<TempoChange> tempos) {
  const int division = info.division;
  if (division & 0x8000) {
    const int fps = -static_cast<int8_t>(division >> 8);
    const int ticksPerFrame = division & 0xFF;
    if (fps != 24 && fps != 25 && fps != 29 && fps != 30)
      return sys::Error{"an SMPTE division of " + std::to_string(fps) + " frames per second"};
    if (ticksPerFrame == 0) return sys::Error{"an SMPTE division of 0 ticks per frame"};
    const double framesPerSecond = fps == 29 ? 29.97 : fps;
    return std::llround(static_cast<double>(info.lastTick) * 1000.0 / (framesPerSecond * ticksPerFrame));
  }
  if (division == 0) return sys::Error{"a division of 0 ticks per quarter note"};

  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const TempoChange& a, const TempoChange& b) { return a.tick < b.tick; });
  double us = 0;
  uint64_t tick = 0;
  uint32_t tempo = kDefaultTempo;
  for (const auto& change : tempos) {
    if (change.tick >= info.lastTick) break;
    us += static_cast<double>(change.tick - tick) * tempo / division;
    tick = change.tick;
    tempo = change.usPerQuarter;
  }
  us += static_cast<double>(info.lastTick - tick) * tempo / division;
  return std::llround(us / 1000.0);
}

}  // namespace

sys::Result<MidiInfo> readMidiInfo(std::string_view bytes) {
  MidiInfo info;
  auto fail = [](std::string why) { return sys::Error{std::move(why)}; };

  if (bytes.size() >= 12 && bytes.substr(0, 4) == "RIFF" && bytes.substr(8, 4) == "RMID") {
    bytes = plainSmf(bytes);
    if (!bytes.data()) return fail("an RMID file without a complete 'data' chunk");
  }
  const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
  if (bytes.size() < 14 || bytes.substr(0, 4) != "MThd") return fail("not a MIDI file (no 'MThd' header)");
  const uint32_t headerSize = be32(p + 4);
  if (headerSize < 6) return fail("a MIDI header of " + std::to_string(headerSize) + " bytes");
  if (headerSize > bytes.size() - 8) return fail("the MIDI header reaches past the end of the file");
  info.format = be16(p + 8);
  info.trackCount = be16(p + 10);
  info.division = be16(p + 12);
  if (info.format == 2) return fail("MIDI format 2 (independent sequences) is not supported");
  if (info.format > 2) return fail("unknown MIDI format " + std::to_string(info.format));
  if (info.trackCount == 0) return fail("a MIDI file without tracks");

  std::vector<TempoChange> tempos;
  uint64_t pos = 8 + uint64_t{headerSize};
  for (int track = 0; track < info.trackCount;) {
    if (pos + 8 > bytes.size())
      return fail("the file ends after " + std::to_string(track) + " of " + std::to_string(info.trackCount) +
                  " tracks");
    const uint32_t size = be32(p + pos + 4);
    const bool isTrack = bytes.compare(pos, 4, "MTrk") == 0;
    if (size > bytes.size() - pos - 8)
      return fail(std::string(isTrack ? "track " + std::to_string(track + 1) : "a chunk") + " at offset " +
                  std::to_string(pos) + " reaches past the end of the file");
    if (isTrack) {
      TrackWalker walker(bytes.substr(pos + 8, size), pos + 8, track);
      if (const sys::Result<void> walked = walker.walk(tempos); !walked) return walked.error();
      info.lastTick = std::max(info.lastTick, walker.lastTick);
      ++track;
    }
    pos += 8 + uint64_t{size};
  }
  info.tempoChanges = static_cast<int>(tempos.size());
  const sys::Result<int64_t> ms = ticksToMs(info, std::move(tempos));
  if (!ms) return ms.error();
  info.lengthMs = *ms;
  return info;
}

}  // namespace media
