// A voice database as the start-up loads it into the voice table: records
// of three lines, the spoken line, a translation and the recording's file.
// The input takes the place of the first database; then the first records'
// lines are spoken, so that the table is looked up and the recordings it
// names are played.
#include <cstdint>
#include <string>
#include <string_view>

#include "state/TForm2.h"
#include "support/FuzzGame.h"
#include "support/FuzzRoot.h"
#include "sys/Cp1252.h"
#include "sys/TextList.h"

namespace {

constexpr int kSpokenRecords = 3;

// A record's key reads: Speaker: "text".
void queueSay(sys::TextList& queue, const std::string& key) {
  const size_t colon = key.find(": \"");
  if (colon == std::string::npos || key.size() < colon + 4 || key.back() != '"') return;
  for (const std::string& line :
       {std::string("say"), key.substr(0, colon), key.substr(colon + 3, key.size() - colon - 4)})
    queue.add(line);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  fuzzsupport::FuzzGame g;
  fuzzsupport::FuzzRoot::get().put("source/voice/voice.voi", bytes);
  g.startUp();
  sys::TextList records;
  records.setText(sys::cp1252ToUtf8(bytes));
  for (int k = 0; k < kSpokenRecords; ++k) queueSay(g.f2().Memo1, records.get(3 * k));
  g.runnerTicks(100);
  return 0;
}
