#pragma once

#include <string>
#include <string_view>

namespace tav {

// A JSON string literal, quotes included. Data files are 8-bit text: bytes that are valid
// UTF-8 stay as they are, any other text is read as Latin-1, so the result is always valid
// UTF-8 and names the same characters the program shows.
std::string JsonString(std::string_view bytes);

// A JSON number: the shortest text that reads back as the same value; "null" for a value
// JSON cannot hold (infinite or not a number).
std::string JsonNumber(double value);

} // namespace tav
