#pragma once
#include <cstdint>
#include <string>

#include "media/ByteSource.h"
#include "sys/Result.h"

namespace media {

// What the header of a RIFF WAVE file says about its sound.
struct WavInfo {
  uint16_t formatTag = 0;  // 1 PCM, 3 float, 0xFFFE extensible, others compressed
  uint16_t channels = 0;
  uint32_t sampleRate = 0;
  uint32_t byteRate = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint64_t dataBytes = 0;
  uint64_t factSamples = 0;  // from a 'fact' chunk; 0 when there is none
  int64_t lengthMs = 0;
};

// Walks the chunks of a RIFF WAVE file: 'fmt ' and 'data' are required, other
// chunks are skipped, odd-sized chunks are followed by a pad byte (which may be
// missing at the very end of the file). Sizes that reach past the file, a
// byte rate of 0 and anything that is not RIFF WAVE are rejected. The length
// is the data size divided by the byte rate; compressed formats with a
// 'fact' chunk use its sample count instead.
sys::Result<WavInfo> readWavInfo(const ByteSource& source);

}  // namespace media
