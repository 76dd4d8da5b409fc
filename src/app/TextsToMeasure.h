#pragma once
#include <cstdio>

namespace game {

class Game;

// The texts of the game's own tables that must fit a box on screen, and the
// boxes with their fonts, for the data check (`kroxl --list-texts`). Lines of
// tab-separated fields:
//   box  KIND  FONT-FILE  FONT-HEIGHT  WIDTH   a box: its text is drawn in
//                                              that font, down to that height,
//                                              and must be at most WIDTH wide
//   text KIND  TEXT                            a text shown in a box of KIND
// Kinds: hover (the hover line), item (an item's name, shown in the hover
// line, also as "Benütze ITEM mit HOVER"), reply (a line of the choice
// panel), answer (an item of a desk test box's open list).
void writeTextsToMeasure(Game& game, std::FILE* out);

}  // namespace game
