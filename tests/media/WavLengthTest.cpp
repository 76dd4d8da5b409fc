#include <gtest/gtest.h>

#include "MediaFiles.h"
#include "media/MediaLength.h"
#include "media/WavInfo.h"

using namespace media_test;

namespace {

struct WaveCase {
  const char* name;
  WaveFormat format;
  uint32_t frames;
  int64_t ms;
};

TEST(WavLength, PcmLengthsOfRealFiles) {
  const WaveCase cases[] = {
      {"8bit-mono.wav", {1, 1, 8000, 8}, 8000, 1000},
      {"8bit-stereo.wav", {1, 2, 11025, 8}, 3307, 300},  // 299.95 ms rounds up
      {"16bit-mono.wav", {1, 1, 22050, 16}, 11025, 500},
      {"16bit-stereo.wav", {1, 2, 44100, 16}, 110250, 2500},
      {"one-sample.wav", {1, 1, 44100, 16}, 1, 1},  // any sound lasts a moment
      {"no-samples.wav", {1, 1, 44100, 16}, 0, 0},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const auto r = media::mediaLength(dir.write(c.name, wave(c.format, c.frames)));
    ASSERT_TRUE(r.ok()) << c.name << ": " << r.error().message;
    EXPECT_EQ(*r, c.ms) << c.name;
  }
}

TEST(WavLength, SkipsOtherChunksAndTheirPadding) {
  const WaveFormat f{1, 2, 22050, 16};
  // A LIST chunk before 'fmt ', an odd-sized chunk with its pad byte between,
  // an extended 'fmt ' of 18 bytes and a chunk after 'data'.
  const std::string extendedFmt = chunk("fmt ", fmtChunk(f).substr(8) + le(0, 2));
  const std::string bytes =
      riff("WAVE", chunk("LIST", "INFOISFT\x05\0\0\0kroxl\0") + extendedFmt + chunk("junk", "odd") +
                       dataChunk(f, 5512) + chunk("cue ", std::string(28, '\0')));
  TempDir dir;
  const auto r = media::mediaLength(dir.write("extra.wav", bytes));
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(*r, 250);
}

TEST(WavLength, OddDataChunkAtTheEndMayLackItsPadByte) {
  const WaveFormat f{1, 1, 1000, 8};
  std::string bytes = riff("WAVE", fmtChunk(f) + dataChunk(f, 1001));
  bytes.pop_back();  // the pad byte
  const auto r = media::readWavInfo(media::MemorySource(bytes));
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(r->lengthMs, 1001);
  EXPECT_EQ(r->channels, 1);
  EXPECT_EQ(r->bitsPerSample, 8);
}

TEST(WavLength, CompressedFormatsUseTheFactSampleCount) {
  // IMA ADPCM: the byte rate is only an average, the 'fact' chunk is exact.
  WaveFormat f{0x11, 1, 22050, 4};
  const std::string bytes =
      riff("WAVE", fmtChunk(f, 11100) + chunk("fact", le(33075, 4)) + chunk("data", std::string(11000, 'x')));
  const auto r = media::readWavInfo(media::MemorySource(bytes));
  ASSERT_TRUE(r.ok()) << r.error().message;
  EXPECT_EQ(r->lengthMs, 1500);
}

TEST(WavLength, RejectsMalformedFiles) {
  const WaveFormat f{1, 1, 8000, 8};
  std::string riffTooLong = wave(f, 100);
  riffTooLong[7] = 1;  // the RIFF size now claims far more than the file holds
  std::string dataTooLong = wave(f, 100);
  dataTooLong.resize(dataTooLong.size() - 10);
  dataTooLong.replace(4, 4, le(static_cast<uint32_t>(dataTooLong.size() - 8), 4));
  const struct {
    const char* name;
    std::string bytes;
    const char* why;
  } cases[] = {
      {"text.wav", "just some text, not a sound at all", "not a RIFF file"},
      {"short.wav", "RIFF", "too short"},
      {"avi.wav", riff("AVI ", chunk("data", "x")), "not WAVE"},
      {"no-fmt.wav", riff("WAVE", dataChunk(f, 100)), "no 'fmt '"},
      {"no-data.wav", riff("WAVE", fmtChunk(f) + chunk("LIST", "abcd")), "no 'data'"},
      {"zero-rate.wav", riff("WAVE", fmtChunk(f, 0) + dataChunk(f, 100)), "byte rate is 0"},
      {"short-fmt.wav", riff("WAVE", chunk("fmt ", "12345678") + dataChunk(f, 100)), "too short"},
      {"riff-past-end.wav", riffTooLong, "past the end"},
      {"data-past-end.wav", dataTooLong, "'data'"},
  };
  TempDir dir;
  for (const auto& c : cases) {
    const std::string path = dir.write(c.name, c.bytes);
    const auto r = media::mediaLength(path);
    ASSERT_FALSE(r.ok()) << c.name;
    EXPECT_NE(r.error().message.find(path), std::string::npos) << r.error().message;
    EXPECT_NE(r.error().message.find(c.why), std::string::npos) << c.name << ": " << r.error().message;
  }
}

TEST(WavLength, EveryTruncationIsHandled) {
  const WaveFormat f{1, 2, 8000, 16};
  const std::string whole = riff("WAVE", chunk("LIST", "abc") + fmtChunk(f) + dataChunk(f, 50));
  for (size_t n = 0; n < whole.size(); ++n) {
    const auto r = media::readWavInfo(media::MemorySource(std::string_view(whole).substr(0, n)));
    EXPECT_FALSE(r.ok()) << "cut at " << n;
  }
}

TEST(MediaLength, MissingEmptyAndDirectoryAreErrors) {
  TempDir dir;
  for (const std::string& path : {dir.file("missing.wav"), dir.write("empty.wav", ""), dir.path()}) {
    const auto r = media::mediaLength(path);
    ASSERT_FALSE(r.ok()) << path;
    EXPECT_NE(r.error().message.find(path), std::string::npos) << r.error().message;
  }
}

}  // namespace
