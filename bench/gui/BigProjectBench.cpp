// A project of many distinct parts through the real window: opened from the File menu, then
// Back to the accessory list and Next to the list of materials again. Each step should cost
// the same per item whatever the number of items, and a row little memory.
#include "../GeneratedProject.h"
#include "doubles/DemoInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TfrmMain.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QTableView>
#include <benchmark/benchmark.h>
#include <chrono>
#include <malloc.h>
#include <memory>

namespace {

using tav::test::Named;

struct Window
{
    tav::test::DemoInstallation inst;
    tav::test::FakePlatform fake;
    std::unique_ptr<tav::gui::TfrmMain> main;

    Window()
    {
        inst.Register(fake.registry);
        main = std::make_unique<tav::gui::TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
        main->resize(1280, 800);
        main->show();
        QApplication::processEvents();
    }

    void Open(const std::string& path)
    {
        fake.fileDialogs.answers = {QString::fromStdString(path)};
        tav::test::Trigger(*main, "Open1");
        QApplication::processEvents();
    }

    int ListRows() const { return Named<QTableView>(*main, "grdLom").model()->rowCount(); }
    int AccessoryRows() const { return Named<QTableView>(*main, "grdList").model()->rowCount(); }

    void Report(benchmark::State& state) const
    {
        state.counters["lom_rows"] = ListRows();
        state.counters["list_rows"] = AccessoryRows();
        state.counters["boxes"] = static_cast<double>(fake.boxes.shown.size());
    }
};

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

void Open(benchmark::State& state, bool distinctCounts)
{
    const std::string path = tav::bench::ProjectFile(static_cast<int>(state.range(0)), distinctCounts);
    Window w;
    for (auto _ : state)
        w.Open(path);
    w.Report(state);
    state.SetComplexityN(state.range(0));
}

void OpenBigProjectInTheWindow(benchmark::State& state)
{
    Open(state, false);
}

// Every amount of the list differs from every other, each one measured for its column.
void OpenBigProjectOfDistinctAmounts(benchmark::State& state)
{
    Open(state, true);
}

void BackAndNextOnABigProject(benchmark::State& state)
{
    const std::string path = tav::bench::ProjectFile(static_cast<int>(state.range(0)));
    Window w;
    w.Open(path);
    for (auto _ : state) {
        tav::test::Click(*w.main, "btnBack");
        QApplication::processEvents();
        tav::test::Click(*w.main, "btnNext");
        QApplication::processEvents();
    }
    w.Report(state);
    state.SetComplexityN(state.range(0));
}

// The heap a shown project holds, per row of both grids, after Back and Next.
void MemoryPerRow(benchmark::State& state)
{
    const std::string path = tav::bench::ProjectFile(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Window w;
        malloc_trim(0);
        const size_t before = HeapInUse();
        w.Open(path);
        tav::test::Click(*w.main, "btnBack");
        tav::test::Click(*w.main, "btnNext");
        QApplication::processEvents();
        const double grown = double(HeapInUse()) - double(before);
        state.counters["bytes_per_item"] = grown / double(state.range(0));
        state.counters["bytes_per_row"] = grown / double(w.ListRows() + w.AccessoryRows());
        w.Report(state);
    }
}

// 10,000 to 100,000 items, each size timed three times and fitted to its complexity.
void UpToAHundredThousand(benchmark::internal::Benchmark* b)
{
    b->Arg(10000)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond)->Complexity()->Iterations(3);
}

} // namespace

BENCHMARK(OpenBigProjectInTheWindow)->Apply(UpToAHundredThousand);
BENCHMARK(OpenBigProjectOfDistinctAmounts)->Apply(UpToAHundredThousand);
BENCHMARK(BackAndNextOnABigProject)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond)->Complexity()->Iterations(3);
BENCHMARK(MemoryPerRow)->Arg(40000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
