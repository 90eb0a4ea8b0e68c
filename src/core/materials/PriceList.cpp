#include "core/materials/PriceList.h"

#include "core/catalog/RecordLine.h"

namespace tav {

namespace {

const std::string& EmptyRecord()
{
    static const std::string empty(kPriceRecordFields, kFieldSeparator);
    return empty;
}

} // namespace

std::string EmptyPriceRecord()
{
    return EmptyRecord();
}

std::string FindPriceRecord(const LineList& prices, std::string_view part)
{
    if (const auto i = FindFirstLine(prices, kPricePartField, part, Compare::WithCase))
        return std::string(prices[*i]);
    return EmptyPriceRecord();
}

PriceIndex::PriceIndex(const LineList& prices)
{
    first_.reserve(prices.size());
    for (size_t i = 0; i < prices.size(); ++i)
        first_.emplace(GetFieldView(prices[i], kPricePartField), i); // keeps the first of repeats
}

std::optional<size_t> PriceIndex::Find(std::string_view part) const
{
    const auto it = first_.find(part);
    if (it == first_.end())
        return std::nullopt;
    return it->second;
}

std::string_view PriceIndex::Record(const LineList& prices, std::string_view part) const
{
    const auto i = Find(part);
    if (!i || *i >= prices.size())
        return EmptyRecord();
    return prices[*i];
}

} // namespace tav
