#pragma once

#include "core/common/LineList.h"
#include "core/materials/AccessoryList.h"
#include "core/materials/ListOfMaterials.h"
#include "core/settings/CustomizePages.h"
#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// The transmission line itself as an item of the list of materials: how much of it the
// run needs and what that costs. The grid's cost column and the list's line row both come
// from OrderLine, so they always agree.

// The heading of the cable page's cost column, after the six evaluation columns.
inline constexpr const char* kLineCostHeading = "Line Cost";

// The run the line is ordered for, as the cable page shows it.
struct LineRun
{
    double horizontalLength = 0; // in the list's unit
    double verticalLength = 0;
    bool meters = false; // the list's unit
    int runsCount = 1;   // as the quantity rules count them, microsite doubling included
    int wastePercent = 0;
};

struct LineOrderItem
{
    int quantity = 0;
    bool meters = false; // the unit of the quantity
    // The unit price of the price record; nothing when the part has none (or no number).
    std::optional<double> unitPrice;
    // "$%.2f" of the quantity at that price, or "N/A".
    std::string costText;
};

// The waste allowance as settings.dat holds it, brought into 0 to 100.
int ClampWastePercent(int percent);

// Whether the price record sells the part by length: field 4 reads "FT" or "M", in any
// case. Nothing when it names another unit, and the list's unit applies.
std::optional<bool> PriceRecordMeters(std::string_view priceRecord);

// The quantity is the ceiling of (horizontal + vertical) x runs x (1 + waste / 100) in the
// price record's unit, worked out exactly in whole numbers (lengths are held to thousandths)
// and rounded up once; an override of advanced.dat for the part replaces it.
LineOrderItem OrderLine(const LineRun& run, std::string_view part, std::string_view priceRecord,
                        std::string_view advancedBytes);

// The line as an item of the accessory list: the selected line's part, filed under the
// section the settings name, with its description from the catalogue.
struct LineListItem
{
    std::string part;
    std::string description;
    std::string section;
    int wastePercent = 0;
};

// The selected line's item when the settings put the line on the list. It goes under the
// chosen section when the table has it, else under the table's first, so a stale setting
// never loses the line. Nothing when the setting is off, no line is selected or the table
// has no section.
std::optional<LineListItem> LineOnList(const LineOptions& options, const LineList& tlines, std::string_view part,
                                       const std::vector<ListSection>& sections);

// Offers the line ahead of the assembled items, so it heads its section.
void OfferLineItem(std::vector<AccessoryItem>& items, const LineListItem& line);

// The recommended quantity of every row of the accessory list: the line's own for the
// line's row, what the quantity rules give for any other. advanced.dat is read once.
RecommendedQuantityFn ListRecommendations(const QuantityInputs& in, const std::optional<LineListItem>& line,
                                          const PriceRecordFn& priceRecord);

// Ticks "Use Recommended Quantity" on the line's row, as the list first offers it.
void TickLineRow(std::vector<AccessoryListRow>& rows, const LineListItem& line);

} // namespace tav
