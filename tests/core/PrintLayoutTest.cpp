#include "core/materials/PrintLayout.h"

#include "core/common/Errors.h"
#include "support/MaterialsFixture.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tav::test {
namespace {

// Everything drawn, one entry each: page, what and where, font, text. A character is 8
// units wide and as high as its font.
class RecordingCanvas : public IPrintCanvas
{
public:
    std::vector<std::string> drawn;
    int page = 1;
    int refuseFromPage = 0;
    int farthestX = 0, lowestY = 0;

    void SetFont(std::string_view family, int height, bool bold) override
    {
        font_ = std::string(family) + " " + std::to_string(height) + (bold ? " bold" : "");
        height_ = height;
    }
    void SetPenWidth(int) override {}
    int TextWidth(std::string_view text) override { return 8 * static_cast<int>(text.size()); }
    int TextHeight(std::string_view) override { return height_; }
    void DrawText(int x, int y, std::string_view text) override
    {
        Add("text " + At(x, y), text, x + TextWidth(text), y + height_);
    }
    void DrawTextInBox(int left, int top, int right, int bottom, std::string_view text, bool alignRight) override
    {
        Add("box " + At(left, top) + "-" + At(right, bottom) + (alignRight ? " right" : " left"), text, right, bottom);
    }
    void DrawLine(int x1, int y1, int x2, int y2) override
    {
        Add("line " + At(x1, y1) + "-" + At(x2, y2), "", std::max(x1, x2), std::max(y1, y2));
    }
    bool NewPage() override
    {
        if (refuseFromPage != 0 && page + 1 >= refuseFromPage)
            return false;
        ++page;
        return true;
    }

