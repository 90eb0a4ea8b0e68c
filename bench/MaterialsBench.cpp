// Pricing a list of materials of 100 rows against a price list of 100,000 lines: through
// the index built once per loaded list, and by scanning the whole list for every row.
#include "GeneratedPriceList.h"
#include "core/app/Installation.h"
#include "core/catalog/RecordLine.h"
#include "core/materials/ListOfMaterials.h"
#include "core/materials/PriceList.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

struct PricedList
{
    tav::LineList prices;
    tav::PriceIndex index;
    std::vector<std::string> records;
    std::vector<tav::ListSection> sections{{"1", "Mounting"}, {"5", "Cable Entry"}, {"8", "Surge Protection"}};
};

// 90 parts spread over the whole price list and 10 that have no price record.
const PricedList& Fixture()
{
    static const PricedList fixture = [] {
        PricedList f;
        f.prices = tav::LoadCatalogueList(tav::bench::PriceListFile(), false);
        f.index = tav::PriceIndex(f.prices);
        const char* sections[] = {"1", "5", "8"};
        for (int i = 0; i < 100; ++i) {
            const std::string part = i % 10 == 9
                                         ? "NOPE-" + std::to_string(i)
                                         : tav::GetField(f.prices[static_cast<size_t>(i) * (f.prices.size() / 100)], 3);
            f.records.push_back(part + "|" + std::to_string(i % 7 + 1) + "|" + sections[i % 3] + "|");
        }
        return f;
    }();
    return fixture;
}

void BuildMaterialsIndexed(benchmark::State& state)
{
    const PricedList& f = Fixture();
    const auto price = [&f](std::string_view part) { return f.index.Record(f.prices, part); };
    for (auto _ : state) {
        tav::ListOfMaterials list = tav::BuildMaterials(f.records, f.sections, price);
        benchmark::DoNotOptimize(list.total);
    }
}

void BuildMaterialsScanned(benchmark::State& state)
{
    const PricedList& f = Fixture();
    std::string record;
    const auto price = [&f, &record](std::string_view part) -> std::string_view {
        record = tav::FindPriceRecord(f.prices, part);
        return record;
    };
    for (auto _ : state) {
        tav::ListOfMaterials list = tav::BuildMaterials(f.records, f.sections, price);
        benchmark::DoNotOptimize(list.total);
    }
}

} // namespace

BENCHMARK(BuildMaterialsIndexed)->Unit(benchmark::kMicrosecond);
BENCHMARK(BuildMaterialsScanned)->Unit(benchmark::kMicrosecond);
