#pragma once
#include <string>

namespace game {

class TForm1;

// What the protagonist says at a hot spot that has no script: a left click
// and a right click.
inline constexpr const char* kRefusalLeft = "Das kann ich nicht machen!";
inline constexpr const char* kRefusalRight = "Nett.";

// Binds the main window's mouse events (the room picture, the walk strip, the
// window itself, the walk-strip copy) and the desk's four answer boxes to
// their handlers. Called once by the main window's constructor.
void bindClickHandlers(TForm1& form);

// Replaces the whole command queue by the lines of a script under the data
// root. A script that cannot be read leaves the queue as it was and adds one
// line to the error list; returns whether the script was loaded.
bool loadScript(TForm1& form, const std::string& relativePath);

// The click rules of single rooms that come before the plain hot-spot script,
// tried in order for a click on a hot spot with no item held. Returns true
// when one of them has dealt with the click.
bool runClickSpecialCases(TForm1& form);

}  // namespace game
