#include "core/settings/SectionLines.h"

#include "core/common/Text.h"

#include <unordered_map>

namespace tav {

namespace {

struct HashNoCase
{
    size_t operator()(std::string_view s) const
    {
        size_t h = 14695981039346656037ull;
        for (char c : s) {
            h ^= static_cast<unsigned char>(LowerAscii(c));
            h *= 1099511628211ull;
        }
        return h;
    }
};

struct EqualNoCase
{
    bool operator()(std::string_view a, std::string_view b) const { return EqualsNoCase(a, b); }
};

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
    std::unordered_map<std::string_view, std::string_view, HashNoCase, EqualNoCase> first;
    first.reserve(lines.size());
    for (const auto& line : lines) {
        const auto name = LineName(line);
        if (!name) {
            values.emplace_back();
            continue;
        }
        const auto [it, added] = first.emplace(*name, ValueOf(line));
        values.push_back(it->second);
    }
    return values;
}

} // namespace tav
