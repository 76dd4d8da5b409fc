#include "interaction/ItemTable.h"

namespace game {
namespace {

using enum LookExtra;

// Icon 4 is the empty slot's picture and belongs to no item.
const Item kItems[] = {
    {0, "Auftragsmappe", ShowTaskList, "In der Mappe sind alle Dinge angeführt die ich erledigen muß.",
     "Mit der Auftragsmappe kann ich das nicht machen.", "Die Auftragsmappe ist nur für mich bestimmt."},
    {1, "Plan", None, "Das ist ein Plan über den Aufbau von AK-47 Maschinengewehren.",
     "Der Plan eignet sich dafür nicht.", "Ich kann den Plan nicht damit benutzen!"},
    {2, "Werkzeug eines Bastlers", None, "Das ist Huberts Werkzeugset.",
     "Das Werkzeug hilft da auch nicht weiter.", "Ich kann mit Werkzeug nicht arbeiten."},
    {3, "Liftkarte", DependsOnLift,
     "Diese Karte benötige ich, damit ich mit dem Lift ins Erdgeschoss fahren kann.",
     "Ich kann die Liftkarte nicht damit benutzen.", "Dafür ist die Liftkarte nicht gedacht!"},
    {5, "Buch", ReadsScript, "\\source\\scripts\\buch.smx", "Dafür kann ich das Buch nicht verwenden.",
     "Bücher sind zum lesen da, und zu sonst nichts!"},
    {6, "Kaffee", None, "Eine Tasse Kaffee. Ohne Milch. Ohne Zucker.",
     "Ich könnte den Kaffee dabei verschütten!", "Ich will das nicht mit Kaffee vollschütten."},
    {7, "Bestechungsscheck", None,
     "Ein Scheck über 5500 Euro, an die Lebensmittelpolizei, unterzeichnet von Herrn Tägl.",
     "Das kann ich nicht bestechen!", "Ich kann den Geldscheck nicht damit benutzen."},
    {8, "Zeichnung", None, "Das ist ein Entwurf für neue Geldscheine.",
     "Ich möchte dieses Kunstwerk nicht zerknittern.", "Was soll ich mit der Zeichnung?"},
    {9, "Rattengift", None, "Das ist hochkonzentriertes Rattengift!", "Für sowas kommt man ins Gefängnis!",
     "Das möchte ich nicht vergiften."},
    {10, "Archivschlüssel", None, "Hm, auf dem Schlüssel steht \"Archiv\".",
     "Das kann ich mit dem Archivschlüssel nicht aufsperren!", "Der Schlüssel sperrt hier nicht!"},
    {11, "Werkzeug eines Elektrikers", None, "Das ist das Werkzeug von Franz dem Elektriker.",
     "Mit dem Elektrikerwerzeug kann ich das nicht machen.", "Ich kann mit Werkzeug nicht umgehen."},
    {12, "Taschentuch", None, "Oh! It`s a Reh!", "Ich kann das Ding nicht damit benutzen.",
     "Das kann ich nicht machen!"},
    {13, "Silicon", None, "<Stöhn!>", "Sowas macht man nicht!",
     "Das Silicon kann ich hier nicht reinstopfen."},
    {14, "Wurfmesser", None, "Ein kleines Wurfmesser.", "Vielleicht später.",
     "Ich könnte dabei jemanden verletzen."},
    {15, "Getränk", None, "Ein kühles Getränk aus unserem Automaten.",
     "Ich möchte das hier nicht anschütten.", "Nicht jetzt."},
    {16, "Buch Gelddruckmaschinenbauen leichtgemacht", None,
     "Das ist ein Buch übers Gelddruckmaschinenbauen.", "Dafür kann ich das Buch nicht verwenden.",
     "Bücher sind zum lesen da, und zu sonst nichts!"},
    {17, "Schläger", None, "Ein Minigolf-Schläger aus Aluminium.", "Das ist doch kein Minigolf-Ball!",
     "Das möchte ich nicht schlagen."},
    {18, "Schlauch", None, "Ein handelsüblicher Gartenschlauch.",
     "Den Schlauch kann ich damit aber nicht verwenden!", "Was soll ich mit dem Schlauch?"},
    {19, "Golfball", None, "Ein stinknormaler Golfball.", "Den Golfball kann ich damit aber nicht verwenden!",
     "Dafür ist der Golfball aber nicht gedacht."},
    {20, "Spezialgolfball", None, "Das ist mein Super-Spezial-Mega-Minigolf-Ball.",
     "Den geb ich nicht mehr her!", "Nein. Der Golfball gehört mir. Den gebe ich nie wieder her."},
};

// Once Corinna has lent him her card, it is hers he looks at.
constexpr const char* kLentLiftCardLook =
    "Das ist Corinnas Liftkarte, jetzt kann ich wieder mit dem Lift fahren.";

// Things that are no item: the handkerchief's pair, which is the generic one.
constexpr const char* kGenericRefusalLow = "Ich kann das Ding nicht damit benutzen.";
constexpr const char* kGenericRefusalHigh = "Das kann ich nicht machen!";

}  // namespace

std::span<const Item> allItems() {
  return kItems;
}

const Item* findItem(const std::string& name) {
  for (const Item& item : kItems)
    if (name == item.name) return &item;
  return nullptr;
}

ItemLook lookAt(const std::string& name, int liftTag) {
  const Item* item = findItem(name);
  if (!item) return {};
  switch (item->extra) {
    case ReadsScript:
      return {{}, item->look};
    case ShowTaskList:
      return {{"say", "Kroxl", item->look, "show map"}, {}};
    case DependsOnLift:
      return {{"say", "Kroxl", liftTag < 2 ? kLentLiftCardLook : item->look}, {}};
    case None:
      break;
  }
  return {{"say", "Kroxl", item->look}, {}};
}

std::string refusalFor(const std::string& name, int r) {
  const Item* item = findItem(name);
  const bool low = r <= 50;
  if (!item) return low ? kGenericRefusalLow : kGenericRefusalHigh;
  return low ? item->refusalLow : item->refusalHigh;
}

std::vector<std::string> everyItemLine() {
  std::vector<std::string> lines = {kLentLiftCardLook, kGenericRefusalLow, kGenericRefusalHigh};
  for (const Item& item : kItems) {
    if (item.extra != ReadsScript) lines.emplace_back(item.look);
    lines.emplace_back(item.refusalLow);
    lines.emplace_back(item.refusalHigh);
  }
  return lines;
}

}  // namespace game
