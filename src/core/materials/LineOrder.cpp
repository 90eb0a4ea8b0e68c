#include "core/materials/LineOrder.h"

#include "core/cable/CableCatalogue.h"
#include "core/cable/MetricPart.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Text.h"
#include "core/materials/ListOfMaterials.h"
#include "core/materials/PriceList.h"
#include "core/wizard/Quantities.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tav {

namespace {

// The price record's unit of sale.
constexpr int kPriceUnitField = 4;
// The description of a tlines.dat line.
constexpr int kLineDescriptionField = 12;

// Feet per metre as the exact fraction the program's factor is.
constexpr long long kFeetPerMeterTimes10k = 32808;
static_assert(kFeetPerMeterTimes10k == static_cast<long long>(kFeetPerMeter * 10000 + 0.5));

// A length as whole thousandths, the precision the cable page holds it to.
long long Thousandths(double length)
{
    if (!(length > 0))
        return 0;
    return std::llround(std::min(length, 1e12) * 1000);
}

int CeilQuotient(__int128 numerator, __int128 denominator)
{
    const __int128 q = (numerator + denominator - 1) / denominator;
    return q > INT_MAX ? INT_MAX : static_cast<int>(q);
}

} // namespace

int ClampWastePercent(int percent)
{
    return std::clamp(percent, 0, 100);
}

std::optional<bool> PriceRecordMeters(std::string_view priceRecord)
{
    const std::string_view unit = GetFieldView(priceRecord, kPriceUnitField);
    if (EqualsNoCase(unit, "FT"))
        return false;
    if (EqualsNoCase(unit, "M"))
        return true;
    return std::nullopt;
}

LineOrderItem OrderLine(const LineRun& run, std::string_view part, std::string_view priceRecord,
                        std::string_view advancedBytes)
{
    LineOrderItem item;
    item.meters = PriceRecordMeters(priceRecord).value_or(run.meters);
    const int advanced = OverrideQuantity(advancedBytes, part);
    if (advanced != 0) {
        item.quantity = advanced;
    } else {
        // Everything in whole numbers: thousandths of the list's unit, percent, and the
        // factor in ten-thousandths, so only the final division rounds.
        __int128 numerator =
            static_cast<__int128>(Thousandths(run.horizontalLength) + Thousandths(run.verticalLength)) *
            std::max(run.runsCount, 0) * (100 + ClampWastePercent(run.wastePercent));
        __int128 denominator = 1000 * 100;
        if (run.meters && !item.meters) {
            numerator *= kFeetPerMeterTimes10k;
            denominator *= 10000;
        } else if (!run.meters && item.meters) {
            numerator *= 10000;
            denominator *= kFeetPerMeterTimes10k;
        }
        item.quantity = CeilQuotient(numerator, denominator);
    }

    const std::string_view unitText = GetFieldView(priceRecord, kPriceUnitPriceField);
    if (const auto price = unitText.empty() ? std::nullopt : TryStrToFloat(unitText)) {
        item.unitPrice = *price;
        item.costText = FormatMoney(std::max(item.quantity, 0) * *price);
    } else {
        item.costText = kNoPriceText;
    }
    return item;
}

std::optional<LineListItem> LineOnList(const LineOptions& options, const LineList& tlines, std::string_view part,
                                       const std::vector<ListSection>& sections)
{
    if (!options.onList || part.empty() || sections.empty())
        return std::nullopt;
    const auto cable = FindCable(tlines, part);
    if (!cable)
        return std::nullopt;
    const auto chosen = std::find_if(sections.begin(), sections.end(),
                                     [&](const ListSection& s) { return s.number == options.section; });
    return LineListItem{cable->partNumber, GetField(tlines[cable->index], kLineDescriptionField),
                        (chosen != sections.end() ? *chosen : sections.front()).number,
                        ClampWastePercent(options.wastePercent)};
}

void OfferLineItem(std::vector<AccessoryItem>& items, const LineListItem& line)
{
    items.insert(items.begin(), AccessoryItem{"line=" + line.part + "|" + line.description + "|" + line.section + "|",
                                              std::string(), 0});
}

RecommendedQuantityFn ListRecommendations(const QuantityInputs& in, const std::optional<LineListItem>& line,
                                          const PriceRecordFn& priceRecord)
{
    std::string overrides;
    if (line)
        overrides = ReadFileBytes(WithTrailingSlash(in.dataFolder) + kAdvancedFileName).value_or(std::string());
    return [in, line, priceRecord, overrides](std::string_view part, std::string_view section) {
        if (line && part == line->part && section == line->section) {
            const LineRun run{in.horizontalLength, in.verticalLength, in.meters, in.runsCount, line->wastePercent};
            return OrderLine(run, part, priceRecord(part), overrides).quantity;
        }
        return RecommendedQuantity(in, part, section);
    };
}

void TickLineRow(std::vector<AccessoryListRow>& rows, const LineListItem& line)
{
    const auto row = std::find_if(rows.begin(), rows.end(), [&](const AccessoryListRow& r) {
        return !r.heading && r.part == line.part && r.section == line.section;
    });
    if (row != rows.end())
        row->useRecommended = true;
}

} // namespace tav
