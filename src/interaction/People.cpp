// The table of people and the look of their spoken lines.
#include "interaction/People.h"

#include "core/TForm1.h"

namespace game {
namespace {

using namespace dialogue;

// clang-format off
const Person kPeople[] = {
  // name              colour    room  headers in the option table  dialogue tree
  // The people the protagonist talks with ...
  {"Archivar",         11459566, 104,  {"Archivar:"},               archivarRows},
  {"Franz",            16740721, 201,  {"Franz:"},                  franzRows},
  {"Tägl",             65535,    7,    {"Tägl:", "Tögl:"},          toeglRows},
  {"Corinna",          16711935, 1,    {"Corinna:"},                corinnaRows},
  {"Motty",            10084067, 500,  {"Motty:"},                  mottyRows},
  {"Putzfrau",         16746636, 2,    {"Putzfrau:"},               putzfrauRows},
  {"Hubert",           16711680, 8,    {"Hubert:"},                 hubertRows},
  {"Zweistein",        4561122,  6,    {"Zweistein:"},              zweisteinRows},
  // ... and those who only speak in scenes.
  {"Kroxl",            16777215},
  {"Big Boss",         1482942},
  {"Taubenfütternde",  3639436},
  {"Leiche",           65535},
  {"CIA-Agent",        4804679},
  // The narrator's hints: bold, in the colour of the line before.
  {.name = "HINWEIS", .bold = true},
};
// clang-format on

// Only A to Z are lowered: "Tägl" becomes "tägl", its umlaut stays.
std::string lowerAscii(std::string text) {
  for (char& ch : text)
    if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  return text;
}

}  // namespace

std::span<const Person> people() {
  return kPeople;
}

const Person* findSpeaker(const std::string& name) {
  for (const Person& p : kPeople)
    if (name == p.name) return &p;
  return nullptr;
}

const Person* findConversationPartner(const std::string& name) {
  const std::string lowered = lowerAscii(name);
  for (const Person& p : kPeople)
    if (p.talksInDialogues() && lowered == lowerAscii(p.name)) return &p;
  return nullptr;
}

// A speaker the table does not know keeps the colour of the line before.
void TForm1::styleSpokenLine(const std::string& speaker) {
  const Person* p = findSpeaker(speaker);
  say.Font.Bold = p && p->bold;
  if (p && p->colour) say.Font.Color = *p->colour;
}

}  // namespace game
