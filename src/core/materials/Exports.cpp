#include "core/materials/Exports.h"

#include <string_view>

namespace tav {

namespace {

constexpr std::string_view kCrLf = "\r\n";

// Rough size of the output, so the text grows without copies.
size_t SizeHint(const ListOfMaterials& list, size_t perCell)
{
    size_t size = 256 + list.total.size();
    for (const MaterialsRow& row : list.rows)
        for (int c = 0; c < kMaterialsColumns; ++c)
            size += row.Cell(c).size() + perCell;
    return size;
}

void AppendWithoutTabs(std::string& out, std::string_view text)
{
    for (const char ch : text)
        out += ch == '\t' ? ' ' : ch;
}

void AppendEscaped(std::string& out, std::string_view text)
{
    for (const char ch : text) {
        switch (ch) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        default:
            out += ch;
        }
    }
}

} // namespace

std::string DelimitedExportText(const ListOfMaterials& list)
{
    std::string out;
    out.reserve(SizeHint(list, 1));
    for (const char* heading : kMaterialsHeadings)
        out.append(heading).append("\t");
    // The heading line carries a CR of its own before its line end, as readers expect.
    out.append("\r").append(kCrLf);
    for (const MaterialsRow& row : list.rows) {
        for (int c = 0; c < kMaterialsColumns; ++c) {
            AppendWithoutTabs(out, row.Cell(c));
            out += '\t';
        }
        out.append(kCrLf);
    }
    out.append("\r").append(kTotalCaption).append("\t\t\t\t");
    AppendWithoutTabs(out, list.total);
    out.append(kCrLf);
    return out;
}

std::string HtmlExportText(const ListOfMaterials& list)
{
    std::string out;
    out.reserve(SizeHint(list, 9));
    out.append("<HTML><HEAD><TITLE>Brimcor Tavrolin Results</TITLE></HEAD>").append(kCrLf);
    out.append("<BODY>").append(kCrLf);
    // The tags stay exactly as readers of these files have always seen them, odd nesting included.
    out.append("<H1><CENTER>Tavrolin Results</H1></CENTER>").append(kCrLf);
    out.append("<P><TABLE BORDER = 3>").append(kCrLf);
    out.append("<TR>");
    for (const char* heading : kMaterialsHeadings)
        out.append("<TD><B>").append(heading).append("</TD></B>");
    out.append("</TR>").append(kCrLf);
    for (const MaterialsRow& row : list.rows) {
        out.append("<TR>");
        for (int c = 0; c < kMaterialsColumns; ++c) {
            out.append("<TD>");
            AppendEscaped(out, row.Cell(c));
            out.append("</TD>");
        }
        out.append("</TR>").append(kCrLf);
    }
    out.append("</TR><TD><B>").append(kTotalCaption).append("</B></TD><TD></TD><TD></TD><TD></TD><TD>");
    AppendEscaped(out, list.total);
    out.append("</TD></TR>").append(kCrLf);
    out.append("</TABLE></P></BODY></HTML>").append(kCrLf);
    return out;
}

std::string ClipboardText(const ListOfMaterials& list)
{
    std::string out;
    out.reserve(SizeHint(list, 16));
    for (const MaterialsRow& row : list.rows)
        for (int c = 0; c < kMaterialsColumns; ++c)
            out.append(kMaterialsHeadings[static_cast<size_t>(c)]).append(": ").append(row.Cell(c)).append("\r");
    out.append(kTotalCaption).append(" ").append(list.total);
    return out;
}

} // namespace tav
