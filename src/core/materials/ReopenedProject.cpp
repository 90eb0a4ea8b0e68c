#include "core/materials/ReopenedProject.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/common/Text.h"
#include "core/materials/AccessoryItems.h"
#include "core/wizard/Obsolete.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace tav {

namespace {

std::string Entry(const std::vector<std::string>& list, int index)
{
    return index >= 0 && index < static_cast<int>(list.size()) ? list[static_cast<size_t>(index)] : std::string();
}

// A length as its box holds it: rounded to the box's decimals and within its range.
double BoxLength(const std::string& text)
{
    return std::clamp(RoundRunLength(StrToFloat(text)), 0.0, kMaxRunLength);
}

// The band, beginning first: a stored beginning that is no number, or that lies at or above
// every ending, gives way to the lowest, as the page replaces a beginning it cannot use.
void ReplayBand(const ProjectInputs& in, const FrequencyLists& frequencies, OpenedCablePage& page,
                std::vector<std::string>& notes)
{
    page.beginnings = frequencies.beginning;
    const std::string lowest = Entry(frequencies.beginning, 0);
    page.beginning = in.beginning.empty() ? lowest : in.beginning;
    const std::string ending = in.ending.empty() ? Entry(frequencies.ending, 0) : in.ending;
    std::string why;
    if (!IsNumeric(page.beginning))
        why = "is no number";
    else if (!in.beginning.empty() && EndingsForBeginning(frequencies.ending, page.beginning, ending).entries.empty())
        why = "lies at or above every ending frequency";
    if (!why.empty())
        page.beginning = lowest;
    FrequencyChoices endings = EndingsForBeginning(frequencies.ending, page.beginning, ending);
    page.endings = std::move(endings.entries);
    page.ending = Entry(page.endings, endings.selected);
    if (!why.empty())
        notes.push_back("The beginning frequency '" + in.beginning + "' " + why + "; the band " + page.beginning +
                        " - " + page.ending + " MHz is used instead.");
}

// Types, diameters and the evaluated lines of the band, as the page's cascade finds them.
void ReplayCable(const ProjectInputs& in, const CatalogueLists& lists, OpenedCablePage& page)
{
    const auto beginning = TryStrToFloat(page.beginning), ending = TryStrToFloat(page.ending);
    std::optional<Band> band;
    if (beginning && ending)
        band = Band{*beginning, *ending};
    if (band)
        page.typesOffered = AvailableTypes(lists.tlines, *band, &lists.tlineIndex);
    page.cableType = TypeForBand(page.typesOffered, in.cableType);
    const std::string typeCode = CableTypeCode(page.cableType);
    if (band)
        page.diameters = Diameters(lists.tlines, *band, typeCode, &lists.tlineIndex);
    const auto kept = std::find_if(page.diameters.begin(), page.diameters.end(),
                                   [&](const std::string& d) { return EqualsNoCase(d, in.size); });
    page.diameter = kept != page.diameters.end() ? *kept : Entry(page.diameters, 0);

    page.cableKey = in.tline;
    if (!band)
        return;
    page.evaluation = {band->beginning, band->ending, page.horizontalLength + page.verticalLength, page.meters,
                       page.cableType == kWaveguideItem};
    page.lines = EvaluateCandidateLines(lists.tlines, page.evaluation, typeCode, page.diameter, &lists.tlineIndex);
    page.currentRow = page.lines.empty() ? -1 : 0;
    for (size_t r = 0; r < page.lines.size(); ++r) {
        const auto cable = FindCable(lists.tlines, GetFieldView(page.lines[r].row, 1));
        if (cable && cable->cableKey == in.tline) {
            page.currentRow = static_cast<int>(r);
            break;
        }
    }
}

} // namespace

ListSource SourceOf(const OpenedCablePage& page)
{
    ListSource source{page.cableKey, page.cableType, page.beginning, page.ending, {}};
    if (page.currentRow >= 0 && page.currentRow < static_cast<int>(page.lines.size()))
        source.linePart = GetField(page.lines[static_cast<size_t>(page.currentRow)].row, 1);
    return source;
}

