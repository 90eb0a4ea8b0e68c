#include "core/catalog/CatalogueFile.h"

namespace tav {

std::string_view LineValue(std::string_view line)
{
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
}

TypedPartFields EntryPlateFields()
{
    return {2, 1, 9};
}

TypedPartFields EntryBootFields(size_t typeLines)
{
    return {11, 10, static_cast<int>(typeLines)};
}

TypedPartFields GroundingKitFields(size_t typeLines)
{
    return {4, 1, static_cast<int>(typeLines)};
}

TypedPartFields WeatherproofingFields(size_t typeLines)
{
    return {3, 1, static_cast<int>(typeLines)};
}

} // namespace tav
