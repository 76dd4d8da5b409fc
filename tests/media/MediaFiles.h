#pragma once
// Builders for small media files written by the tests themselves, and a
// temporary directory that removes itself.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <random>
#include <string>

#include "support/TempDir.h"

namespace media_test {

using testsupport::TempDir;

inline std::string le(uint32_t v, int bytes) {
  std::string s;
  for (int i = 0; i < bytes; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}
inline std::string be(uint32_t v, int bytes) {
  std::string s;
  for (int i = bytes - 1; i >= 0; --i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
  return s;
}

// A RIFF chunk with its pad byte after an odd-sized body.
inline std::string chunk(const std::string& id, const std::string& body) {
  return id + le(static_cast<uint32_t>(body.size()), 4) + body +
         (body.size() % 2 ? std::string(1, '\0') : "");
}

inline std::string riff(const std::string& form, const std::string& chunks) {
  return "RIFF" + le(static_cast<uint32_t>(4 + chunks.size()), 4) + form + chunks;
}

struct WaveFormat {
  uint16_t tag = 1;
  uint16_t channels = 1;
  uint32_t rate = 8000;
  uint16_t bits = 8;
  uint32_t byteRate() const { return rate * channels * bits / 8; }
  uint16_t blockAlign() const { return static_cast<uint16_t>(channels * bits / 8); }
};

inline std::string fmtChunk(const WaveFormat& f, uint32_t byteRate) {
  return chunk("fmt ", le(f.tag, 2) + le(f.channels, 2) + le(f.rate, 4) + le(byteRate, 4) +
                           le(f.blockAlign(), 2) + le(f.bits, 2));
}
inline std::string fmtChunk(const WaveFormat& f) {
  return fmtChunk(f, f.byteRate());
}

// Silence of the given number of sample frames.
inline std::string dataChunk(const WaveFormat& f, uint32_t frames) {
  return chunk("data", std::string(size_t{frames} * f.blockAlign(), f.bits == 8 ? '\x80' : '\0'));
}

inline std::string wave(const WaveFormat& f, uint32_t frames) {
  return riff("WAVE", fmtChunk(f) + dataChunk(f, frames));
}

// MIDI: variable-length numbers, events and chunks.
inline std::string vlq(uint32_t v) {
  std::string s(1, static_cast<char>(v & 0x7F));
  while (v >>= 7) s.insert(s.begin(), static_cast<char>(0x80 | (v & 0x7F)));
  return s;
}
inline std::string bytes(std::initializer_list<int> list) {
  std::string s;
  for (int b : list) s += static_cast<char>(b);
  return s;
}
inline std::string tempo(uint32_t delta, uint32_t bpm) {
  return vlq(delta) + bytes({0xFF, 0x51, 0x03}) + be(60000000 / bpm, 3);
}
inline std::string noteOn(uint32_t delta, int key) {
  return vlq(delta) + bytes({0x90, key, 100});
}
inline std::string noteOff(uint32_t delta, int key) {
  return vlq(delta) + bytes({0x80, key, 0});
}
inline std::string endOfTrack(uint32_t delta) {
  return vlq(delta) + bytes({0xFF, 0x2F, 0x00});
}
inline std::string track(const std::string& events) {
  return "MTrk" + be(static_cast<uint32_t>(events.size()), 4) + events;
}
inline std::string midiHeader(int format, int tracks, int division) {
  return "MThd" + be(6, 4) + be(format, 2) + be(tracks, 2) + be(division, 2);
}

}  // namespace media_test
