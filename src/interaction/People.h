#pragma once
// Everyone who speaks a line in the game, in one table: the colour of their
// lines and, for the people the protagonist can talk with, the room he meets
// them in, their block in the dialogue option table and their dialogue tree.
#include <array>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "gfx/Color.h"
#include "interaction/DialogTree.h"

namespace game {

struct Person {
  // As "say" names the speaker and the choice panel the person.
  const char* name;
  // None: a line keeps the colour of the line before.
  std::optional<gfx::TColor> colour = std::nullopt;
  // The room a conversation with them opens in.
  std::optional<int> room = std::nullopt;
  // Their block's header line in the option table; a second spelling, or null.
  std::array<const char*, 2> headers{};
  const std::vector<dialogue::Row>& (*rows)() = nullptr;  // the dialogue tree
  bool bold = false;                                      // the narrator's hints

  bool talksInDialogues() const { return rows != nullptr; }
};

std::span<const Person> people();

// The person of that name, or null. Dialogue trees compare names without
// regard to the case of A to Z ("tägl" is Tägl, its umlaut as it stands).
const Person* findSpeaker(const std::string& name);
const Person* findConversationPartner(const std::string& name);

}  // namespace game
