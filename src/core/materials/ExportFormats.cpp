#include "core/materials/ExportFormats.h"

#include "core/common/Errors.h"
#include "core/materials/Exports.h"
#include "core/materials/Workbook.h"

#include <array>

namespace tav {

namespace {

std::string Delimited(const ExportSource& s)
{
    return DelimitedExportText(s.list);
}

std::string Html(const ExportSource& s)
{
    return HtmlExportText(s.list);
}

std::string Clipboard(const ExportSource& s)
{
    return ClipboardText(s.list);
}

std::string Workbook(const ExportSource& s)
{
    return WorkbookBytes(s.list, s.plan);
}

std::string PrintedPdf(const ExportSource& s)
{
    if (!s.printedPdf)
        throw Error("No printed pages can be made here.");
    return s.printedPdf(s.list);
}

// The spreadsheet export holds the text export's bytes: the spreadsheet program reads them.
constexpr std::array kFormats{
    ExportFormat{"txt", "txt", "Text Files (*.txt)", "txt", &Delimited},
    ExportFormat{"xls", "xls", "MS Excel Files (*.xls)", "xls", &Delimited},
    ExportFormat{"html", "html", "html files (*.html)", "html", &Html},
    ExportFormat{"xlsx", "xlsx", "Excel Workbooks (*.xlsx)", "xlsx", &Workbook},
    ExportFormat{"pdf", "pdf", "PDF Documents (*.pdf)", "pdf", &PrintedPdf, true},
    ExportFormat{"clipboard", "", "", "", &Clipboard},
};

} // namespace

std::span<const ExportFormat> ExportFormats()
{
    return kFormats;
}

const ExportFormat* FindExportFormat(std::string_view name)
{
    for (const ExportFormat& f : kFormats)
        if (f.name == name)
            return &f;
    return nullptr;
}

std::string ExportFormatNames(std::string_view separator)
{
    std::string names;
    for (const ExportFormat& f : kFormats)
        names.append(names.empty() ? "" : separator).append(f.name);
    return names;
}

} // namespace tav
