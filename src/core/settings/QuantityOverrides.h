#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// One line of advanced.dat: "part|quantity|". Quantities are whole numbers and may be
// negative, as the quantity rules read them.
struct QuantityOverride
{
    std::string part;
    int quantity = 0;

    friend bool operator==(const QuantityOverride&, const QuantityOverride&) = default;
};

// Appends the overrides of advanced.dat in file order; a missing file holds none and
// blank lines carry none. A quantity that is not a whole number throws ConversionError
// naming the file and line, with the rows before it already appended; an unreadable file
// throws IoError.
void ReadOverrides(const std::string& dataFolder, std::vector<QuantityOverride>& rows);
// The same from the bytes of advanced.dat; the file, when given, is named in errors.
void ParseOverrides(std::string_view bytes, std::vector<QuantityOverride>& rows, const std::string& file = {});

// A part number with "|" or a line break would be written as another record (or two),
// so the override would apply to some other part. The warning for the first such row,
// or nothing.
std::optional<std::string> OverrideProblem(const std::vector<QuantityOverride>& rows);

// The lines advanced.dat holds for the rows.
std::vector<std::string> OverrideLines(const std::vector<QuantityOverride>& rows);

// Writes advanced.dat whole (CR LF line ends), unless it already holds exactly these
// lines, so an untouched list leaves the file as it was. Returns whether it was written.
// Throws Error for a row that OverrideProblem refuses, IoError when writing fails.
bool WriteOverrides(const std::string& dataFolder, const std::vector<QuantityOverride>& rows);

} // namespace tav
