// Loading and indexing the maker's price list at start, beside only reading its bytes, for
// a list of 100,000 and one of 1,000,000 records. The goal: the load with its index within
// three times the plain read of the same bytes.
#include "GeneratedPriceList.h"
#include "core/materials/PriceList.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using tav::bench::PriceListFile;

void LoadAndIndexPriceList(benchmark::State& state)
{
    const std::string& path = PriceListFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const tav::LoadedPriceList prices = tav::LoadPriceList(path);
        benchmark::DoNotOptimize(prices.index.Find(prices.lines, "PN-100000-10"));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) *
                            static_cast<int64_t>(std::filesystem::file_size(path)));
}

void FreadSameBytes(benchmark::State& state)
{
    const std::string& path = PriceListFile(static_cast<int>(state.range(0)));
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

BENCHMARK(LoadAndIndexPriceList)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(FreadSameBytes)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
