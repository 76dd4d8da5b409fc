// The options bootstrap: a missing or empty options file is replaced by the
// default one before anything else of the start-up runs.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm5.h"
#include "persist/Options.h"
#include "sys/DataPath.h"

namespace game {

void TForm1::NToptionClick() {
  const std::string dir = sys::currentDirectory();
  if (sys::fileSize(dir + "/optionsNT.pre") >= 1) return;
  OptionValues values;
  values.speed = game.Form10->TrackBar1.Position();
  sys::TextList& options = game.Form5->Memo2.Lines;
  options.assign(optionsFileLines(values));
  if (!options.saveToFile(dir + "/optionsNT.pre").ok())
    reportFatal(std::string("(!) Error: OptionsNT.pre could not be generated. Contact ") + kSupportAddress +
                " for details.");
}

}  // namespace game
