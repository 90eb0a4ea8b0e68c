// The planner for scripts prices and exports a project as the program does once it opens it.
#include "core/cli/Cli.h"
#include "core/common/Files.h"
#include "doubles/DemoInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TfrmMain.h"
#include "gui/materials/MaterialsPage.h"

#include <QAction>
#include <QLabel>
#include <QTableView>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>

namespace tav::test {
namespace {

// The list on the screen in the planner's text form: headings, a caption line per section,
// the items' cells, the total and the adapter note when it shows.
std::string ShownList(const gui::TfrmMain& w)
{
    const auto& grid = Named<QTableView>(w, "grdLom");
    const QAbstractItemModel& shown = *grid.model();
    std::string text = "Part Number\tDescription\tPrice\tQuantity\tExtended\n";
    for (int r = 0; r < shown.rowCount(); ++r) {
        const int cells = grid.columnSpan(r, 0) > 1 ? 1 : shown.columnCount();
        for (int c = 0; c < cells; ++c)
            text += shown.index(r, c).data().toString().toStdString() + (c + 1 < cells ? "\t" : "\n");
    }
    text += "Total:\t" + Named<QLabel>(w, "lblTotal").text().toStdString() + "\n";
    const auto& kova = Named<QLabel>(w, "lblKOVA");
    if (kova.isVisibleTo(&w))
        text += kova.text().replace("\r\n", "\n").toStdString() + "\n";
    return text;
}

// The list in the planner's text form with every quantity, extended price and the total
// doubled, as a copy of the project added to it gives.
std::string Doubled(const std::string& list)
{
    const auto doubleMoney = [](const std::string& money) {
        if (money.empty() || money[0] != '$')
            return money;
        const long long cents = std::llround(std::stod(money.substr(1)) * 100) * 2;
        char buf[32];
        std::snprintf(buf, sizeof buf, "$%lld.%02lld", cents / 100, cents % 100);
        return std::string(buf);
    };
    std::string out;
    std::istringstream lines(list);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');)
            cells.push_back(cell);
        if (cells.size() == 5 && cells[3] != "Quantity") {
            cells[3] = std::to_string(std::stoll(cells[3]) * 2);
            cells[4] = doubleMoney(cells[4]);
        } else if (cells.size() == 2 && cells[0] == "Total:") {
            cells[1] = doubleMoney(cells[1]);
        }
        for (size_t i = 0; i < cells.size(); ++i)
            out += (i ? "\t" : "") + cells[i];
        out += "\n";
    }
    return out;
}

class CliAndList : public ::testing::Test
{
protected:
    DemoInstallation inst;
    const std::string demoProject =
        ReadFileBytes(std::string(TAVROLIN_DEMO_DIR) + "/data/KF12-rooftop.tvr").value_or("(missing)");

    int Run(const std::vector<std::string>& args, std::string& out, std::string& err) const
    {
        cli::Environment env;
        env.programFolder = inst.ProgramFolder().toStdString();
        env.registeredSharedFolder = [this] { return cli::Environment::SharedFolder{inst.dir.Path() + "shared", {}}; };
        return cli::Run(args, env, out, err);
    }
};

TEST_F(CliAndList, PriceShowsWhatTheProgramShowsAfterOpeningTheFile)
{
    struct Case
    {
        const char* name;
        std::vector<std::pair<const char*, const char*>> edits; // of the demo's project
        bool warned;
    };
    const Case cases[] = {
        {"as saved", {}, false},
        {"air, whose list lacks the foam items", {{"Ctype=1", "Ctype=0"}}, false},
        {"a type the band does not offer", {{"Ctype=1", "Ctype=2"}}, false},
        {"a band the surge protector does not cover", {{"BegF=806", "BegF=406"}, {"EndF=960", "EndF=512"}}, false},
        {"an ending that is no number", {{"EndF=960", "EndF=9x0"}}, false},
        {"no band", {{"BegF=806\r\n", ""}, {"EndF=960\r\n", ""}}, false},
        {"a beginning that is no number", {{"BegF=806", "BegF=8o6"}}, true},
        {"a beginning above every ending", {{"BegF=806", "BegF=11700"}}, true},
        {"empty lengths", {{"Hlength=5", "Hlength="}, {"Vlength=30.5", "Vlength="}}, false},
    };
    ASSERT_NE(demoProject.find("[Other]"), std::string::npos);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::string project = demoProject;
        for (const auto& [from, to] : c.edits) {
            const size_t at = project.find(from);
            ASSERT_NE(at, std::string::npos) << from;
            project.replace(at, std::string(from).size(), to);
        }
        const std::string file = inst.dir.Write("site.tvr", project);
        FakePlatform fake;
        inst.Register(fake.registry);
        gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {"OPEN", QString::fromStdString(file)});
        ASSERT_TRUE(Named<gui::MaterialsPage>(w, "tsLom").HasList());
        EXPECT_EQ(fake.boxes.shown.size(), c.warned ? 1u : 0u) << fake.boxes.Texts().join('|').toStdString();

