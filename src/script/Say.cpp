// "say": a spoken line in the speaker's colour, voiced when the voice
// database has a recording of exactly this line.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "script/Commands.h"
#include "state/TForm2.h"
#include "sys/Cp1252.h"

namespace game::script {
namespace {

// Looks the line up in the voice table; a hit queues its recording right
// after this command. Lines without a recording are collected for the
// developer, each once.
void lookUpVoice(TForm1& f1, const std::string& key, int& speechFlag) {
  TForm3& f3 = *f1.game.Form3;
  const int rows = f3.voiceRows();
  for (int i = 0; i <= rows; ++i) {
    if (f3.StringGrid1.Cells.get(0, i) != key) continue;
    queue(f1).insert(3, "\\sound\\samples\\deutsch" + f3.StringGrid1.Cells.get(2, i));
    queue(f1).insert(3, "play wav speech");
    speechFlag = -1;
    if (!f1.game.Form5->CheckBox4.Checked()) f1.say.Font.Color = gfx::clBlack;
  }
  if (speechFlag != -1 && f3.Memo3.Lines.indexOf(key) < 0) f3.Memo3.Lines.add(key);
}

}  // namespace

Ending say(TForm1& f1) {
  TForm2& f2 = store(f1);
  int& speechFlag = f1.game.Form3->speechFlag();
  const std::string speaker = line(f1, 1);
  const std::string text = line(f1, 2);
  const std::string caption = speaker + ": \"" + text + "\"";

  f2.talking.Caption = "talking: " + speaker;
  speechFlag = 0;
  f1.styleSpokenLine(speaker);
  if (f1.game.Form5->CheckBox3.Checked()) lookUpVoice(f1, caption, speechFlag);
  f1.say.Caption = caption;
  f1.setSayCountdown(sys::utf8Length(text) + 10 + (speaker == "HINWEIS" ? 100 : 0));
  f1.log(speaker + " says \"" + text + "\"");
  deleteLines(f1, 3);
  if (speechFlag == -1) f1.setSayCountdown(30000);
  if (f2.inMode(Mode::Dialog) && speechFlag == 0) queue(f1).insert(0, "wait for talk");
  return Ending::Finish;
}

}  // namespace game::script
