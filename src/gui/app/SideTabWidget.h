#pragma once

#include <QTabBar>
#include <QTabWidget>

namespace tav::gui {

// Tabs down the left side, their captions written across as on a tab bar at the top, so
// many pages keep every caption in sight at once where a row of tabs would need scroll
// arrows. Everything else is a QTabWidget's own.
class SideTabWidget : public QTabWidget
{
    Q_OBJECT
public:
    explicit SideTabWidget(QWidget* parent = nullptr);
};

// The tab bar of a SideTabWidget: each tab as wide as its caption across, one above another.
class SideTabBar : public QTabBar
{
    Q_OBJECT
public:
    explicit SideTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tav::gui