        std::string out, err;
        EXPECT_EQ(Run({"price", file}, out, err), 0) << err;
        EXPECT_EQ(out, ShownList(w));
        EXPECT_EQ(err.find(file + ": The beginning frequency") != std::string::npos, c.warned) << err;
    }
}

TEST_F(CliAndList, AFileThatIsNoProjectIsRefused)
{
    const std::string file = inst.dir.Write("notes.tvr", "[Header]\r\nCompany Name=\r\n");
    const std::vector<std::string> commands[] = {{"price", file}, {"export", file, "--format", "txt", "-o", "-"}};
    for (const auto& command : commands) {
        std::string out, err;
        EXPECT_EQ(Run(command, out, err), 1) << command[0];
        EXPECT_NE(err.find(file + " is not a Tavrolin project file"), std::string::npos) << err;
        EXPECT_EQ(out, "") << command[0];
    }
}

TEST_F(CliAndList, ExportWritesTheProgramsBytes)
{
    const std::string file = inst.dir.Write("site.tvr", demoProject);
    FakePlatform fake;
    inst.Register(fake.registry);
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {"OPEN", QString::fromStdString(file)});
    const auto exported = [&](const char* command, const std::string& name) {
        fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File(name))};
        Trigger(w, command);
        return inst.dir.Read(name);
    };
    // The spreadsheet export, not offered by this installation, writes the text export's bytes.
    const std::pair<const char*, std::string> formats[] = {
        {"txt", exported("ToaTextFile1", "program.txt")},
        {"xls", inst.dir.Read("program.txt")},
        {"html", exported("ToanHTMLDocument1", "program.html")},
        {"clipboard", (Trigger(w, "CopyToClipboard1"), fake.clipboard.text.toStdString())},
    };
    for (const auto& [format, bytes] : formats) {
        SCOPED_TRACE(format);
        ASSERT_GT(bytes.size(), 500u);
        std::string out, err;
        EXPECT_EQ(Run({"export", file, "--format", format, "-o", inst.dir.File("cli")}, out, err), 0) << err;
        EXPECT_EQ(inst.dir.Read("cli"), bytes);
    }
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();
}

TEST_F(CliAndList, ProjectsAddedToTheListMakeOneOrderForTheSite)
{
    const std::string rooftop = inst.dir.Write("rooftop.tvr", demoProject);
    const std::string sector = inst.dir.Write(
        "sector.tvr", ReadFileBytes(std::string(TAVROLIN_DEMO_DIR) + "/data/KF114-sector.tvr").value_or("(missing)"));
    const std::string notes = inst.dir.Write("notes.tvr", "[Header]\r\nCompany Name=\r\n");
    FakePlatform fake;
    inst.Register(fake.registry);
    gui::TfrmMain w(fake.platform, inst.ProgramFolder(), {"OPEN", QString::fromStdString(rooftop)});
    const auto add = [&](const std::string& file) {
        fake.fileDialogs.answers = {QString::fromStdString(file)};
        Trigger(w, "AddProjectToList1");
        return ShownList(w);
    };
    const auto price = [&](const std::vector<std::string>& args) {
        std::string out, err;
        EXPECT_EQ(Run(args, out, err), 0) << err;
        return out;
    };
    const std::string alone = ShownList(w);

    // A copy of the project doubles every quantity and the total, in the program and the planner.
    const std::string twice = add(rooftop);
    EXPECT_EQ(twice, Doubled(alone));
    EXPECT_EQ(price({"price", rooftop, rooftop}), twice);
    // A project on another line: its parts are filed as reopened ones, under the first
    // project's headings, and merged by part.
    const std::string site = add(sector);
    EXPECT_EQ(price({"price", rooftop, rooftop, sector}), site);
    EXPECT_EQ(price({"price", rooftop, sector}),
              ReadFileBytes(std::string(TAVROLIN_TEST_DATA) + "/cli/price-site-order.txt").value_or("(missing)"));
    EXPECT_TRUE(fake.boxes.shown.empty()) << fake.boxes.Texts().join('|').toStdString();

    // A file that is no project adds nothing and says why.
    const std::string lastOrder = inst.dir.Read("prog/Accessories.lom");
    EXPECT_EQ(add(notes), site);
    ASSERT_EQ(fake.boxes.shown.size(), 1u);
    EXPECT_TRUE(fake.boxes.Texts().first().contains("is not a Tavrolin project file"));
    EXPECT_EQ(inst.dir.Read("prog/Accessories.lom"), lastOrder);
    std::string out, err;
    EXPECT_EQ(Run({"price", rooftop, notes}, out, err), 1);
    EXPECT_EQ(out, "");

    // Saved, the site's list reopens as it shows; back on the accessory list and on again,
    // the added items are still ordered.
    fake.fileDialogs.answers = {QString::fromStdString(inst.dir.File("site.tvr"))};
    Trigger(w, "Save1");
    EXPECT_EQ(price({"price", inst.dir.File("site.tvr")}), site);
    Click(w, "btnBack");
    Click(w, "btnNext");
    EXPECT_EQ(ShownList(w), site);
}

} // namespace
} // namespace tav::test
