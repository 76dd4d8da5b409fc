#include <gtest/gtest.h>

#include "MediaFiles.h"
#include "media/MediaLength.h"
#include "media/MidiInfo.h"

using namespace media_test;

namespace {

int64_t lengthOf(const std::string& smf) {
  const auto r = media::readMidiInfo(smf);
  EXPECT_TRUE(r.ok()) << r.error().message;
  return r.ok() ? r->lengthMs : 0;
}

std::string errorOf(const std::string& smf) {
  const auto r = media::readMidiInfo(smf);
  EXPECT_FALSE(r.ok()) << "accepted, length " << r->lengthMs;
  return r.ok() ? std::string() : r.error().message;
}

// 480 ticks a quarter: two beats at 120 bpm (1000 ms), then one at 60 (1000 ms).
std::string tempoChangeSong() {
  const std::string conductor = tempo(0, 120) + tempo(960, 60) + endOfTrack(0);
  // Running status: the second note-on and both note-offs (as note-on with
  // velocity 0) carry no status byte.
  const std::string notes = noteOn(0, 60) + vlq(480) + bytes({62, 100}) + vlq(480) + bytes({60, 0}) +
                            vlq(480) + bytes({62, 0}) + endOfTrack(0);
  return midiHeader(1, 2, 480) + track(conductor) + track(notes);
}

TEST(MidiLength, TempoChangesOfTheConductorTrackApplyToAllTracks) {
  const auto r = media::readMidiInfo(tempoChangeSong());
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(r->lastTick, 1440u);
  EXPECT_EQ(r->tempoChanges, 2);
  EXPECT_EQ(r->lengthMs, 2000);

  TempDir dir;
  const auto fromFile = media::mediaLength(dir.write("song.MID", tempoChangeSong()));
  ASSERT_TRUE(fromFile.ok()) << fromFile.error().message;
  EXPECT_EQ(*fromFile, 2000);
}

TEST(MidiLength, TempoChangesAreMergedInTickOrder) {
  // The tempo change sits in a later track than the longest one and comes
  // after a change of an earlier track: 480 ticks at 120 bpm, 480 at 60, 960 at 240.
  const std::string a = tempo(960, 240) + endOfTrack(0);
  const std::string b = noteOn(0, 60) + noteOff(1920, 60) + endOfTrack(0);
  const std::string c = tempo(480, 60) + endOfTrack(0);
  EXPECT_EQ(lengthOf(midiHeader(1, 3, 480) + track(a) + track(b) + track(c)), 500 + 1000 + 500);
}

TEST(MidiLength, DefaultTempoAndFormatZero) {
  // Without a tempo event a quarter lasts 500 ms.
  EXPECT_EQ(lengthOf(midiHeader(0, 1, 96) + track(noteOn(0, 60) + noteOff(192, 60) + endOfTrack(96))), 1500);
  // Meta texts, a sysex message and a program change in between change nothing.
  const std::string busy = vlq(0) + bytes({0xFF, 0x03, 4}) + "Song" + vlq(0) +
                           bytes({0xF0, 3, 0x7E, 0x7F, 0xF7}) + vlq(0) + bytes({0xC0, 5}) + noteOn(0, 60) +
                           tempo(240, 60) + noteOff(480, 60) + endOfTrack(0);
  EXPECT_EQ(lengthOf(midiHeader(0, 1, 480) + track(busy)), 250 + 1000);
}

TEST(MidiLength, TheLastEventOfAnyTrackEndsTheSong) {
  // A track without end-of-track event ends with its last event.
  const std::string shortTrack = noteOn(0, 60) + noteOff(480, 60);
  const std::string longTrack = noteOn(0, 64) + noteOff(2400, 64) + endOfTrack(0);
  EXPECT_EQ(lengthOf(midiHeader(1, 2, 480) + track(shortTrack) + track(longTrack)), 2500);
  // Events after the end-of-track event do not count.
  EXPECT_EQ(lengthOf(midiHeader(0, 1, 480) + track(endOfTrack(480) + noteOn(9600, 60))), 500);
}

TEST(MidiLength, SmpteDivisionIgnoresTempo) {
  // 25 frames a second, 40 ticks a frame: 1000 ticks a second.
  const int division = ((256 - 25) << 8) | 40;
  EXPECT_EQ(lengthOf(midiHeader(0, 1, division) + track(tempo(0, 60) + endOfTrack(2500))), 2500);
}

TEST(MidiLength, RmidWrapperAndUnknownChunksAreRead) {
  const std::string smf = midiHeader(1, 1, 480) + "XFIH" + be(3, 4) + "abc" + track(endOfTrack(960));
  EXPECT_EQ(lengthOf(smf), 1000);
  const auto r = media::readMidiInfo(riff("RMID", chunk("data", smf)));
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(r->lengthMs, 1000);
}

TEST(MidiLength, RejectsMalformedFiles) {
  const std::string eot = endOfTrack(0);
  std::string pastEnd = midiHeader(0, 1, 480) + track(eot);
  pastEnd[pastEnd.size() - eot.size() - 1] = 100;  // the track's size
  const struct {
    const char* what;
    std::string smf;
    const char* why;
  } cases[] = {
      {"not midi", "MTrk and so on, but no header", "not a MIDI file"},
      {"short header", "MThd" + be(4, 4) + be(0, 2) + be(1, 2) + track(eot), "header of 4 bytes"},
      {"huge header", "MThd" + be(0x7FFFFFF0, 4) + be(0, 2) + be(1, 2) + be(480, 2), "header reaches past"},
      {"no tracks", midiHeader(0, 0, 480), "without tracks"},
      {"format 2", midiHeader(2, 1, 480) + track(eot), "format 2"},
      {"format 7", midiHeader(7, 1, 480) + track(eot), "format 7"},
      {"zero division", midiHeader(0, 1, 0) + track(eot), "division of 0"},
      {"bad smpte rate", midiHeader(0, 1, ((256 - 17) << 8) | 4) + track(eot), "17 frames"},
      {"missing track", midiHeader(1, 3, 480) + track(eot) + track(eot), "after 2 of 3 tracks"},
      {"track past end", pastEnd, "track 1 at offset 14 reaches past"},
      {"truncated number", midiHeader(0, 1, 480) + track(bytes({0x81, 0x80})), "truncated variable-length"},
      {"five-byte number", midiHeader(0, 1, 480) + track(bytes({0x81, 0x81, 0x81, 0x81, 0x01}) + eot),
       "longer than 4 bytes"},
      {"no running status", midiHeader(0, 1, 480) + track(bytes({0, 60, 100}) + eot),
       "without a running status"},
      {"cut channel event", midiHeader(0, 1, 480) + track(bytes({0, 0x90, 60})), "truncated channel event"},
      {"long meta", midiHeader(0, 1, 480) + track(bytes({0, 0xFF, 0x01, 50}) + "abc"),
       "longer than its track"},
      {"long sysex", midiHeader(0, 1, 480) + track(bytes({0, 0xF0, 50, 1})), "longer than its track"},
      {"bad tempo", midiHeader(0, 1, 480) + track(bytes({0, 0xFF, 0x51, 2, 1, 2}) + eot), "tempo event of 2"},
      {"system message", midiHeader(0, 1, 480) + track(bytes({0, 0xF8}) + eot), "status byte 0xF8"},
      {"delta alone", midiHeader(0, 1, 480) + track(bytes({0x10})), "without an event"},
      {"rmid without data", riff("RMID", chunk("LIST", "abcd")), "'data' chunk"},
  };
  for (const auto& c : cases) EXPECT_NE(errorOf(c.smf).find(c.why), std::string::npos) << c.what;
}

TEST(MidiLength, DamagedFilesNeverCrashOrHang) {
  // Every truncation and many random byte changes of a valid song either
  // parse or are rejected; run under the sanitizers this also proves that no
  // byte outside the file is read.
  const std::string song = tempoChangeSong();
  for (size_t n = 0; n < song.size(); ++n) EXPECT_FALSE(media::readMidiInfo(song.substr(0, n)).ok()) << n;
  std::mt19937 random(1234);
  for (int i = 0; i < 20000; ++i) {
    std::string damaged = song;
    for (int k = 0; k < 3; ++k) damaged[random() % damaged.size()] = static_cast<char>(random());
    const auto r = media::readMidiInfo(damaged);
    EXPECT_TRUE(r.ok() ? r->lengthMs >= 0 : !r.error().message.empty());
  }
}

TEST(MidiLength, MediaLengthNamesTheFileInItsError) {
  TempDir dir;
  const std::string path = dir.write("broken.mid", midiHeader(1, 2, 480) + track(endOfTrack(0)));
  const auto r = media::mediaLength(path);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().message, path + ": the file ends after 1 of 2 tracks");
}

}  // namespace
