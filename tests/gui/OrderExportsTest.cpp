// The workbook and the PDF of the list of materials, from the window and from the planner.
#include "canvas/PrintedPdf.h"
#include "core/cli/Cli.h"
#include "core/common/Files.h"
#include "doubles/DemoInstallation.h"
#include "doubles/DemoWizard.h"
#include "doubles/Widgets.h"
#include "gui/app/Maker.h"
#include "gui/app/TfrmMain.h"

#include <QAction>
#include <QCheckBox>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <optional>

namespace tav::test {
namespace {

namespace fs = std::filesystem;

// The standard output of a program the tests need; scripts/deps.sh installs them.
std::string Output(const QString& program, const QStringList& args, const QProcessEnvironment& env = {})
{
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit) {
        ADD_FAILURE() << program.toStdString() << " did not finish";
        return {};
    }
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput().toStdString();
}

// An environment variable set (or removed, for a null value) for one scope.
class ScopedEnv
{
public:
    ScopedEnv(const char* name, const QByteArray& value) : name_(name), old_(qgetenv(name))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    ~ScopedEnv() { old_.isNull() ? qunsetenv(name_) : qputenv(name_, old_); }

private:
    const char* name_;
    QByteArray old_;
};

// Both readings of the workbook, formulas and cached values, as the golden file holds them.
std::string ReadWorkbook(const std::string& file)
{
    return Output("/usr/bin/python3",
                  {QString(TAVROLIN_TEST_DATA) + "/../tools/read_workbook.py", QString::fromStdString(file)});
}

class OrderExports : public ::testing::Test
{
protected:
    DemoInstallation inst;
    FakePlatform fake;
    std::unique_ptr<gui::TfrmMain> w;
    std::string project;

    // The demo's sample project opened from the File menu; a description in Latin-1 bytes
    // shows in the workbook as it does on the screen.
    void SetUp() override
    {
        inst.Register(fake.registry);
        std::string prices = inst.dir.Read("shared/M_lom.dat");
        const std::string cutter = "Cable Cutter, foam coax";
        prices.replace(prices.find(cutter), cutter.size(), "Cable Cutter \xB5-fine, foam coax");
        inst.dir.Write("shared/M_lom.dat", prices);
        project = inst.dir.Write("KF12-rooftop.tvr",
                                 ReadFileBytes(std::string(TAVROLIN_DEMO_DIR) + "/data/KF12-rooftop.tvr").value());
        w = std::make_unique<gui::TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList());
        fake.fileDialogs.answers = {QString::fromStdString(project)};
        Trigger(*w, "Open1");
        ASSERT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    }

    // Runs an Export command, naming the file without its suffix as a user may.
    std::string Export(const char* command, const std::string& name)
    {
        fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File(name))};
        Trigger(*w, command);
        EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
        return inst.dir.File(name + "." + fake.fileDialogs.shown.back().defaultSuffix.toStdString());
    }

    // The planner's export of the same project, in this process.
    int Planner(const std::string& format, const std::string& file, std::string& err)
    {
        cli::Environment env;
        env.registeredSharedFolder = [&] { return cli::Environment::SharedFolder{inst.dir.Path() + "shared", {}}; };
        env.printedPdf = [](const ListOfMaterials& list) {
            return canvas::PrintedListPdf(list, canvas::LocalePaper(), gui::kMakerSiteLabel);
        };
        std::string out;
        return cli::Run(
            {"export", project, "--format", format, "-o", file, "--program-folder", inst.ProgramFolder().toStdString()},
            env, out, err);
    }
};

