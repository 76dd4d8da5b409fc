#pragma once
#include <string>

#include "sys/TextList.h"

namespace game {

class TForm1;
class TForm2;

// The command queue's commands, as the runner carries them out. Each command
// consumes its line and its operands (the lines after it) and says how the
// tick goes on.
namespace script {

enum class Ending {
  Check,   // go on with the sound check
  Finish,  // skip to the end of the tick
  Next     // the following tests of the table look at the new first line
};

using Command = Ending (*)(TForm1&);

TForm2& store(TForm1& f1);

// The queue and its lines; a line past the end reads as empty.
sys::TextList& queue(TForm1& f1);
std::string line(TForm1& f1, int index);
// Deletes the first line n times.
void deleteLines(TForm1& f1, int n);
// Whether a file name from the queue stays inside the data root. A name
// that climbs out of it ("\..\..\etc\passwd") is a line in the error list
// (once for a run of the same name) and its command is skipped.
bool insideDataRoot(TForm1& f1, const std::string& name);
// Replaces the whole queue by a script file of the data root. A file that
// cannot be read raises ScriptError.
void loadScript(TForm1& f1, const std::string& relativePath);

// Recognises line 0 and carries it out by the dispatch table.
Ending dispatch(TForm1& f1);

// Walking and looking.
Ending walkingTo(TForm1& f1);
Ending waitForStop(TForm1& f1);
Ending jumpTo(TForm1& f1);
Ending lookRight(TForm1& f1);
Ending lookLeft(TForm1& f1);
Ending lookBehind(TForm1& f1);
Ending invisible(TForm1& f1);

// Waiting and control.
Ending wait(TForm1& f1);
Ending waitForFranz(TForm1& f1);
Ending removeOnly(TForm1& f1);  // "hugo", "wait for zweistein", "work"
Ending stays(TForm1& f1);       // waits for someone else to remove it
Ending exitGame(TForm1& f1);
Ending executeScript(TForm1& f1);
Ending gotoRoom(TForm1& f1);
Ending activate(TForm1& f1);
Ending bitmap(TForm1& f1);
Ending newBitmap(TForm1& f1);
Ending showMap(TForm1& f1);
Ending wahl(TForm1& f1);
Ending wahlSound(TForm1& f1);
Ending inventarAdd(TForm1& f1);
Ending inventarSub(TForm1& f1);
Ending openDialog(TForm1& f1);
Ending endDialog(TForm1& f1);
Ending say(TForm1& f1);
Ending change(TForm1& f1);

// Music, sound and video.
Ending playMusic(TForm1& f1);
Ending musicPos(TForm1& f1);
Ending stopMidi(TForm1& f1);
Ending waitForMidi(TForm1& f1);
Ending mp3Pos(TForm1& f1);
Ending playWavEffect(TForm1& f1);
Ending playWavSpeech(TForm1& f1);
Ending playWavBackground(TForm1& f1);
Ending stopWavBackground(TForm1& f1);
Ending playVideo(TForm1& f1);
Ending waitForVideo(TForm1& f1);

// The runner's per-tick parts outside the dispatch.
void walkAndDraw(TForm1& f1);  // walk step, frames, face, arrival
void drawEyes(TForm1& f1);
void soundCheck(TForm1& f1);  // an early end of "wait for sound"
void videoWatch(TForm1& f1);
void musicWatch(TForm1& f1);
void waveWatch(TForm1& f1);

// Ends the spoken line of a running scene or conversation early: a shown
// line expires on the next tick, a voiced one jumps to the end of its
// recording (or loses the recording still queued for it). In normal play
// and in the menu nothing happens. Returns whether a line was ended.
bool endSpokenLine(TForm1& f1);

}  // namespace script
}  // namespace game
