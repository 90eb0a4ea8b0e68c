#include "gui/wizard/AccessoryTabs.h"

#include <QTabWidget>

namespace tav::gui {

void ShowAccessoryTabs(const AccessoryTabs& t, bool listOnly, const StructureSides& sides, QWidget* preferred)
{
    QTabWidget& tabs = *t.tabs;
    for (int i = 0; i < tabs.count(); ++i) {
        const QWidget* page = tabs.widget(i);
        bool shown = page == t.list || !listOnly;
        if (page == t.vertical)
            shown = shown && sides.vertical;
        else if (page == t.horizontal)
            shown = shown && sides.horizontal;
        tabs.setTabVisible(i, shown);
    }
    const auto showing = [&](QWidget* page) { return page && tabs.isTabVisible(tabs.indexOf(page)); };
    QWidget* current = showing(preferred) ? preferred : tabs.currentWidget();
    for (int i = 0; i < tabs.count() && !showing(current); ++i)
        current = tabs.widget(i);
    tabs.setCurrentWidget(current);
}

} // namespace tav::gui
