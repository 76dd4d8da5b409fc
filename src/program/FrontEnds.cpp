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

int runHeadless(const Options& o) {
  sys::Result<backend::ReplayScript> script = backend::loadReplay(o.replay);
  if (!script) {
    std::fprintf(stderr, "kroxl: replay %s: %s\n", o.replay.c_str(), script.error().message.c_str());
    return 2;
  }
  backend::HeadlessPlatform platform(std::move(script).value(), o.display);
  platform.noOpener = o.noOpener;
  game::GameSetup setup;
  setup.seed = o.seed;
  game::Game game(platform, setup);
  auto dump = [&] {
    if (o.dump.empty()) return;
    if (const sys::Result<void> written = game::writeDump(game, o.dump); !written)
      std::fprintf(stderr, "kroxl: cannot write the dump: %s\n", written.error().message.c_str());
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

int runWindow(const Options& o) {
  backend::SdlPlatform platform;
  if (!platform.ok()) {
    std::fprintf(stderr, "kroxl: %s\n", platform.error().c_str());
    return 1;
  }
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
  game::Game game(platform,
                  {o.seedGiven ? o.seed : static_cast<uint32_t>(platform.clock().nowMs()), makePlayer, {}});
  game.run();
  return 0;
}

}  // namespace program
