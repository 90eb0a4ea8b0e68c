#include "core/materials/PriceListCheck.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Numbers.h"
#include "core/materials/PriceList.h"

#include <algorithm>

namespace tav {

std::vector<PriceListProblem> CheckPriceList(const LineList& lines, size_t maxProblems)
{
    std::vector<PriceListProblem> problems;
    std::vector<PriceListProblem> lineProblems;
    size_t records = 0;
    for (size_t i = 0; i < lines.size() && problems.size() < maxProblems; ++i) {
        const std::string_view line = lines[i];
        if (line.empty())
            continue;
        const int number = static_cast<int>(i) + 1;
        lineProblems.clear();
        if (line.find('\0') != std::string_view::npos)
            lineProblems.push_back({PriceProblemKind::NulByte, number, "holds a NUL byte; a price list is text"});
        const std::string_view part = GetFieldView(line, kPricePartField);
        if (part.empty())
            lineProblems.push_back({PriceProblemKind::NoPartNumber, number, "has no part number (field 3)"});
        const std::string_view price = GetFieldView(line, kPriceUnitPriceField);
        if (!price.empty() && !TryStrToFloat(price))
            lineProblems.push_back({PriceProblemKind::PriceNotNumber, number,
                                    "unit price (field 6) \"" + std::string(price) + "\" is not a number"});
        if (lineProblems.empty()) {
            ++records;
            continue;
        }
        // The first line may be a heading; it is only never matched by a part number.
        const bool heading = number == 1 && lineProblems.front().kind != PriceProblemKind::NulByte;
        if (heading)
            continue;
        for (auto& p : lineProblems)
            if (problems.size() < maxProblems)
                problems.push_back(std::move(p));
    }
    if (records == 0 && problems.size() < maxProblems)
        problems.push_back({PriceProblemKind::NoRecord, 0, "holds no price record"});
    return problems;
}

size_t CountPriceRecords(const LineList& lines)
{
    size_t count = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::string_view price = GetFieldView(line, kPriceUnitPriceField);
        if (!GetFieldView(line, kPricePartField).empty() && (price.empty() || TryStrToFloat(price)))
            ++count;
    }
    return count;
}

namespace {

bool PricesAPart(std::string_view line)
{
    return !GetFieldView(line, kPricePartField).empty() && TryStrToFloat(GetFieldView(line, kPriceUnitPriceField));
}

} // namespace

size_t CountPricedRecords(const LineList& lines)
{
    return static_cast<size_t>(std::count_if(lines.begin(), lines.end(), PricesAPart));
}

bool HoldsAnyPrice(const LineList& lines)
{
    return std::any_of(lines.begin(), lines.end(), PricesAPart);
}

std::vector<PriceListProblem> CheckPriceListBytes(std::string_view bytes, size_t maxProblems)
{
    return CheckPriceList(LineList::FromText(bytes), maxProblems);
}

} // namespace tav