AssembledList AssembleList(const ListSource& source, const Folders& folders, const CatalogueLists& lists)
{
    TBigIniFile list(folders.data + kAccessoryListFileName);
    AssembledList out;
    out.sections = ReadListSections(list);
    const bool surge = !lists.surge.empty();
    const Band band = surge ? Band{StrToFloat(source.beginning), StrToFloat(source.ending)} : Band{};
    out.items = AssembleAccessoryItems(list, source.cableKey, CableTypeCode(source.cableType), lists.surge,
                                       surge ? &band : nullptr);
    out.offered = !out.items.empty();
    out.line = LineOnList(LoadLineOptions(folders.data), lists.tlines, source.linePart, out.sections);
    if (out.line)
        OfferLineItem(out.items, *out.line);
    return out;
}

SiteList AddProjectToList(const std::vector<AccessoryListRow>& rows, const std::vector<std::string>& records,
                          const Project& more, const ListSource& source, const Folders& folders,
                          const CatalogueLists& lists)
{
    const AssembledList assembled = AssembleList(source, folders, lists);
    const auto price = [&lists](std::string_view part) { return lists.priceIndex.Record(lists.price, part); };
    const auto describe = [&price](std::string_view part) { return GetField(price(part), kPriceDescriptionField); };
    const ReopenedList added = RestoreReopenedItems(assembled.items, assembled.sections, lists.obsolete,
                                                    KeepObsoleteInList(folders.data), more.items, describe);
    SiteList site;
    std::vector<std::string> all = records;
    all.insert(all.end(), added.records.begin(), added.records.end());
    site.records = MergeByPart(all);
    site.materials = NamingPlace([&] { return BuildMaterials(site.records, assembled.sections, price); }, lists.price);

    // Each added part joins the first row of it; a part the rows lack gets one under the
    // section it was filed in.
    site.rows = rows;
    std::unordered_map<std::string_view, size_t> firstRow;
    for (size_t i = 0; i < site.rows.size(); ++i)
        if (!site.rows[i].heading)
            firstRow.emplace(site.rows[i].part, i);
    std::vector<AccessoryListRow> missing;
    for (const std::string& record : added.records) {
        const std::string part = GetField(record, 1);
        const int quantity = StrToInt(GetFieldView(record, 2));
        if (const auto it = firstRow.find(part); it != firstRow.end()) {
            AccessoryListRow& row = site.rows[it->second];
            const long long sum = static_cast<long long>(row.quantity) + quantity;
            if (sum > kMaxListQuantity)
                throw ConversionError("'" + IntToStr(sum) + "' is not a valid integer value");
            row.quantity = static_cast<int>(sum);
            // The sum is no longer what the rules recommend.
            row.useRecommended = false;
        } else {
            missing.push_back({false, part, describe(part), GetField(record, 3), quantity, false});
        }
    }
    CarryOverRows(site.rows, missing, assembled.sections);
    return site;
}

OpenedProject PlanOpenedProject(const Project& project, const Folders& folders, const CatalogueLists& lists)
{
    const ProjectInputs& in = project.inputs;
    OpenedProject plan;
    OpenedCablePage& page = plan.page;
    page.horizontalLength = BoxLength(in.horizontalLength);
    page.verticalLength = BoxLength(in.verticalLength);
    page.numRuns = in.numRuns;
    page.meters = !in.feet;
    ReplayBand(in, BuildFrequencyLists(lists.tlines), page, plan.notes);
    ReplayCable(in, lists, page);

    const AssembledList assembled = AssembleList(SourceOf(page), folders, lists);
    plan.accessoriesOffered = assembled.offered;
    plan.line = assembled.line;

    const auto price = [&lists](std::string_view part) { return lists.priceIndex.Record(lists.price, part); };
    const auto describe = [&price](std::string_view part) { return GetField(price(part), kPriceDescriptionField); };
    ReopenedList reopened = RestoreReopenedItems(assembled.items, assembled.sections, lists.obsolete,
                                                 KeepObsoleteInList(folders.data), project.items, describe);
    plan.materials =
        NamingPlace([&] { return BuildMaterials(reopened.records, assembled.sections, price); }, lists.price);
    plan.accessoryRows = std::move(reopened.rows);
    plan.records = std::move(reopened.records);
    return plan;
}

OpenedProject OpenProject(std::string_view bytes, std::string_view fileName, const Folders& folders,
                          const CatalogueLists& lists)
{
    return PlanOpenedProject(ParseProjectFile(bytes, fileName), folders, lists);
}

} // namespace tav
