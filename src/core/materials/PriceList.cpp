#include "core/materials/PriceList.h"

#include "core/catalog/RecordLine.h"

#include <algorithm>
#include <functional>

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
    entries_.reserve(prices.size());
    for (size_t i = 0; i < prices.size(); ++i) {
        const std::string_view part = GetFieldView(prices[i], kPricePartField);
        entries_.push_back({std::hash<std::string_view>{}(part), i, keys_.size(), part.size()});
        keys_.append(part);
    }
    std::sort(entries_.begin(), entries_.end(),
              [](const Entry& a, const Entry& b) { return a.hash != b.hash ? a.hash < b.hash : a.line < b.line; });
}

std::optional<size_t> PriceIndex::Find(std::string_view part) const
{
    const size_t hash = std::hash<std::string_view>{}(part);
    auto it =
        std::lower_bound(entries_.begin(), entries_.end(), hash, [](const Entry& e, size_t h) { return e.hash < h; });
    // Entries of one hash are in line order, so the first equal part is the first record.
    for (; it != entries_.end() && it->hash == hash; ++it)
        if (std::string_view(keys_).substr(it->offset, it->length) == part)
            return it->line;
    return std::nullopt;
}

std::string_view PriceIndex::Record(const LineList& prices, std::string_view part) const
{
    const auto i = Find(part);
    if (!i || *i >= prices.size())
        return EmptyRecord();
    return prices[*i];
}

} // namespace tav
