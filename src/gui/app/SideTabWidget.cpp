#include "gui/app/SideTabWidget.h"

#include <QStyleOptionTab>
#include <QStylePainter>

namespace tav::gui {

SideTabWidget::SideTabWidget(QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new SideTabBar(this));
    setTabPosition(QTabWidget::West);
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
}

SideTabBar::SideTabBar(QWidget* parent) : QTabBar(parent) {}

QSize SideTabBar::tabSizeHint(int index) const
{
    // The bar lays a west tab out turned on its side; turned back, it fits the caption across.
    return QTabBar::tabSizeHint(index).transposed();
}

void SideTabBar::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionTab option;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        initStyleOption(&option, i);
        painter.drawControl(QStyle::CE_TabBarTabShape, option);
        // The caption across the tab, as on a bar at the top.
        option.shape = QTabBar::RoundedNorth;
        painter.drawControl(QStyle::CE_TabBarTabLabel, option);
    }
}

} // namespace tav::gui
