#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>

#include "MediaFiles.h"
#include "media/MediaLength.h"

using namespace media_test;

namespace {

bool haveFfmpegTool() {
  return std::system("command -v ffmpeg >/dev/null 2>&1") == 0;
}

// Runs the ffmpeg tool quietly; the arguments are our own, never user input.
bool ffmpeg(const std::string& arguments) {
  return std::system(("ffmpeg -nostdin -v error -y " + arguments + " >/dev/null 2>&1").c_str()) == 0;
}

TEST(ContainerLength, VideosMadeByTheFfmpegTool) {
  if (!haveFfmpegTool()) GTEST_SKIP() << "the ffmpeg tool is not installed";
  TempDir dir;
  const struct {
    const char* name;
    const char* source;
    const char* codec;
    int64_t ms;
  } cases[] = {
      {"clip.avi", "testsrc=duration=2:size=64x48:rate=10", "-c:v mpeg4", 2000},
      {"clip.mpg", "testsrc=duration=1.2:size=64x48:rate=25", "-c:v mpeg1video", 1200},
  };
  for (const auto& c : cases) {
    const std::string path = dir.file(c.name);
    ASSERT_TRUE(ffmpeg("-f lavfi -i " + std::string(c.source) + " " + c.codec + " '" + path + "'")) << c.name;
    const auto r = media::mediaLength(path);
    ASSERT_TRUE(r.ok()) << r.error().message;
    // Within one frame: an MPEG program stream stores no duration at all.
    EXPECT_NEAR(*r, c.ms, 40) << c.name;
  }
}

TEST(ContainerLength, WaveFromFfmpegAgreesWithOurParser) {
  if (!haveFfmpegTool()) GTEST_SKIP() << "the ffmpeg tool is not installed";
  TempDir dir;
  // FFmpeg writes a LIST chunk before the samples.
  const std::string path = dir.file("tone.wav");
  ASSERT_TRUE(
      ffmpeg("-f lavfi -i sine=frequency=440:duration=1.5 -ar 22050 -ac 2 -c:a pcm_s16le '" + path + "'"));
  const auto r = media::mediaLength(path);
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(*r, 1500);
}

TEST(ContainerLength, PicturesAndGarbageAreNotVideos) {
  TempDir dir;
  // A 1 x 1 24-bit BMP.
  const std::string bmp = "BM" + le(58, 4) + le(0, 4) + le(54, 4) + le(40, 4) + le(1, 4) + le(1, 4) +
                          le(1, 2) + le(24, 2) + le(0, 4) + le(4, 4) + le(2835, 4) + le(2835, 4) + le(0, 4) +
                          le(0, 4) + std::string("\xff\x00\x00\x00", 4);
  const auto picture = media::mediaLength(dir.write("cls.bmp", bmp));
  ASSERT_FALSE(picture.ok());
  EXPECT_NE(picture.error().message.find("still picture"), std::string::npos) << picture.error().message;

  std::string noise;
  std::mt19937 random(7);
  for (int i = 0; i < 4096; ++i) noise += static_cast<char>(random());
  for (const char* name : {"noise.avi", "noise.mpg", "noise"}) {
    const auto r = media::mediaLength(dir.write(name, noise));
    EXPECT_FALSE(r.ok()) << name << " gave " << *r << " ms";
  }
}

// A playlist in a film's place made FFmpeg open the files it names: any file
// on the machine, and a named pipe blocked the game for ever.
TEST(ContainerLength, AFilmThatIsAPlaylistOpensNothingElse) {
  TempDir dir;
  const std::string film =
      dir.write("film.avi", testsupport::readAll(std::string(KROXL_BINARY_DIR) + "/game/movies/black.avi"));
  ASSERT_TRUE(media::mediaLength(film).ok());
  const std::string pipe = dir.file("pipe.ts");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  for (const std::string& named : {film, pipe}) {
    const std::string playlist =
        "#EXTM3U\n#EXT-X-TARGETDURATION:10\n#EXTINF:10,\n" + named + "\n#EXT-X-ENDLIST\n";
    const auto r = media::mediaLength(dir.write("liste.avi", playlist));
    EXPECT_FALSE(r.ok()) << named << " gave " << *r << " ms";
  }
}

}  // namespace
