#include "media/MixerMusicPlayer.h"

#include "media/MidiSeek.h"
#include "media/MusicStream.h"
#include "sys/FileIo.h"

namespace media {
namespace {

constexpr size_t kMaxMidiBytes = size_t{32} << 20;

}  // namespace

MixerMusicPlayer::~MixerMusicPlayer() {
  halt();
  unload();
}

sys::Result<void> MixerMusicPlayer::load(const std::string& path) {
  if (!audio_.midiReady()) return sys::Error{"cannot play " + FileName + ": " + audio_.midiError()};
  sys::Result<std::string> bytes = sys::readFile(path, kMaxMidiBytes);
  if (!bytes) return sys::Error{"cannot open " + FileName + ": " + bytes.error().message};
  sys::Result<std::shared_ptr<const MidiSequence>> piece = sequenceMidi(*bytes, audio_.frequency());
  if (!piece) return sys::Error{"cannot play " + FileName + ": " + piece.error().message};
  smf_ = std::move(bytes).value();
  sequence_ = std::move(piece).value();
  return {};
}

void MixerMusicPlayer::unload() {
  sequence_.reset();
  smf_.clear();
}

void MixerMusicPlayer::start(int64_t fromMs) {
  halt();
  std::shared_ptr<const MidiSequence> sequence = sequence_;
  if (fromMs > 0) {
    // The file was checked on open; should the cut still fail, the time
    // line plays on in silence.
    const sys::Result<std::string> cut = midiFrom(smf_, fromMs);
    if (!cut) return;
    sys::Result<std::shared_ptr<const MidiSequence>> piece = sequenceMidi(*cut, audio_.frequency());
    if (!piece) return;
    sequence = std::move(piece).value();
  }
  audio_.music().play(std::move(sequence));
  started_ = true;
}

void MixerMusicPlayer::halt() {
  if (started_) audio_.music().halt();
  started_ = false;
}

void MixerMusicPlayer::pause() {
  if (started_) audio_.music().pause();
}

void MixerMusicPlayer::resume() {
  if (started_) audio_.music().resume();
}

}  // namespace media
