#include "core/cable/MetricPart.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"

namespace tav {

std::string MetricPart(const std::string& dataFolder, std::string_view partNumber, bool meters)
{
    if (!meters)
        return std::string(partNumber);
    const auto lines = ReadLines(WithTrailingSlash(dataFolder) + "metric.dat");
    if (const auto i = FindFirstLine(lines, 1, partNumber, Compare::WithCase))
        return GetField(lines[*i], 2);
    return std::string(partNumber);
}

} // namespace tav
