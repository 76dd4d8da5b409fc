#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "sys/Result.h"

namespace media {

class VideoSurface;

// Raised when a player is asked for something its device cannot do: opening
// a file that is missing or unreadable (Open), or reading the length while
// closed. Inside a runner tick this ends the game, as the media device's
// errors did.
class MediaError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

enum class Mode { NotOpen, Stopped, Playing, Paused };

// One media player as the game drives it: a file name, open, play, stop, a
// pause that toggles, seeking, and position and length in milliseconds. When
// playback reaches the end the position stays equal to the length, which is
// how the game notices the end.
class MediaPlayer {
 public:
  virtual ~MediaPlayer() = default;

  std::string FileName;  // a game path; see sys::resolvePath
  int Tag = 0;
  // Play at the end of the medium starts again from the beginning.
  bool AutoRewind = true;

  // Opens FileName; an error names the file and says why the device cannot
  // play it, and leaves the player closed.
  [[nodiscard]] virtual sys::Result<void> tryOpen() = 0;
  // tryOpen, for the script commands: a failure raises MediaError.
  void Open() {
    if (const sys::Result<void> opened = tryOpen(); !opened) throw MediaError(opened.error().message);
  }
  virtual void Close() = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  // Pauses a playing player and resumes a paused one; a stopped one is left alone.
  virtual void Pause() = 0;
  virtual void Rewind() { setPosition(0); }
  virtual int64_t Position() const = 0;
  // Seeks; a playing player stops there, as a device seek does.
  virtual void setPosition(int64_t ms) = 0;
  virtual int64_t Length() const = 0;
  virtual Mode mode() const = 0;
  // Where a video player draws its pictures.
  virtual void setDisplay(VideoSurface* /*surface*/) {}
};

}  // namespace media
