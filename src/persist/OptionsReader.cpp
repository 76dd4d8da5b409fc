// Reading the options text into the settings panel, and writing the panel's
// settings back into the options file.
#include <climits>

#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm10.h"
#include "core/TForm5.h"
#include "persist/Options.h"
#include "sys/DataPath.h"

namespace game {
namespace {

std::string lowerCase(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
  return s;
}

// A whole number, as the options file writes it: optional blanks in front,
// an optional sign, digits, nothing after.
bool parseWholeNumber(const std::string& text, int& value) {
  size_t i = text.find_first_not_of(' ');
  if (i == std::string::npos) return false;
  try {
    size_t used = 0;
    const long long v = std::stoll(text.substr(i), &used);
    if (i + used != text.size() || v < INT32_MIN || v > INT32_MAX) return false;
    value = static_cast<int>(v);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

void TForm10::einlesenClick() {
  const sys::TextList& options = game.Form5->Memo2.Lines;
  TForm1& f1 = *game.Form1;
  for (int i = 0; i < options.Count(); ++i) {
    const std::string& key = options.lines()[static_cast<size_t>(i)];
    const std::string value = options.get(i + 1);
    if (key == "[indicator]" && value != "Professor Kroxl")
      f1.reportError("(!) Error: OptionsNT.pre ungültig!");
    if (key == "[speed]") {
      int speed = 0;
      if (!parseWholeNumber(value, speed)) {
        f1.reportError("(!) Error occoured while setting up preferences from options.pre-file in Line " +
                       std::to_string(i));
        return;
      }
      TrackBar1.setPosition(speed);
    }
    const bool on = lowerCase(value) == "true";
    if (key == "[music]") CheckBox5.setChecked(on);
    if (key == "[wav]") CheckBox2.setChecked(on);
    if (key == "[speak]") CheckBox3.setChecked(on);
    if (key == "[text]") CheckBox4.setChecked(on);
  }
}

void TForm10::zusammenstellenClick() {
  OptionValues values;
  values.speed = TrackBar1.Position();
  values.music = CheckBox5.Checked();
  values.wav = CheckBox2.Checked();
  values.text = CheckBox4.Checked();
  values.speak = CheckBox3.Checked();
  sys::TextList& options = game.Form5->Memo2.Lines;
  TForm1& f1 = *game.Form1;
  options.assign(optionsFileLines(values, dataRootEntry(game.setup.dataRoot, f1.cd2.Caption)));
  if (keepUnreadableFile) {
    f1.reportErrorOnce("(!) Error: OptionsNT.pre could not be read and is not overwritten.");
    return;
  }
  if (auto r = options.saveToFile(sys::resolvePath(f1.programPath("\\optionsNT.pre"))); !r.ok())
    f1.reportError("(!) Error: OptionsNT.pre could not be written: " + r.error().message);
}

}  // namespace game
