#include "canvas/PrintedPdf.h"

#include "canvas/PainterCanvas.h"
#include "core/common/Errors.h"
#include "core/materials/PrintLayout.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <cstdint>
#include <langinfo.h>
#include <locale.h>

namespace tav::canvas {

namespace {

// The resolution the printer's high-resolution mode gives a PDF, so the pages come out alike.
constexpr int kPdfResolution = 1200;
constexpr int kLetterHeightMm = 279;

} // namespace

Paper LocalePaper()
{
    // A locale of its own, so the program's locale stays as it is.
    const locale_t paper = newlocale(LC_PAPER_MASK, "", static_cast<locale_t>(nullptr));
    if (!paper)
        return Paper::A4;
    const auto height = static_cast<int>(reinterpret_cast<intptr_t>(nl_langinfo_l(_NL_PAPER_HEIGHT, paper)));
    freelocale(paper);
    return height == kLetterHeightMm ? Paper::Letter : Paper::A4;
}

void DrawPrintedList(QPainter& painter, QPagedPaintDevice& device, const ListOfMaterials& list,
                     std::string_view webAddress)
{
    PainterCanvas canvas(painter, &device);
    const double scale = PrintScale(device.width(), device.height());
    PageLayout layout(canvas, scale, scale);
    LayoutMaterials(layout, list, CountPrintedPages(list), kPrintTitle, webAddress);
}

std::string PrintedListPdf(const ListOfMaterials& list, Paper paper, std::string_view webAddress)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(kPrintJobName);
        writer.setCreator("Tavrolin");
        // The page layout leaves its own margins, as on paper.
        writer.setPageLayout(QPageLayout(QPageSize(paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4),
                                         QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer))
            throw Error("The PDF document could not be started.");
        try {
            DrawPrintedList(painter, writer, list, webAddress);
        } catch (...) {
            painter.end();
            throw;
        }
        if (!painter.end())
            throw Error("The PDF document could not be finished.");
    }
    const QByteArray& bytes = buffer.data();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace tav::canvas
