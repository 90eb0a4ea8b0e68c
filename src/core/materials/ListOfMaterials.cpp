#include "core/materials/ListOfMaterials.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Errors.h"
#include "core/common/Numbers.h"
#include "core/materials/PriceList.h"
#include "core/wizard/Quantities.h"
#include "core/wizard/Selection.h"

#include <algorithm>
#include <climits>
#include <unordered_map>

namespace tav {

namespace {

std::string Record(std::string_view part, std::string_view quantity, std::string_view section)
{
    std::string r;
    r.reserve(part.size() + quantity.size() + section.size() + 3);
    r.append(part).append("|").append(quantity).append("|").append(section).append("|");
    return r;
}

} // namespace

const std::string& MaterialsRow::Cell(int column) const
{
    switch (column) {
    case 0:
        return partNumber;
    case 1:
        return description;
    case 2:
        return price;
    case 3:
        return quantity;
    default:
        return extended;
    }
}

const std::vector<std::string>& AdapterNoteLines()
{
    static const std::vector<std::string> lines{
        "NOTE: KOVA quantities are calculated by assuming three runs per adapter ",
        "for 1/2\" and 7/8\" cable and 2 runs per adapter for 1-1/4\" and 1-5/8\" cable.",
        "please make the necessary adjustments if this is not correct for your application.",
    };
    return lines;
}

std::vector<std::string> CollectListPicks(const std::vector<std::string>& selection,
                                          const std::vector<AccessoryListRow>& rows)
{
    std::vector<std::string> out(selection.begin(),
                                 selection.begin() + std::min(selection.size(), static_cast<size_t>(kSelectionSlots)));
    out.resize(kSelectionSlots, kEmptySelectionRecord);
    for (const AccessoryListRow& row : rows)
        if (!row.heading && row.quantity > 0)
            out.push_back(Record(row.part, IntToStr(row.quantity), row.section));
    return out;
}

std::vector<std::string> MergeByPart(const std::vector<std::string>& records)
{
    struct Merged
    {
        std::string_view part;
        std::string_view section;
        long long sum = 0;
    };
    std::vector<Merged> merged;
    std::unordered_map<std::string_view, size_t> byPart;
    for (const std::string& r : records) {
        const std::string_view part = GetFieldView(r, 1);
        if (part.empty())
            continue;
        const int quantity = StrToInt(GetFieldView(r, 2));
        const auto [it, added] = byPart.emplace(part, merged.size());
        if (added)
            merged.push_back({part, GetFieldView(r, 3), 0});
        merged[it->second].sum += quantity;
    }
    std::vector<std::string> out;
    out.reserve(merged.size());
    for (const Merged& m : merged) {
        // A sum no quantity can hold is refused, never ordered as something else.
        if (m.sum > INT_MAX)
            throw ConversionError("'" + IntToStr(m.sum) + "' is not a valid integer value");
        if (m.sum >= 1)
            out.push_back(Record(m.part, IntToStr(m.sum), m.section));
    }
    return out;
}

ListOfMaterials BuildMaterials(const std::vector<std::string>& records, const std::vector<ListSection>& sections,
                               const PriceRecordFn& priceRecord)
{
    struct Item
    {
        std::string_view part;
        int quantity;
    };
    // Convert every quantity first: a bad one stops the build before anything is listed.
    // Each record goes straight to its section's group, so a long list is grouped in one pass.
    const SectionOrder order(sections);
    std::vector<std::vector<Item>> bySection(sections.size());
    for (const std::string& r : records) {
        const std::string_view part = GetFieldView(r, 1);
        if (part.empty())
            continue;
        const auto s = order.Of(GetFieldView(r, 3));
        if (!s)
            continue;
        const int quantity = StrToInt(GetFieldView(r, 2));
        if (quantity >= 1)
            bySection[*s].push_back({part, quantity});
    }

    ListOfMaterials list;
    double total = 0;
    for (size_t s = 0; s < sections.size(); ++s) {
        if (bySection[s].empty())
            continue;
        MaterialsRow heading;
        heading.kind = MaterialsRowKind::Heading;
        heading.partNumber = sections[s].caption;
        list.rows.push_back(std::move(heading));
        for (const Item& item : bySection[s]) {
            if (item.part == kAdapterPart)
                list.adapterNote = true;
            const std::string_view price = priceRecord(item.part);
            MaterialsRow row;
            row.partNumber = std::string(item.part);
            const std::string_view description = GetFieldView(price, kPriceDescriptionField);
            row.description = description.empty() ? std::string(kNoDescriptionText) : std::string(description);
            row.quantity = IntToStr(item.quantity);
            const std::string_view unitText = GetFieldView(price, kPriceUnitPriceField);
            if (unitText.empty()) {
                row.price = kNoPriceText;
                row.extended = kAskForPriceText;
            } else {
                const double unit = StrToFloat(unitText);
                const double extended = item.quantity * unit;
                total += extended;
                row.price = FormatMoney(unit);
                row.extended = FormatMoney(extended);
            }
            list.rows.push_back(std::move(row));
        }
    }
    list.total = FormatMoney(total);
    return list;
}

} // namespace tav
