#include "core/settings/SectionLines.h"

#include "core/common/Text.h"

#include <algorithm>

namespace tav {

namespace {

std::string_view ValueOf(std::string_view line)
{
    return line.substr(line.find('=') + 1);
}

} // namespace

std::optional<std::string_view> LineName(std::string_view line)
{
    const size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return line.substr(0, eq);
}

std::string_view ValueOfName(const std::vector<std::string>& lines, std::string_view name)
{
    for (const auto& line : lines) {
        const auto n = LineName(line);
        if (n && EqualsNoCase(*n, name))
            return ValueOf(line);
    }
    return {};
}

std::vector<std::string_view> ValuesByName(const std::vector<std::string>& lines)
{
    std::vector<std::string_view> values;
    values.reserve(lines.size());
    // The folded hash of each line's name: the first line of a name is found by a fast scan
    // of numbers, and only lines of an equal hash compare their names.
    std::vector<size_t> hashes;
    hashes.reserve(lines.size());
    for (size_t i = 0; i < lines.size(); ++i) {
        const auto name = LineName(lines[i]);
        hashes.push_back(name ? HashNoCase(*name) : 0);
        if (!name) {
            values.emplace_back();
            continue;
        }
        size_t first = i;
        for (auto it = std::find(hashes.begin(), hashes.end() - 1, hashes.back()); it != hashes.end() - 1;
             it = std::find(it + 1, hashes.end() - 1, hashes.back())) {
            const auto other = LineName(lines[static_cast<size_t>(it - hashes.begin())]);
            if (other && EqualsNoCase(*other, *name)) {
                first = static_cast<size_t>(it - hashes.begin());
                break;
            }
        }
        values.push_back(ValueOf(lines[first]));
    }
    return values;
}

} // namespace tav
