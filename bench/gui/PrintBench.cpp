// The list of materials of 1,000 rows leaving the program through the window's commands:
// a text export written to disk, and the whole printout drawn into a PDF file.
#include "doubles/TestInstallation.h"
#include "doubles/Widgets.h"
#include "gui/app/TfrmMain.h"
#include "gui/materials/MaterialsPage.h"

#include <QAction>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

struct Window
{
    tav::test::TestInstallation inst;
    tav::test::FakePlatform fake;
    std::unique_ptr<tav::gui::TfrmMain> w;

    Window()
    {
        inst.Register(fake.registry);
        w = std::make_unique<tav::gui::TfrmMain>(fake.platform, inst.ProgramFolder(), QStringList{});
        tav::ListOfMaterials list;
        for (int r = 0; r < 1000; ++r) {
            const std::string n = std::to_string(r);
            if (r % 50 == 0)
                list.rows.push_back({tav::MaterialsRowKind::Heading, "Section " + n, "", "", "", ""});
            else
                list.rows.push_back({tav::MaterialsRowKind::Item, "KP-" + n,
                                     "Hanger kit, stainless, 3/4\" members, ten per pack", "$12.50", "3", "$37.50"});
        }
        tav::test::Named<tav::gui::MaterialsPage>(*w, "tsLom").ShowList(list);
        w->ShowPage(tav::gui::TfrmMain::kLom);
        w->UpdatePageCommands();
    }
    QString Path(const char* name) const { return QString::fromStdString(inst.dir.File(name)); }
};

// One command on the list, answering its file dialog or print dialog with the file.
void RunCommand(benchmark::State& state, const char* command, const char* file)
{
    Window win;
    for (auto _ : state) {
        win.fake.fileDialogs.answers = {win.Path(file)};
        win.fake.printing.pdfFiles = {win.Path(file)};
        tav::test::Trigger(*win.w, command);
    }
    if (!win.fake.boxes.shown.empty())
        state.SkipWithError("the command reported an error");
}
BENCHMARK_CAPTURE(RunCommand, ExportTextFileOf1000Rows, "ToaTextFile1", "list.txt")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(RunCommand, PrintPdfOf1000Rows, "Print1", "list.pdf")->Unit(benchmark::kMillisecond);

} // namespace
