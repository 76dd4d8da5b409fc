#pragma once
#include <string>

#include "program/Options.h"

namespace program {

// Where a game plays: the data root (pictures, sounds, scripts) and the
// program directory (options file, savegames/, temp.bmp). Both absolute.
struct Places {
  std::string dataRoot;
  std::string userDir;
  bool dataGiven = false;  // the data root came from the command line
};

// What the search looks at, so that tests can pretend any of it.
struct PlaceHints {
  std::string dataOption, userDirOption;  // --data, --user-dir
  std::string currentDir;
  std::string programDir;  // the folder of the running executable
  std::string xdgDataHome, home;
};

// The data root (see game::isDataRoot): --data; else the current directory
// when it is a data root; else the installed one beside the program
// (../share/kroxl); else the build tree's (game/ beside the program). The program directory: --user-dir; else
// the current directory when it is a data root (the game plays as it always
// did); else $XDG_DATA_HOME/kroxl, by default ~/.local/share/kroxl. Returns
// an error text when no data root is found.
std::string findPlaces(const PlaceHints& hints, Places& places);

// The hints of this process: its environment, directory and executable.
PlaceHints processHints(const std::string& dataOption, const std::string& userDirOption);

// Creates the program directory (the last folder private to the user) and
// makes it the current directory. Returns an error text.
std::string enterUserDir(const std::string& dir);

// Finds both places for the command line's options, makes its file names
// absolute (they were meant from where the program started) and enters the
// program directory. Returns an error text.
std::string enterPlaces(Options& o, Places& places);

}  // namespace program
