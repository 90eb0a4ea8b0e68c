#include "gui/wizard/AccessoriesPage.h"

#include "gui/app/PageHeading.h"
#include "gui/app/TabKeys.h"
#include "gui/cable/ParamsPage.h"
#include "gui/materials/AccessoryListPage.h"
#include "gui/wizard/AccessoryTabs.h"
#include "gui/wizard/CableEntryTab.h"
#include "gui/wizard/GpsTab.h"
#include "gui/wizard/GroundWeatherTab.h"
#include "gui/wizard/MountingTab.h"
#include "gui/wizard/SurgeTab.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace tav::gui {

AccessoriesPage::AccessoriesPage(const WizardContext& context, QWidget* keyScope, QWidget* parent) : QWidget(parent)
{
    setObjectName("tsAccessories");
    QVBoxLayout* layout = AddPageHeading(this, "Accessories:");
    pcAccessories = new QTabWidget(this);
    pcAccessories->setObjectName("pcAccessories");
    // Every tab stays in sight: the window is never narrower than the row of tabs.
    pcAccessories->setUsesScrollButtons(false);
    pcAccessories->setElideMode(Qt::ElideNone);
    AddTabKeys(pcAccessories, keyScope);
    tsVertical = new MountingTab(context, MountSide::Vertical);
    tsHorizontal = new MountingTab(context, MountSide::Horizontal);
    pcAccessories->addTab(tsVertical, "Vertical Accessories");
    pcAccessories->addTab(tsHorizontal, "Horizontal Accessories");
    tsCableEntry = new CableEntryTab(context);
    tsGroundWeather = new GroundWeatherTab(context);
    tsSurgeProtection = new SurgeTab(context);
    tsGps = new GpsTab(context);
    pcAccessories->addTab(tsCableEntry, "Cable Entry");
    pcAccessories->addTab(tsGroundWeather, "Grounding/Weatherproofing");
    pcAccessories->addTab(tsSurgeProtection, "Surge Protection");
    pcAccessories->addTab(tsGps, "GPS");
    const ParamsPage& cable = context.params;
    tsList = new AccessoryListPage(context.state, context.platform, [&cable] { return cable.QuantityInputs(); });
    pcAccessories->addTab(tsList, "Accessory List");

    tabChooser_ = new AccessoryTabChooser({pcAccessories, tsVertical, tsHorizontal, tsList});
    layout->addWidget(pcAccessories);
}

void AccessoriesPage::ReloadWizardLists()
{
    tsHorizontal->ReloadMountChoices();
    tsVertical->ReloadMountChoices();
    tsVertical->LoadHoistingGrips();
    tsCableEntry->LoadEntryTypes();
    tsGroundWeather->LoadGroundingKits();
    tsGroundWeather->LoadWeatherproofing();
    tsGps->LoadGpsItems();
    tsSurgeProtection->FillFirstConnectors();
}

void AccessoriesPage::ShowTabs(bool listOnly, const StructureSides& sides, QWidget* preferred)
{
    tabChooser_->Show(listOnly, sides, preferred);
}

void AccessoriesPage::ShowUnit(bool meters)
{
    tsGroundWeather->ShowUnit(meters);
    tsGps->ShowUnit(meters);
}

void AccessoriesPage::ShowRunLengths(const QString& vertical, const QString& horizontal)
{
    tsVertical->ShowRunLength(vertical);
    tsHorizontal->ShowRunLength(horizontal);
}

void AccessoriesPage::KeepArrestorSlot()
{
    tsCableEntry->WriteArrestorSlot();
}

void AccessoriesPage::ShowArrestorPicture()
{
    tsCableEntry->ShowArrestorPicture(true);
}

} // namespace tav::gui
