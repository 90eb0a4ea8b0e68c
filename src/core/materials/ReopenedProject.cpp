#include "core/materials/ReopenedProject.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Numbers.h"
#include "core/materials/AccessoryItems.h"
#include "core/wizard/Obsolete.h"

namespace tav {

namespace {

std::string Entry(const std::vector<std::string>& list, int index)
{
    return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<size_t>(index)] : std::string();
}

} // namespace

ReopenedCablePage ReopenCablePage(const ProjectInputs& inputs, const FrequencyLists& frequencies,
                                  const LineList& tlines)
{
    ReopenedCablePage page;
    page.beginning = inputs.beginning.empty() ? Entry(frequencies.beginning, 0) : inputs.beginning;
    const std::string ending = inputs.ending.empty() ? Entry(frequencies.ending, 0) : inputs.ending;
    if (!IsNumeric(page.beginning)) {
        page.beginning = Entry(frequencies.beginning, 0);
        page.beginningRefused = true;
    }
    const FrequencyChoices endings = EndingsForBeginning(frequencies.ending, page.beginning, ending);
    page.ending = Entry(endings.entries, endings.selected);

    std::array<bool, kCableTypeCount> available{};
    const auto beginning = TryStrToFloat(page.beginning), end = TryStrToFloat(page.ending);
    if (beginning && end)
        available = AvailableTypes(tlines, Band{*beginning, *end});
    page.cableType = TypeForBand(available, inputs.cableType);
    return page;
}

ListOfMaterials ReopenedMaterials(const Project& project, const ReopenedCablePage& page, const Folders& folders,
                                  const CatalogueLists& lists)
{
    TBigIniFile list(folders.data + kAccessoryListFileName);
    const std::vector<ListSection> sections = ReadListSections(list);
    const bool surge = !lists.surge.empty();
    const Band band = surge ? Band{StrToFloat(page.beginning), StrToFloat(page.ending)} : Band{};
    const std::vector<AccessoryItem> items = AssembleAccessoryItems(
        list, project.inputs.tline, CableTypeCode(page.cableType), lists.surge, surge ? &band : nullptr);
    std::vector<AccessoryListRow> rows =
        LayOutAccessoryList(items, sections, lists.obsolete, KeepObsoleteInList(folders.data));

    const auto price = [&lists](std::string_view part) { return lists.priceIndex.Record(lists.price, part); };
    const auto describe = [&price](std::string_view part) { return GetField(price(part), kPriceDescriptionField); };
    const std::vector<std::string> records = RestoreReopenedItems(rows, project.items, sections, describe);
    return BuildMaterials(records, sections, price);
}

} // namespace tav
