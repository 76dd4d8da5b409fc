#include "media/SimulatedPlayer.h"

#include <algorithm>

#include "media/MediaLength.h"
#include "sys/DataPath.h"

namespace media {

sys::Result<void> SimulatedPlayer::tryOpen() {
  // A device lets go of its old file first, so a failed open leaves the
  // player closed rather than still holding the previous file.
  Close();
  const sys::Result<int64_t> length = mediaLength(sys::resolvePath(FileName));
  if (!length) return sys::Error{"cannot open " + FileName + ": " + length.error().message};
  open_ = true;
  length_ = *length;
  position_ = 0;
  mode_ = Mode::Stopped;
  return {};
}

void SimulatedPlayer::Close() {
  open_ = false;
  mode_ = Mode::NotOpen;
  position_ = 0;
  length_ = 0;
}

void SimulatedPlayer::settle() const {
  if (mode_ != Mode::Playing) return;
  const int64_t now = position_ + (clock_.nowMs() - startedAt_);
  if (now >= length_) {
    position_ = length_;
    mode_ = Mode::Stopped;
  }
}

void SimulatedPlayer::Play() {
  if (!open_) throw MediaError("play: no file open");
  settle();
  if (mode_ == Mode::Playing) return;
  position_ = Position();
  if (AutoRewind && position_ >= length_) position_ = 0;
  startedAt_ = clock_.nowMs();
  mode_ = Mode::Playing;
  settle();
}

void SimulatedPlayer::Stop() {
  if (!open_) return;
  position_ = Position();
  mode_ = Mode::Stopped;
}

void SimulatedPlayer::Pause() {
  settle();
  if (mode_ == Mode::Playing) {
    position_ = Position();
    mode_ = Mode::Paused;
  } else if (mode_ == Mode::Paused) {
    startedAt_ = clock_.nowMs();
    mode_ = Mode::Playing;
  }
}

int64_t SimulatedPlayer::Position() const {
  settle();
  if (mode_ != Mode::Playing) return position_;
  return std::min(length_, position_ + (clock_.nowMs() - startedAt_));
}

void SimulatedPlayer::setPosition(int64_t ms) {
  if (!open_) throw MediaError("seek: no file open");
  position_ = std::clamp<int64_t>(ms, 0, length_);
  mode_ = Mode::Stopped;
}

int64_t SimulatedPlayer::Length() const {
  if (!open_) throw MediaError("length: no file open");
  return length_;
}

Mode SimulatedPlayer::mode() const {
  settle();
  return mode_;
}

}  // namespace media
