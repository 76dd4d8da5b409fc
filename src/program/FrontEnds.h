#pragma once
#include "program/Options.h"

namespace program {

// Plays the replay without display or sound device and writes the dump;
// returns the exit code.
int runHeadless(const Options& o);

// Opens the game window with real sound and video; returns the exit code.
int runWindow(const Options& o);

}  // namespace program
