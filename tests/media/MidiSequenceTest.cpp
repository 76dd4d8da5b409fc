// A piece as the synthesizer gets it: the messages of all tracks in time
// order, at the sample frame the tempo map puts them.
#include <gtest/gtest.h>

#include "MediaFiles.h"
#include "media/MidiSequence.h"

using namespace media_test;

namespace {

TEST(MidiSequenceTest, TracksMergeInTimeOrderAtTheFramesOfTheTempoMap) {
  // 120 beats a minute for two beats, then 60; at 1000 frames a second a
  // beat is 500 frames, then 1000.
  const std::string conductor =
      track(tempo(0, 120) + vlq(0) + bytes({0xFF, 0x01, 0x02, 'h', 'i'}) + tempo(960, 60) + endOfTrack(0));
  const std::string gmReset = bytes({0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7});
  const std::string melody =
      track(vlq(0) + gmReset + bytes({0x00, 0xC0, 19}) + noteOn(480, 60) + noteOff(960, 60) + endOfTrack(0));
  const auto r = media::sequenceMidi(midiHeader(1, 2, 480) + conductor + melody, 1000);
  ASSERT_TRUE(r.ok()) << r.error().message;

  const std::vector<media::MidiCue>& cues = (*r)->cues;
  ASSERT_EQ(cues.size(), 4u) << "meta events stay out";
  EXPECT_EQ(cues[0].frame, 0u);
  EXPECT_EQ(cues[0].message, gmReset);
  EXPECT_EQ(cues[1].message, bytes({0xC0, 19}));
  EXPECT_EQ(cues[2].frame, 500u);
  EXPECT_EQ(cues[2].message, bytes({0x90, 60, 100}));
  EXPECT_EQ(cues[3].frame, 2000u) << "one beat at 120 and one at 60";
  EXPECT_EQ(cues[3].message, bytes({0x80, 60, 0}));
}

TEST(MidiSequenceTest, AMalformedFileIsAnError) {
  const auto r = media::sequenceMidi(midiHeader(0, 1, 480) + track(vlq(0) + bytes({60, 100})), 22050);
  ASSERT_FALSE(r.ok());
  EXPECT_EQ(r.error().message, "track 1: a data byte without a running status");
}

}  // namespace
