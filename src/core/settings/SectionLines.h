#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Lines of an INI section as ReadSectionValues returns them: a name, "=" and a value.
// Values are always fetched through the line's name, so of two lines that share a name
// (compared without regard to case) both show the value of the first.

// The text before the first "="; nothing for a line without one.
std::optional<std::string_view> LineName(std::string_view line);

// The value of the first line whose name equals the given name (ignoring case); empty
// when there is none.
std::string_view ValueOfName(const std::vector<std::string>& lines, std::string_view name);

// For each line, the value a lookup by its name sees; empty for lines without "=".
std::vector<std::string_view> ValuesByName(const std::vector<std::string>& lines);

} // namespace tav
