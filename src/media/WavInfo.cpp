#include "media/WavInfo.h"

namespace media {
namespace {

constexpr uint16_t kPcm = 1;
constexpr uint16_t kFloat = 3;
constexpr uint16_t kExtensible = 0xFFFE;

std::string chunkName(const unsigned char* id) {
  std::string name;
  for (int i = 0; i < 4; ++i) name += (id[i] >= 0x20 && id[i] < 0x7F) ? static_cast<char>(id[i]) : '?';
  return "'" + name + "'";
}

bool isId(const unsigned char* p, const char* id) {
  return p[0] == id[0] && p[1] == id[1] && p[2] == id[2] && p[3] == id[3];
}

// The 'fmt ' chunk: the fixed 16 bytes, and for the extensible format the
// format tag hidden in the first two bytes of its sub-format GUID.
sys::Result<void> readFormat(const ByteSource& source, uint64_t at, uint32_t size, WavInfo& info) {
  if (size < 16) return sys::Error{"the 'fmt ' chunk is too short (" + std::to_string(size) + " bytes)"};
  unsigned char f[26] = {};
  if (!source.read(at, f, 16)) return sys::Error{"cannot read the 'fmt ' chunk"};
  info.formatTag = le16(f);
  info.channels = le16(f + 2);
  info.sampleRate = le32(f + 4);
  info.byteRate = le32(f + 8);
  info.blockAlign = le16(f + 12);
  info.bitsPerSample = le16(f + 14);
  if (info.formatTag == kExtensible && size >= 26 && source.read(at + 24, f + 24, 2))
    info.formatTag = le16(f + 24);
  return {};
}

int64_t roundedMs(uint64_t units, uint64_t perSecond) {
  const uint64_t ms = (units * 1000 + perSecond / 2) / perSecond;
  // A sound with any samples at all lasts at least a millisecond: a length
  // of 0 would count as "already at the end".
  return static_cast<int64_t>(ms == 0 && units > 0 ? 1 : ms);
}

}  // namespace

sys::Result<WavInfo> readWavInfo(const ByteSource& source) {
  WavInfo info;
  auto fail = [](std::string why) { return sys::Error{std::move(why)}; };

  const uint64_t fileSize = source.size();
  unsigned char head[12];
  if (fileSize < 12 || !source.read(0, head, 12)) return fail("too short for a RIFF header");
  if (!isId(head, "RIFF")) return fail("not a RIFF file");
  if (!isId(head + 8, "WAVE")) return fail("a RIFF file of form " + chunkName(head + 8) + ", not WAVE");
  const uint64_t riffEnd = 8 + uint64_t{le32(head + 4)};
  if (riffEnd > fileSize + 1) return fail("the RIFF size reaches past the end of the file");
  const uint64_t end = riffEnd < fileSize ? riffEnd : fileSize;

  bool haveFormat = false;
  bool haveData = false;
  uint64_t pos = 12;
  while (pos + 8 <= end && !(haveFormat && haveData)) {
    unsigned char chunk[8];
    if (!source.read(pos, chunk, 8)) return fail("cannot read a chunk header");
    const uint32_t size = le32(chunk + 4);
    const uint64_t body = pos + 8;
    if (body + size > fileSize)
      return fail("chunk " + chunkName(chunk) + " at offset " + std::to_string(pos) +
                  " reaches past the end of the file");
    if (isId(chunk, "fmt ") && !haveFormat) {
      if (const sys::Result<void> format = readFormat(source, body, size, info); !format)
        return format.error();
      haveFormat = true;
    } else if (isId(chunk, "data") && !haveData) {
      info.dataBytes = size;
      haveData = true;
    } else if (isId(chunk, "fact") && size >= 4) {
      unsigned char n[4];
      if (source.read(body, n, 4)) info.factSamples = le32(n);
    }
    pos = body + size + (size & 1u);
  }

  if (!haveFormat) return fail("no 'fmt ' chunk");
  if (!haveData) return fail("no 'data' chunk");
  if (info.byteRate == 0) return fail("the byte rate is 0");

  const bool uncompressed = info.formatTag == kPcm || info.formatTag == kFloat;
  if (!uncompressed && info.factSamples > 0 && info.sampleRate > 0)
    info.lengthMs = roundedMs(info.factSamples, info.sampleRate);
  else
    info.lengthMs = roundedMs(info.dataBytes, info.byteRate);
  return info;
}

}  // namespace media
