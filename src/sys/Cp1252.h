#pragma once
#include <string>
#include <string_view>

// Text is UTF-8 inside the program; files keep the game's Windows-1252
// encoding, so that options, save games and scripts stay byte for byte as
// players and authors have them.
namespace sys {

// Every byte maps to one code point (the five holes of Windows-1252 map to the
// C1 controls of the same value), so decoding never fails and round-trips.
std::string cp1252ToUtf8(std::string_view bytes);

// Characters without a Windows-1252 byte become '?'. Malformed UTF-8 bytes are
// taken as Windows-1252 bytes already, so a text read wrongly is not destroyed.
std::string utf8ToCp1252(std::string_view utf8);

// Number of characters (code points) of a UTF-8 text; the game's lengths count
// characters, not bytes.
int utf8Length(std::string_view utf8);

}  // namespace sys
