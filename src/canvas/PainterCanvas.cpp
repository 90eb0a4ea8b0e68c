#include "canvas/PainterCanvas.h"

#include "canvas/TextCodec.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

namespace tav::canvas {

void PainterCanvas::SetFont(std::string_view family, int height, bool bold)
{
    QFont font(FromData(family));
    // Heights are device units, whatever resolution the printer has.
    font.setPixelSize(std::max(1, height));
    font.setBold(bold);
    painter_.setFont(font);
}

void PainterCanvas::SetPenWidth(int width)
{
    QPen pen = painter_.pen();
    pen.setWidth(width);
    painter_.setPen(pen);
}

int PainterCanvas::TextWidth(std::string_view text)
{
    return painter_.fontMetrics().horizontalAdvance(FromData(text));
}

int PainterCanvas::TextHeight(std::string_view)
{
    return painter_.fontMetrics().height();
}

void PainterCanvas::DrawText(int x, int y, std::string_view text)
{
    painter_.drawText(x, y + painter_.fontMetrics().ascent(), FromData(text));
}

void PainterCanvas::DrawTextInBox(int left, int top, int right, int bottom, std::string_view text, bool alignRight)
{
    // Text drawn in a rectangle is cut off at its edges.
    painter_.drawText(QRect(left, top, right - left, bottom - top),
                      Qt::AlignTop | Qt::TextWordWrap | (alignRight ? Qt::AlignRight : Qt::AlignLeft), FromData(text));
}

void PainterCanvas::DrawLine(int x1, int y1, int x2, int y2)
{
    painter_.drawLine(x1, y1, x2, y2);
}

bool PainterCanvas::NewPage()
{
    return pages_ && pages_->newPage();
}

} // namespace tav::canvas
