#include "core/materials/PrintLayout.h"

#include "core/common/Errors.h"
#include "support/MaterialsFixture.h"

#include <gtest/gtest.h>

namespace tav::test {
namespace {

// What was drawn where, page by page. Text is 8 units wide a character and as high as the font.
struct Drawn
{
    enum Kind
    {
        Text,
        Box,
        Line,
    } kind;
    int page;
    int x, y, right, bottom;
    std::string text;
    std::string font;
    int height;
    bool bold;
    bool alignRight;
};

class RecordingCanvas : public IPrintCanvas
{
public:
    std::vector<Drawn> drawn;
    int page = 1;
    int refuseFromPage = 0; // refuse to start this page and any later one

    void SetFont(std::string_view family, int height, bool bold) override
    {
        font_ = family;
        height_ = height;
        bold_ = bold;
    }
    void SetPenWidth(int) override {}
    int TextWidth(std::string_view text) override { return 8 * static_cast<int>(text.size()); }
    int TextHeight(std::string_view) override { return height_; }
    void DrawText(int x, int y, std::string_view text) override
    {
        drawn.push_back({Drawn::Text, page, x, y, x + TextWidth(text), y + height_, std::string(text), font_, height_,
                         bold_, false});
    }
    void DrawTextInBox(int left, int top, int right, int bottom, std::string_view text, bool alignRight) override
    {
        drawn.push_back(
            {Drawn::Box, page, left, top, right, bottom, std::string(text), font_, height_, bold_, alignRight});
    }
    void DrawLine(int x1, int y1, int x2, int y2) override
    {
        drawn.push_back({Drawn::Line, page, x1, y1, x2, y2, {}, font_, height_, bold_, false});
    }
    bool NewPage() override
    {
        if (refuseFromPage != 0 && page + 1 >= refuseFromPage)
            return false;
        ++page;
        return true;
    }

    std::vector<Drawn> Find(std::string_view text) const
    {
        std::vector<Drawn> out;
        for (const Drawn& d : drawn)
            if (d.text == text)
                out.push_back(d);
        return out;
    }
    // Part-number boxes of the rows, per page.
    int RowsOn(int p) const
    {
        int n = 0;
        for (const Drawn& d : drawn)
            n += d.kind == Drawn::Box && d.page == p && d.x == 135;
        return n;
    }

private:
    std::string font_;
    int height_ = 0;
    bool bold_ = false;
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
        int rows;
        int pages;
        int rowsOnLastPage;
        int totalTop;
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
        for (int p = 1; p < c.pages; ++p)
            EXPECT_EQ(canvas.RowsOn(p), 10) << "page " << p;
        EXPECT_EQ(canvas.RowsOn(c.pages), c.rowsOnLastPage);
        for (int p = 1; p <= c.pages; ++p) {
            const auto footer = canvas.Find("Page " + std::to_string(p) + " of " + std::to_string(c.pages));
            ASSERT_EQ(footer.size(), 1u) << "page " << p;
            EXPECT_EQ(footer[0].page, p);
        }

