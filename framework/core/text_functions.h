#pragma once
// The framework's text functions over UTF-8 strings; lengths and codes count Unicode characters.
#include <cstdint>
#include <string>

namespace rt {

// Numeric value of the number at the start of the text (leading blanks skipped); 0 when none.
double Val(const std::string& text);
// Number of characters; an invalid UTF-8 byte counts as one character.
std::int64_t Len(const std::string& text);
// Code of the first character; 0 for the empty text.
std::int64_t Asc(const std::string& text);
// The character with the given code.
std::string Chr(std::int64_t code);

} // namespace rt
