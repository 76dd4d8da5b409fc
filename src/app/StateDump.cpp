#include "app/StateDump.h"

#include <sys/stat.h>

#include <sstream>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm11.h"
#include "core/TForm13.h"
#include "core/TForm5.h"
#include "gfx/Bmp.h"
#include "state/TForm2.h"
#include "sys/FileIo.h"

namespace game {
namespace {

// Line breaks inside a value would break the one-value-per-line format.
std::string escaped(const std::string& value) {
  std::string out;
  for (char c : value) {
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

const char* boolText(bool b) {
  return b ? "true" : "false";
}

void dumpSlot(std::ostream& out, const std::string& name, const Slot& s) {
  out << name << ".Tag=" << s.Tag << "\n";
  out << name << ".Left=" << s.Left << "\n";
  out << name << ".Top=" << s.Top << "\n";
  out << name << ".Width=" << s.Width << "\n";
  out << name << ".Caption=" << escaped(s.Caption) << "\n";
  out << name << ".Hint=" << escaped(s.Hint) << "\n";
  out << name << ".Color=" << s.Color << "\n";
  out << name << ".ShowHint=" << boolText(s.ShowHint) << "\n";
}

void dumpControl(std::ostream& out, const ui::Control& c) {
  const std::string p = "control." + c.Name + ".";
  out << p << "Left=" << c.Left << "\n";
  out << p << "Top=" << c.Top << "\n";
  out << p << "Width=" << c.Width << "\n";
  out << p << "Height=" << c.Height << "\n";
  out << p << "Tag=" << c.Tag << "\n";
  out << p << "Caption=" << escaped(c.Caption) << "\n";
  out << p << "Hint=" << escaped(c.Hint) << "\n";
  out << p << "Visible=" << boolText(c.Visible) << "\n";
  out << p << "Enabled=" << boolText(c.Enabled) << "\n";
  out << p << "Color=" << c.Color << "\n";
  out << p << "Font.Color=" << c.Font.Color << "\n";
  out << p << "Font.Style=" << (c.Font.Bold ? "[fsBold]" : "[]") << "\n";
  out << p << "Cursor=" << c.Cursor << "\n";
}

void dumpTimer(std::ostream& out, const ui::Timer& t) {
  const std::string p = "control." + t.Name + ".";
  out << p << "Tag=" << t.Tag << "\n";
  out << p << "Enabled=" << boolText(t.Enabled()) << "\n";
  out << p << "Interval=" << t.Interval() << "\n";
}

void dumpList(std::ostream& out, const std::string& name, const sys::TextList& list) {
  out << "list " << name << " " << list.Count() << "\n";
  for (const auto& line : list.lines()) out << escaped(line) << "\n";
}

}  // namespace

std::string stateDump(Game& game) {
  std::ostringstream out;
  TForm1& f1 = *game.Form1;
  TForm2& f2 = *game.Form2;
  out << "room=" << f1.build.Tag << "\n";
  for (const auto& [name, slot] : f2.slots()) dumpSlot(out, name, *slot);
  for (const ui::Control* c : std::initializer_list<const ui::Control*>{
           &f1.Object1, &f1.object2, &f1.object3, &f1.object4, &f1.object5, &f1.object6, &f1.block, &f1.say,
           &f1.helpline, &f1.schirm, &f1.zone, &f1.cd, &f1.cd2})
    dumpControl(out, *c);
  dumpTimer(out, f1.Runner);
  dumpTimer(out, f1.build);
  out << "clickCountdown=" << f1.clickCountdown << "\n";
  out << "scriptWalkTarget=" << f1.scriptWalkTarget << "\n";
  dumpList(out, "Memo1", f2.Memo1);
  dumpList(out, "Memo2", f2.Memo2);
  dumpList(out, "Memo4", f2.Memo4);
  out << "Memo4.Tag=" << f2.Memo4.Tag << "\n";
  dumpList(out, "Memo5", f2.Memo5);
  dumpList(out, "inventar", f2.inventar);
  out << "inventar.Tag=" << f2.inventar.Tag << "\n";
  dumpList(out, "franzinventar", f2.franzinventar);
  dumpList(out, "liste", game.Form13->liste);
  dumpList(out, "errors", game.Form5->Memo1.Lines);
  dumpList(out, "fatal", game.Form11->Memo1.Lines);
  dumpList(out, "options", game.Form5->Memo2.Lines);
  return out.str();
}

sys::Result<void> writeDump(Game& game, const std::string& dir) {
  ::mkdir(dir.c_str(), 0777);
  if (sys::Result<void> r = sys::writeFileAtomic(dir + "/state.txt", stateDump(game)); !r) return r;
  gfx::Bitmap screen;
  game.desktop.compose(screen);
  return sys::writeFileAtomic(dir + "/screen.bmp", gfx::encodeBmp(screen));
}

}  // namespace game
