#pragma once

#include "core/materials/PrintLayout.h"

class QPagedPaintDevice;
class QPainter;

namespace tav::canvas {

// The printed list's canvas over an active painter. Pages come from the paged device
// (a printer or a preview); without one there is no next page.
class PainterCanvas : public IPrintCanvas
{
public:
    PainterCanvas(QPainter& painter, QPagedPaintDevice* pages) : painter_(painter), pages_(pages) {}

    void SetFont(std::string_view family, int height, bool bold) override;
    void SetPenWidth(int width) override;
    int TextWidth(std::string_view text) override;
    int TextHeight(std::string_view text) override;
    void DrawText(int x, int y, std::string_view text) override;
    void DrawTextInBox(int left, int top, int right, int bottom, std::string_view text, bool alignRight) override;
    void DrawLine(int x1, int y1, int x2, int y2) override;
    bool NewPage() override;

private:
    QPainter& painter_;
    QPagedPaintDevice* pages_;
};

} // namespace tav::canvas
