#include "media/MixerMusicPlayer.h"

#include "media/MidiSeek.h"
#include "sys/FileIo.h"

namespace media {
namespace {

constexpr size_t kMaxMidiBytes = size_t{32} << 20;

}  // namespace

MixerMusicPlayer::~MixerMusicPlayer() {
  halt();
  unload();
}

Mix_Music* MixerMusicPlayer::musicFrom(const std::string& smf) {
  return Mix_LoadMUSType_RW(SDL_RWFromConstMem(smf.data(), static_cast<int>(smf.size())), MUS_MID, 1);
}

void MixerMusicPlayer::load(const std::string& path) {
  if (!audio_.midiReady()) throw MediaError("cannot play " + FileName + ": " + audio_.midiError());
  std::string error;
  const auto bytes = sys::readFile(path, &error, kMaxMidiBytes);
  if (!bytes) throw MediaError("cannot open " + FileName + ": " + error);
  // FluidSynth reads plain SMF only, so an RMID file is unwrapped here.
  smf_ = std::string(plainSmf(*bytes));
  music_ = musicFrom(smf_);
  if (!music_) throw MediaError("cannot play " + FileName + ": " + Mix_GetError());
}

void MixerMusicPlayer::unload() {
  if (music_) Mix_FreeMusic(music_);
  music_ = nullptr;
  smf_.clear();
}

void MixerMusicPlayer::start(int64_t fromMs) {
  halt();
  Mix_Music* music = music_;
  if (fromMs > 0) {
    MidiCut cut = midiFrom(smf_, fromMs);
    if (!cut.ok()) return;  // the file was checked on open; the time line plays on in silence
    cutSmf_ = std::move(cut.smf);
    cutMusic_ = musicFrom(cutSmf_);
    music = cutMusic_;
  }
  if (music && Mix_PlayMusic(music, 0) == 0) started_ = true;
}

void MixerMusicPlayer::halt() {
  if (started_) Mix_HaltMusic();
  started_ = false;
  if (cutMusic_) Mix_FreeMusic(cutMusic_);
  cutMusic_ = nullptr;
  cutSmf_.clear();
}

void MixerMusicPlayer::pause() {
  if (started_) Mix_PauseMusic();
}

void MixerMusicPlayer::resume() {
  if (started_) Mix_ResumeMusic();
}

}  // namespace media
