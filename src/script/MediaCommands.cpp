// Music, sound and video: the media commands of the queue and the runner's
// per-tick watches that notice when a piece has ended.
#include "core/Game.h"
#include "core/RoomNumbers.h"
#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm12.h"
#include "core/TForm3.h"
#include "core/TForm5.h"
#include "script/Commands.h"
#include "script/ScriptError.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game::script {
namespace {

enum WaveSlot { kSpeech = 1, kEffect = 2, kFree = 3, kFailed = 10 };

bool soundOn(TForm1& f1) {
  return f1.game.Form5->CheckBox2.Checked();
}
bool panelMusicOn(TForm1& f1) {
  return f1.game.Form10->CheckBox5.Checked();
}

// Whether a sound file is there to play. A missing one is reported, once for
// a run of the same file where the caller asks; one outside the data root
// always only once.
bool soundThere(TForm1& f1, const std::string& file, bool unlessLast) {
  if (!insideDataRoot(f1, file)) return false;
  if (sys::fileSize(f1.dataPath(file)) >= 1) return true;
  const std::string error = "ERROR! Sound-File not found: \"" + f1.dataPath(file) + "\"!";
  if (unlessLast)
    f1.reportErrorOnce(error);
  else
    f1.reportError(error);
  return false;
}

void openAndPlay(media::MediaPlayer& player, const std::string& path) {
  player.FileName = path;
  player.Open();
  player.Play();
}

}  // namespace

Ending playMusic(TForm1& f1) {
  const std::string file = line(f1, 1);
  media::MediaPlayer& music = *f1.MediaPlayer1;
  if (panelMusicOn(f1)) {
    music.Stop();
    openAndPlay(music, f1.dataPath("\\sound\\music\\toegl.mid"));
    if (insideDataRoot(f1, file) && sys::fileSize(f1.dataPath(file)) >= 1 &&
        f1.game.Form5->CheckBox5.Checked()) {
      store(f1).musi.Caption = file;
      openAndPlay(music, f1.dataPath(file));
      f1.log("start midi file " + file);
      store(f1).Label6.Caption = "MIDI: Playing Music";
    }
  }
  deleteLines(f1, 2);
  return Ending::Check;
}

Ending musicPos(TForm1& f1) {
  const std::string position = line(f1, 1);
  f1.MediaPlayer1->setPosition(toInt(position));
  if (panelMusicOn(f1)) f1.MediaPlayer1->Play();
  f1.log("music pos " + position);
  deleteLines(f1, 2);
  return Ending::Check;
}

Ending stopMidi(TForm1& f1) {
  f1.MediaPlayer1->setPosition(0);
  f1.MediaPlayer1->Stop();
  deleteLines(f1, 1);
  f1.log("stop midi");
  return Ending::Finish;
}

// With speech output off the music is not waited for. Music that does not
// play at all (switched off) would never end, so it is not waited for either.
Ending waitForMidi(TForm1& f1) {
  if (!f1.game.Form5->CheckBox3.Checked() || f1.MediaPlayer1->mode() != media::Mode::Playing)
    deleteLines(f1, 1);
  return Ending::Check;
}

Ending mp3Pos(TForm1& f1) {
  const std::string position = line(f1, 1);
  f1.MediaPlayer2->setPosition(toInt(position));
  f1.MediaPlayer2->Play();
  f1.log("mp3 pos " + position);
  deleteLines(f1, 2);
  return Ending::Check;
}

Ending playWavEffect(TForm1& f1) {
  const std::string file = line(f1, 1);
  media::MediaPlayer& wave = *f1.MediaPlayer2;
  if (!soundThere(f1, file, false)) {
    deleteLines(f1, 2);
    return Ending::Finish;
  }
  if (!soundOn(f1)) {
    deleteLines(f1, 2);
    return Ending::Finish;
  }
  f1.log("play wav effect " + file);
  // An effect never interrupts speech.
  if (wave.Tag < kEffect) {
    deleteLines(f1, 2);
    return Ending::Finish;
  }
  wave.Tag = kEffect;
  openAndPlay(wave, f1.dataPath(file));
  store(f1).Label11.Caption = "Sound stop";
  store(f1).Label7.Caption = "WAV: Play effect";
  deleteLines(f1, 2);
  queue(f1).insert(0, "wait for sound");
  return Ending::Check;
}

