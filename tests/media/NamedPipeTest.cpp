// A named pipe where a sound or a film should be used to block the game for
// ever in open(), waiting for a writer that never comes.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "MediaFiles.h"
#include "media/FfmpegStream.h"
#include "media/MediaLength.h"
#include "media/MixerWavePlayer.h"
#include "sys/Clock.h"

using namespace media_test;

namespace {

TEST(NamedPipe, EveryMediaReaderRefusesItAtOnce) {
  TempDir dir;
  const std::string wave = dir.file("pfeil.wav"), film = dir.file("black.avi");
  ASSERT_EQ(::mkfifo(wave.c_str(), 0644), 0);
  ASSERT_EQ(::mkfifo(film.c_str(), 0644), 0);

  for (const std::string& path : {wave, film}) {
    const sys::Result<int64_t> length = media::mediaLength(path);
    ASSERT_FALSE(length.ok());
    EXPECT_NE(length.error().message.find("not a regular file"), std::string::npos) << length.error().message;
    const auto stream = media::FfmpegStream::open(path, AVMEDIA_TYPE_VIDEO);
    ASSERT_FALSE(stream.ok());
    EXPECT_NE(stream.error().message.find("not a regular file"), std::string::npos) << stream.error().message;
  }

  media::MixerAudio audio;
  if (!audio.ok()) GTEST_SKIP() << audio.error();
  sys::VirtualClock clock;
  media::MixerWavePlayer player(clock, audio);
  player.FileName = wave;
  EXPECT_THROW(player.Open(), media::MediaError);
}

}  // namespace
