#include "app/TextsToMeasure.h"

#include <set>
#include <string>

#include "core/Game.h"
#include "core/TForm1.h"
#include "interaction/DialogTree.h"
#include "interaction/ItemTable.h"
#include "rooms/RoomTable.h"

namespace game {
namespace {

void box(std::FILE* out, const char* kind, const gfx::Font& font, int minHeight, int width) {
  std::fprintf(out, "box\t%s\t%s\t%d\t%d\n", kind, gfx::fontFileFor(font.Name, font.Bold).c_str(),
               minHeight > 0 ? minHeight : font.Height, width);
}

void texts(std::FILE* out, const char* kind, const std::set<std::string>& all) {
  for (const std::string& text : all)
    if (!text.empty()) std::fprintf(out, "text\t%s\t%s\n", kind, text.c_str());
}

std::set<std::string> replies() {
  std::set<std::string> all;
  using Rows = const std::vector<dialogue::Row>& (*)();
  for (Rows rows :
       {dialogue::archivarRows, dialogue::franzRows, dialogue::toeglRows, dialogue::corinnaRows,
        dialogue::mottyRows, dialogue::putzfrauRows, dialogue::hubertRows, dialogue::zweisteinRows})
    for (const dialogue::Row& row : rows()) {
      all.insert(row.reply);
      for (const dialogue::Step& step : row.steps)
        if (step.kind == dialogue::Step::Kind::InsertReply) all.insert(step.lines.front());
    }
  return all;
}

}  // namespace

void writeTextsToMeasure(Game& game, std::FILE* out) {
  TForm1& f1 = *game.Form1;
  box(out, "hover", f1.helpline.Font, f1.helpline.MinFontHeight, f1.helpline.Width - 2 * f1.helpline.Margin);
  box(out, "item", f1.helpline.Font, f1.helpline.MinFontHeight, f1.helpline.Width - 2 * f1.helpline.Margin);
  box(out, "reply", f1.line1.Font, f1.line1.MinFontHeight, f1.line1.Width - 2 * f1.line1.Margin);
  box(out, "answer", f1.ComboBox1.Font, 0, f1.ComboBox1.widestListText());

  std::set<std::string> hovers, items, answers;
  for (const rooms::HotSpot& spot : rooms::hotSpots()) hovers.insert(spot.text);
  for (const Item& item : allItems()) items.insert(item.name);
  for (const rooms::ChoiceBox& desk : rooms::deskChoiceBoxes())
    answers.insert(desk.items.begin(), desk.items.end());
  texts(out, "hover", hovers);
  texts(out, "item", items);
  texts(out, "reply", replies());
  texts(out, "answer", answers);
}

}  // namespace game
