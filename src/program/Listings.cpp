#include "program/Listings.h"

#include <cstdio>

#include "app/TextsToMeasure.h"
#include "backend/headless/HeadlessPlatform.h"
#include "core/Game.h"
#include "interaction/SpokenLines.h"

namespace program {

int listSpokenLines() {
  // The data build gives each of these a recording (tools/datagen).
  for (const game::SpokenLine& line : game::builtInSpokenLines()) std::printf("%s\n", line.key().c_str());
  return 0;
}

// The game's windows as they are created, without playing anything.
int listTexts() {
  backend::HeadlessPlatform platform({}, {});
  game::Game game(platform, {});
  game::writeTextsToMeasure(game, stdout);
  return 0;
}

}  // namespace program
