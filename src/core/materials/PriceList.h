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
// indexed once per loaded list. The index keeps its own copy of the part numbers and
// holds no pointer, so it stays valid however it or the list is copied or moved.
class PriceIndex
{
public:
    PriceIndex() = default;
    explicit PriceIndex(const LineList& prices);
    std::optional<size_t> Find(std::string_view part) const;

    // The record for the part in the list the index was built from, or the empty record.
    std::string_view Record(const LineList& prices, std::string_view part) const;

private:
    struct Entry
    {
        size_t hash;
        size_t line;
        size_t offset; // of the part number in keys_
        size_t length;
    };
    std::string keys_;
    std::vector<Entry> entries_; // by hash, then by line
};

} // namespace tav
