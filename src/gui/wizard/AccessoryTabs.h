#pragma once

#include "gui/app/WizardState.h"

#include <QObject>

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
// chosen site has a structure on its side. The current tab is the one last asked for (by
// the user, or by the page flow) when it shows, else the next one after it that shows: a
// tab that a site hid for a while is current again once a site shows it.
class AccessoryTabChooser : public QObject
{
public:
    explicit AccessoryTabChooser(const AccessoryTabs& tabs);

    // wanted, when given, becomes the tab asked for.
    void Show(bool listOnly, const StructureSides& sides, QWidget* wanted = nullptr);

private:
    AccessoryTabs tabs_;
    int wanted_;           // by index: the tabs never move, and a change signal needs no look-up
    bool showing_ = false; // the tabs change under the chooser's own hand
};

} // namespace tav::gui
