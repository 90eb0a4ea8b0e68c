#pragma once

#include "core/common/LineList.h"

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
// record. A linear scan, as the list of materials does it once per row.
std::string FindPriceRecord(const LineList& prices, std::string_view part);

// The same lookup for many parts: the first line of each part number, indexed once. The
// index refers into the list, which must outlive it.
class PriceIndex
{
public:
    explicit PriceIndex(const LineList& prices);
    std::optional<size_t> Find(std::string_view part) const;

private:
    std::unordered_map<std::string_view, size_t> first_;
};

} // namespace tav
