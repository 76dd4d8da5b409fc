#include "program/FrontEnds.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/StateDump.h"
#include "backend/headless/HeadlessPlatform.h"
#include "backend/sdl/SdlPlatform.h"
#include "core/Game.h"
#include "gfx/Bmp.h"
#include "media/RealPlayers.h"
#include "state/TForm2.h"

namespace program {
namespace {

void dumpTo(game::Game& game, const std::string& dir) {
  if (const sys::Result<void> written = game::writeDump(game, dir); !written)
    std::fprintf(stderr, "kroxl: cannot write the dump: %s\n", written.error().message.c_str());
}

}  // namespace

int runHeadless(const Options& o, const Places& places) {
  sys::Result<backend::ReplayScript> loaded = backend::loadReplay(o.replay);
  if (!loaded) {
    std::fprintf(stderr, "kroxl: replay %s: %s\n", o.replay.c_str(), loaded.error().message.c_str());
    return 2;
  }
  backend::ReplayScript script = std::move(loaded).value();
  // A recorded session brings the seed and display it started with; the
  // command line's options win.
  ui::DisplayInfo display = o.display;
  if (!o.displayGiven && script.displayWidth) {
    display.width = *script.displayWidth;
    display.height = *script.displayHeight;
  }
  if (!o.depthGiven && script.depth) display.bitsPerPixel = *script.depth;
  game::GameSetup setup;
  setup.seed = o.seedGiven ? o.seed : script.seed.value_or(o.seed);
  backend::HeadlessPlatform platform(std::move(script), display);
  platform.noOpener = o.noOpener;
  setup.dataRoot = places.dataRoot;
  setup.dataRootGiven = places.dataGiven;
  game::Game game(platform, setup);
  auto dump = [&] {
    if (o.dump.empty()) return;
    dumpTo(game, o.dump);
  };
  platform.onFinish = dump;
  platform.isIdle = [&] { return game.Form2->Memo1.empty() && game.Form2->inMode(game::Mode::Normal); };
  platform.onScreenshot = [&](const std::string& name) {
    gfx::Bitmap screen;
    game.desktop.compose(screen);
    const std::string dir = o.dump.empty() ? "." : o.dump;
    std::filesystem::create_directories(dir);
    if (auto r = gfx::saveBmp(dir + "/" + name, screen); !r.ok())
      std::fprintf(stderr, "kroxl: cannot write a screenshot: %s\n", r.error().message.c_str());
  };
  game.run();
  // The game may have ended before the replay did.
  if (!platform.finished()) dump();
  return 0;
}

int runWindow(const Options& o, const Places& places) {
  backend::SdlPlatform platform;
  if (!platform.ok()) {
    std::fprintf(stderr, "kroxl: %s\n", platform.error().c_str());
    return 1;
  }
  if (!o.record.empty()) {
    if (const std::string error = platform.startRecording(o.record); !error.empty()) {
      std::fprintf(stderr, "kroxl: --record: %s\n", error.c_str());
      return 2;
    }
  }
  platform.screenshotDir = places.userDir + "/screenshots";
  if (o.windowMode != Options::WindowMode::AsBefore)
    platform.setFullScreen(o.windowMode == Options::WindowMode::FullScreen);
  // Real sound and video; a machine without a sound device plays silent.
  media::RealPlayers players(platform.clock());
  if (!players.warning().empty()) std::fprintf(stderr, "kroxl: %s\n", players.warning().c_str());
  auto makePlayer = [&players](game::PlayerKind kind) {
    switch (kind) {
      case game::PlayerKind::Midi:
        return players.music();
      case game::PlayerKind::Wave:
        return players.wave();
      case game::PlayerKind::Video:
        break;
    }
    return players.video();
  };
  game::GameSetup setup;
  setup.seed = o.seedGiven ? o.seed : static_cast<uint32_t>(sys::SteadyClock().nowMs());
  setup.makePlayer = makePlayer;
  if (backend::Recorder* recorder = platform.recorder()) recorder->settings(setup.seed, platform.display());
  setup.dataRoot = places.dataRoot;
  setup.dataRootGiven = places.dataGiven;
  game::Game game(platform, setup);
  // With --dump the window leaves the state it ended in, as a replay does: a
  // recording's replay can be checked against it.
  bool dumped = false;
  auto dump = [&] {
    if (o.dump.empty() || dumped) return;
    dumped = true;
    dumpTo(game, o.dump);
  };
  platform.onQuit = dump;
  game.run();
  dump();
  return 0;
}

}  // namespace program
