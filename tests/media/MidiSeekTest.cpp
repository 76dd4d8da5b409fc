#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "MediaFiles.h"
#include "media/MidiInfo.h"
#include "media/MidiSeek.h"

using namespace media_test;

namespace {

struct Ev {
  uint64_t tick;
  std::string bytes;
  bool operator==(const Ev&) const = default;
};
using Events = std::vector<Ev>;

void PrintTo(const Ev& e, std::ostream* os) {
  *os << e.tick << ":";
  for (unsigned char c : e.bytes) *os << " " << std::hex << static_cast<int>(c) << std::dec;
}

uint32_t readVlq(const std::string& s, size_t& pos) {
  uint32_t v = 0;
  while (pos < s.size()) {
    const auto b = static_cast<unsigned char>(s[pos++]);
    v = (v << 7) | (b & 0x7F);
    if (!(b & 0x80)) break;
  }
  return v;
}

// The events of each track of a file written without running status, up to
// and including the end of the track.
std::vector<Events> tracksOf(const std::string& smf) {
  std::vector<Events> tracks;
  size_t pos = 14;
  while (pos + 8 <= smf.size()) {
    const size_t end =
        pos + 8 + (static_cast<unsigned char>(smf[pos + 6]) << 8 | static_cast<unsigned char>(smf[pos + 7]));
    pos += 8;
    Events events;
    uint64_t tick = 0;
    while (pos < end) {
      tick += readVlq(smf, pos);
      const size_t at = pos;
      const auto status = static_cast<unsigned char>(smf[pos++]);
      if (status == 0xFF) ++pos;
      if (status >= 0xF0) {
        pos += readVlq(smf, pos);
      } else {
        pos += (status & 0xF0) == 0xC0 || (status & 0xF0) == 0xD0 ? 1 : 2;
      }
      events.push_back({tick, smf.substr(at, pos - at)});
    }
    tracks.push_back(events);
  }
  return tracks;
}

std::string on(int key) {
  return bytes({0x90, key, 100});
}
std::string off(int key) {
  return bytes({0x80, key, 0});
}
const std::string kProgram = bytes({0xC0, 5});
const std::string kEnd = bytes({0xFF, 0x2F, 0x00});

int64_t lengthOf(const std::string& smf) {
  const auto r = media::readMidiInfo(smf);
  EXPECT_TRUE(r.ok()) << r.error().message;
  return r.ok() ? r->lengthMs : 0;
}

// At the default 120 beats a minute and 480 ticks a quarter, a tick is 1/960 s.
const std::string kThreeNotes =
    midiHeader(0, 1, 480) +
    track(bytes({0x00, 0xC0, 5}) + noteOn(0, 60) + noteOff(240, 60) + noteOn(240, 62) + noteOff(240, 62) +
          noteOn(240, 64) + noteOff(240, 64) + endOfTrack(0));

TEST(MidiSeekTest, ACutAtTheStartKeepsEveryEvent) {
  const sys::Result<std::string> cut = media::midiFrom(kThreeNotes, 0);
  ASSERT_TRUE(cut.ok()) << cut.error().message;
  const Events expected = {{0, kProgram},  {0, on(60)},   {240, off(60)},  {480, on(62)},
                           {720, off(62)}, {960, on(64)}, {1200, off(64)}, {1200, kEnd}};
  EXPECT_EQ(tracksOf(*cut), std::vector<Events>{expected});
  EXPECT_EQ(lengthOf(*cut), lengthOf(kThreeNotes));
}

TEST(MidiSeekTest, WhatWasPlayedIsDroppedTheSetUpKeptAndTheRestMovedForward) {
  const sys::Result<std::string> cut = media::midiFrom(kThreeNotes, 500);  // tick 480
  ASSERT_TRUE(cut.ok()) << cut.error().message;
  const Events expected = {{0, kProgram}, {0, on(62)},    {240, off(62)},
                           {480, on(64)}, {720, off(64)}, {720, kEnd}};
  EXPECT_EQ(tracksOf(*cut), std::vector<Events>{expected});
  EXPECT_EQ(lengthOf(*cut), lengthOf(kThreeNotes) - 500);
}

TEST(MidiSeekTest, NotesSoundingAtTheCutAreStruckAgainOnce) {
  // A chord held from the start: the music restarting 8 ms in must not lose it.
  const std::string held = midiHeader(0, 1, 480) +
                           track(noteOn(0, 60) + noteOn(0, 64) + noteOn(0, 64) + bytes({0x00, 0xA0, 60, 30}) +
                                 noteOff(960, 60) + noteOff(0, 64) + endOfTrack(0));
  const sys::Result<std::string> cut = media::midiFrom(held, 8);
  ASSERT_TRUE(cut.ok()) << cut.error().message;
  const Events expected = {{0, on(60)}, {0, on(64)}, {952, off(60)}, {952, off(64)}, {952, kEnd}};
  EXPECT_EQ(tracksOf(*cut), std::vector<Events>{expected});

  // A note that has ended, by a note-on of velocity 0, is not struck again.
  const std::string ended = midiHeader(0, 1, 480) + track(noteOn(0, 60) + vlq(100) + bytes({0x90, 60, 0}) +
                                                          noteOn(860, 62) + endOfTrack(0));
  const sys::Result<std::string> later = media::midiFrom(ended, 500);
  ASSERT_TRUE(later.ok()) << later.error().message;
  EXPECT_EQ(tracksOf(*later), (std::vector<Events>{{{480, on(62)}, {480, kEnd}}}));
}

TEST(MidiSeekTest, TheTempoMapOfAllTracksDecidesWhereTheCutFalls) {
  // Track 1 holds the tempo: 60 beats a minute, then 120 from tick 480 on.
  const std::string conductor = track(tempo(0, 60) + tempo(480, 120) + endOfTrack(480));
  const std::string notes = track(noteOn(0, 60) + noteOff(480, 60) + noteOn(0, 62) + noteOff(480, 62) +
                                  noteOn(0, 64) + noteOff(480, 64) + endOfTrack(0));
  const std::string piece = midiHeader(1, 2, 480) + conductor + notes;
  ASSERT_EQ(lengthOf(piece), 2000);

  const sys::Result<std::string> cut =
      media::midiFrom(piece, 1500);  // one second at 60, half a second at 120: tick 960
  ASSERT_TRUE(cut.ok()) << cut.error().message;
  const auto tracks = tracksOf(*cut);
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[0], (Events{{0, tempo(0, 60).substr(1)}, {0, tempo(0, 120).substr(1)}, {0, kEnd}}));
  EXPECT_EQ(tracks[1], (Events{{0, on(64)}, {480, off(64)}, {480, kEnd}}));
  EXPECT_EQ(lengthOf(*cut), 500);
}

