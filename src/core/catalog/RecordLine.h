#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

inline constexpr char kFieldSeparator = '|';

// Field n (from 1) is the text between the (n-1)-th and the n-th separator, untrimmed.
// Text after the last separator is not a field, so it reads as empty.
std::string GetField(std::string_view line, int n, char separator = kFieldSeparator);
std::string_view GetFieldView(std::string_view line, int n, char separator = kFieldSeparator);
// How many fields the line closes: the last field that can hold text.
int ClosedFields(std::string_view line, char separator = kFieldSeparator);

// Distinct values for a pick list: kept sorted by text without regard to case; a value
// already present (ignoring case) is not added again.
class ValueList
{
public:
    // Returns false when an equal value (ignoring case) was already there.
    bool Add(std::string value);
    bool Contains(std::string_view value) const;
    std::optional<size_t> IndexOf(std::string_view value) const;
    size_t Size() const { return items_.size(); }
    bool Empty() const { return items_.empty(); }
    const std::vector<std::string>& Items() const { return items_; }
    std::vector<std::string> Take() { return std::move(items_); }

private:
    std::vector<std::string> items_;
};

// Ascending by numeric value; equal values keep their order. Throws ConversionError
// when an entry is not a number.
void SortNumeric(std::vector<std::string>& list);

enum class Compare
{
    WithCase,
    IgnoreCase,
};

bool FieldMatches(std::string_view line, int field, std::string_view key, Compare compare);

// The first-match lookup shared by the catalogue lists: scan from the first line,
// compare one field with the key and stop at the first match.
template <typename Lines>
std::optional<size_t> FindFirstLine(const Lines& lines, int field, std::string_view key, Compare compare)
{
    for (size_t i = 0; i < lines.size(); ++i)
        if (FieldMatches(lines[i], field, key, compare))
            return i;
    return std::nullopt;
}

// True when some line of the obsolete list has field 1 equal to the part number (with case).
template <typename Lines> bool IsObsolete(const Lines& obsoleteList, std::string_view partNumber)
{
    return FindFirstLine(obsoleteList, 1, partNumber, Compare::WithCase).has_value();
}

} // namespace tav