Ending playWavSpeech(TForm1& f1) {
  const std::string file = line(f1, 1);
  if (soundOn(f1)) {
    f1.log("play wav speech " + file);
    if (soundThere(f1, file, true)) {
      store(f1).Label7.Caption = "WAV: Play Speech";
      f1.MediaPlayer2->Tag = kSpeech;
      openAndPlay(*f1.MediaPlayer2, f1.dataPath(file));
    }
  }
  deleteLines(f1, 2);
  if (store(f1).inMode(Mode::Dialog)) queue(f1).insert(0, "wait for talk");
  return Ending::Check;
}

Ending playWavBackground(TForm1& f1) {
  const std::string file = line(f1, 1);
  if (!soundOn(f1)) {
    deleteLines(f1, 2);
    return Ending::Check;
  }
  if (!soundThere(f1, file, true)) {
    deleteLines(f1, 2);
    if (store(f1).inMode(Mode::Dialog)) queue(f1).insert(0, "wait for talk");
    return Ending::Check;
  }
  f1.log("play wav background " + file);
  // During speech or an effect the background sound does not start.
  if (f1.MediaPlayer2->Tag == kFree) {
    openAndPlay(*f1.MediaPlayer2, f1.dataPath(file));
    f1.MediaPlayer2->Tag = kFree;
    store(f1).Label7.Caption = "WAV: Play wav background";
  }
  deleteLines(f1, 2);
  return Ending::Check;
}

// Jumping to the end lets the wave-end watch clear everything. If the device
// refuses, sound is switched off; the command is removed all the same, so the
// queue does not stall on it.
Ending stopWavBackground(TForm1& f1) {
  try {
    f1.MediaPlayer2->setPosition(f1.MediaPlayer2->Length());
  } catch (const media::MediaError&) {
    f1.MediaPlayer2->Tag = kFailed;
    f1.game.Form5->CheckBox2.setChecked(false);
    f1.game.Form5->CheckBox2.Enabled = false;
  }
  deleteLines(f1, 1);
  return Ending::Check;
}

Ending playVideo(TForm1& f1) {
  const std::string file = line(f1, 1);
  if (!insideDataRoot(f1, file)) {
    deleteLines(f1, 2);
    return Ending::Check;
  }
  f1.game.desktop.setCursorPos(600, 600);
  // First the video room is built with the protagonist out of sight; then
  // the command comes round again.
  if (f1.currentRoom() != kRoomVideo) {
    const std::string lines[] = {"0",      "0",       "\\movies\\cls.bmp",        "bitmap",
                                 "-30000", "jump to", std::to_string(kRoomVideo), "goto room"};
    for (const std::string& l : lines) queue(f1).insert(0, l);
    return Ending::Check;
  }
  ui::Panel& panel = f1.Panel2;
  const bool fullScreen =
      file == "\\movies\\nembrik.avi" || file == "\\movies\\archiv.mpg" || file == "\\movies\\hubert.avi";
  panel.setBounds(0, fullScreen ? 0 : 40, 800, 500);
  if (file == "\\movies\\nembrik.avi") {
    panel.Left = 160;
    panel.Top = 120;
  }
  if (file == "\\movies\\01.avi" || file == "\\movies\\taube.avi") {
    panel.Left = 160;
    panel.Top = 130;
  }
  f1.MediaPlayer1->Stop();
  f1.MediaPlayer2->Stop();
  openAndPlay(*f1.MediaPlayer3, f1.dataPath(file));
  deleteLines(f1, 2);
  queue(f1).insert(0, "wait for video");
  return Ending::Finish;
}

