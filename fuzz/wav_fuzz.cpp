// The WAV length reader on any bytes: it walks the chunks of a RIFF WAVE
// file and either says why it refuses the file or gives a length the players
// can use.
#include <cstdint>
#include <string_view>

#include "media/ByteSource.h"
#include "media/WavInfo.h"
#include "support/Require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const media::MemorySource source(std::string_view(reinterpret_cast<const char*>(data), size));
  const sys::Result<media::WavInfo> r = media::readWavInfo(source);
  if (!r.ok()) return 0;
  fuzzsupport::require(r->byteRate > 0, "an accepted sound has a byte rate");
  fuzzsupport::require(r->lengthMs >= 0, "a length is never negative");
  fuzzsupport::require(r->dataBytes <= size, "the sound data lies within the file");
  return 0;
}
