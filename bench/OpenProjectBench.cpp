// Opening a project of many distinct parts without an accessory-list row: every step of
// the open (reading, merging, placing the rows, grouping and pricing) should cost the same
// per item whatever the number of items. The planner's price command runs the same open
// and loads the installation too.
#include "GeneratedProject.h"
#include "core/app/Installation.h"
#include "core/cli/Cli.h"
#include "core/materials/ReopenedProject.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

const std::string kDemo = TAVROLIN_DEMO_DIR;

void OpenProjectPlan(benchmark::State& state)
{
    static const tav::Folders folders = tav::MakeFolders(kDemo + "/", kDemo + "/shared");
    static const tav::CatalogueLists lists = tav::LoadCatalogueLists(folders);
    const std::string path = tav::bench::ProjectFile(static_cast<int>(state.range(0)));
    const std::string bytes = tav::ReadProjectBytes(path);
    for (auto _ : state) {
        tav::OpenedProject plan = tav::OpenProject(bytes, path, folders, lists);
        benchmark::DoNotOptimize(plan.materials.total);
    }
    state.SetComplexityN(state.range(0));
}

void PriceCommand(benchmark::State& state)
{
    const std::string path = tav::bench::ProjectFile(static_cast<int>(state.range(0)));
    tav::cli::Environment env;
    env.programFolder = kDemo + "/";
    env.registeredSharedFolder = [] { return tav::cli::Environment::SharedFolder{kDemo + "/shared", {}}; };
    for (auto _ : state) {
        std::string out, err;
        if (tav::cli::Run({"price", path}, env, out, err) != 0)
            state.SkipWithError(err.c_str());
        benchmark::DoNotOptimize(out.size());
    }
    state.SetComplexityN(state.range(0));
}

} // namespace

BENCHMARK(OpenProjectPlan)->Arg(10000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(PriceCommand)->Arg(10000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity();
