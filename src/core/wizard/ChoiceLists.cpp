#include "core/wizard/ChoiceLists.h"

#include "core/catalog/CatalogueFile.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/settings/IniStore.h"
#include "core/settings/SectionLines.h"
#include "core/wizard/Obsolete.h"

namespace tav {

namespace {

// The caption the categories (or types) list gives for a key; empty when it has none.
std::string_view CaptionOf(const std::vector<std::string>& captions, std::string_view key)
{
    return ValueOfName(captions, key);
}

} // namespace

std::string SectionKeyFor(const CatalogueSource& source, std::string_view cableKey)
{
    return std::string(source.keyedByCable ? cableKey : std::string_view(kGpsSectionKey));
}

WorkingLists ReadWorkingLists(const std::string& dataFolder, std::string_view fileName, std::string_view sectionKey)
{
    WorkingLists lists;
    const std::string path = WithTrailingSlash(dataFolder) + std::string(fileName);
    TBiggerIniFile ini(path);
    ini.ReadSectionValues(kCategoriesSection, lists.categories);
    ini.ReadSectionValues(kTypesSection, lists.types);
    ini.ReadSectionValues(sectionKey, lists.parts);
    return lists;
}

bool RecordOffered(std::string_view record, const LineList& obsolete, bool checkObsolete, bool keepObsolete)
{
    return !checkObsolete || keepObsolete || !IsObsolete(obsolete, GetFieldView(record, kRecordPartField));
}

std::vector<std::string> CategoryChoices(const WorkingLists& lists, const LineList& obsolete, bool checkObsolete,
                                         bool keepObsolete, int categoryField)
{
    ValueList captions;
    for (std::string_view record : ValuesByName(lists.parts))
        if (RecordOffered(record, obsolete, checkObsolete, keepObsolete))
            captions.Add(std::string(CaptionOf(lists.categories, GetFieldView(record, categoryField))));
    std::vector<std::string> entries = captions.Take();
    entries.emplace_back(kNoneChoice);
    return entries;
}

std::vector<std::string> LoadCatalogueChoices(const std::string& dataFolder, const LineList& obsolete,
                                              const CatalogueSource& source, std::string_view sectionKey,
                                              WorkingLists& lists)
{
    lists.Clear();
    const bool keepObsolete = KeepObsoleteInWizard(dataFolder);
    lists = ReadWorkingLists(dataFolder, source.fileName, sectionKey);
    return CategoryChoices(lists, obsolete, source.checkObsolete, keepObsolete, source.categoryField);
}

std::vector<std::string> FillDependentValues(std::string_view parentCaption, const WorkingLists& lists,
                                             int categoryField, int valueField)
{
    std::vector<std::string> entries;
    for (std::string_view record : ValuesByName(lists.parts))
        if (CaptionOf(lists.categories, GetFieldView(record, categoryField)) == parentCaption)
            entries.emplace_back(GetFieldView(record, valueField));
    if (entries.empty())
        entries.emplace_back(kNotApplicableChoice);
    return entries;
}

std::vector<std::string> TypeChoices(const WorkingLists& lists, const TypeChoiceQuery& query, const LineList& obsolete,
                                     bool keepObsolete)
{
    std::vector<std::string> entries;
    for (std::string_view record : ValuesByName(lists.parts)) {
        if (CaptionOf(lists.categories, GetFieldView(record, query.categoryField)) != query.parentCaption)
            continue;
        if (query.filterField != 0 && GetFieldView(record, query.filterField) != query.filterValue)
            continue;
        for (int k = 0; k <= query.extraTypes; ++k) {
            const std::string_view part = GetFieldView(record, query.firstPartField + k);
            if (PartOffered(part, obsolete, keepObsolete))
                entries.emplace_back(CaptionOf(lists.types, IntToStr(query.firstTypeNumber + k)));
        }
    }
    if (entries.empty())
        entries.emplace_back(kNoneChoice);
    return entries;
}

std::vector<std::string> FillTypeChoices(const std::string& dataFolder, const LineList& obsolete,
                                         const WorkingLists& lists, const TypeChoiceQuery& query)
{
    return TypeChoices(lists, query, obsolete, KeepObsoleteInWizard(dataFolder));
}

int RestoreChoice(const std::vector<std::string>& entries, std::string_view previousText, bool preferLast)
{
    if (entries.empty())
        return -1;
    for (size_t i = 0; i < entries.size(); ++i)
        if (EqualsNoCase(entries[i], previousText))
            return static_cast<int>(i);
    return preferLast ? static_cast<int>(entries.size()) - 1 : 0;
}

std::string_view PreferredChoice(const std::vector<std::string>& entries, std::string_view wanted,
                                 std::string_view current)
{
    for (const auto& entry : entries)
        if (EqualsNoCase(entry, wanted))
            return wanted;
    return current;
}

bool EnsureNoneChoice(std::vector<std::string>& entries)
{
    for (const auto& entry : entries)
        if (EqualsNoCase(entry, kNoneChoice))
            return false;
    entries.emplace_back(kNoneChoice);
    return true;
}

} // namespace tav
