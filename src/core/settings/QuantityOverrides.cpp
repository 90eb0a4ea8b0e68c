#include "core/settings/QuantityOverrides.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/wizard/Quantities.h"

namespace tav {

namespace {

std::string AdvancedPath(const std::string& dataFolder)
{
    return WithTrailingSlash(dataFolder) + kAdvancedFileName;
}

} // namespace

void ReadOverrides(const std::string& dataFolder, std::vector<QuantityOverride>& rows)
{
    const std::string path = AdvancedPath(dataFolder);
    if (const auto bytes = ReadFileBytes(path))
        ParseOverrides(*bytes, rows, ResolveFile(path).value_or(path));
}

void ParseOverrides(std::string_view bytes, std::vector<QuantityOverride>& rows, const std::string& file)
{
    LineList lines = LineList::FromText(bytes);
    lines.SetSource(file);
    NamingPlace(
        [&] {
            for (std::string_view line : lines) {
                if (line.empty())
                    continue;
                rows.push_back(QuantityOverride{GetField(line, 1), StrToInt(GetFieldView(line, 2))});
            }
        },
        lines);
}

std::optional<std::string> OverrideProblem(const std::vector<QuantityOverride>& rows)
{
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string& part = rows[i].part;
        if (part.find_first_of("|\r\n") == std::string::npos)
            continue;
        std::string shown = part;
        for (char& c : shown)
            if (c == '\r' || c == '\n')
                c = ' ';
        return "The part number \"" + shown + "\" in row " + std::to_string(i + 1) +
               " cannot be saved: a part number may not contain \"|\" or a line break.";
    }
    return std::nullopt;
}

std::vector<std::string> OverrideLines(const std::vector<QuantityOverride>& rows)
{
    std::vector<std::string> lines;
    lines.reserve(rows.size());
    for (const auto& row : rows)
        lines.push_back(row.part + "|" + IntToStr(row.quantity) + "|");
    return lines;
}

bool WriteOverrides(const std::string& dataFolder, const std::vector<QuantityOverride>& rows)
{
    if (const auto problem = OverrideProblem(rows))
        throw Error(*problem);
    const std::vector<std::string> lines = OverrideLines(rows);
    const std::string path = AdvancedPath(dataFolder);
    const auto old = ReadFileBytes(path);
    if (old && SplitLines(*old) == lines)
        return false;
    WriteFileAtomic(path, JoinLinesCrLf(lines));
    return true;
}

} // namespace tav
