#include "core/wizard/TypedParts.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/settings/IniStore.h"
#include "core/settings/SectionLines.h"
#include "core/wizard/Selection.h"

namespace tav {

namespace {

constexpr const char* kEntryFileName = "cblEntry.dat";

bool InCategory(std::string_view record, std::string_view key, const TypedChoice& choice)
{
    return GetFieldView(record, kRecordCategoryField) == key &&
           (choice.filterField == 0 || GetFieldView(record, choice.filterField) == choice.filterValue);
}

OrderedChoice OrderTypedPart(const QuantityInputs& in, const LineList& obsolete, const WorkingLists& lists,
                             const TypedChoice& choice, const TypedPartFields& layout, const PartOffer& offer)
{
    const std::string listed = TypedPart(lists, choice, layout, obsolete, KeepObsoleteInWizard(in.dataFolder));
    return OrderChosenPart(in.dataFolder, in.meters, obsolete, listed, offer);
}

} // namespace

std::optional<std::string> CategoryKeyOf(const WorkingLists& lists, std::string_view caption)
{
    const std::vector<std::string_view> captions = ValuesByName(lists.categories);
    for (size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == caption)
            if (const auto key = LineName(lists.categories[i]))
                return std::string(*key);
    return std::nullopt;
}

std::optional<int> TypeNumberOf(const WorkingLists& lists, std::string_view caption)
{
    const std::vector<std::string_view> captions = ValuesByName(lists.types);
    for (size_t i = 0; i < captions.size(); ++i)
        if (captions[i] == caption)
            if (const auto name = LineName(lists.types[i]))
                return StrToInt(*name);
    return std::nullopt;
}

std::vector<std::string> TypedChoices(const WorkingLists& lists, const TypedChoice& choice,
                                      const TypedPartFields& layout, const LineList& obsolete, bool keepObsolete)
{
    TypeChoiceQuery query;
    query.parentCaption = choice.category;
    query.firstTypeNumber = layout.firstType;
    query.extraTypes = layout.typeCount - 1;
    query.firstPartField = layout.firstPartField;
    query.categoryField = kRecordCategoryField;
    query.filterField = choice.filterField;
    query.filterValue = choice.filterValue;
    return TypeChoices(lists, query, obsolete, keepObsolete);
}

std::vector<std::string> EntryTypeChoices(const WorkingLists& lists, std::string_view category,
                                          const TypedPartFields& layout, const LineList& obsolete, bool keepObsolete)
{
    // The whole list, "None" included, before anything is selected in it: a choice of
    // "None" or of the last type must find itself again.
    std::vector<std::string> entries = TypedChoices(lists, {category, {}, 0, {}}, layout, obsolete, keepObsolete);
    EnsureNoneChoice(entries);
    return entries;
}

std::string TypedPart(const WorkingLists& lists, const TypedChoice& choice, const TypedPartFields& layout,
                      const LineList& obsolete, bool keepObsolete)
{
    const auto type = TypeNumberOf(lists, choice.type);
    if (!type)
        return {};
    const auto key = CategoryKeyOf(lists, choice.category);
    if (!key)
        return {};
    const int field = layout.FieldOf(*type);
    for (std::string_view record : ValuesByName(lists.parts)) {
        if (!InCategory(record, *key, choice))
            continue;
        const std::string_view part = GetFieldView(record, field);
        if (PartOffered(part, obsolete, keepObsolete))
            return std::string(part);
    }
    return {};
}

std::optional<PartPlace> PlaceOfPart(const WorkingLists& lists, std::string_view part, const TypedPartFields& layout,
                                     int filterField)
{
    if (part.empty())
        return std::nullopt;
    for (std::string_view record : ValuesByName(lists.parts)) {
        const int last = ClosedFields(record);
        for (int field = layout.firstPartField; field <= last; ++field) {
            if (GetFieldView(record, field) != part)
                continue;
            const std::string_view key = GetFieldView(record, kRecordCategoryField);
            for (const std::string& line : lists.categories) {
                if (LineName(line) != key)
                    continue;
                PartPlace place;
                place.category = std::string(ValueOfName(lists.categories, key));
                if (filterField != 0)
                    place.filterValue = GetField(record, filterField);
                place.type = std::string(ValueOfName(lists.types, IntToStr(layout.TypeOf(field))));
                return place;
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::string> TranslateFilterValue(const WorkingLists& lists, std::string_view category, int fromField,
                                                int toField, std::string_view text)
{
    const auto key = CategoryKeyOf(lists, category);
    if (!key)
        return std::nullopt;
    for (std::string_view record : ValuesByName(lists.parts))
        if (GetFieldView(record, kRecordCategoryField) == *key && GetFieldView(record, fromField) == text)
            return GetField(record, toField);
    return std::nullopt;
}

std::optional<std::string> SelectEntryPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& obsolete, const WorkingLists& lists,
                                           const TypedChoice& choice, int slot, std::string_view quantity,
                                           const PartOffer& offer)
{
    OrderedChoice chosen = OrderTypedPart(in, obsolete, lists, choice, EntryPlateFields(), offer);
    if (chosen.ordered.empty())
        ClearSelection(selection, slot);
    else
        WriteSelection(selection, slot, chosen.ordered, quantity, section::CableEntry);
    return std::move(chosen.moveTo);
}

std::optional<std::string> SelectTypedPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                           const LineList& obsolete, const WorkingLists& lists,
                                           const TypedChoice& choice, const TypedPartFields& layout, int slot,
                                           const PartOffer& offer)
{
    OrderedChoice chosen = OrderTypedPart(in, obsolete, lists, choice, layout, offer);
    if (chosen.ordered.empty()) {
        ClearSelection(selection, slot);
    } else {
        const int sectionNumber = slot == slot::GroundingKit ? section::GroundingKit : section::Weatherproofing;
        WriteSelection(selection, slot, chosen.ordered, SlotQuantity(in, chosen.ordered, slot), sectionNumber);
    }
    return std::move(chosen.moveTo);
}

std::string ArrestorPart(const std::string& dataFolder)
{
    TBiggerIniFile ini(WithTrailingSlash(dataFolder) + kEntryFileName);
    return ini.ReadString(kArrestorSection, kArrestorKey, "");
}

bool WriteArrestorSelection(std::vector<std::string>& selection, const std::string& dataFolder, int quantity)
{
    const std::string part = quantity > 0 ? ArrestorPart(dataFolder) : std::string();
    if (part.empty())
        ClearSelection(selection, slot::Arrestor);
    else
        WriteSelection(selection, slot::Arrestor, part, quantity, section::CableEntry);
    return quantity <= 0 || !part.empty();
}

} // namespace tav
