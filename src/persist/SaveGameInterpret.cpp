// Reading a saved game back: every line of the save buffer is tried as a key,
// values and list items included, in file order.
#include "core/Game.h"
#include "core/TForm1.h"
#include "core/TForm13.h"
#include "core/TForm3.h"
#include "media/MediaLength.h"
#include "persist/SaveGame.h"
#include "state/TForm2.h"
#include "sys/DataPath.h"

namespace game::savegame {
namespace {

// More items than any list of the game can hold: a count above this is a
// damaged file, not a list to fill with empty lines.
constexpr int kMaxListItems = 100000;

class Interpreter {
 public:
  explicit Interpreter(TForm1& f1) : f1_(f1), f2_(*f1.game.Form2), buffer_(f1.game.Form3->Memo2.Lines) {}

  void run() {
    // The count is taken once: after "[write empty]" the buffer holds one
    // line and the remaining indices read empty text.
    const int count = buffer_.Count();
    int toggles = 0;
    for (int i = 0; i <= count; ++i) {
      interpret(i);
      if (!atEndOfSound(*f1_.MediaPlayer2)) {
        f1_.MediaPlayer2->Pause();
        ++toggles;
      }
    }
    // The pause of the effect player is toggled once per line, so its state
    // would depend on the length of the file. Put it back as it was: an
    // effect the menu interrupted then sounds on when the menu closes.
    if (toggles % 2 == 1 && !atEndOfSound(*f1_.MediaPlayer2)) f1_.MediaPlayer2->Pause();
  }

 private:
  void interpret(int i) {
    const std::string key = buffer_.get(i);
    const std::string value = buffer_.get(i + 1);
    if (key == "[room:]") return queueWithNumber(key, "goto room", value);
    if (key == "[position:]") return queueWithNumber(key, "jump to", value);
    if (key == "[midiposition:]") return queueWithNumber(key, "music pos", value);
    if (key == "[sonsti:]") {
      f2_.sonsti.Caption = value;
      return;
    }
    if (key == "[midi:]") {
      if (playableMusic(value)) queue("play music", value);
      return;
    }
    for (const StoredVariable& v : storedVariables())
      if (key == v.key) return restore(v, value);
    if (key == kListHeaders[0]) return restoreList(f2_.inventar, i);
    if (key == kListHeaders[1]) return restoreList(f2_.Memo5, i);
    if (key == kListHeaders[2]) return restoreList(f2_.franzinventar, i);
    if (key == kListHeaders[3]) return restoreList(f1_.game.Form13->liste, i);
    if (key == kLastLine) buffer_.assign({kEmptyBuffer});
  }

  void queue(const std::string& command, const std::string& operand) {
    f2_.Memo1.add(command);
    f2_.Memo1.add(operand);
  }

  // "play music" ends the game on a file the music player cannot open. A
  // name with a wildcard passes its existence test (the size query honours
  // wildcards), and so does a file that is no MIDI piece: such a name is
  // reported and its music left out. A missing file or one outside the data
  // root is the command's own business.
  bool playableMusic(const std::string& name) {
    const std::string path = f1_.dataPath(name);
    const bool wildcard = name.find_first_of("*?") != std::string::npos;
    if (!wildcard && (!sys::staysInside(name) || sys::fileSize(path) < 1 ||
                      media::midiLength(sys::resolvePath(path)).ok()))
      return true;
    f1_.reportError("ERROR! Savegame: \"" + name + "\" after [midi:] is no music file, ignored.");
    return false;
  }

  // The runner would end the game on an operand that is not a number, so
  // such a value never reaches the queue.
  void queueWithNumber(const std::string& key, const std::string& command, const std::string& value) {
    if (number(key, value)) queue(command, value);
  }

  std::optional<int> number(const std::string& key, const std::string& value) {
    const std::optional<int> n = parseInt(value);
    if (!n) f1_.reportError("ERROR! Savegame: \"" + value + "\" after " + key + " is not a number, ignored.");
    return n;
  }

  void restore(const StoredVariable& v, const std::string& value) {
    Slot& slot = f2_.*v.slot;
    switch (v.carrier) {
      case Carrier::Tag:
        if (const auto n = number(v.key, value)) slot.Tag = *n;
        break;
      case Carrier::Left:
        if (const auto n = number(v.key, value)) slot.Left = *n;
        break;
      case Carrier::Caption:
        slot.Caption = value;
        break;
      case Carrier::Hint:
        slot.Hint = value;
        break;
    }
  }

  // A count larger than the lines that follow adds empty items; a negative
  // one leaves the list empty.
  void restoreList(sys::TextList& list, int header) {
    const std::string key = buffer_.get(header);
    const std::optional<int> n = number(key, buffer_.get(header + 1));
    if (!n) return;
    if (*n > kMaxListItems) {
      f1_.reportError("ERROR! Savegame: " + key + " " + std::to_string(*n) + " items are too many, ignored.");
      return;
    }
    std::vector<std::string> items;
    for (int k = 0; k < *n; ++k) items.push_back(buffer_.get(header + 2 + k));
    list.assign(std::move(items));
  }

  TForm1& f1_;
  TForm2& f2_;
  sys::TextList& buffer_;
};

}  // namespace

void interpretBuffer(TForm1& f1) {
  Interpreter(f1).run();
}

}  // namespace game::savegame
