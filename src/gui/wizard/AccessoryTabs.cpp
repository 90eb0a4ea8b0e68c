#include "gui/wizard/AccessoryTabs.h"

#include <QTabWidget>
#include <algorithm>

namespace tav::gui {

AccessoryTabChooser::AccessoryTabChooser(const AccessoryTabs& tabs)
    : QObject(tabs.tabs), tabs_(tabs), wanted_(tabs.tabs->currentIndex())
{
    connect(tabs_.tabs, &QTabWidget::currentChanged, this, [this](int index) {
        if (!showing_)
            wanted_ = index;
    });
}

void AccessoryTabChooser::Show(bool listOnly, const StructureSides& sides, QWidget* wanted)
{
    QTabWidget& tabs = *tabs_.tabs;
    if (wanted)
        wanted_ = tabs.indexOf(wanted);
    const GuardScope showing(showing_);
    for (int i = 0; i < tabs.count(); ++i) {
        const QWidget* page = tabs.widget(i);
        bool shown = page == tabs_.list || !listOnly;
        if (page == tabs_.vertical)
            shown = shown && sides.vertical;
        else if (page == tabs_.horizontal)
            shown = shown && sides.horizontal;
        tabs.setTabVisible(i, shown);
    }
    // From the wanted tab on, the first that shows.
    const int start = std::max(wanted_, 0);
    for (int k = 0; k < tabs.count(); ++k) {
        const int i = (start + k) % tabs.count();
        if (tabs.isTabVisible(i)) {
            tabs.setCurrentIndex(i);
            return;
        }
    }
}

} // namespace tav::gui
