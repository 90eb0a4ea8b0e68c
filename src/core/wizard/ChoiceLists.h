#pragma once

#include "core/common/LineList.h"

#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The entries a catalogue pick list falls back to: "None" ends every first-level list,
// "N/A" stands for nothing applicable in a dependent one. Both resolve to no part.
inline constexpr const char* kNoneChoice = "None";
inline constexpr const char* kNotApplicableChoice = "N/A";

// What one load of a catalogue file leaves behind for its page: the raw section lines.
struct WorkingLists
{
    std::vector<std::string> categories;
    std::vector<std::string> types;
    std::vector<std::string> parts;

    void Clear()
    {
        categories.clear();
        types.clear();
        parts.clear();
    }
};

// How a page's first pick list is loaded from its catalogue file. The catalogue files of
// the accessory pages share one INI layout: [Categories] of "key=caption", [Types] of
// "number=caption", and a section of part records ("category key|...|") for each
// transmission line, or one fixed section for all.
struct CatalogueSource
{
    const char* fileName;
    bool preferLast;    // a lost choice falls back to the last entry ("None") rather than the first
    bool checkObsolete; // records carry their part in field 2, which may be obsolete
    int categoryField;  // the field of a record that holds its category key
    bool keyedByCable;  // the record section is the cable key, not the fixed "tline"
};

inline constexpr CatalogueSource kHoistFile{"hoist.dat", false, true, 1, true};
inline constexpr CatalogueSource kEntryFile{"cblEntry.dat", true, false, 1, true};
inline constexpr CatalogueSource kGroundFile{"ground.dat", false, false, 1, true};
inline constexpr CatalogueSource kWeatherFile{"weather.dat", false, false, 1, true};
inline constexpr CatalogueSource kGpsFile{"gps.dat", true, true, 1, false};

std::string SectionKeyFor(const CatalogueSource& source, std::string_view cableKey);

// Reads the working lists of a catalogue file afresh: its categories, its types and the
// records of the section key (found without regard to case). A missing file reads as empty.
WorkingLists ReadWorkingLists(const std::string& dataFolder, std::string_view fileName, std::string_view sectionKey);

// Whether a record's category is offered for it: unless its part (field 2, when
// checkObsolete) is obsolete and obsolete parts are hidden.
bool RecordOffered(std::string_view record, const LineList& obsolete, bool checkObsolete, bool keepObsolete);

// The first-level entries for the records of the lists: the captions of their categories,
// sorted without regard to case, each once, then "None". With keepObsolete false, a record
// whose part (field 2, when checkObsolete) is obsolete is left out.
std::vector<std::string> CategoryChoices(const WorkingLists& lists, const LineList& obsolete, bool checkObsolete,
                                         bool keepObsolete, int categoryField);

// Refills the working lists from the file and returns the first-level entries; whether
// obsolete parts stay is read from settings.dat on every call.
std::vector<std::string> LoadCatalogueChoices(const std::string& dataFolder, const LineList& obsolete,
                                              const CatalogueSource& source, std::string_view sectionKey,
                                              WorkingLists& lists);

// One field of every record of the chosen category, in file order, duplicates kept;
// "N/A" alone when there is none.
std::vector<std::string> FillDependentValues(std::string_view parentCaption, const WorkingLists& lists,
                                             int categoryField, int valueField);

// A list of the type captions for which the chosen category has a part. Type number
// firstTypeNumber + k sits in record field firstPartField + k, for k = 0 … extraTypes.
struct TypeChoiceQuery
{
    std::string_view parentCaption;
    int firstTypeNumber = 1;
    int extraTypes = 0;
    int firstPartField = 2;
    int categoryField = 1;
    int filterField = 0; // 0: every record of the category
    std::string_view filterValue;
};

// In record order, duplicates kept; "None" alone when there is none. With keepObsolete
// false, obsolete parts do not count.
std::vector<std::string> TypeChoices(const WorkingLists& lists, const TypeChoiceQuery& query, const LineList& obsolete,
                                     bool keepObsolete);
// The same with keepObsolete read from settings.dat.
std::vector<std::string> FillTypeChoices(const std::string& dataFolder, const LineList& obsolete,
                                         const WorkingLists& lists, const TypeChoiceQuery& query);

// The entry to select after a refill: the one equal to the previous text (ignoring case),
// else the last when preferLast is set, else the first; -1 for an empty list.
int RestoreChoice(const std::vector<std::string>& entries, std::string_view previousText, bool preferLast);

// The text to restore after a refill that should show a wanted entry: the wanted text when
// the list offers it (ignoring case), otherwise the current one.
std::string_view PreferredChoice(const std::vector<std::string>& entries, std::string_view wanted,
                                 std::string_view current);

// Appends "None" unless an entry already reads so (ignoring case); true when it appended.
bool EnsureNoneChoice(std::vector<std::string>& entries);

} // namespace tav
