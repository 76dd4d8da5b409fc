#pragma once

namespace program {

// For the data check (tools/datagen): every line the program itself can
// speak, one 'Speaker: "Text"' a line, and the texts that must fit their
// boxes in the windows as they are created. Both return the exit code.
int listSpokenLines();
int listTexts();

}  // namespace program
