// Loading the maker's price list at start and indexing it, against the cost of only reading its bytes.
#include "GeneratedPriceList.h"
#include "core/app/Installation.h"
#include "core/materials/PriceList.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using tav::bench::PriceListFile;

void LoadPriceList(benchmark::State& state)
{
    const std::string& path = PriceListFile();
    for (auto _ : state) {
        auto lines = tav::LoadCatalogueList(path, false);
        benchmark::DoNotOptimize(lines.size());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}

// Built once for every price list loaded, beside the load itself.
void IndexPriceList(benchmark::State& state)
{
    const tav::LineList lines = tav::LoadCatalogueList(PriceListFile(), false);
    for (auto _ : state) {
        tav::PriceIndex index(lines);
        benchmark::DoNotOptimize(index.Find("PN-100000-10"));
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(lines.size()));
}

void FreadSameBytes(benchmark::State& state)
{
    const std::string& path = PriceListFile();
    const size_t size = std::filesystem::file_size(path);
    for (auto _ : state) {
        std::string buffer(size, '\0');
        FILE* f = std::fopen(path.c_str(), "rb");
        const size_t n = std::fread(buffer.data(), 1, size, f);
        std::fclose(f);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::DoNotOptimize(n);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(size));
}

} // namespace

BENCHMARK(LoadPriceList)->Unit(benchmark::kMillisecond);
BENCHMARK(IndexPriceList)->Unit(benchmark::kMillisecond);
BENCHMARK(FreadSameBytes)->Unit(benchmark::kMillisecond);
