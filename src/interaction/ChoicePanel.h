#pragma once

namespace game {

class TForm1;

// Binds the choice panel and its four reply lines to their handlers and
// gives them the pointing hand. Called once by the main window's constructor.
void bindReplyLines(TForm1& form);

}  // namespace game
