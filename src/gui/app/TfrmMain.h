#pragma once

#include "core/materials/PlanSummary.h"
#include "gui/app/ImageLoader.h"
#include "gui/app/WizardState.h"
#include "gui/platform/Platform.h"

#include <QMainWindow>
#include <QStringList>
#include <memory>

class QAction;
class QMenu;
class QPushButton;
class QStackedWidget;

namespace tav {
struct ListOfMaterials;
struct OpenedProject;
} // namespace tav

namespace tav::gui {

class AccessoriesPage;
class AccessoryListPage;
class AntennaPage;
class LocationPage;
class MaterialsOutput;
class MaterialsPage;
class ParamsPage;
class TNewsDlg;
class TSyncrestDlg;

// The wizard's main window: five pages behind Next, Back and Restart, the menu, the
// commands of the list of materials and the links to the maker.
class TfrmMain : public QMainWindow
{
    Q_OBJECT
public:
    enum PageIndex
    {
        kParams = 0,
        kAntenna = 1,
        kLocation = 2,
        kAccessories = 3,
        kLom = 4,
        kPageCount = 5,
    };

    // programFolder holds dat/ and images/; arguments exclude the program's own name. A price
    // list read ahead (ReadPriceListAhead) is taken at start-up; without one the window
    // starts reading it itself.
    TfrmMain(Platform& platform, const QString& programFolder, const QStringList& arguments, QWidget* parent = nullptr,
             std::unique_ptr<PriceListPreload> pricesAhead = nullptr);
    ~TfrmMain() override;

    WizardState& State() { return state_; }
    ImageLoader& Images() { return *images_; }
    int CurrentPage() const;

    // Enables Next, Back and Restart with their menu commands.
    void SetNavigation(bool next, bool back, bool restart);
    // The per-page command table, then the commands of the list of materials.
    void UpdatePageCommands();
    // The commands of the list of materials: shown on its page, enabled for a built list.
    void ShowListCommands();
    void ShowPage(int index);

    QString GetSharedFolder();
    void LoadLocationPictures();
    void ShowLengthLabels();

    // Refills every accessory tab from the current choices, as one action of the user's.
    void ReloadWizardLists();
    // Shows the accessory tabs that list-only mode and the chosen site allow; the
    // preferred tab, or else the one last asked for, becomes the current one when it shows.
    void ShowAccessoryTabs(QWidget* preferred = nullptr);

private slots:
    void btnNextClick();
    void btnBackClick();
    void btnRestartClick();
    void Exit1Click();
    void tsParamsShow();
    void chkMiscOnlyClick();
    void btnListNowClick();
    void seHorizontalLengthChange();
    void Feet1Click();
    void Meters1Click();
    void Customize1Click();
    void Save1Click();
    void Open1Click();
    void ViewLastOrder1Click();
    void AddProjectToList1Click();
    void ViewLatestNewsFromBrimcor1Click();
    void Syncrest1Click();
    void About1Click();

public:
    // A new price list was installed into a shared folder: the running program prices
    // from it from now on.
    void PriceListInstalled(const std::string& sharedFolder);

protected:
    void changeEvent(QEvent* event) override;

private:
    void CreateMenu();
    void CreatePages();
    void CreateBottomBar();
    // The accessory list's mode reaches the tabs and the wizard's lists.
    void WireAccessoriesPage();

    void FormCreate();
    void FormActivate();
    // A unit or settings change made while the accessory pages were out of sight reaches
    // them as they show.
    void tsAccessoriesShow();
    void RunReminders();
    void CreateLists();
    void LoadStartupLists();
    void ApplyCommandLine();
    void LaunchOnAccessories();
    void ApplyStartupSettings();
    // Feet1Click and Meters1Click, and the page's unit buttons.
    void ChangeUnit(bool meters);
    // The unit in the state and wherever it is shown, with nothing recomputed.
    void SetUnit(bool meters);
    // The unit marks of the menu, the first page and the GPS page.
    void ShowUnitMarks();
    // On the first page Next needs a selected cable.
    void UpdateNextForCable();
    // Leaves the first page for the accessories: the accessory list and the captions follow the cable.
    void LeaveCablePage();
    void RecomputeListQuantities();
    // Brings the current page up to date with what the customize dialog wrote.
    void AfterCustomize(bool wroteSettings);

