// The quantity rules read settings.dat and advanced.dat from disk on every call, so a
// setting saved a moment ago counts at once. A reload of the accessory pages makes
// dozens of such calls; this measures what one costs.
#include "core/wizard/Quantities.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A copy of the demo installation's data folder, optionally with a long advanced.dat.
std::string DataFolder(const char* name, int advancedLines)
{
    const fs::path folder = fs::temp_directory_path() / name;
    fs::remove_all(folder);
    fs::copy(fs::path(TAVROLIN_DEMO_DIR) / "dat", folder, fs::copy_options::recursive);
    if (advancedLines > 0) {
        std::ofstream out(folder / "advanced.dat", std::ios::binary | std::ios::trunc);
        // Overrides of other parts, and two of the measured part near the end, so every
        // line is compared and the last match counts.
        for (int i = 0; i < advancedLines - 2; ++i)
            out << "XP-" << (10000 + i) << "|" << (i % 40 + 1) << "|\r\n";
        out << "LSH-12|12|\r\nLSH-12|0|\r\n";
    }
    return folder.string() + "/";
}

tav::QuantityInputs DemoRun(const std::string& folder)
{
    tav::QuantityInputs in;
    in.dataFolder = folder;
    in.horizontalLength = 15;
    in.verticalLength = 100;
    in.runsCount = 3;
    in.cableKey = "KF12";
    in.diameter = "1/2";
    return in;
}

void AttachmentQuantityDemo(benchmark::State& state)
{
    static const std::string folder = DataFolder("tavrolin-bench-demo-dat", 0);
    const tav::QuantityInputs in = DemoRun(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(tav::AttachmentQuantity(in, "LSH-12", 6));
}

void AttachmentQuantity1000LongAdvanced(benchmark::State& state)
{
    static const std::string folder = DataFolder("tavrolin-bench-long-advanced", 2000);
    const tav::QuantityInputs in = DemoRun(folder);
    for (auto _ : state)
        for (int i = 0; i < 1000; ++i)
            benchmark::DoNotOptimize(tav::AttachmentQuantity(in, "LSH-12", 6));
}

} // namespace

BENCHMARK(AttachmentQuantityDemo)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(AttachmentQuantity1000LongAdvanced)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(10)
    ->ReportAggregatesOnly(true);
