#pragma once
// What the tests of the real players share: the sound device (opened with
// SDL's dummy driver, which CTest sets), one-second media files of every
// kind, and a desktop with a video panel on a virtual clock.
#include <SDL_mixer.h>

#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "MediaFiles.h"
#include "core/PanelVideoSurface.h"
#include "media/MixerAudio.h"
#include "sys/Clock.h"
#include "ui/Desktop.h"
#include "ui/Form.h"
#include "ui/NullPlatform.h"
#include "ui/Panel.h"
#include "ui/Platform.h"

namespace media_test {

// One second of a quiet tone, 16-bit stereo at 22050 Hz (the mixer converts it).
inline std::string oneSecondWave() {
  const WaveFormat f{1, 2, 22050, 16};
  std::string samples;
  for (uint32_t i = 0; i < f.rate; ++i) {
    const auto v = static_cast<int16_t>((i / 25) % 2 ? 3000 : -3000);
    samples += le(static_cast<uint16_t>(v), 2) + le(static_cast<uint16_t>(v), 2);
  }
  return riff("WAVE", fmtChunk(f) + chunk("data", samples));
}

// One second of music: a quarter note at 60 beats a minute.
inline std::string oneSecondMidi() {
  return midiHeader(0, 1, 480) +
         track(tempo(0, 60) + bytes({0x00, 0xC0, 0x00}) + noteOn(0, 60) + noteOff(480, 60) + endOfTrack(0));
}

inline bool haveFfmpegTool() {
  return std::system("ffmpeg -version >/dev/null 2>&1") == 0;
}

// A one-second film of 64 x 48 at 10 frames a second, red for its first
// half and blue for its second, with a tone as its sound track unless
// silent. Empty when the ffmpeg tool is missing or fails.
inline std::string writeTestFilm(const TempDir& dir, const std::string& name, bool silent = false) {
  const std::string path = dir.file(name);
  const std::string command =
      "ffmpeg -loglevel error -y -f lavfi -i 'color=c=red:s=64x48:r=10:d=0.5' "
      "-f lavfi -i 'color=c=blue:s=64x48:r=10:d=0.5' -f lavfi -i 'sine=frequency=440:sample_rate=22050:d=1' "
      "-filter_complex '[0:v][1:v]concat=n=2:v=1:a=0[v]' -map '[v]' " +
      std::string(silent ? "" : "-map 2:a -c:a pcm_s16le ") + "-c:v mpeg4 -q:v 2 -f avi '" + path +
      "' >/dev/null 2>&1";
  return std::system(command.c_str()) == 0 ? path : std::string();
}

using StillPlatform = ui::NullPlatform;

// A black, captionless panel on a shown form, as the game's video panel is.
struct VideoDesk {
  StillPlatform platform;
  ui::Desktop desktop{platform};
  ui::Form form{desktop, "Form1"};
  ui::Panel panel{&form, "Panel2"};
  game::PanelVideoSurface surface{panel};

  VideoDesk() {
    desktop.setDisplayMode(640, 480);
    form.setBounds(0, 0, 640, 480);
    form.Color = gfx::clBlack;
    panel.setBounds(0, 0, 640, 480);
    panel.Color = gfx::clBlack;
    panel.BevelOuter = ui::Bevel::None;
    panel.Caption.clear();
    form.Show();
  }
  sys::VirtualClock& clock() { return platform.virtualClock; }
  // Moves the clock on in small steps, firing the timers that fall due.
  void advance(int64_t ms) {
    const int64_t end = clock().nowMs() + ms;
    while (clock().nowMs() < end) {
      const int64_t next = std::min(end, desktop.nextTimerDue());
      clock().advanceTo(std::max(next, clock().nowMs() + 1));
      desktop.fireDueTimers();
    }
  }
  gfx::Pixel screenPixel(int x, int y) {
    gfx::Bitmap screen;
    desktop.compose(screen);
    return screen.pixel(x, y);
  }
};

// Colours of decoded video are near, not equal, to what was encoded.
inline bool mostlyRed(gfx::Pixel p) {
  return ((p >> 16) & 0xFF) > 180 && (p & 0xFF) < 80;
}
inline bool mostlyBlue(gfx::Pixel p) {
  return (p & 0xFF) > 180 && ((p >> 16) & 0xFF) < 80;
}

}  // namespace media_test