    // Work that later stages of the wizard hook in.
    void BuildAccessoryList();
    // BuildAccessoryList for settings that changed under a list in use: rows listed again
    // keep the quantity and the recommended-quantity tick the user gave them.
    void RefreshAccessoryList();
    void BuildListOfMaterials();
    // Reads the whole file before anything changes: a file that cannot be read or holds a
    // bad value is reported and leaves everything as it was. Returns whether it opened.
    bool OpenProject(const QString& fileName, bool back);
    // Applies an opened project in one step: pages, selection, lists and the last order.
    void ShowOpenedProject(OpenedProject plan, bool back);
    // Builds the list of materials from the records and shows it, or throws with no list shown.
    void ShowMaterials(const std::vector<std::string>& records);
    // The list on show and the records it was built from, always together; an unbuilt list
    // shows nothing to save.
    void ShowList(std::vector<std::string> records, ListOfMaterials list, bool built);
    void WriteLastOrder();
    QString LastOrderPath() const;
    FileDialogRequest ProjectDialog(FileDialogRequest::Mode mode) const;
    // The project the user chose in the dialog (a typed name without its suffix finds the
    // file with it), or an empty name when the dialog was cancelled.
    QString ChooseProject(const FileDialogRequest& request);
    // A built list is shown, so it may be saved, printed or exported.
    bool ListShown() const;
    template <typename F> void RunListCommand(F&& command);
    // The plan the exports state beside the list: the cable page, and the antenna and
    // structure when the list was built through the wizard's pages.
    PlanSummary PlanShown() const;
    // Prices the list of materials on show again from the price list.
    void RepriceListOfMaterials();

    // Pages and controls, named as the user's documentation names them; tests find them by
    // these names.
    QStackedWidget* pcMain;
    AntennaPage* tsAntenna;
    LocationPage* tsLocation;
    AccessoriesPage* tsAccessories;
    MaterialsPage* tsLom;
    AccessoryListPage* tsList;

    QPushButton* btnNext;
    QPushButton* btnBack;
    QPushButton* btnRestart;
    QPushButton* btnClose;
    QPushButton* btnPrint;

    QAction* Open1;
    QAction* Save1;
    QAction* ViewLastOrder1;
    QAction* AddProjectToList1;
    QAction* N1;
    QAction* Print1;
    QAction* PrintPreview1;
    QMenu* Export1;
    QAction* ToaTextFile1;
    QAction* ToanMSExcelSpreadsheet1;
    QAction* ToanHTMLDocument1;
    QAction* ToanExcelWorkbook1;
    QAction* ToaPDFDocument1;
    QAction* CopyToClipboard1;
    QAction* N2;
    QMenu* Go1;
    QAction* Next1;
    QAction* Back1;
    QAction* Restart1;
    QAction* ViewLatestNewsFromBrimcor1;
    QAction* Syncrest1;
    QAction* Exit1;
    QAction* Customize1;
    QMenu* UnitOfMeasure1;
    QAction* Feet1;
    QAction* Meters1;
    QAction* About1;

    Platform& platform_;
    WizardState state_;
    std::unique_ptr<ImageLoader> images_;
    std::unique_ptr<MaterialsOutput> output_;
    QStringList arguments_;
    bool lastOrderFailed_ = false; // reported once for the whole run
    bool siteChosen_ = false;      // the list shown was built through the antenna and site pages
    // What the list of materials on show was built from, to price it again.
    std::vector<std::string> shownRecords_;
    std::unique_ptr<TNewsDlg> newsDlg_;
    std::unique_ptr<TSyncrestDlg> syncrestDlg_;
    // The price list being read while the window is built, until start-up takes it.
    std::unique_ptr<PriceListPreload> pricePreload_;
    // The reminders ask at most once per run.
    bool remindersRun_ = false;
    // The unit or the settings changed since the wizard's lists (or the accessory list)
    // were last filled.
    bool wizardListsStale_ = false;
    bool accessoryListStale_ = false;
    // The cable page, asked through its own functions rather than its controls.
    ParamsPage* tsParams = nullptr;
};

// The price list of the shared folder the registry names, read from now on a thread of its
// own; none when the registry names no folder.
std::unique_ptr<PriceListPreload> ReadPriceListAhead(const registry::IRegistry& registry);

} // namespace tav::gui
