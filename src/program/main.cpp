// Professor Kroxl: the program. It plays in the current directory, which is
// the data root and the program directory. Without options it opens the game
// window; with --headless it plays a replay without any display or sound
// device and writes what the game looks like at the end.
#include "backend/headless/Soak.h"
#include "program/FrontEnds.h"
#include "program/Listings.h"
#include "program/Options.h"

int main(int argc, char** argv) {
  program::Options o;
  if (const int code = program::parseOptions(argc, argv, o)) return code < 0 ? 0 : code;
  if (o.spokenLines) return program::listSpokenLines();
  if (o.listTexts) return program::listTexts();
  if (o.vocabulary) return program::listVocabulary();
  if (o.soak) return backend::runSoak(o.soakOptions);
  return o.headless ? program::runHeadless(o) : program::runWindow(o);
}
