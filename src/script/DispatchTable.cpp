// The runner recognises the queue's first line by exact text, in this fixed
// order; the first match handles it. The order matters: "inventar sub" and
// "exit" let the following tests look at the new first line in the same tick.
#include <cassert>

#include "core/TForm1.h"
#include "script/Commands.h"
#include "script/Vocabulary.h"
#include "state/TForm2.h"

namespace game::script {
namespace {

using enum Operand;
using enum Ends;

// clang-format off
constexpr CommandRow kTable[] = {
    // keyword               operand lines              ends           handler
    {"walking to",           {Number},                  Check,         walkingTo},
    {"wait for franz",       {},                        Check,         waitForFranz},
    {"show map",             {},                        Check,         showMap},
    {"hugo",                 {},                        Check,         removeOnly},
    {"wait for zweistein",   {},                        Check,         removeOnly},
    {"wahl",                 {},                        Finish,        wahl},
    {"wahl sound",           {},                        Finish,        wahlSound},
    {"inventar add",         {Text},                    Check,         inventarAdd},
    {"inventar sub",         {Text},                    Next,          inventarSub},
    {"change",               {SubCommand},              Check,         change},
    {"inkey",                {},                        Check,         stays},
    {"invisible",            {},                        Check,         invisible},
    {"wait for midi",        {},                        Check,         waitForMidi},
    {"activate",             {},                        Check,         activate},
    {"play video",           {File},                    CheckOrFinish, playVideo},
    {"stop midi",            {},                        Finish,        stopMidi},
    {"bitmap",               {File, Number, Number},    Check,         bitmap},
    {"new bitmap",           {File, Number, Number},    Check,         newBitmap},
    {"",                     {},                        Check,         stays},
    {" ",                    {},                        Check,         stays},
    {"mp3 pos",              {Number},                  Check,         mp3Pos},
    {"music pos",            {Number},                  Check,         musicPos},
    {"look right",           {},                        Check,         lookRight},
    {"look left",            {},                        Check,         lookLeft},
    {"look behind",          {},                        Check,         lookBehind},
    {"execute script",       {File},                    Finish,        executeScript},
    {"open dialog",          {},                        Check,         openDialog},
    {"end dialog",           {},                        Finish,        endDialog},
    {"exit",                 {},                        Next,          exitGame},
    {"play music",           {File},                    Check,         playMusic},
    {"wait",                 {Number},                  Check,         wait},
    {"say",                  {Text, Text},              Finish,        say},
    {"jump to",              {Number},                  Check,         jumpTo},
    {"goto room",            {Number},                  Finish,        gotoRoom},
    {"play wav effect",      {File},                    CheckOrFinish, playWavEffect},
    {"play wav speech",      {File},                    Check,         playWavSpeech},
    {"stop wav background",  {},                        Check,         stopWavBackground},
    {"play wav background",  {File},                    Check,         playWavBackground},
    {"wait for wait",        {},                        Check,         stays},
    {"wait for talk",        {},                        Check,         stays},
    {"wait for video",       {},                        Check,         waitForVideo},
    {"wait for sound",       {},                        Check,         stays},
    {"wait for stop",        {},                        CheckOrFinish, waitForStop},
    {"work",                 {},                        Check,         removeOnly},
    {"#",                    {},                        Check,         stays},
};
// clang-format on

bool isKeyword(const std::string& line) {
  for (const CommandRow& row : kTable)
    if (line == row.keyword) return true;
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

bool allows(Ends ends, Ending ending) {
  switch (ends) {
    case Ends::Check:
      return ending == Ending::Check;
    case Ends::Finish:
      return ending == Ending::Finish;
    case Ends::Next:
      return ending == Ending::Next;
    case Ends::CheckOrFinish:
      return ending != Ending::Next;
  }
  return false;
}

int CommandRow::operandCount() const {
  int n = 0;
  while (n < static_cast<int>(operands.size()) && operands[static_cast<size_t>(n)] != Operand::None) ++n;
  return n;
}

std::span<const CommandRow> commandTable() {
  return kTable;
}

Ending dispatch(TForm1& f1) {
  Ending ending = Ending::Check;
  for (const CommandRow& row : kTable) {
    if (line(f1, 0) != row.keyword) continue;
    ending = row.run(f1);
    assert(allows(row.ends, ending) && "the command table names another ending");
    if (ending != Ending::Next) return ending;
  }
  // A line that is no command at all. (A known command that the tests after
  // a "next" no longer reach waits for the next tick.)
  if (!isKeyword(line(f1, 0))) return unrecognised(f1);
  return Ending::Check;
}

}  // namespace game::script
