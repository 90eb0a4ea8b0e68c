#pragma once

#include "doubles/QtPrinters.h"

#include <QFontMetrics>
#include <QRect>
#include <QWidget>

namespace tav::test {

// The part of a widget that its window shows (its parents clip it), in the window's
// coordinates.
inline QRect ShownRect(const QWidget& c)
{
    const QWidget* w = c.window();
    QRect shown(c.mapTo(w, QPoint(0, 0)), c.size());
    shown = shown.intersected(w->rect());
    for (const QWidget* p = c.parentWidget(); p && p != w; p = p->parentWidget())
        shown = shown.intersected(QRect(p->mapTo(w, QPoint(0, 0)), p->size()));
    return shown;
}

// A rectangle in a widget's coordinates, in its window's.
inline QRect InWindow(const QWidget& c, const QRect& r)
{
    return r.translated(c.mapTo(c.window(), QPoint(0, 0)));
}

// Whether a text shows whole in a cell of a widget: its width in the widget's font is
// within the cell's.
inline bool TextFits(const QWidget& c, const QString& text, const QRect& cell)
{
    return QFontMetrics(c.font()).horizontalAdvance(text) <= cell.width();
}

} // namespace tav::test
