#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tav {

// Byte-wise ASCII case folding: data files are 8-bit text and the program never
// depends on the user's locale.
char LowerAscii(char c);
char UpperAscii(char c);
std::string ToUpper(std::string_view s);
std::string ToLower(std::string_view s);

bool EqualsNoCase(std::string_view a, std::string_view b);
// <0, 0, >0 like strcmp, ignoring ASCII case.
int CompareNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// The UTF-8 byte-order mark that many editors put at the start of a text file; it is no
// part of the text, so every reader skips it.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
bool HasUtf8Bom(std::string_view bytes);
std::string_view WithoutUtf8Bom(std::string_view bytes);

// A hash that folds ASCII case, so texts equal without regard to case hash alike.
size_t HashNoCase(std::string_view s);

struct LessNoCase
{
    bool operator()(std::string_view a, std::string_view b) const { return CompareNoCase(a, b) < 0; }
};

} // namespace tav
