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

void MixerMusicPlayer::load(const std::string& path) {
  if (!audio_.midiReady()) throw MediaError("cannot play " + FileName + ": " + audio_.midiError());
  const sys::Result<std::string> bytes = sys::readFile(path, kMaxMidiBytes);
  if (!bytes) throw MediaError("cannot open " + FileName + ": " + bytes.error().message);
  SequenceResult piece = sequenceMidi(*bytes, audio_.frequency());
  if (!piece.ok()) throw MediaError("cannot play " + FileName + ": " + piece.error);
  smf_ = *bytes;
  sequence_ = std::move(piece.sequence);
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
    const MidiCut cut = midiFrom(smf_, fromMs);
    if (!cut.ok()) return;
    sequence = sequenceMidi(cut.smf, audio_.frequency()).sequence;
  }
  if (!sequence) return;
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
