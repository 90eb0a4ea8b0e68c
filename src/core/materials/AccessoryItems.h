#pragma once

#include "core/cable/CableCatalogue.h"
#include "core/common/LineList.h"
#include "core/settings/IniStore.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tav {

// accessorylist.dat: the headings of the list in "Sections", one section of items per
// cable key, items for every cable in "All", and per cable type in "Air", "Foam" and
// "Waveguide". An item is "part|description|section number|".
inline constexpr const char* kAccessoryListFileName = "accessorylist.dat";
inline constexpr const char* kAccessorySectionsSection = "Sections";
inline constexpr const char* kAccessoryAllSection = "All";
inline constexpr int kItemPartField = 1;
inline constexpr int kItemDescriptionField = 2;
inline constexpr int kItemSectionField = 3;
// The section number the list files fitting surge protectors under.
inline constexpr const char* kSurgeItemSection = "8";

// "Air", "Foam" or "Waveguide" for the type codes "AIR", "FOAM", "EW"; empty otherwise.
std::string AccessoryTypeSection(std::string_view typeCode);

// One line of the assembled list, "name=part|description|section|", with where it came
// from: the file section and its line index there, or for a surge protector an empty
// section and the index in the surge list.
struct AccessoryItem
{
    std::string line;
    std::string fromSection;
    size_t fromIndex = 0;
};

// The items the accessory list offers for one cable: the cable key's section as it
// stands, then "All", then the type's section, each appended line named by the next
// decimal number, then (when a band is given) the surge protectors whose range covers
// it, filed under section 8. Throws ConversionError for a surge frequency that is not a
// number.
std::vector<AccessoryItem> AssembleAccessoryItems(TBigIniFile& list, std::string_view cableKey,
                                                  std::string_view typeCode, const LineList& surge, const Band* band);

// The text after the first "=" of an assembled line: the item's own value.
std::string_view ItemValue(std::string_view line);

// One heading of the accessory list and of the list of materials: a line
// "number=caption" of "Sections".
struct ListSection
{
    std::string number;
    std::string caption;
};

// Where each section number stands in the table, found at a glance, so grouping many rows
// under the headings costs one lookup per row. Holds views into the table it was made from.
class SectionOrder
{
public:
    explicit SectionOrder(const std::vector<ListSection>& sections);
    // The index of the number's section in the table; nothing when the table lacks it.
    std::optional<size_t> Of(std::string_view number) const;

private:
    std::unordered_map<std::string_view, size_t> index_;
};

// The headings in file order. A number listed again is left out, so no section is shown,
// counted or saved twice.
std::vector<ListSection> ReadListSections(TBigIniFile& list);
// The same from accessorylist.dat of the data folder; none when the file is missing.
std::vector<ListSection> ReadListSections(const std::string& dataFolder);

} // namespace tav
