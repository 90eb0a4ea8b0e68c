#pragma once

#include "gui/app/WizardState.h"

#include <QString>
#include <QWidget>

class QTabWidget;

namespace tav::gui {

class AccessoryListPage;
class AccessoryTabChooser;
class CableEntryTab;
class GpsTab;
class GroundWeatherTab;
class MountingTab;
class SurgeTab;
struct WizardContext;

// The accessories page: the wizard's accessory tabs and the accessory list behind one tab
// bar. The frame refills and shows the tabs through this page, never through their widgets.
class AccessoriesPage : public QWidget
{
    Q_OBJECT
public:
    // keyScope is where the keys that change tabs work from.
    AccessoriesPage(const WizardContext& context, QWidget* keyScope, QWidget* parent = nullptr);

    MountingTab& Vertical() const { return *tsVertical; }
    MountingTab& Horizontal() const { return *tsHorizontal; }
    AccessoryListPage& List() const { return *tsList; }

    // Refills every wizard tab from the current choices, so that every slot follows the
    // lengths, runs, unit and cable. The tabs run in this order; each added tab adds its
    // call at its place.
    void ReloadWizardLists();
    // Shows the tabs that list-only mode and the chosen site allow; the preferred tab, or
    // else the one last asked for, becomes the current one when it shows.
    void ShowTabs(bool listOnly, const StructureSides& sides, QWidget* preferred);

    void ShowUnit(bool meters);
    void ShowRunLengths(const QString& vertical, const QString& horizontal);
    // The arrestor's box keeps its quantity through a restart, so its slot does too.
    void KeepArrestorSlot();
    void ShowArrestorPicture();

private:
    QTabWidget* pcAccessories;
    MountingTab* tsVertical;
    MountingTab* tsHorizontal;
    CableEntryTab* tsCableEntry;
    GroundWeatherTab* tsGroundWeather;
    SurgeTab* tsSurgeProtection;
    GpsTab* tsGps;
    AccessoryListPage* tsList;
    AccessoryTabChooser* tabChooser_;
};

} // namespace tav::gui
