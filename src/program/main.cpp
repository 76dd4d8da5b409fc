// Professor Kroxl: the program. It finds the data root and the program
// directory (see Places.h), changes into the program directory and plays
// there. Without options it opens the game window; with --headless it plays
// a replay without any display or sound device and writes what the game
// looks like at the end.
#include <cstdio>

#include "backend/headless/Soak.h"
#include "program/FrontEnds.h"
#include "program/Listings.h"
#include "program/Options.h"
#include "program/Places.h"

int main(int argc, char** argv) {
  program::Options o;
  if (const int code = program::parseOptions(argc, argv, o)) return code < 0 ? 0 : code;
  if (o.spokenLines) return program::listSpokenLines();
  if (o.listTexts) return program::listTexts();
  if (o.vocabulary) return program::listVocabulary();
  if (o.soak) return backend::runSoak(o.soakOptions);
  program::Places places;
  if (const std::string error = program::enterPlaces(o, places); !error.empty()) {
    std::fprintf(stderr, "kroxl: %s\n", error.c_str());
    return 2;
  }
  return o.headless ? program::runHeadless(o, places) : program::runWindow(o, places);
}
