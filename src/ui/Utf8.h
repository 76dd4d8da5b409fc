#pragma once
#include <cstddef>
#include <string>

// Text in the controls is UTF-8, while the user edits it character by
// character: these helpers count and cut by characters, never inside one.
namespace ui::utf8 {

std::string encode(char32_t ch);
// Decodes the character starting at byte i and moves i past it; a broken
// sequence yields U+FFFD and moves on by one byte.
char32_t decodeAt(const std::string& text, size_t& i);
int length(const std::string& text);
// The byte offset where character `index` starts; the text's size when the
// index lies at or beyond the end.
size_t offsetOf(const std::string& text, int index);

}  // namespace ui::utf8