TEST_F(OrderExports, TheWorkbookHoldsTheListAndThePlanAsTheProgramAndThePlannerMakeIt)
{
    // The scratch files go where TMPDIR says, and none is left there.
    const std::string scratch = inst.dir.Path() + "tmp";
    fs::create_directories(scratch);
    std::optional<ScopedEnv> tmp(std::in_place, "TMPDIR", QByteArray::fromStdString(scratch));
    const std::string file = Export("ToanExcelWorkbook1", "site");
    const gui::FileDialogRequest& asked = fake.fileDialogs.shown.back();
    EXPECT_EQ(asked.folder, inst.ProgramFolder() + "xlsx");
    EXPECT_EQ(asked.filter, "Excel Workbooks (*.xlsx)");
    ASSERT_FALSE(fake.desktop.opened.isEmpty());
    EXPECT_EQ(fake.desktop.opened.back().toLocalFile().toStdString(), file);

    const std::string golden =
        ReadFileBytes(std::string(TAVROLIN_TEST_DATA) + "/exports/KF12-rooftop.xlsx.txt").value_or("(no golden)");
    EXPECT_EQ(ReadWorkbook(file), golden);

    std::string err;
    ASSERT_EQ(Planner("xlsx", inst.dir.File("planned.xlsx"), err), 0) << err;
    EXPECT_EQ(ReadWorkbook(inst.dir.File("planned.xlsx")), golden);
    tmp.reset();
    EXPECT_TRUE(fs::is_empty(scratch));
}

TEST_F(OrderExports, ThePdfHoldsThePrintedPagesOnTheLocalesPaper)
{
    const QString file = QString::fromStdString(Export("ToaPDFDocument1", "site"));
    EXPECT_EQ(fake.fileDialogs.shown.back().folder, inst.ProgramFolder() + "pdf");
    const std::string info = Output("pdfinfo", {file});
    // Nineteen rows: ten on the first page, nine and the total on the second, as on paper.
    EXPECT_TRUE(QString::fromStdString(info).contains(QRegularExpression("Pages:\\s+2\\n"))) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    const std::string text = Output("pdftotext", {"-layout", file, "-"});
    for (const char* expected : {"LSH-12", "KOVA", "EP4-12", "CUT-158", "Page 2 of 2", "TOTAL:", "$1699.56"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << " in\n" << text;
    EXPECT_LT(text.find("GK-12-24"), text.find("SQD-825")) << "rows in the list's order";

    // A locale whose paper is Letter: a locale of its own, made for the test.
    const std::string locales = inst.dir.Path() + "locales";
    fs::create_directories(locales);
    inst.dir.Write("letter.def", "LC_PAPER\nheight 279\nwidth 216\nEND LC_PAPER\n");
    QProcess::execute("localedef", {"-c", "-i", QString::fromStdString(inst.dir.File("letter.def")), "-f", "UTF-8",
                                    QString::fromStdString(locales + "/letter.UTF-8")});
    ASSERT_TRUE(fs::exists(locales + "/letter.UTF-8/LC_PAPER")) << "localedef (package locales) made no locale";
    std::string err;
    {
        const ScopedEnv path("LOCPATH", QByteArray::fromStdString(locales)), paper("LC_PAPER", "letter.UTF-8"),
            all("LC_ALL", QByteArray());
        ASSERT_EQ(Planner("pdf", inst.dir.File("planned.pdf"), err), 0) << err;
    }
    const std::string letter = Output("pdfinfo", {QString::fromStdString(inst.dir.File("planned.pdf"))});
    EXPECT_NE(letter.find("(letter)"), std::string::npos) << letter;
    EXPECT_TRUE(QString::fromStdString(letter).contains(QRegularExpression("Pages:\\s+2\\n"))) << letter;
}

// A list built through the antenna and site pages states their choices as the pages
// caption them, without mnemonics; an opened project states none.
class WizardPlanExport : public DemoWizard
{
};

TEST_F(WizardPlanExport, TheWorkbookStatesTheAntennaAndStructureChosen)
{
    Start();
    Next();
    Click(*w, "rbOmni");
    Click(*w, "rbSector");
    Click(*w, "chkMicrosite");
    Next();
    Click(*w, "rbMonopole");
    Next(2);
    ASSERT_EQ(w->CurrentPage(), gui::TfrmMain::kLom);
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("site.xlsx"))};
    Trigger(*w, "ToanExcelWorkbook1");
    ASSERT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
    const std::string sheet = ReadWorkbook(inst.dir.File("site.xlsx"));
    EXPECT_NE(sheet.find("B9 'Sector, Dual Polarization Microsite Mount'\nA10 'Structure' bold\nB10 'Monopole'\n"),
              std::string::npos)
        << sheet;
}

} // namespace
} // namespace tav::test
