// The runner recognises the queue's first line by exact text, in this fixed
// order; the first match handles it. The order matters: "inventar sub" and
// "exit" let the following tests look at the new first line in the same tick.
#include <array>

#include "core/TForm1.h"
#include "script/Commands.h"
#include "state/TForm2.h"

namespace game::script {
namespace {

struct Entry {
  const char* keyword;
  Command command;
};

const std::array<Entry, 45> kTable = {{
    {"walking to", walkingTo},
    {"wait for franz", waitForFranz},
    {"show map", showMap},
    {"hugo", removeOnly},
    {"wait for zweistein", removeOnly},
    {"wahl", wahl},
    {"wahl sound", wahlSound},
    {"inventar add", inventarAdd},
    {"inventar sub", inventarSub},
    {"change", change},
    {"inkey", stays},
    {"invisible", invisible},
    {"wait for midi", waitForMidi},
    {"activate", activate},
    {"play video", playVideo},
    {"stop midi", stopMidi},
    {"bitmap", bitmap},
    {"new bitmap", newBitmap},
    {"", stays},
    {" ", stays},
    {"mp3 pos", mp3Pos},
    {"music pos", musicPos},
    {"look right", lookRight},
    {"look left", lookLeft},
    {"look behind", lookBehind},
    {"execute script", executeScript},
    {"open dialog", openDialog},
    {"end dialog", endDialog},
    {"exit", exitGame},
    {"play music", playMusic},
    {"wait", wait},
    {"say", say},
    {"jump to", jumpTo},
    {"goto room", gotoRoom},
    {"play wav effect", playWavEffect},
    {"play wav speech", playWavSpeech},
    {"stop wav background", stopWavBackground},
    {"play wav background", playWavBackground},
    {"wait for wait", stays},
    {"wait for talk", stays},
    {"wait for video", waitForVideo},
    {"wait for sound", stays},
    {"wait for stop", waitForStop},
    {"work", removeOnly},
    {"#", stays},
}};

bool isKeyword(const std::string& line) {
  for (const Entry& e : kTable)
    if (line == e.keyword) return true;
  return false;
}

// Any other line: logged, listed as an error with the protocol's length, and
// removed.
Ending unrecognised(TForm1& f1) {
  const std::string l = line(f1, 0);
  f1.log(" + ERROR: Scripterror: \"" + l + "\"");
  f1.reportError("ERROR! Unkown Command: \"" + l + "\" [" + std::to_string(store(f1).Memo2.Count()) + "]");
  deleteLines(f1, 1);
  return Ending::Check;
}

}  // namespace

Ending dispatch(TForm1& f1) {
  Ending ending = Ending::Check;
  for (const Entry& e : kTable) {
    if (line(f1, 0) != e.keyword) continue;
    ending = e.command(f1);
    if (ending != Ending::Next) return ending;
  }
  // A line that is no command at all. (A known command that the tests after
  // a "next" no longer reach waits for the next tick.)
  if (!isKeyword(line(f1, 0))) return unrecognised(f1);
  return Ending::Check;
}

}  // namespace game::script
