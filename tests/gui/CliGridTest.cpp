// The planner for scripts prints the very rows the program's grid shows.
#include "core/cli/Cli.h"
#include "doubles/DemoInstallation.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TfrmMain.h"
#include "gui/cable/ParamsPage.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QRadioButton>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace tav::test {
namespace {

void Pick(QComboBox* box, const QString& text)
{
    const int i = box->findText(text);
    ASSERT_GE(i, 0) << text.toStdString();
    box->setCurrentIndex(i);
    emit box->activated(i);
}

TEST(CliAndGrid, PrintTheSameRowsForTheSameInputs)
{
    DemoInstallation inst;
    FakePlatform fake;
    inst.Register(fake.registry);
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {});
    gui::ParamsPage* page = w.tsParams;

    struct Case
    {
        const char *from, *to;
        int type;
        const char *typeWord, *diameter, *horizontal, *vertical;
        bool meters;
    };
    const Case cases[] = {
        {"806", "960", 1, "foam", "1/2", "15", "100", false},
        {"824", "894", 1, "foam", "7/8", "40.5", "210.25", true},
        {"1850", "1990", 1, "foam", "3/8", "0", "12.125", false},
        {"806", "894", 0, "air", "1-5/8", "300", "0.5", true},
        {"5925", "6425", 2, "ew", "E-59", "20", "180", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " " + c.diameter);
        // From the lowest beginning every ending is offered.
        Pick(page->cboBeginning, page->cboBeginning->itemText(0));
        Pick(page->cboEnding, c.to);
        Pick(page->cboBeginning, c.from);
        page->rgCableType->Button(c.type)->click();
        Pick(page->cboDiameter, c.diameter);
        page->seHorizontalLength->SetText(c.horizontal);
        page->seVerticalLength->SetText(c.vertical);
        (c.meters ? page->rbMeters : page->rbFeet)->click();
        ASSERT_GT(page->grdTlines->rowCount(), 0);
        std::string grid = "Part Number\tFrequency Band (MHz)\tInsertion Loss (dB)\tEfficiency (%)\tPeak Power (kW)\t"
                           "Average Power (kW)\n";
        for (int r = 0; r < page->grdTlines->rowCount(); ++r)
            for (int col = 0; col < 6; ++col)
                grid += page->grdTlines->item(r, col)->text().toStdString() + (col < 5 ? "\t" : "\n");

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
                                         "--program-folder",
                                         inst.ProgramFolder().toStdString()};
        if (c.meters)
            args.push_back("--meters");
        cli::Environment env;
        env.registeredSharedFolder = [&] { return cli::Environment::SharedFolder{inst.dir.Path() + "shared", {}}; };
        std::string out, err;
        EXPECT_EQ(cli::Run(args, env, out, err), 0) << err;
        EXPECT_EQ(out, grid);
    }
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

} // namespace
} // namespace tav::test
