// One frequency change on the real first page, grid and loss plot included, over 20,000
// catalogue lines.
#include "../GeneratedCatalogue.h"
#include "doubles/TestInstallation.h"
#include "gui/app/Placement.h"
#include "gui/app/TfrmMain.h"
#include "gui/cable/LossPlot.h"
#include "gui/cable/ParamsPage.h"

#include <QApplication>
#include <QComboBox>
#include <QSize>
#include <QTableWidget>
#include <benchmark/benchmark.h>

namespace {

// In a window of the given size: wide enough, the plot beside the grid redraws every curve;
// small, it hides and waits.
void FrequencyChanges(benchmark::State& state, QSize windowSize)
{
    tav::test::TestInstallation inst;
    inst.Data("tlines.dat", tav::bench::GeneratedCatalogue(20000));
    for (int d = 0; d < 8; ++d)
        inst.Image("k" + std::to_string(d) + ".gif", tav::test::DotGif());
    tav::test::FakePlatform fake;
    inst.Register(fake.registry);
    tav::gui::TfrmMain window(fake.platform, inst.ProgramFolder(), {});
    window.resize(windowSize);
    window.show();
    QComboBox* beginning = window.tsParams->cboBeginning;
    QComboBox* ending = window.tsParams->cboEnding;
    // A pick from a frequency list, as the list reports it.
    const auto pick = [](QComboBox* box, const char* text) {
        const int index = box->findText(text);
        box->setCurrentIndex(index);
        emit box->activated(index);
    };
    // One change per round: the beginning moves between 806 and 824 below an ending of 894.
    pick(beginning, "806");
    pick(ending, "894");
    int i = 0;
    for (auto _ : state) {
        pick(beginning, i++ % 2 == 0 ? "824" : "806");
        QApplication::processEvents();
    }
    state.counters["rows"] = window.tsParams->grdTlines->rowCount();
    state.counters["curves"] = window.tsParams->pltLoss->isVisible() ? window.tsParams->pltLoss->Curves().size() : 0;
    state.counters["boxes"] = static_cast<double>(fake.boxes.shown.size());
}

// The window as it first opens on a 1920 x 1080 screen, the plot beside the grid.
void FrequencyChangeThroughTheWidgets(benchmark::State& state)
{
    FrequencyChanges(state, tav::gui::DefaultWindowSize(QSize(1920, 1040)));
}

void FrequencyChangeInALargeWindow(benchmark::State& state)
{
    FrequencyChanges(state, QSize(1600, 1000));
}

void FrequencyChangeWithThePlotHidden(benchmark::State& state)
{
    FrequencyChanges(state, QSize(860, 640));
}

} // namespace

BENCHMARK(FrequencyChangeThroughTheWidgets)->Unit(benchmark::kMillisecond);
BENCHMARK(FrequencyChangeInALargeWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(FrequencyChangeWithThePlotHidden)->Unit(benchmark::kMillisecond);
