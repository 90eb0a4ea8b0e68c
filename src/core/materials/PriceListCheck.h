#pragma once

#include "core/common/LineList.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tav {

// Whether a file can stand in for the maker's price list: 8-bit text without NUL bytes,
// an optional heading line, then records that each name a part (field 3) and carry an
// empty or numeric unit price (field 6); at least one record. Empty lines are skipped.
enum class PriceProblemKind
{
    NulByte,
    NoPartNumber,
    PriceNotNumber,
    NoRecord,
};

struct PriceListProblem
{
    PriceProblemKind kind = PriceProblemKind::NoRecord;
    int line = 0; // from 1; 0 for the whole file
    std::string message;
};

// The problems in line order, at most maxProblems of them (a missing record last).
std::vector<PriceListProblem> CheckPriceList(const LineList& lines, size_t maxProblems = 100);
std::vector<PriceListProblem> CheckPriceListBytes(std::string_view bytes, size_t maxProblems = 100);

// Records as the check counts them: lines that name a part (field 3) with an empty or
// numeric unit price (field 6); a heading line is none.
size_t CountPriceRecords(const LineList& lines);

// Records that name a part (field 3) and give it a price (a number in field 6): a list
// without one prices every part "N/A", which the program and the checker say.
size_t CountPricedRecords(const LineList& lines);
// Whether the list holds at least one such record; it stops at the first, so asking costs
// nothing at start.
bool HoldsAnyPrice(const LineList& lines);

} // namespace tav