    std::vector<std::string> With(std::string_view text) const
    {
        std::vector<std::string> out;
        for (const std::string& d : drawn)
            if (d.size() > text.size() && d.compare(d.size() - text.size(), text.size(), text) == 0 &&
                d[d.size() - text.size() - 1] == ' ')
                out.push_back(d);
        return out;
    }
    int Count(std::string_view prefix) const
    {
        return static_cast<int>(
            std::count_if(drawn.begin(), drawn.end(), [&](const std::string& d) { return d.rfind(prefix, 0) == 0; }));
    }

private:
    static std::string At(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    void Add(const std::string& what, std::string_view text, int right, int bottom)
    {
        drawn.push_back("p" + std::to_string(page) + " " + what + " [" + font_ + "] " + std::string(text));
        farthestX = std::max(farthestX, right);
        lowestY = std::max(lowestY, bottom);
    }

    std::string font_;
    int height_ = 0;
};

int Print(RecordingCanvas& canvas, const ListOfMaterials& list, double scale = 1)
{
    PageLayout layout(canvas, scale, scale);
    return LayoutMaterials(layout, list, CountPrintedPages(list), kPrintTitle, "www.maker.example");
}

TEST(PrintLayout, TenRowsAPageAndTheTotalAfterTheLastRow)
{
    struct Case
    {
        int rows, pages, rowsOnLastPage, totalTop;
    };
    // A full last page leaves the total alone on a page of its own.
    const Case cases[] = {{0, 1, 0, 175}, {9, 1, 9, 940}, {10, 2, 0, 175}, {11, 2, 1, 260}, {20, 3, 0, 175}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        const ListOfMaterials list = ListWithRows(c.rows);
        RecordingCanvas canvas;
        EXPECT_EQ(Print(canvas, list), c.pages);
        EXPECT_EQ(CountPrintedPages(list), c.pages);
        EXPECT_EQ(canvas.page, c.pages) << "pages started";
        for (int p = 1; p <= c.pages; ++p) {
            const std::string page = "p" + std::to_string(p) + " ";
            EXPECT_EQ(canvas.Count(page + "box 135,"), p < c.pages ? 10 : c.rowsOnLastPage) << "rows on page " << p;
            const std::string footer = "Page " + std::to_string(p) + " of " + std::to_string(c.pages);
            EXPECT_EQ(canvas.With(footer), std::vector<std::string>{page + "text " + std::to_string(800 - 8 * 11) +
                                                                    ",1060 [Times New Roman 14 bold] " + footer});
        }
        // Rows after the first page print a size larger, and so does their total.
        const std::string last = "p" + std::to_string(c.pages) + " ";
        const std::string size = c.pages == 1 ? "15" : "16";
        const std::string top = std::to_string(c.totalTop + 10) + "-", bottom = std::to_string(c.totalTop + 85);
        const std::vector<std::string> total{
            last + "line 610," + std::to_string(c.totalTop) + "-800," + std::to_string(c.totalTop) + " [Arial " + size +
                "] ",
            last + "box 610," + top + "675," + bottom + " right [Arial " + size + " bold] TOTAL: ",
            last + "box 700," + top + "800," + bottom + " right [Arial " + size + "] " + list.total};
        EXPECT_EQ(std::vector<std::string>(canvas.drawn.end() - 3, canvas.drawn.end()), total);
    }
}

TEST(PrintLayout, PageFrameAndRowBoxes)
{
    RecordingCanvas canvas;
    const ListOfMaterials list = ExportFixtureList();
    Print(canvas, list);
    const MaterialsRow& item = list.rows[1];
    const std::vector<std::string> expected{
        "p1 text 50,30 [Times New Roman 50] Tavrolin(TM) List of Materials",
        "p1 line 50,100-800,100 [Times New Roman 50] ",
        "p1 line 50,1050-800,1050 [Times New Roman 50] ",
        "p1 text 50,1060 [Times New Roman 14 bold] Brimcor Corporation",
        "p1 text 357,1060 [Times New Roman 14 bold] www.maker.example", // centred on 425
        "p1 text 712,1060 [Times New Roman 14 bold] Page 1 of 1",
        "p1 text 46,149 [Arial 16 bold] Quantity", // bottom on 165, ending at 110
        "p1 text 135,149 [Arial 16 bold] Part Number",
        "p1 text 310,149 [Arial 16 bold] Description",
        "p1 text 635,149 [Arial 16 bold] Price",
        "p1 text 736,149 [Arial 16 bold] Extended",
        // A heading prints as a row with its caption where the part number goes.
        "p1 box 50,175-110,250 right [Arial 15] ",
        "p1 box 135,175-285,250 left [Arial 15] Mounting",
        "p1 box 310,175-585,250 left [Arial 15] ",
        "p1 box 610,175-675,250 right [Arial 15] ",
        "p1 box 700,175-800,250 right [Arial 15] ",
        "p1 box 50,260-110,335 right [Arial 15] " + item.quantity,
        "p1 box 135,260-285,335 left [Arial 15] " + item.partNumber,
        "p1 box 310,260-585,335 left [Arial 15] " + item.description,
        "p1 box 610,260-675,335 right [Arial 15] " + item.price,
        "p1 box 700,260-800,335 right [Arial 15] " + item.extended,
    };
    ASSERT_GE(canvas.drawn.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(canvas.drawn.begin(), canvas.drawn.begin() + expected.size()), expected);
}

TEST(PrintLayout, EveryPageFitsThePaperWhicheverWayItIsTurned)
{
    struct Case
    {
        const char* paper;
        int width, height;
        double scale;
    };
    // Printable areas at 600 dots an inch. Upright paper keeps its width scale.
    const Case cases[] = {
        {"Letter upright", 4800, 6300, 4800.0 / 850},
        {"A4 upright", 4810, 6864, 4810.0 / 850},
        {"Letter landscape", 6300, 4800, 4800.0 / 1100},
        {"A4 landscape", 6864, 4810, 4810.0 / 1100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paper);
        const double scale = PrintScale(c.width, c.height);
        EXPECT_DOUBLE_EQ(scale, c.scale);
        RecordingCanvas canvas;
        ASSERT_EQ(Print(canvas, ListWithRows(12), scale), 2);
        EXPECT_EQ(canvas.With("Page 2 of 2").size(), 1u);
        EXPECT_LE(canvas.farthestX, c.width);
        EXPECT_LE(canvas.lowestY, c.height);
    }
}

TEST(PrintLayout, UnitsRoundToTheNearestHalvesToEven)
{
    RecordingCanvas canvas;
    const PageLayout half(canvas, 0.5, 2.5);
    const std::pair<double, int> xs[] = {{1, 0}, {3, 2}, {5, 2}, {7, 4}, {2.2, 1}, {2.9, 1}, {-3, -2}};
    for (const auto& [units, device] : xs)
        EXPECT_EQ(half.ScaleX(units), device) << units;
    EXPECT_EQ(half.ScaleY(1), 2);
    EXPECT_EQ(half.ScaleY(3), 8);
}

TEST(PrintLayout, APageThePrinterRefusesStopsThePrintout)
{
    RecordingCanvas canvas;
    canvas.refuseFromPage = 2;
    try {
        Print(canvas, ListWithRows(15));
        ADD_FAILURE() << "printed on";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The printer could not start page 2 of the list of materials.");
    }
    EXPECT_TRUE(canvas.With("TOTAL: ").empty()) << "nothing is drawn after the refusal";
}

} // namespace
} // namespace tav::test
