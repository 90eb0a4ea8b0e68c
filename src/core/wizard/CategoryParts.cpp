#include "core/wizard/CategoryParts.h"

#include "core/catalog/CatalogueFile.h"
#include "core/catalog/RecordLine.h"
#include "core/settings/SectionLines.h"
#include "core/wizard/Selection.h"

namespace tav {

namespace {

// The section of the list of materials: the GPS item has its own, every other category
// part is a hoisting grip.
int SectionOfSlot(int slot)
{
    return slot == slot::Gps ? section::Gps : section::HoistingGrip;
}

void WritePart(std::vector<std::string>& selection, const QuantityInputs& in, int slot, const std::string& part)
{
    if (part.empty())
        ClearSelection(selection, slot);
    else
        WriteSelection(selection, slot, part, SlotQuantity(in, part, slot), SectionOfSlot(slot));
}

} // namespace

std::string CategoryPart(const WorkingLists& lists, std::string_view caption, const LineList& obsolete,
                         bool keepObsolete)
{
    const std::vector<std::string_view> captions = ValuesByName(lists.categories);
    for (size_t i = 0; i < captions.size(); ++i) {
        if (captions[i] != caption)
            continue;
        // A category is named by its key; a line without one names no category.
        const auto key = LineName(lists.categories[i]);
        if (!key)
            return {};
        for (std::string_view record : ValuesByName(lists.parts))
            if (GetFieldView(record, kRecordCategoryField) == *key &&
                RecordOffered(record, obsolete, true, keepObsolete))
                return std::string(GetFieldView(record, kRecordPartField));
        return {};
    }
    return {};
}

std::optional<std::string> CategoryOfPart(const WorkingLists& lists, std::string_view part)
{
    if (part.empty())
        return std::nullopt;
    for (std::string_view record : ValuesByName(lists.parts)) {
        if (GetFieldView(record, kRecordPartField) != part)
            continue;
        const std::string_view key = GetFieldView(record, kRecordCategoryField);
        const std::vector<std::string_view> captions = ValuesByName(lists.categories);
        for (size_t i = 0; i < captions.size(); ++i)
            if (LineName(lists.categories[i]) == key)
                return std::string(captions[i]);
        return std::nullopt;
    }
    return std::nullopt;
}

std::optional<std::string> SelectCategoryPart(std::vector<std::string>& selection, const QuantityInputs& in,
                                              const LineList& obsolete, const WorkingLists& lists,
                                              std::string_view caption, int slot, const PartOffer& offer)
{
    const std::string listed = CategoryPart(lists, caption, obsolete, KeepObsoleteInWizard(in.dataFolder));
    OrderedChoice chosen = OrderChosenPart(in.dataFolder, in.meters, obsolete, listed, offer);
    WritePart(selection, in, slot, chosen.ordered);
    return std::move(chosen.moveTo);
}

} // namespace tav
