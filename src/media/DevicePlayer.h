#pragma once
#include <string>

#include "media/MediaPlayer.h"
#include "media/SimulatedPlayer.h"
#include "sys/Clock.h"

namespace media {

// The common ground of the players that drive a real device. The game
// notices an end only when the position equals the length exactly, and
// neither SDL_mixer's MIDI nor its channels report a position; so the
// playing time is kept on the game's clock by the same bookkeeping the
// headless player uses, and the device merely follows it: it is started at
// the position where the time line starts, paused and resumed with it, and
// halted whenever the time line stops. A derived player only says how its
// device loads, starts, halts, pauses and resumes.
class DevicePlayer : public MediaPlayer {
 public:
  explicit DevicePlayer(const sys::Clock& clock) : timeline_(clock) {}

  sys::Result<void> tryOpen() final;
  void Close() final;
  void Play() final;
  void Stop() final;
  void Pause() final;
  int64_t Position() const final { return timeline_.Position(); }
  void setPosition(int64_t ms) final;
  int64_t Length() const final { return timeline_.Length(); }
  Mode mode() const final { return timeline_.mode(); }

 protected:
  // Loads the file (a real path) the time line has just accepted; an error
  // when the device cannot play it.
  virtual sys::Result<void> load(const std::string& path) = 0;
  // Lets go of the loaded file; the device has been halted.
  virtual void unload() = 0;
  // Starts playing at the given position (below the length).
  virtual void start(int64_t fromMs) = 0;
  // The device calls below must be harmless when nothing plays.
  virtual void halt() = 0;
  virtual void pause() = 0;
  virtual void resume() = 0;

 private:
  SimulatedPlayer timeline_;
};

}  // namespace media