Ending waitForVideo(TForm1& f1) {
  f1.game.desktop.setCursorPos(6000, 6000);
  return Ending::Check;
}

void soundCheck(TForm1& f1) {
  media::MediaPlayer& wave = *f1.MediaPlayer2;
  if (line(f1, 0) != "wait for sound" || wave.Position() <= wave.Length() - 10) return;
  f1.game.Form12->Hide();
  deleteLines(f1, 1);
  wave.Rewind();
  wave.Stop();
  f1.log("cleared by erledigung");
}

void videoWatch(TForm1& f1) {
  media::MediaPlayer& video = *f1.MediaPlayer3;
  if (line(f1, 0) != "wait for video" || video.Position() != video.Length()) return;
  f1.log("played video");
  video.setPosition(0);
  deleteLines(f1, 1);
  f1.Panel2.Top = 500;
  f1.game.desktop.setCursorPos(320, 240);
}

// Music loops for ever: at its end it starts again.
void musicWatch(TForm1& f1) {
  TForm2& f2 = store(f1);
  media::MediaPlayer& music = *f1.MediaPlayer1;
  const int64_t position = music.Position(), length = music.Length();
  f2.TrackBar1.Width = static_cast<int>(length);
  f2.TrackBar1.Tag = static_cast<int>(position);
  if (f2.Label6.Caption == "MIDI: nothing") return;
  f2.Label8.Caption = "Position: " + std::to_string(position) + " Length: " + std::to_string(length);
  if (position != length) return;
  if (line(f1, 0) == "wait for midi") deleteLines(f1, 1);
  f1.log("restart midi-music");
  music.setPosition(f2.musi.Caption == "\\sound\\music\\bastelraum.mid" ? 8 : 0);
  music.Play();
}

void waveWatch(TForm1& f1) {
  TForm2& f2 = store(f1);
  media::MediaPlayer& wave = *f1.MediaPlayer2;
  if (wave.Position() == wave.Length()) {
    f1.game.Form12->Hide();
    wave.setPosition(0);
    wave.Stop();
    wave.Tag = kFree;
    if (line(f1, 0) == "wait for talk") deleteLines(f1, 1);
    if (line(f1, 0) == "wait for sound") deleteLines(f1, 1);
    f1.say.Caption = " ";
    f1.setSayCountdown(-9999);
    f1.game.Form3->speechFlag() = 0;
    f1.log("cleared by wav");
  }
  const int64_t position = wave.Position(), length = wave.Length();
  f2.TrackBar2.Width = static_cast<int>(length);
  f2.TrackBar2.Tag = static_cast<int>(position);
  if (position > 10) f1.game.Form5->CheckBox2.Enabled = true;
  f2.label9.Caption = "Position: " + std::to_string(position) + " Length: " + std::to_string(length) +
                      " tag: " + std::to_string(wave.Tag);
}

bool endSpokenLine(TForm1& f1) {
  if (!store(f1).inMode(Mode::Script) && !store(f1).inMode(Mode::Dialog)) return false;
  const std::string& caption = f1.say.Caption;
  if (caption.empty() || caption == " " || f1.sayCountdown() <= 0) return false;
  int& speechFlag = f1.game.Form3->speechFlag();
  media::MediaPlayer& wave = *f1.MediaPlayer2;
  if (speechFlag == -1 && wave.Tag == kSpeech && wave.mode() == media::Mode::Playing) {
    // The wave-end watch clears the line and what waits for it.
    wave.setPosition(wave.Length());
    return true;
  }
  if (line(f1, 0) == "play wav speech") {
    queue(f1).set(0, "hugo");
    queue(f1).set(1, "hugo");
  }
  speechFlag = 0;
  f1.setSayCountdown(1);
  return true;
}

}  // namespace game::script
