// One frequency change on the real first page, grid, loss plot and the cost column included,
// over 20,000 catalogue lines, each with a price record.
#include "../GeneratedCatalogue.h"
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/Placement.h"
#include "gui/app/TfrmMain.h"
#include "gui/cable/LossPlot.h"

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
    const std::string catalogue = tav::bench::GeneratedCatalogue(20000);
    inst.Data("tlines.dat", catalogue);
    inst.Data("settings.dat", "[General]\r\nSelectCable=0\r\nLineWaste=10\r\nLineCost=1\r\n");
    // Every line sold by the foot, so every row's cost is worked out.
    std::string prices;
    for (size_t at = catalogue.find('\n') + 1; at < catalogue.size(); at = catalogue.find('\n', at) + 1)
        prices += "P|CBL|" + catalogue.substr(at, catalogue.find('|', at) - at) + "|FT|line|4.25|\n";
    inst.dir.Write("shared/M_lom.dat", prices);
    for (int d = 0; d < 8; ++d)
        inst.Image("k" + std::to_string(d) + ".gif", tav::test::DotGif());
    tav::test::FakePlatform fake;
    inst.Register(fake.registry);
    tav::gui::TfrmMain window(fake.platform, inst.ProgramFolder(), {});
    window.resize(windowSize);
    window.show();
    using tav::test::Named;
    QComboBox* beginning = &Named<QComboBox>(window, "cboBeginning");
    QComboBox* ending = &Named<QComboBox>(window, "cboEnding");
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
    const auto& plot = Named<tav::gui::LossPlot>(window, "pltLoss");
    state.counters["rows"] = Named<QTableWidget>(window, "grdTlines").rowCount();
    state.counters["curves"] = plot.isVisible() ? plot.Curves().size() : 0;
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
