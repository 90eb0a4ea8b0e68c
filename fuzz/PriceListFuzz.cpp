// Any bytes read as the maker's price list give the same record for a part through the
// index as through a scan of the whole list, whether the index was made while the bytes
// were split or afterwards; and the check of
// a price package reports as its first problem the first of all its problems, so the
// price update refuses a package for the reason the installation check lists first.
#include "Property.h"
#include "core/catalog/RecordLine.h"
#include "core/common/LineList.h"
#include "core/materials/PriceList.h"
#include "core/materials/PriceListCheck.h"

#include <string>
#include <vector>

namespace {

using tav::fuzz::Expect;

void CheckLookup(const tav::LineList& prices, const tav::PriceIndex& index, const tav::PriceIndex& copy,
                 std::string_view part)
{
    const std::string scanned = tav::FindPriceRecord(prices, part);
    Expect(index.Record(prices, part) == scanned && copy.Record(prices, part) == scanned,
           "the index and the scan give different records");
}

bool SameProblem(const tav::PriceListProblem& a, const tav::PriceListProblem& b)
{
    return a.kind == b.kind && a.line == b.line && a.message == b.message;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes = tav::fuzz::Bytes(data, size);
    // The index made while the bytes are split, and one made afterwards over the lines.
    const tav::LoadedPriceList loaded = tav::ParsePriceList(std::string(bytes));
    const tav::LineList& prices = loaded.lines;
    const tav::PriceIndex& index = loaded.index;
    tav::PriceIndex copy;
    copy = tav::PriceIndex(prices);
    // The parts of the first, a middle and the last line, near misses one character
    // shorter or longer, and parts no line may hold.
    std::vector<std::string> probes{"", "N/A"};
    if (!prices.empty()) {
        const std::string middle(tav::GetFieldView(prices[prices.size() / 2], tav::kPricePartField));
        probes.emplace_back(tav::GetFieldView(prices[0], tav::kPricePartField));
        probes.emplace_back(tav::GetFieldView(prices[prices.size() - 1], tav::kPricePartField));
        probes.push_back(middle);
        probes.push_back(middle + " ");
        if (!middle.empty())
            probes.push_back(middle.substr(0, middle.size() - 1));
    }
    for (const std::string& part : probes)
        CheckLookup(prices, index, copy, part);

    // The price update asks for the first problem of the package's bytes, the check of an
    // installation for some of them.
    const auto first = tav::CheckPriceListBytes(bytes, 1);
    const auto some = tav::CheckPriceList(prices, 8);
    Expect(first.size() <= 1 && some.size() <= 8, "the check reports more problems than asked for");
    Expect(first.empty() == some.empty() && (first.empty() || SameProblem(first.front(), some.front())),
           "the first problem depends on how many are asked for");
    for (const auto& p : some)
        Expect(p.line >= 0 && static_cast<size_t>(p.line) <= prices.size() && !p.message.empty(),
               "a problem names no line of the file or says nothing");
    return 0;
}
