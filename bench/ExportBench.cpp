// The exports and the print layout of a list of materials of 1,000 rows: 20 sections of
// 49 parts with descriptions of catalogue length.
#include "core/materials/Exports.h"
#include "core/materials/PrintLayout.h"
#include "core/materials/Workbook.h"

#include <benchmark/benchmark.h>
#include <string>

namespace {

const tav::ListOfMaterials& LongList()
{
    static const tav::ListOfMaterials list = [] {
        tav::ListOfMaterials l;
        for (int r = 0; r < 1000; ++r) {
            tav::MaterialsRow row;
            if (r % 50 == 0) {
                row.kind = tav::MaterialsRowKind::Heading;
                row.partNumber = "Section " + std::to_string(r / 50) + " & hardware";
            } else {
                row.partNumber = "KP-" + std::to_string(10000 + r);
                row.description = "Hanger kit <stainless>, 3/4\" members, ten per pack, part " + std::to_string(r);
                row.price = "$12.50";
                row.quantity = std::to_string(r % 9 + 1);
                row.extended = "$" + std::to_string((r % 9 + 1) * 12) + ".50";
            }
            l.rows.push_back(row);
        }
        l.total = "$61234.50";
        return l;
    }();
    return list;
}

void Export(benchmark::State& state, std::string (*build)(const tav::ListOfMaterials&))
{
    const tav::ListOfMaterials& list = LongList();
    for (auto _ : state) {
        std::string text = build(list);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK_CAPTURE(Export, DelimitedText, &tav::DelimitedExportText)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, Html, &tav::HtmlExportText)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Export, Clipboard, &tav::ClipboardText)->Unit(benchmark::kMillisecond);

// The workbook as the export writes it: the library's scratch file and its bytes read back.
void Workbook(benchmark::State& state)
{
    const tav::PlanSummary plan{"KF12", "KF12-50-C9", "806",   "960",  "15",    "100", false,
                                3,      "Sector",     "Tower", "2.57", "55.30", "1.35"};
    for (auto _ : state) {
        std::string bytes = tav::WorkbookBytes(LongList(), plan);
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(Workbook)->Unit(benchmark::kMillisecond);

// Measures text as a printer font would, roughly, and keeps what a printer would be sent.
class MeasuringCanvas : public tav::IPrintCanvas
{
public:
    size_t bytes = 0;
    void SetFont(std::string_view, int height, bool) override { height_ = height; }
    void SetPenWidth(int) override {}
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * height_ / 2; }
    int TextHeight(std::string_view) override { return height_; }
    void DrawText(int, int, std::string_view text) override { bytes += text.size(); }
    void DrawTextInBox(int, int, int, int, std::string_view text, bool) override { bytes += text.size(); }
    void DrawLine(int, int, int, int) override {}
    bool NewPage() override { return true; }

private:
    int height_ = 0;
};

void LayoutPrintedList(benchmark::State& state)
{
    const tav::ListOfMaterials& list = LongList();
    const double scale = tav::PrintScale(9600, 12600);
    for (auto _ : state) {
        MeasuringCanvas canvas;
        tav::PageLayout layout(canvas, scale, scale);
        const int pages =
            tav::LayoutMaterials(layout, list, tav::CountPrintedPages(list), tav::kPrintTitle, "www.brimcor.example");
        benchmark::DoNotOptimize(pages);
        benchmark::DoNotOptimize(canvas.bytes);
    }
}
BENCHMARK(LayoutPrintedList)->Unit(benchmark::kMillisecond);

} // namespace
