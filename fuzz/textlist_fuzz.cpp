// Any bytes are a text file to the game (scripts, tables, voice databases,
// options and saved games all go through its list of lines). The list reads
// them as loading a file does, and what it reads comes back unchanged when
// it is written and read again, as a saved game or the options file is.
#include <cstdint>
#include <string>

#include "support/Require.h"
#include "sys/Cp1252.h"
#include "sys/TextList.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = sys::cp1252ToUtf8(bytes);
  fuzzsupport::require(sys::utf8ToCp1252(text) == bytes, "every byte decodes and encodes back");
  sys::TextList list;
  list.setText(text);
  sys::TextList again;
  again.setText(sys::cp1252ToUtf8(sys::utf8ToCp1252(list.text())));
  fuzzsupport::require(again.lines() == list.lines(), "lines read survive being written and read again");
  return 0;
}
