#include "core/materials/AccessoryItems.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/wizard/SurgeChoices.h"

#include <unordered_set>

namespace tav {

std::string AccessoryTypeSection(std::string_view typeCode)
{
    if (typeCode == "AIR")
        return "Air";
    if (typeCode == "FOAM")
        return "Foam";
    if (typeCode == "EW")
        return "Waveguide";
    return {};
}

std::vector<AccessoryItem> AssembleAccessoryItems(TBigIniFile& list, std::string_view cableKey,
                                                  std::string_view typeCode, const LineList& surge, const Band* band)
{
    std::vector<AccessoryItem> items;
    std::vector<std::string> lines;
    list.ReadSectionValues(cableKey, lines);
    for (size_t i = 0; i < lines.size(); ++i)
        items.push_back({std::move(lines[i]), std::string(cableKey), i});

    // Appended lines are renamed so that every name stays unique in the whole list.
    const auto append = [&](const std::string& section) {
        std::vector<std::string> more;
        list.ReadSectionValues(section, more);
        for (size_t i = 0; i < more.size(); ++i) {
            const size_t eq = more[i].find('=');
            const std::string value = eq == std::string::npos ? std::string() : more[i].substr(eq + 1);
            items.push_back({IntToStr(static_cast<long long>(items.size()) + 1) + "=" + value, section, i});
        }
    };
    append(kAccessoryAllSection);
    if (const std::string typeSection = AccessoryTypeSection(typeCode); !typeSection.empty())
        append(typeSection);

    if (band) {
        NamingPlace(
            [&] {
                for (size_t i = 0; i < surge.size(); ++i) {
                    const std::string_view s = surge[i];
                    if (FitsBand(s, *band))
                        items.push_back({IntToStr(static_cast<long long>(items.size()) + 1) + "=" + GetField(s, 3) +
                                             "|" + GetField(s, 5) + "|" + kSurgeItemSection + "|",
                                         std::string(), i});
                }
            },
            surge);
    }
    return items;
}

std::string_view ItemValue(std::string_view line)
{
    const size_t eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view() : line.substr(eq + 1);
}

SectionOrder::SectionOrder(const std::vector<ListSection>& sections)
{
    index_.reserve(sections.size());
    for (size_t i = 0; i < sections.size(); ++i)
        index_.emplace(sections[i].number, i);
}

std::optional<size_t> SectionOrder::Of(std::string_view number) const
{
    const auto it = index_.find(number);
    if (it == index_.end())
        return std::nullopt;
    return it->second;
}

std::vector<ListSection> ReadListSections(TBigIniFile& list)
{
    std::vector<std::string> lines;
    list.ReadSectionValues(kAccessorySectionsSection, lines);
    std::vector<ListSection> sections;
    std::unordered_set<std::string> seen;
    for (const std::string& line : lines) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        std::string number = line.substr(0, eq);
        if (!seen.insert(number).second)
            continue;
        sections.push_back({std::move(number), line.substr(eq + 1)});
    }
    return sections;
}

std::vector<ListSection> ReadListSections(const std::string& dataFolder)
{
    TBigIniFile list(WithTrailingSlash(dataFolder) + kAccessoryListFileName);
    return ReadListSections(list);
}

} // namespace tav
