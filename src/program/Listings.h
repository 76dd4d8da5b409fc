#pragma once

namespace program {

// For the data check (tools/datagen): every line the program itself can
// speak, one 'Speaker: "Text"' a line, and the texts that must fit their
// boxes in the windows as they are created. Both return the exit code.
int listSpokenLines();
int listTexts();

// The commands, the story commands of "change", the speakers, the people one
// talks with, the rooms with their hot-spot slots and the items, in the
// format of docs/vocabulary.md. Returns the exit code.
int listVocabulary();

}  // namespace program
