#include "core/Game.h"
#include "core/TForm1.h"
#include "script/Commands.h"
#include "script/ScriptError.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game::script {

TForm2& store(TForm1& f1) {
  return *f1.game.Form2;
}

sys::TextList& queue(TForm1& f1) {
  return f1.game.Form2->Memo1;
}

std::string line(TForm1& f1, int index) {
  return queue(f1).get(index);
}

void deleteLines(TForm1& f1, int n) {
  for (int i = 0; i < n; ++i) queue(f1).remove(0);
}

bool insideDataRoot(TForm1& f1, const std::string& name) {
  if (sys::staysInside(name)) return true;
  f1.reportErrorOnce("ERROR! File outside the data directory: \"" + name + "\"!");
  return false;
}

void loadScript(TForm1& f1, const std::string& relativePath) {
  const std::string path = f1.dataPath(relativePath);
  sys::TextList lines;
  if (auto r = lines.loadFromFile(sys::resolvePath(path)); !r.ok())
    throw ScriptError("cannot read the script " + path + ": " + r.error().message);
  queue(f1).assign(lines.lines());
}

}  // namespace game::script
