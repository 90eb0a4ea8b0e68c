#pragma once

#include "gui/app/WizardState.h"

class QTabWidget;
class QWidget;

namespace tav::gui {

// The tabs of the accessories page whose showing depends on the mode and the site.
struct AccessoryTabs
{
    QTabWidget* tabs;
    QWidget* vertical;
    QWidget* horizontal;
    QWidget* list; // the accessory list, always shown
};

// The wizard tabs show only while list-only is off, and a mounting tab only while the
// chosen site has a structure on its side. The current tab is always one that shows: the
// preferred tab (without one, the current tab) or else the next one after it that shows.
void ShowAccessoryTabs(const AccessoryTabs& tabs, bool listOnly, const StructureSides& sides,
                       QWidget* preferred = nullptr);

} // namespace tav::gui
