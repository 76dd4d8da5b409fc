#pragma once
#include "media/MediaPlayer.h"
#include "sys/Clock.h"

namespace media {

// A player without a device, for headless runs: its length is read from the
// file, its position follows the clock while it plays.
class SimulatedPlayer final : public MediaPlayer {
 public:
  explicit SimulatedPlayer(const sys::Clock& clock) : clock_(clock) {}

  sys::Result<void> tryOpen() override;
  void Close() override;
  void Play() override;
  void Stop() override;
  void Pause() override;
  int64_t Position() const override;
  void setPosition(int64_t ms) override;
  int64_t Length() const override;
  Mode mode() const override;

 private:
  void settle() const;  // a player that reached the end has stopped

  const sys::Clock& clock_;
  bool open_ = false;
  int64_t length_ = 0;
  mutable Mode mode_ = Mode::NotOpen;
  mutable int64_t position_ = 0;  // at startedAt_ while playing
  int64_t startedAt_ = 0;
};

}  // namespace media
