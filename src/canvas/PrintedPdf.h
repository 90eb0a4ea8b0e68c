#pragma once

#include "core/materials/ListOfMaterials.h"

#include <string>
#include <string_view>

class QPagedPaintDevice;
class QPainter;

namespace tav::canvas {

enum class Paper
{
    A4,
    Letter,
};

// The default paper of the user's locale (LC_PAPER): Letter where it is Letter, else A4.
Paper LocalePaper();

// Draws the whole printed list, the maker's web address in every footer, on a painter that
// is active on the paged device, which gives the pages. Throws Error when the device
// refuses a page.
void DrawPrintedList(QPainter& painter, QPagedPaintDevice& device, const ListOfMaterials& list,
                     std::string_view webAddress);

// The printed list as a PDF document: the printout's pages on the paper, made in memory.
// Needs a Qt GUI application object (any platform, offscreen included).
std::string PrintedListPdf(const ListOfMaterials& list, Paper paper, std::string_view webAddress);

} // namespace tav::canvas