        const auto caption = canvas.Find("TOTAL: ");
        const auto total = canvas.Find(list.total);
        ASSERT_EQ(caption.size(), 1u);
        ASSERT_EQ(total.size(), 1u);
        EXPECT_EQ(caption[0].page, c.pages);
        EXPECT_EQ(std::make_tuple(caption[0].x, caption[0].y, caption[0].right, caption[0].bottom),
                  std::make_tuple(610, c.totalTop + 10, 675, c.totalTop + 85));
        EXPECT_TRUE(caption[0].bold && caption[0].alignRight);
        EXPECT_EQ(std::make_tuple(total[0].x, total[0].y, total[0].right, total[0].bottom),
                  std::make_tuple(700, c.totalTop + 10, 800, c.totalTop + 85));
        EXPECT_FALSE(total[0].bold);
        const Drawn& rule = canvas.drawn[canvas.drawn.size() - 3];
        EXPECT_EQ(std::make_tuple(rule.kind, rule.x, rule.y, rule.right, rule.bottom),
                  std::make_tuple(Drawn::Line, 610, c.totalTop, 800, c.totalTop));
    }
}

TEST(PrintLayout, PageFrameRowBoxesAndFooter)
{
    RecordingCanvas canvas;
    const ListOfMaterials list = ExportFixtureList();
    Print(canvas, list);

    struct Expected
    {
        std::string text;
        int x, y;
        const char* font;
        int height;
        bool bold;
    };
    const Expected frame[] = {
        {kPrintTitle, 50, 30, "Times New Roman", 50, false},
        {kPrintMakerName, 50, 1060, "Times New Roman", 14, true},
        {"www.maker.example", 425 - 8 * 17 / 2, 1060, "Times New Roman", 14, true},
        {"Page 1 of 1", 800 - 8 * 11, 1060, "Times New Roman", 14, true},
        {"Quantity", 110 - 8 * 8, 165 - 16, "Arial", 16, true},
        {"Part Number", 135, 165 - 16, "Arial", 16, true},
        {"Description", 310, 165 - 16, "Arial", 16, true},
        {"Price", 675 - 8 * 5, 165 - 16, "Arial", 16, true},
        {"Extended", 800 - 8 * 8, 165 - 16, "Arial", 16, true},
    };
    for (const Expected& e : frame) {
        const auto found = canvas.Find(e.text);
        ASSERT_EQ(found.size(), 1u) << e.text;
        EXPECT_EQ(std::make_tuple(found[0].x, found[0].y, found[0].font, found[0].height, found[0].bold),
                  std::make_tuple(e.x, e.y, std::string(e.font), e.height, e.bold))
            << e.text;
    }

    // The second row, a priced item: quantity, part, description, price, extended.
    const MaterialsRow& row = list.rows[1];
    struct BoxCase
    {
        std::string text;
        int left, right;
        bool alignRight;
    };
    const BoxCase boxes[] = {{row.quantity, 50, 110, true},
                             {row.partNumber, 135, 285, false},
                             {row.description, 310, 585, false},
                             {row.price, 610, 675, true},
                             {row.extended, 700, 800, true}};
    for (const BoxCase& b : boxes) {
        const auto found = canvas.Find(b.text);
        ASSERT_FALSE(found.empty()) << b.text;
        EXPECT_EQ(std::make_tuple(found[0].x, found[0].y, found[0].right, found[0].bottom, found[0].alignRight),
                  std::make_tuple(b.left, 260, b.right, 335, b.alignRight))
            << b.text;
        EXPECT_EQ(std::make_tuple(found[0].font, found[0].height, found[0].bold), std::make_tuple("Arial", 15, false));
    }
    // A heading prints as a row with its caption in the part-number box.
    const auto heading = canvas.Find("Mounting");
    ASSERT_EQ(heading.size(), 1u);
    EXPECT_EQ(std::make_tuple(heading[0].x, heading[0].y, heading[0].right), std::make_tuple(135, 175, 285));
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
        ASSERT_EQ(canvas.Find("Page 2 of 2").size(), 1u);
        for (const Drawn& d : canvas.drawn) {
            EXPECT_LE(std::max(d.x, d.right), c.width) << d.text;
            EXPECT_LE(std::max(d.y, d.bottom), c.height) << d.text;
        }
        const Drawn footer = canvas.Find("Page 2 of 2")[0];
        EXPECT_EQ(footer.y, PageLayout(canvas, scale, scale).ScaleY(1060));
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
        FAIL() << "no error";
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), "The printer could not start page 2 of the list of materials.");
    }
    EXPECT_TRUE(canvas.Find("TOTAL: ").empty()) << "nothing is drawn after the refusal";
}

} // namespace
} // namespace tav::test
