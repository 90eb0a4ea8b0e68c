#pragma once

#include "core/common/LineList.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace tav {

// The maker's price list M_lom.dat (shared folder): every line is a record, a heading
// line included, which simply never matches a part number.
inline constexpr const char* kPriceListFileName = "M_lom.dat";
inline constexpr int kPricePartField = 3;
inline constexpr int kPriceDescriptionField = 5;
inline constexpr int kPriceUnitPriceField = 6;
// A part without a line reads as a record of this many empty fields.
inline constexpr int kPriceRecordFields = 33;

std::string EmptyPriceRecord();

// The first line whose part number equals the part exactly (case included), or the empty
// record. A linear scan of the whole list.
std::string FindPriceRecord(const LineList& prices, std::string_view part);

// The same lookup for many parts: the line of the first record of each part number,
// indexed once per loaded list. The index keeps its own copy of the part numbers, so it
// stays valid however the list it was built from is moved.
class PriceIndex
{
public:
    PriceIndex() = default;
    explicit PriceIndex(const LineList& prices);
    std::optional<size_t> Find(std::string_view part) const;

    // The record for the part in the list the index was built from, or the empty record.
    std::string_view Record(const LineList& prices, std::string_view part) const;

private:
    struct Hash
    {
        using is_transparent = void;
        size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
    };
    std::unordered_map<std::string, size_t, Hash, std::equal_to<>> first_;
};

} // namespace tav
