// The main window's keys: Enter skips a scene, Escape opens and closes the
// in-game menu, and a few keys serve the developer.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "core/TForm8.h"
#include "interaction/ClickDispatcher.h"
#include "script/Commands.h"
#include "state/TForm2.h"

namespace game {
namespace {

bool developerMode(const TForm1& f1) {
  return f1.game.Form5->player.Caption == "developer";
}

// Turns lines [i, i + count) into "hugo", which the runner drops unseen.
void drop(sys::TextList& queue, int i, int count) {
  for (int k = 0; k < count; ++k) queue.set(i + k, "hugo");
}

// Skips the running sequence in place: waits, effects, videos and spoken
// lines vanish and walks become jumps, while everything that changes the
// story (room changes, state changes, music) stays and runs at once.
void skipSequence(sys::TextList& queue) {
  const int count = queue.Count();
  for (int i = 0; i <= count; ++i) {
    if (queue.get(i) == "wait for wait") drop(queue, i, 1);
    if (queue.get(i) == "wait") drop(queue, i, 2);
    if (queue.get(i) == "walking to") queue.set(i, "jump to");
    if (queue.get(i) == "play wav effect") drop(queue, i, 2);
    if (queue.get(i) == "play video") drop(queue, i, 2);
    if (queue.get(i) == "wait for talk") drop(queue, i, 1);
    if (queue.get(i) == "say") drop(queue, i, 3);
  }
}

void enterKey(TForm1& f1) {
  sys::TextList& queue = f1.game.Form2->Memo1;
  if (queue.get(0) == "inkey") {
    queue.remove(0);
    return;
  }
  skipSequence(queue);
}

// Puts the video player just before its end, so the running film ends at once.
void endVideo(TForm1& f1) {
  media::MediaPlayer& video = *f1.MediaPlayer3;
  if (video.mode() == media::Mode::NotOpen) return;
  video.setPosition(video.Length() - 1);
  video.Play();
}

void escapeKey(TForm1& f1) {
  TForm2& f2 = *f1.game.Form2;
  if (f2.Memo1.get(0) == "wait for video") endVideo(f1);
  // At the desk Escape stands up instead of opening the menu.
  if (f2.Label2.Caption == "Schreibtisch" && f2.pause.Tag == 0) {
    loadScript(f1, "\\source\\scripts\\comeback.smx");
    return;
  }
  if (f2.inMode(Mode::Normal))
    f1.openMenu();
  else if (f2.inMode(Mode::Menu))
    f1.closeMenu();
}

void showProtocol(TForm1& f1) {
  TForm3& protocol = *f1.game.Form3;
  protocol.Left = f1.game.desktop.screenWidth() - protocol.Width;
  protocol.Memo1.Lines.assign(f1.game.Form2->Memo2.lines());
  protocol.Show();
}

void toggleStoreView(TForm1& f1) {
  TForm2& f2 = *f1.game.Form2;
  f2.black.setBounds(0, 0, 4000, 4000);
  f2.showDeveloperView(f2.black.Visible);
}

void showCommandLine(TForm1& f1) {
  TForm8& commandLine = *f1.game.Form8;
  commandLine.Show();
  commandLine.Memo1.Lines.clear();
}

}  // namespace

void TForm1::FormKeyDown(int& key) {
  const bool developer = developerMode(*this);
  if (developer && key == 'G') Runner.setEnabled(false);
  if (developer && key == 'H') Runner.setEnabled(true);
  if (key == ui::vk::Return) enterKey(*this);
  // The full stop ends the spoken line of a scene, as a left click does.
  if (key == ui::vk::OemPeriod) script::endSpokenLine(*this);
  if (key == ui::vk::Escape) escapeKey(*this);
  if (!developer) return;
  switch (key) {
    case 'A':
      showProtocol(*this);
      break;
    case 'B':
      toggleStoreView(*this);
      break;
    case 'C':
      game.Form5->Show();
      break;
    case 'F':
      showCommandLine(*this);
      break;
    default:
      break;
  }
}

}  // namespace game
