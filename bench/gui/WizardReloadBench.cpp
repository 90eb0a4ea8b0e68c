// One full refill of every accessory tab on the demo installation, through the real widgets.
#include "doubles/DemoInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

// A pick from the drop-down list, reported as the list reports it.
void Pick(QComboBox* box, const char* text)
{
    const int index = box->findText(text);
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void ReloadWizardListsOnTheDemo(benchmark::State& state)
{
    tav::test::DemoInstallation inst;
    tav::test::FakePlatform fake;
    inst.Register(fake.registry);
    tav::gui::TfrmMain window(fake.platform, inst.ProgramFolder(), {});
    window.show();
    // KF12-50-C9 on a tower, the walk-through's run.
    using tav::test::Named;
    Pick(&Named<QComboBox>(window, "cboBeginning"), "806");
    Pick(&Named<QComboBox>(window, "cboEnding"), "960");
    Named<tav::gui::TRadioGroup>(window, "rgCableType").Button(1)->click();
    Pick(&Named<QComboBox>(window, "cboDiameter"), "1/2");
    for (int i = 0; i < 3; ++i)
        tav::test::Click(window, "btnNext");
    // Something chosen on every tab, so each reload resolves a part everywhere.
    const auto& entry = Named<QWidget>(window, "tsCableEntry");
    Pick(&Named<QComboBox>(entry, "cboCEDiameter"), "5 in. Round Entry Ports");
    Pick(&Named<QComboBox>(entry, "cboEoep"), "Entry Plate, 4 Ports");
    Pick(&Named<QComboBox>(entry, "cboEntryBoots"), "Cable Entry Boot, 1 Hole");
    Named<QSpinBox>(entry, "seArrestorQty").setValue(1);
    Pick(&Named<QComboBox>(window, "cboGPS"), "1/2 in. Foam GPS Feeder Kit");
    QApplication::processEvents();

    std::vector<double> milliseconds;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        window.ReloadWizardLists();
        QApplication::processEvents();
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(milliseconds.begin(), milliseconds.begin() + milliseconds.size() / 2, milliseconds.end());
    state.counters["median_ms"] = milliseconds[milliseconds.size() / 2];
    state.counters["page"] = window.CurrentPage();
    state.counters["boxes"] = static_cast<double>(fake.boxes.shown.size());
    // Every tab took part: the slots that hold a part after the last reload.
    const auto& selection = window.State().selection;
    state.counters["slots"] = static_cast<double>(
        std::count_if(selection.begin(), selection.end(), [](const std::string& s) { return s.front() != '|'; }));
}

} // namespace

BENCHMARK(ReloadWizardListsOnTheDemo)->Unit(benchmark::kMillisecond);
