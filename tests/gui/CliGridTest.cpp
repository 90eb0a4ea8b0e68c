// The planner for scripts prints the very rows the program's grid shows.
#include "core/cli/Cli.h"
#include "doubles/CableControls.h"
#include "doubles/DemoInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace tav::test {
namespace {

// The grid's rows, its cost column included, and the planner's for the same inputs, runs and
// waste allowance; a microsite mount chosen on the antenna page doubles the runs.
TEST(CliAndGrid, PrintTheSameRowsForTheSameInputs)
{
    DemoInstallation inst;
    FakePlatform fake;
    inst.Register(fake.registry);
    // Without the key the column stays out of sight.
    inst.Edit("settings.dat", "LineCost=1\n", "");
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {});
    const CableControls page(w);
    ASSERT_GT(page.grdTlines->rowCount(), 0);
    EXPECT_EQ(page.grdTlines->columnCount(), 6);
    inst.Edit("settings.dat", "LineWaste=10", "LineWaste=10\nLineCost=1");

    struct Case
    {
        const char *from, *to;
        int type;
        const char *typeWord, *diameter, *horizontal, *vertical;
        bool meters;
        int runs;
        const char* waste;
        bool microsite;
    };
    const Case cases[] = {
        {"806", "960", 1, "foam", "1/2", "15", "100", false, 3, "10", false},
        {"824", "894", 1, "foam", "7/8", "40.5", "210.25", true, 4, "0", false},
        {"1850", "1990", 1, "foam", "3/8", "0", "12.125", false, 1, "25", true},
        {"806", "894", 0, "air", "1-5/8", "300", "0.5", true, 6, "100", false},
        {"5925", "6425", 2, "ew", "E-59", "20", "180", false, 2, "7", false},
    };
    std::string waste = "10";
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " " + c.diameter);
        inst.Edit("settings.dat", "LineWaste=" + waste, std::string("LineWaste=") + c.waste);
        waste = c.waste;
        // From the lowest beginning every ending is offered.
        Pick(page.cboBeginning, page.cboBeginning->itemText(0));
        Pick(page.cboEnding, c.to);
        Pick(page.cboBeginning, c.from);
        page.rgCableType->Button(c.type)->click();
        Pick(page.cboDiameter, c.diameter);
        page.seHorizontalLength->SetText(c.horizontal);
        page.seVerticalLength->SetText(c.vertical);
        (c.meters ? page.rbMeters : page.rbFeet)->click();
        page.seNumRuns->setValue(c.runs);
        if (c.microsite) {
            Click(w, "btnNext");
            Click(w, "rbSector");
            Click(w, "chkMicrosite");
            Click(w, "btnBack");
        }
        ASSERT_GT(page.grdTlines->rowCount(), 0);
        ASSERT_EQ(page.grdTlines->columnCount(), 7);
        std::string grid = "Part Number\tFrequency Band (MHz)\tInsertion Loss (dB)\tEfficiency (%)\tPeak Power (kW)\t"
                           "Average Power (kW)\tLine Cost\n";
        for (int r = 0; r < page.grdTlines->rowCount(); ++r)
            for (int col = 0; col < 7; ++col)
                grid += page.grdTlines->item(r, col)->text().toStdString() + (col < 6 ? "\t" : "\n");

        std::vector<std::string> args = {"evaluate",
                                         "--from",
                                         c.from,
                                         "--to",
                                         c.to,
                                         "--type",
                                         c.typeWord,
                                         "--diameter",
                                         c.diameter,
                                         "--horizontal",
                                         c.horizontal,
                                         "--vertical",
                                         c.vertical,
                                         "--runs",
                                         std::to_string(c.microsite ? 2 * c.runs : c.runs),
                                         "--waste",
                                         c.waste,
                                         "--program-folder",
                                         inst.ProgramFolder().toStdString()};
        if (c.meters)
            args.push_back("--meters");
        cli::Environment env;
        env.registeredSharedFolder = [&] { return cli::Environment::SharedFolder{inst.dir.Path() + "shared", {}}; };
        std::string out, err;
        EXPECT_EQ(cli::Run(args, env, out, err), 0) << err;
        EXPECT_EQ(out, grid);
        if (c.microsite) {
            Click(w, "btnNext");
            Click(w, "chkMicrosite");
            Click(w, "btnBack");
        }
    }
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

} // namespace
} // namespace tav::test
