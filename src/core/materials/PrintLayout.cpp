#include "core/materials/PrintLayout.h"

#include "core/common/Errors.h"
#include "core/common/Numbers.h"

#include <algorithm>
#include <cmath>

namespace tav {

namespace {

int RoundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0))
        return static_cast<int>(below + 1);
    return static_cast<int>(below);
}

// The grid columns as they are printed, left to right: quantity first.
struct PrintedBox
{
    int column;
    double left;
    double right;
    bool alignRight;
};
constexpr PrintedBox kRowBoxes[] = {
    {3, 50, 110, true}, {0, 135, 285, false}, {1, 310, 585, false}, {2, 610, 675, true}, {4, 700, 800, true},
};

constexpr double kFirstRowTop = 175;
constexpr double kRowHeight = 75;
constexpr double kRowPitch = 85;
// A row starting below this would run into the footer.
constexpr double kLastRowTop = 950;

void DrawPageFrame(PageLayout& layout, std::string_view title, std::string_view webAddress, int page, int pageCount)
{
    layout.SetPenWidth(2);
    layout.SetFontName("Times New Roman");
    layout.SetFontHeight(50);
    layout.TextAt(50, 30, title);
    layout.Line(50, 100, 800, 100);
    layout.Line(50, 1050, 800, 1050);

    layout.SetFontHeight(14);
    layout.SetBold(true);
    layout.TextAt(50, 1060, kPrintMakerName);
    layout.TextCentred(425, 1060, webAddress);
    layout.TextRight(800, 1060, "Page " + IntToStr(page) + " of " + IntToStr(pageCount));
    layout.SetBold(false);

    layout.SetFontName("Arial");
    layout.SetFontHeight(16);
    layout.SetBold(true);
    layout.TextAboveLine(110, 165, kMaterialsHeadings[3], true);
    layout.TextAboveLine(135, 165, kMaterialsHeadings[0], false);
    layout.TextAboveLine(310, 165, kMaterialsHeadings[1], false);
    layout.TextAboveLine(675, 165, kMaterialsHeadings[2], true);
    layout.TextAboveLine(800, 165, kMaterialsHeadings[4], true);
    layout.SetBold(false);
}

// Measures nothing and draws nothing: the page count depends on the rows alone.
class CountingCanvas : public IPrintCanvas
{
public:
    void SetFont(std::string_view, int, bool) override {}
    void SetPenWidth(int) override {}
    int TextWidth(std::string_view) override { return 0; }
    int TextHeight(std::string_view) override { return 0; }
    void DrawText(int, int, std::string_view) override {}
    void DrawTextInBox(int, int, int, int, std::string_view, bool) override {}
    void DrawLine(int, int, int, int) override {}
    bool NewPage() override { return true; }
};

} // namespace

double PrintScale(double deviceWidth, double deviceHeight)
{
    return std::min(deviceWidth / kPageUnitsWide, deviceHeight / kPageUnitsHigh);
}

PageLayout::PageLayout(IPrintCanvas& canvas, double scaleX, double scaleY)
    : canvas_(canvas), scaleX_(scaleX), scaleY_(scaleY)
{}

int PageLayout::ScaleX(double units) const
{
    return RoundHalfEven(units * scaleX_);
}

int PageLayout::ScaleY(double units) const
{
    return RoundHalfEven(units * scaleY_);
}

void PageLayout::ApplyFont()
{
    canvas_.SetFont(fontName_, ScaleY(fontHeight_), bold_);
}

void PageLayout::SetFontName(std::string name)
{
    fontName_ = std::move(name);
    ApplyFont();
}

void PageLayout::SetFontHeight(int units)
{
    fontHeight_ = units;
    ApplyFont();
}

void PageLayout::SetBold(bool bold)
{
    bold_ = bold;
    ApplyFont();
}

void PageLayout::SetPenWidth(int units)
{
    canvas_.SetPenWidth(ScaleX(units));
}

void PageLayout::TextAt(double x, double y, std::string_view text)
{
    canvas_.DrawText(ScaleX(x), ScaleY(y), text);
}

void PageLayout::TextRight(double x, double y, std::string_view text)
{
    canvas_.DrawText(ScaleX(x) - canvas_.TextWidth(text), ScaleY(y), text);
}

void PageLayout::TextCentred(double x, double y, std::string_view text)
{
    canvas_.DrawText(ScaleX(x) - canvas_.TextWidth(text) / 2, ScaleY(y), text);
}

void PageLayout::TextAboveLine(double x, double y, std::string_view text, bool alignRight)
{
    const int left = ScaleX(x) - (alignRight ? canvas_.TextWidth(text) : 0);
    canvas_.DrawText(left, ScaleY(y) - canvas_.TextHeight(text), text);
}

void PageLayout::TextInBox(double left, double top, double right, double bottom, std::string_view text, bool alignRight)
{
    canvas_.DrawTextInBox(ScaleX(left), ScaleY(top), ScaleX(right), ScaleY(bottom), text, alignRight);
}

void PageLayout::Line(double x1, double y1, double x2, double y2)
{
    canvas_.DrawLine(ScaleX(x1), ScaleY(y1), ScaleX(x2), ScaleY(y2));
}

int LayoutMaterials(PageLayout& layout, const ListOfMaterials& list, int pageCount, std::string_view title,
                    std::string_view webAddress)
{
    int page = 1;
    DrawPageFrame(layout, title, webAddress, page, pageCount);
    layout.SetFontHeight(15);
    layout.SetFontName("Arial");
    double y = kFirstRowTop;
    for (const MaterialsRow& row : list.rows) {
        for (const PrintedBox& box : kRowBoxes)
            layout.TextInBox(box.left, y, box.right, y + kRowHeight, row.Cell(box.column), box.alignRight);
        y += kRowPitch;
        if (y > kLastRowTop) {
            if (pageCount != 0 && !layout.NewPage())
                throw Error("The printer could not start page " + IntToStr(page + 1) + " of the list of materials.");
            ++page;
            DrawPageFrame(layout, title, webAddress, page, pageCount);
            layout.SetFontHeight(16);
            layout.SetFontName("Arial");
            y = kFirstRowTop;
        }
    }
    layout.Line(610, y, 800, y);
    layout.SetBold(true);
    layout.TextInBox(610, y + 10, 675, y + 85, "TOTAL: ", true);
    layout.SetBold(false);
    layout.TextInBox(700, y + 10, 800, y + 85, list.total, true);
    return page;
}

int CountPrintedPages(const ListOfMaterials& list)
{
    CountingCanvas canvas;
    PageLayout layout(canvas, 1, 1);
    return LayoutMaterials(layout, list, 0, {}, {});
}

} // namespace tav
