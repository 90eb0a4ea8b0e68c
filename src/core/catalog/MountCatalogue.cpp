#include "core/catalog/MountCatalogue.h"

#include "core/catalog/RecordLine.h"

namespace tav {

std::string ReadMountRow(TBigIniFile& mount, std::string_view cableKey, int emptyColumns)
{
    return mount.ReadString(cableKey, kMountRowKey, std::string(static_cast<size_t>(emptyColumns), kFieldSeparator));
}

bool IsMultiPartEntry(std::string_view column)
{
    return column.find(',') != std::string_view::npos;
}

std::array<std::string, 3> MultiPartEntryParts(std::string_view entry)
{
    return {GetField(entry, 1, ','), GetField(entry, 2, ','), GetField(entry, 3, ',')};
}

std::vector<std::string> ColumnParts(std::string_view row, int column)
{
    const std::string_view text = GetFieldView(row, column);
    std::vector<std::string> parts;
    if (!IsMultiPartEntry(text)) {
        if (!text.empty())
            parts.emplace_back(text);
        return parts;
    }
    for (std::string& part : MultiPartEntryParts(text))
        if (!part.empty())
            parts.push_back(std::move(part));
    return parts;
}

} // namespace tav
