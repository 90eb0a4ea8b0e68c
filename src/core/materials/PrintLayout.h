#pragma once

#include "core/materials/ListOfMaterials.h"

#include <string>
#include <string_view>

namespace tav {

// A surface the printed list is drawn on: a printer, a preview, or a recording in tests.
// Everything is in the surface's own device units; the layout below converts page units.
class IPrintCanvas
{
public:
    virtual ~IPrintCanvas() = default;

    virtual void SetFont(std::string_view family, int height, bool bold) = 0;
    virtual void SetPenWidth(int width) = 0;
    // Measures in the current font.
    virtual int TextWidth(std::string_view text) = 0;
    virtual int TextHeight(std::string_view text) = 0;
    // The text with its top-left corner at (x, y).
    virtual void DrawText(int x, int y, std::string_view text) = 0;
    // The text word-wrapped inside the box from its top, left- or right-aligned, and cut
    // off where it leaves the box.
    virtual void DrawTextInBox(int left, int top, int right, int bottom, std::string_view text, bool alignRight) = 0;
    virtual void DrawLine(int x1, int y1, int x2, int y2) = 0;
    // Starts the next page; false when the printer refused it.
    virtual bool NewPage() = 0;
};

// The name the print job carries.
inline constexpr const char* kPrintJobName = "Tavrolin LOM";
inline constexpr const char* kPrintTitle = "Tavrolin(TM) List of Materials";
inline constexpr const char* kPrintMakerName = "Brimcor Corporation";
// A printed page is 850 by 1,100 page units.
inline constexpr double kPageUnitsWide = 850;
inline constexpr double kPageUnitsHigh = 1100;

// Device units per page unit for a printable area of the given size. Both directions use
// the same scale, and the whole page fits however the paper is turned: on a landscape
// page the height decides, or the rows and the footer would run off the paper.
double PrintScale(double deviceWidth, double deviceHeight);

// Places text and lines in page units on a canvas, with a font that changes one property
// at a time as a pen would.
class PageLayout
{
public:
    PageLayout(IPrintCanvas& canvas, double scaleX, double scaleY);

    // Page units to device units, rounded to the nearest unit, halves to even.
    int ScaleX(double units) const;
    int ScaleY(double units) const;

    void SetFontName(std::string name);
    void SetFontHeight(int units);
    void SetBold(bool bold);
    void SetPenWidth(int units);

    void TextAt(double x, double y, std::string_view text);
    // Ends at x.
    void TextRight(double x, double y, std::string_view text);
    // Centred on x.
    void TextCentred(double x, double y, std::string_view text);
    // Bottom edge on y, ending at x when alignRight, else starting there.
    void TextAboveLine(double x, double y, std::string_view text, bool alignRight);
    void TextInBox(double left, double top, double right, double bottom, std::string_view text, bool alignRight);
    void Line(double x1, double y1, double x2, double y2);
    bool NewPage() { return canvas_.NewPage(); }

private:
    void ApplyFont();

    IPrintCanvas& canvas_;
    double scaleX_;
    double scaleY_;
    std::string fontName_ = "Arial";
    int fontHeight_ = 10;
    bool bold_ = false;
};

// Draws the whole list: on every page the frame (title, rules, footer with "Page i of N",
// column headings), ten rows a page, then the total block after the last row. With a page
// count of 0 it only counts and starts no printer page. Returns the number of pages.
// Throws Error when the printer refuses a new page.
int LayoutMaterials(PageLayout& layout, const ListOfMaterials& list, int pageCount, std::string_view title,
                    std::string_view webAddress);

// The number of pages LayoutMaterials draws for the list.
int CountPrintedPages(const ListOfMaterials& list);

} // namespace tav
