// One frequency change on the first page: types, diameters and rows from 20,000 lines.
#include "GeneratedCatalogue.h"
#include "core/cable/CableCatalogue.h"

#include <benchmark/benchmark.h>

namespace {

void FrequencyChange(benchmark::State& state)
{
    tav::LineList tlines = tav::LineList::FromText(tav::bench::GeneratedCatalogue(20000));
    tlines.EraseFirst();
    const tav::Band bands[] = {{824, 894}, {806, 894}};
    size_t rows = 0;
    int i = 0;
    for (auto _ : state) {
        const tav::Band band = bands[i++ % 2];
        const auto types = tav::AvailableTypes(tlines, band);
        const auto diameters = tav::Diameters(tlines, band, "FOAM");
        const tav::EvaluationInputs inputs{band.beginning, band.ending, 115, false, false};
        const auto candidates = tav::EvaluateCandidates(tlines, inputs, "FOAM", diameters.front());
        rows = candidates.size();
        benchmark::DoNotOptimize(types);
    }
    state.counters["rows"] = static_cast<double>(rows);
}

} // namespace

BENCHMARK(FrequencyChange)->Unit(benchmark::kMillisecond);
