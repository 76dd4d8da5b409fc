#pragma once

namespace game {

class TForm1;

// Binds the inventory bar's pointer events on the spoken-line band to their
// handlers. Called once by the main window's constructor.
void bindInventoryHandlers(TForm1& form);

}  // namespace game
