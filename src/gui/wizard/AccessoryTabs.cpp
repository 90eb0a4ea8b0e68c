#include "gui/wizard/AccessoryTabs.h"

#include <QTabWidget>
#include <algorithm>

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
    // From the preferred (or current) tab on, the first that shows.
    const int start = std::max(tabs.indexOf(preferred ? preferred : tabs.currentWidget()), 0);
    for (int k = 0; k < tabs.count(); ++k) {
        const int i = (start + k) % tabs.count();
        if (tabs.isTabVisible(i)) {
            tabs.setCurrentIndex(i);
            return;
        }
    }
}

} // namespace tav::gui
