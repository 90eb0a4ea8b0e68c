#pragma once

#include <optional>
#include <string>
#include <string_view>

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

} // namespace tav
