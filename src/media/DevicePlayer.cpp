#include "media/DevicePlayer.h"

#include "sys/DataPath.h"

namespace media {

sys::Result<void> DevicePlayer::tryOpen() {
  Close();
  timeline_.FileName = FileName;
  // A missing or malformed file fails here, naming the file.
  if (sys::Result<void> timeline = timeline_.tryOpen(); !timeline) return timeline;
  sys::Result<void> loaded = load(sys::resolvePath(FileName));
  if (!loaded) timeline_.Close();
  return loaded;
}

void DevicePlayer::Close() {
  halt();
  unload();
  timeline_.Close();
}

void DevicePlayer::Play() {
  timeline_.AutoRewind = AutoRewind;
  const Mode before = timeline_.mode();
  timeline_.Play();
  if (before == Mode::Playing || timeline_.mode() != Mode::Playing) return;
  if (before == Mode::Paused)
    resume();
  else
    start(timeline_.Position());
}

void DevicePlayer::Stop() {
  timeline_.Stop();
  halt();
}

void DevicePlayer::Pause() {
  const Mode before = timeline_.mode();
  timeline_.Pause();
  const Mode after = timeline_.mode();
  if (before == Mode::Playing && after == Mode::Paused) pause();
  if (before == Mode::Paused && after == Mode::Playing) resume();
}

void DevicePlayer::setPosition(int64_t ms) {
  timeline_.setPosition(ms);
  halt();
}

}  // namespace media
