// The replay parser of the headless front end on any text: a replay either
// parses into actions in line order or names the line it cannot use.
#include <cstdint>
#include <string>

#include "backend/headless/Replay.h"
#include "support/Require.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const sys::Result<backend::ReplayScript> script =
      backend::parseReplay(std::string(reinterpret_cast<const char*>(data), size));
  if (!script.ok()) {
    fuzzsupport::require(script.error().message.rfind("line ", 0) == 0, "a refusal names its line");
    return 0;
  }
  int line = 0;
  for (const backend::ReplayAction& a : script->actions) {
    fuzzsupport::require(a.lineNumber > line, "actions come in line order, one a line");
    line = a.lineNumber;
    if (a.kind == backend::ReplayAction::Kind::Key)
      fuzzsupport::require(a.key != 0, "a key action names a known key");
  }
  return 0;
}
