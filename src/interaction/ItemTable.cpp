#include "interaction/ItemTable.h"

#include <array>

namespace game {
namespace {

// "Liftkarte", "Auftragsmappe" and "Buch" have special looks (see the
// inventory bar); their look texts here are the usual ones.
const std::array<Item, 20> kItems = {{
    {0, "Auftragsmappe", "In der Mappe sind alle Dinge angeführt die ich erledigen muß.",
     "Mit der Auftragsmappe kann ich das nicht machen.", "Die Auftragsmappe ist nur für mich bestimmt."},
    {1, "Plan", "Das ist ein Plan über den Aufbau von AK-47 Maschinengewehren.", "Der Plan eignet sich dafür nicht.",
     "Ich kann den Plan nicht damit benutzen!"},
    {2, "Werkzeug eines Bastlers", "Das ist Huberts Werkzeugset.", "Das Werkzeug hilft da auch nicht weiter.",
     "Ich kann mit Werkzeug nicht arbeiten."},
    {3, "Liftkarte", "Diese Karte benötige ich, damit ich mit dem Lift ins Erdgeschoss fahren kann.",
     "Ich kann die Liftkarte nicht damit benutzen.", "Dafür ist die Liftkarte nicht gedacht!"},
    {5, "Buch", "", "Dafür kann ich das Buch nicht verwenden.", "Bücher sind zum lesen da, und zu sonst nichts!"},
    {6, "Kaffee", "Eine Tasse Kaffee. Ohne Milch. Ohne Zucker.", "Ich könnte den Kaffee dabei verschütten!",
     "Ich will das nicht mit Kaffee vollschütten."},
    {7, "Bestechungsscheck",
     "Ein Scheck über 5500 Euro, an die Lebensmittelpolizei, unterzeichnet von Herrn Tägl.",
     "Das kann ich nicht bestechen!", "Ich kann den Geldscheck nicht damit benutzen."},
    {8, "Zeichnung", "Das ist ein Entwurf für neue Geldscheine.", "Ich möchte dieses Kunstwerk nicht zerknittern.",
     "Was soll ich mit der Zeichnung?"},
    {9, "Rattengift", "Das ist hochkonzentriertes Rattengift!", "Für sowas kommt man ins Gefängnis!",
     "Das möchte ich nicht vergiften."},
    {10, "Archivschlüssel", "Hm, auf dem Schlüssel steht \"Archiv\".",
     "Das kann ich mit dem Archivschlüssel nicht aufsperren!", "Der Schlüssel sperrt hier nicht!"},
    {11, "Werkzeug eines Elektrikers", "Das ist das Werkzeug von Franz dem Elektriker.",
     "Mit dem Elektrikerwerzeug kann ich das nicht machen.", "Ich kann mit Werkzeug nicht umgehen."},
    {12, "Taschentuch", "Oh! It`s a Reh!", "Ich kann das Ding nicht damit benutzen.", "Das kann ich nicht machen!"},
    {13, "Silicon", "<Stöhn!>", "Sowas macht man nicht!", "Das Silicon kann ich hier nicht reinstopfen."},
    {14, "Wurfmesser", "Ein kleines Wurfmesser.", "Vielleicht später.", "Ich könnte dabei jemanden verletzen."},
    {15, "Getränk", "Ein kühles Getränk aus unserem Automaten.", "Ich möchte das hier nicht anschütten.",
     "Nicht jetzt."},
    {16, "Buch Gelddruckmaschinenbauen leichtgemacht", "Das ist ein Buch übers Gelddruckmaschinenbauen.",
     "Dafür kann ich das Buch nicht verwenden.", "Bücher sind zum lesen da, und zu sonst nichts!"},
    {17, "Schläger", "Ein Minigolf-Schläger aus Aluminium.", "Das ist doch kein Minigolf-Ball!",
     "Das möchte ich nicht schlagen."},
    {18, "Schlauch", "Ein handelsüblicher Gartenschlauch.", "Den Schlauch kann ich damit aber nicht verwenden!",
     "Was soll ich mit dem Schlauch?"},
    {19, "Golfball", "Ein stinknormaler Golfball.", "Den Golfball kann ich damit aber nicht verwenden!",
     "Dafür ist der Golfball aber nicht gedacht."},
    {20, "Spezialgolfball", "Das ist mein Super-Spezial-Mega-Minigolf-Ball.", "Den geb ich nicht mehr her!",
     "Nein. Der Golfball gehört mir. Den gebe ich nie wieder her."},
}};

}  // namespace

const Item* findItem(const std::string& name) {
  for (const Item& item : kItems)
    if (name == item.name) return &item;
  return nullptr;
}

}  // namespace game
