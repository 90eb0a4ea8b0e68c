#pragma once

#include "core/materials/ListOfMaterials.h"

#include <string>

class QPagedPaintDevice;
class QPainter;

namespace tav::gui {

enum class Paper
{
    A4,
    Letter,
};

// The default paper of the user's locale (LC_PAPER): Letter where it is Letter, else A4.
Paper LocalePaper();

// Draws the whole printed list on a painter that is active on the paged device, which
// gives the pages. Throws Error when the device refuses a page.
void DrawPrintedList(QPainter& painter, QPagedPaintDevice& device, const ListOfMaterials& list);

// The printed list as a PDF document: the printout's pages on the paper, made in memory.
// Needs a Qt GUI application object (any platform, offscreen included).
std::string PrintedListPdf(const ListOfMaterials& list, Paper paper);

} // namespace tav::gui