TEST(MidiSeekTest, APositionThePieceNeverReachesCutsAfterItsLastEvent) {
  // From tick 480 on the tempo is 0: the rest takes no time, so 5 s in lies
  // after all of it. An SMPTE piece's ticks at the farthest position do not
  // fit 64 bits.
  const std::string stop = bytes({0xFF, 0x51, 0x03, 0, 0, 0});
  const std::string frozen = midiHeader(0, 1, 480) + track(noteOn(0, 60) + noteOff(480, 60) + vlq(0) + stop +
                                                           noteOn(10, 62) + noteOff(10, 62) + endOfTrack(0));
  const std::string smpte =
      midiHeader(0, 1, 0xE250) + track(noteOn(0, 60) + noteOff(480, 60) + endOfTrack(0));
  for (const auto& [piece, ms] : {std::pair{frozen, int64_t{5000}}, std::pair{smpte, INT64_MAX}}) {
    const auto cut = media::midiFrom(piece, ms);
    ASSERT_TRUE(cut.ok()) << cut.error().message;
    const Events setUp = piece == frozen ? Events{{0, stop}, {0, kEnd}} : Events{{0, kEnd}};
    EXPECT_EQ(tracksOf(*cut), std::vector<Events>{setUp}) << ms;
  }
}

TEST(MidiSeekTest, RunningStatusAndRmidFilesComeOutPlain) {
  // Running status: the second and third notes reuse the status byte.
  const std::string smf = midiHeader(0, 1, 480) + track(noteOn(0, 60) + vlq(480) + bytes({62, 100}) +
                                                        vlq(480) + bytes({64, 100}) + endOfTrack(480));
  const std::string rmid = riff("RMID", chunk("data", smf));
  EXPECT_EQ(media::plainSmf(rmid), smf);
  const sys::Result<std::string> cut = media::midiFrom(rmid, 500);
  ASSERT_TRUE(cut.ok()) << cut.error().message;
  EXPECT_EQ(cut->substr(0, 4), "MThd");
  EXPECT_EQ(tracksOf(*cut), (std::vector<Events>{{{0, on(60)}, {0, on(62)}, {480, on(64)}, {960, kEnd}}}));
}

TEST(MidiSeekTest, MalformedFilesAreErrorsAtEveryLength) {
  EXPECT_FALSE(media::midiFrom("RIFF....WAVE", 0).ok());
  EXPECT_FALSE(media::midiFrom(midiHeader(2, 1, 480) + track(endOfTrack(0)), 0).ok());
  EXPECT_FALSE(media::midiFrom(midiHeader(0, 1, 480) + track(vlq(0) + bytes({60, 100})), 0).ok())
      << "a data byte without a running status";
  EXPECT_FALSE(media::midiFrom(midiHeader(0, 1, 0) + track(endOfTrack(0)), 0).ok());
  // Every cut-off copy of a good file is refused, never read past its end.
  const std::string piece = midiHeader(1, 2, 480) + kThreeNotes.substr(14) +
                            track(bytes({0x00, 0xF0, 0x03, 1, 2, 0xF7}) + vlq(10) + bytes({0xB0, 7, 100}) +
                                  vlq(5) + bytes({0xFF, 0x01, 0x02}) + "hi" + endOfTrack(0));
  ASSERT_TRUE(media::midiFrom(piece, 100).ok());
  for (size_t n = 0; n < piece.size(); ++n)
    EXPECT_FALSE(media::midiFrom(piece.substr(0, n), 100).ok()) << "cut off after " << n << " bytes";
}

}  // namespace
