#pragma once

#include "core/materials/ListOfMaterials.h"

#include <string>

namespace tav {

// The list of materials as it leaves the program, built from the list alone so every
// caller (the menu commands, the command-line tool) writes the same bytes. Texts keep the
// data's own bytes; file texts end every line with CR LF.

// Tab-separated: the headings, one line per row (headings included), then the total. The
// text and the spreadsheet exports are this same text. A tab inside a cell is written as a
// blank, so no cell can push the others out of their columns.
std::string DelimitedExportText(const ListOfMaterials& list);

// An HTML table of the headings, the rows and the total. Cell texts are escaped, so a
// description with "&" or "<" reads as itself instead of breaking the page.
std::string HtmlExportText(const ListOfMaterials& list);

// "Heading: cell" for every cell of every row, each closed by a lone CR, then
// "Total: " and the total.
std::string ClipboardText(const ListOfMaterials& list);

} // namespace tav
