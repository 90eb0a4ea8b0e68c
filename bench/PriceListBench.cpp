// Loading the maker's price list at start against the cost of only reading its bytes.
#include "core/app/Installation.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

// 100,000 price records shaped like the maker's: 33 closed fields, part number in
// field 3, description in 5, unit price in 6.
const std::string& PriceListFile()
{
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "tavrolin-bench-M_lom.dat").string();
        std::mt19937 rng(42);
        const char* families[] = {"Hanger kit", "Grounding kit", "Connector N male", "Entry boot", "Hoisting grip",
                                  "Weatherproofing kit", "Surge protector", "Adapter bracket", "Cable ladder"};
        const char* sizes[] = {"1/4\"", "1/2\"", "7/8\"", "1-1/4\"", "1-5/8\"", "EW63", "EW77"};
        std::ofstream out(p, std::ios::binary);
        for (int i = 0; i < 100000; ++i) {
            char price[32];
            std::snprintf(price, sizeof price, "%.2f", 1.0 + (rng() % 250000) / 100.0);
            out << "BRM|" << (i % 40) << "|PN-" << (100000 + i) << "-" << (rng() % 90 + 10) << "|EA|"
                << families[rng() % 9] << " for " << sizes[rng() % 7] << " line, pack of " << (rng() % 20 + 1) << "|"
                << price << "|USD|" << (rng() % 5) << "|";
            for (int f = 9; f <= 33; ++f)
                out << (f % 7 == 0 ? "Y" : "") << "|";
            out << "\r\n";
        }
        return p;
    }();
    return path;
}

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
BENCHMARK(FreadSameBytes)->Unit(benchmark::kMillisecond);
