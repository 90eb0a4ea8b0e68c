// The list of materials of 1,000 rows leaving the program through the window's commands:
// a text export written to disk, and the whole printout drawn into a PDF file.
#include "doubles/TestInstallation.h"
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
        w->tsLom->ShowList(list);
        w->ShowPage(tav::gui::TfrmMain::kLom);
        w->UpdatePageCommands();
    }
    QString Path(const char* name) const { return QString::fromStdString(inst.dir.File(name)); }
};

void ExportTextFileOf1000Rows(benchmark::State& state)
{
    Window win;
    for (auto _ : state) {
        win.fake.fileDialogs.answers = {win.Path("list.txt")};
        win.w->ToaTextFile1->trigger();
    }
    if (!win.fake.boxes.shown.empty())
        state.SkipWithError("the export reported an error");
}
BENCHMARK(ExportTextFileOf1000Rows)->Unit(benchmark::kMillisecond);

void PrintPdfOf1000Rows(benchmark::State& state)
{
    Window win;
    for (auto _ : state) {
        win.fake.printing.pdfFiles = {win.Path("list.pdf")};
        win.w->Print1->trigger();
    }
    if (!win.fake.boxes.shown.empty())
        state.SkipWithError("the printout reported an error");
}
BENCHMARK(PrintPdfOf1000Rows)->Unit(benchmark::kMillisecond);

} // namespace
