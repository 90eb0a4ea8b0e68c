#include "core/catalog/RecordLine.h"

#include "core/common/Numbers.h"
#include "core/common/Text.h"

#include <algorithm>

namespace tav {

std::string_view GetFieldView(std::string_view line, int n, char separator)
{
    if (n < 1)
        return {};
    size_t start = 0;
    for (int count = 1;; ++count) {
        const size_t sep = line.find(separator, start);
        // Empty, but still within the line, so an error about it can name the line.
        if (sep == std::string_view::npos)
            return line.substr(line.size());
        if (count == n)
            return line.substr(start, sep - start);
        start = sep + 1;
    }
}

std::string GetField(std::string_view line, int n, char separator)
{
    return std::string(GetFieldView(line, n, separator));
}

int ClosedFields(std::string_view line, char separator)
{
    return static_cast<int>(std::count(line.begin(), line.end(), separator));
}

bool ValueList::Add(std::string value)
{
    auto it = std::lower_bound(items_.begin(), items_.end(), value, LessNoCase());
    if (it != items_.end() && EqualsNoCase(*it, value))
        return false;
    items_.insert(it, std::move(value));
    return true;
}

std::optional<size_t> ValueList::IndexOf(std::string_view value) const
{
    auto it = std::lower_bound(items_.begin(), items_.end(), value, LessNoCase());
    if (it != items_.end() && EqualsNoCase(*it, value))
        return static_cast<size_t>(it - items_.begin());
    return std::nullopt;
}

bool ValueList::Contains(std::string_view value) const
{
    return IndexOf(value).has_value();
}

void SortNumeric(std::vector<std::string>& list)
{
    // Convert everything first so a bad entry leaves the list as it was.
    std::vector<double> keys;
    keys.reserve(list.size());
    for (const auto& entry : list)
        keys.push_back(StrToFloat(entry));
    std::vector<size_t> order(list.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return keys[a] < keys[b]; });
    std::vector<std::string> sorted;
    sorted.reserve(list.size());
    for (size_t i : order)
        sorted.push_back(std::move(list[i]));
    list = std::move(sorted);
}

bool FieldMatches(std::string_view line, int field, std::string_view key, Compare compare)
{
    const std::string_view value = GetFieldView(line, field);
    return compare == Compare::WithCase ? value == key : EqualsNoCase(value, key);
}

} // namespace tav
