#include "gui/app/TfrmMain.h"

#include "core/cable/CableCatalogue.h"
#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/common/Numbers.h"
#include "core/common/Placing.h"
#include "core/materials/PriceList.h"
#include "core/materials/PriceListCheck.h"
#include "core/materials/ProjectFile.h"
#include "core/materials/ReopenedProject.h"
#include "core/settings/CustomizePages.h"
#include "core/settings/SettingsFile.h"
#include "core/wizard/Quantities.h"
#include "core/wizard/Selection.h"
#include "gui/about/TfrmAbout.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/Guard.h"
#include "gui/app/Maker.h"
#include "gui/app/MakerLinks.h"
#include "gui/app/MenuKeys.h"
#include "gui/app/Placement.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TRadioGroup.h"
#include "gui/app/TextCodec.h"
#include "gui/cable/ParamsPage.h"
#include "gui/materials/AccessoryListPage.h"
#include "gui/materials/MaterialsOutput.h"
#include "gui/materials/MaterialsPage.h"
#include "gui/services/TNewsDlg.h"
#include "gui/services/TSyncrestDlg.h"
#include "gui/settings/TfrmCustom.h"
#include "gui/wizard/AccessoriesPage.h"
#include "gui/wizard/AntennaPage.h"
#include "gui/wizard/LocationPage.h"
#include "gui/wizard/MountingTab.h"

#include <QActionGroup>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QStatusBar>
#include <QVBoxLayout>
#include <functional>
#include <initializer_list>
#include <optional>
#include <utility>

namespace tav::gui {

namespace {

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption, const QString& hint)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumWidth(85);
    if (!hint.isEmpty()) {
        b->setToolTip(hint);
        b->setStatusTip(hint);
    }
    return b;
}

QAction* MakeAction(QWidget* owner, QMenu* menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {})
{
    auto* a = new QAction(caption, owner);
    a->setObjectName(name);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    menu->addAction(a);
    return a;
}

} // namespace

std::unique_ptr<PriceListPreload> ReadPriceListAhead(const registry::IRegistry& registry)
{
    if (!registry.KeyExists(kCommonFilesKey))
        return nullptr;
    const auto shared = registry.ReadString(kCommonFilesKey, kCommonFilesValue);
    if (!shared)
        return nullptr;
    Folders where;
    where.shared = ToData(*shared);
    return std::make_unique<PriceListPreload>(PriceListPath(where));
}

TfrmMain::TfrmMain(Platform& platform, const QString& programFolder, const QStringList& arguments, QWidget* parent,
                   std::unique_ptr<PriceListPreload> pricesAhead)
    : QMainWindow(parent), platform_(platform), arguments_(arguments), pricePreload_(std::move(pricesAhead))
{
    setObjectName("frmMain");
    setWindowTitle("Tavrolin");
    QString folder = QDir::fromNativeSeparators(programFolder);
    if (!folder.endsWith('/'))
        folder += '/';
    state_.folders = MakeFolders(ToData(folder), std::string());
    std::vector<std::string> args;
    for (const QString& a : arguments_)
        args.push_back(ToData(a));
    state_.commandLine = ParseCommandLine(args);
    images_ = std::make_unique<ImageLoader>(platform_, this, FromData(state_.folders.images));
    newsDlg_ = std::make_unique<TNewsDlg>(platform_, this, images_->ImagesFolder());
    syncrestDlg_ = std::make_unique<TSyncrestDlg>(platform_, this, images_->ImagesFolder());
    syncrestDlg_->DefaultProgram = "Tavrolin";
    syncrestDlg_->PricesInstalled = [this](const std::string& folder) { PriceListInstalled(folder); };

    // A long price list is read beside the building of the window; start-up takes it where
    // it first needs a price, from the folder the registry names then.
    if (!pricePreload_)
        pricePreload_ = ReadPriceListAhead(platform_.registry);

    CreateMenu();
    CreatePages();
    CreateBottomBar();
    statusBar()->setObjectName("StatusBar1");
    resize(DefaultWindowSize(this));

    FormCreate();
    pricePreload_.reset();
}

TfrmMain::~TfrmMain() = default;

void TfrmMain::CreateMenu()
{
    QMenu* file = menuBar()->addMenu("&File");
    file->setObjectName("File1");
    Open1 = MakeAction(this, file, "Open1", "&Open", QKeySequence("Ctrl+O"));
    Save1 = MakeAction(this, file, "Save1", "&Save", QKeySequence("Ctrl+S"));
    ViewLastOrder1 = MakeAction(this, file, "ViewLastOrder1", "View &Last Order", QKeySequence("Ctrl+V"));
    AddProjectToList1 = MakeAction(this, file, "AddProjectToList1", "&Add Project To List...");
    N1 = file->addSeparator();
    N1->setObjectName("N1");
    Print1 = MakeAction(this, file, "Print1", "&Print", QKeySequence("Ctrl+P"));
    PrintPreview1 = MakeAction(this, file, "PrintPreview1", "Print Pre&view...");
    Export1 = file->addMenu("&Export");
    Export1->setObjectName("Export1");
    ToaTextFile1 = MakeAction(this, Export1, "ToaTextFile1", "To a &text file");
    ToanMSExcelSpreadsheet1 = MakeAction(this, Export1, "ToanMSExcelSpreadsheet1", "To an MS &Excel Spreadsheet");
    ToanHTMLDocument1 = MakeAction(this, Export1, "ToanHTMLDocument1", "To an &HTML document");
    ToanExcelWorkbook1 = MakeAction(this, Export1, "ToanExcelWorkbook1", "To an Excel &Workbook (.xlsx)...");
    ToaPDFDocument1 = MakeAction(this, Export1, "ToaPDFDocument1", "To a &PDF document...");
    // A disabled entry says why it is.
    Export1->setToolTipsVisible(true);
    CopyToClipboard1 = MakeAction(this, file, "CopyToClipboard1", "&Copy To Clipboard", QKeySequence("Ctrl+C"));
    N2 = file->addSeparator();
    N2->setObjectName("N2");
    Go1 = file->addMenu("&Go");
    Go1->setObjectName("Go1");
    Next1 = MakeAction(this, Go1, "Next1", "&Next ->", QKeySequence("Ctrl+N"));
    Back1 = MakeAction(this, Go1, "Back1", "<- &Back", QKeySequence("Ctrl+B"));
    Restart1 = MakeAction(this, Go1, "Restart1", "<< &Restart", QKeySequence("Ctrl+R"));
    ViewLatestNewsFromBrimcor1 =
        MakeAction(this, file, "ViewLatestNewsFromBrimcor1", "View Latest News From &Brimcor", QKeySequence("Ctrl+A"));
    Syncrest1 = MakeAction(this, file, "Syncrest1", "S&yncrest", QKeySequence("Ctrl+Q"));
    Exit1 = MakeAction(this, file, "Exit1", "E&xit", QKeySequence("Ctrl+X"));

    // Alt+S belongs to "&Skip The Wizard", so the menu opens with Alt+T.
    QMenu* settings = menuBar()->addMenu("Se&ttings");
    settings->setObjectName("Settings1");
    Customize1 = MakeAction(this, settings, "Customize1", "&Customize");
    UnitOfMeasure1 = settings->addMenu("&Unit Of Measure");
    UnitOfMeasure1->setObjectName("UnitOfMeasure1");
    Feet1 = MakeAction(this, UnitOfMeasure1, "Feet1", "&Feet");
    Meters1 = MakeAction(this, UnitOfMeasure1, "Meters1", "&Meters");
    auto* units = new QActionGroup(this);
    units->setExclusive(true);
    for (QAction* a : {Feet1, Meters1}) {
        a->setCheckable(true);
        units->addAction(a);
    }
    Feet1->setChecked(true);

    QMenu* help = menuBar()->addMenu("&Help");
    help->setObjectName("Help1");
    About1 = MakeAction(this, help, "About1", "&About");

    connect(Next1, &QAction::triggered, this, &TfrmMain::btnNextClick);
    connect(Back1, &QAction::triggered, this, &TfrmMain::btnBackClick);
    connect(Restart1, &QAction::triggered, this, &TfrmMain::btnRestartClick);
    connect(Exit1, &QAction::triggered, this, &TfrmMain::Exit1Click);
    connect(Feet1, &QAction::triggered, this, &TfrmMain::Feet1Click);
    connect(Meters1, &QAction::triggered, this, &TfrmMain::Meters1Click);
    connect(Customize1, &QAction::triggered, this, &TfrmMain::Customize1Click);
    connect(Save1, &QAction::triggered, this, &TfrmMain::Save1Click);
    connect(Open1, &QAction::triggered, this, &TfrmMain::Open1Click);
    connect(ViewLastOrder1, &QAction::triggered, this, &TfrmMain::ViewLastOrder1Click);
    connect(AddProjectToList1, &QAction::triggered, this, &TfrmMain::AddProjectToList1Click);
    connect(ViewLatestNewsFromBrimcor1, &QAction::triggered, this, &TfrmMain::ViewLatestNewsFromBrimcor1Click);
    connect(Syncrest1, &QAction::triggered, this, &TfrmMain::Syncrest1Click);
    connect(About1, &QAction::triggered, this, &TfrmMain::About1Click);
    // The commands of the list of materials; each runs only while a built list shows.
    const std::pair<QAction*, std::function<void()>> listCommands[] = {
        {Print1, [this] { output_->PrintMaterials(); }},
        {PrintPreview1, [this] { output_->PreviewMaterials(); }},
        {ToaTextFile1, [this] { output_->Export("txt"); }},
        {ToanMSExcelSpreadsheet1, [this] { output_->Export("xls"); }},
        {ToanHTMLDocument1, [this] { output_->Export("html"); }},
        {ToanExcelWorkbook1, [this] { output_->Export("xlsx"); }},
        {ToaPDFDocument1, [this] { output_->Export("pdf"); }},
        {CopyToClipboard1, [this] { output_->CopyListToClipboard(); }},
    };
    for (const auto& c : listCommands)
        connect(c.first, &QAction::triggered, this, [this, command = c.second] { RunListCommand(command); });
    new MenuKeys(this);
}

void TfrmMain::WireAccessoriesPage()
{
    connect(tsList, &AccessoryListPage::listOnlyToggled, this, &TfrmMain::chkMiscOnlyClick);
    // Unticked by the user: the wizard's slots come back from its lists.
    connect(tsList, &AccessoryListPage::listOnlyClicked, this, [this](bool checked) {
        if (!checked && tsList->ListOnlyOffered())
            RunGuarded(platform_.boxes, this, [this] { ReloadWizardLists(); });
    });
}

void TfrmMain::CreatePages()
{
    pcMain = new QStackedWidget(this);
    pcMain->setObjectName("pcMain");
    tsParams = new ParamsPage(state_, platform_, *images_, this);
    const WizardContext context{state_, platform_, *images_, *tsParams};
    tsAccessories = new AccessoriesPage(context, this);
    tsList = &tsAccessories->List();
    WireAccessoriesPage();
    tsLocation = new LocationPage(context, tsAccessories->Vertical(), tsAccessories->Horizontal());
    tsAntenna = new AntennaPage(context, *tsLocation);
    tsLom = new MaterialsPage;
    output_ = std::make_unique<MaterialsOutput>(platform_, this, FromData(state_.folders.program), *tsLom,
                                                [this] { return PlanShown(); });
    for (QWidget* page : std::initializer_list<QWidget*>{tsParams, tsAntenna, tsLocation, tsAccessories, tsLom})
        pcMain->addWidget(page);

    connect(tsLocation, &LocationPage::structureChanged, this, [this] { ShowAccessoryTabs(); });

    connect(tsParams, &ParamsPage::cableShown, this, [this] {
        tsList->ShowCableNote(state_.cablePart.empty() ? QString()
                                                       : "Available accessories for " + FromData(state_.cablePart));
        UpdateNextForCable();
    });
    connect(tsParams, &ParamsPage::lengthChanged, this,
            [this] { RunGuarded(platform_.boxes, this, [this] { seHorizontalLengthChange(); }); });
    connect(tsParams, &ParamsPage::unitClicked, this,
            [this](bool meters) { RunGuarded(platform_.boxes, this, [&] { ChangeUnit(meters); }); });
    connect(tsParams, &ParamsPage::specificModeLeft, this, [this] {
        LoadLocationPictures();
        ShowLengthLabels();
    });
    connect(tsParams, &ParamsPage::listNowClicked, this, &TfrmMain::btnListNowClick);
}

void TfrmMain::CreateBottomBar()
{
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(pcMain, 1);

    auto* bar = new QHBoxLayout;
    AddMakerLinks(*bar, central, platform_, *images_);
    bar->addStretch();

    // Right to left: Next, Back, Restart, Close, Print.
    btnPrint = MakeButton(central, "btnPrint", "&Print", {});
    btnClose = MakeButton(central, "btnClose", "&Close", "Exit");
    btnRestart = MakeButton(central, "btnRestart", "&Restart", "Start Over");
    btnBack = MakeButton(central, "btnBack", "&Back", "Go Back");
    btnNext = MakeButton(central, "btnNext", "&Next", "Proceed");
    for (QPushButton* b : {btnPrint, btnClose, btnRestart, btnBack, btnNext})
        bar->addWidget(b);
    layout->addLayout(bar);
    setCentralWidget(central);

    connect(btnNext, &QPushButton::clicked, this, &TfrmMain::btnNextClick);
    connect(btnBack, &QPushButton::clicked, this, &TfrmMain::btnBackClick);
    connect(btnRestart, &QPushButton::clicked, this, &TfrmMain::btnRestartClick);
    connect(btnClose, &QPushButton::clicked, this, &TfrmMain::Exit1Click);
    connect(btnPrint, &QPushButton::clicked, Print1, &QAction::trigger);
}

int TfrmMain::CurrentPage() const
{
    return pcMain->currentIndex();
}

void TfrmMain::SetNavigation(bool next, bool back, bool restart)
{
    btnNext->setEnabled(next);
    btnBack->setEnabled(back);
    btnRestart->setEnabled(restart);
    Next1->setEnabled(next);
    Back1->setEnabled(back);
    Restart1->setEnabled(restart);
}

void TfrmMain::UpdatePageCommands()
{
    const int page = CurrentPage();
    SetNavigation(page != kLom, page != kParams, page != kParams);
    ShowListCommands();
    UpdateNextForCable();
}

void TfrmMain::ShowListCommands()
{
    const bool onLom = CurrentPage() == kLom;
    for (QAction* a : {N1, Save1, AddProjectToList1, Print1, PrintPreview1, Export1->menuAction(), CopyToClipboard1})
        a->setVisible(onLom);
    btnPrint->setVisible(onLom);
    // Only a list that was built in full may leave the program. The spreadsheet export
    // keeps its own state: it needs a spreadsheet program.
    const bool listShown = ListShown();
    for (QAction* a : {Save1, AddProjectToList1, Print1, PrintPreview1, Export1->menuAction(), CopyToClipboard1})
        a->setEnabled(listShown);
    btnPrint->setEnabled(listShown);
}

bool TfrmMain::ListShown() const
{
    return CurrentPage() == kLom && tsLom->HasList();
}

void TfrmMain::UpdateNextForCable()
{
    if (CurrentPage() != kParams)
        return;
    // Without a cable the accessory pages have nothing to offer.
    const bool chosen = tsParams->CableChosen();
    btnNext->setEnabled(chosen);
    Next1->setEnabled(chosen);
    tsParams->OfferSkipWizard(chosen);
}

void TfrmMain::ShowPage(int index)
{
    pcMain->setCurrentIndex(index);
    if (index == kParams)
        tsParamsShow();
    else if (index == kAntenna)
        tsAntenna->tsAntennaShow();
    else if (index == kLocation)
        tsLocation->tsLocationShow();
    else if (index == kAccessories)
        tsAccessoriesShow();
}

void TfrmMain::tsAccessoriesShow()
{
    // Each refresh reports its own failure; the page shows in any case. Lists the user
    // cannot see while picking from the list alone wait for list-only to end.
    if (wizardListsStale_ && !tsList->ListOnly())
        RunGuarded(platform_.boxes, this, [this] { ReloadWizardLists(); });
    if (accessoryListStale_)
        RunGuarded(platform_.boxes, this, [this] { RefreshAccessoryList(); });
}

void TfrmMain::btnNextClick()
{
    RunGuarded(platform_.boxes, this, [&] {
        const int page = CurrentPage();
        if (page >= kLom)
            return;
        if (page == kParams) {
            if (!tsParams->CableChosen())
                return;
            LeaveCablePage();
        }
        if (page == kLocation)
            ReloadWizardLists();
        ShowPage(page + 1);
        UpdatePageCommands();
        if (CurrentPage() == kLom) {
            HourglassCursor wait;
            if (tsList->ListOnly())
                ResetSelection(state_.selection);
            siteChosen_ = !tsList->ListOnly();
            BuildListOfMaterials();
        }
    });
}

void TfrmMain::btnBackClick()
{
    RunGuarded(platform_.boxes, this, [&] {
        if (tsList->ListOnly() && CurrentPage() == kAccessories) {
            btnRestartClick();
            return;
        }
        if (CurrentPage() > kParams)
            ShowPage(CurrentPage() - 1);
        UpdatePageCommands();
    });
}

void TfrmMain::btnRestartClick()
{
    ResetSelection(state_.selection);
    // The arrestor's box keeps its quantity through a restart, so its slot does too.
    RunGuarded(platform_.boxes, this, [this] { tsAccessories->KeepArrestorSlot(); });
    ShowPage(kParams);
    UpdatePageCommands();
}

void TfrmMain::tsParamsShow()
{
    tsList->ReleaseListOnly();
    ShowAccessoryTabs(&tsAccessories->Vertical());
    // The antenna page may have doubled the runs since the costs were shown.
    RunGuarded(platform_.boxes, this, [this] { tsParams->ShowLineCosts(); });
}

void TfrmMain::chkMiscOnlyClick()
{
    // Picking from the list alone hides every wizard tab.
    ShowAccessoryTabs(tsList->ListOnly() ? tsList : nullptr);
}

void TfrmMain::ShowAccessoryTabs(QWidget* preferred)
{
    tsAccessories->ShowTabs(tsList->ListOnly(), state_.sides, preferred);
}

void TfrmMain::ReloadWizardLists()
{
    wizardListsStale_ = false;
    const HourglassCursor wait;
    const UserAction action(state_.replacementAnswers);
    tsAccessories->ReloadWizardLists();
}

void TfrmMain::btnListNowClick()
{
    RunGuarded(platform_.boxes, this, [&] {
        if (!tsParams->CableChosen())
            return;
        tsList->FixListOnly();
        LeaveCablePage();
        pcMain->setCurrentIndex(kAccessories);
        UpdatePageCommands();
        SetNavigation(true, true, true);
    });
}

void TfrmMain::LeaveCablePage()
{
    BuildAccessoryList();
    // Lengths typed while a specific cable was named have not reached the captions yet.
    ShowLengthLabels();
}

void TfrmMain::seHorizontalLengthChange()
{
    if (tsParams->SpecificCable()) {
        tsParams->LoadTlineCombo();
        return;
    }
    tsParams->EvaluateLines();
    ShowLengthLabels();
    ShowUnitMarks();
}

void TfrmMain::Feet1Click()
{
    RunGuarded(platform_.boxes, this, [&] { ChangeUnit(false); });
}

void TfrmMain::Meters1Click()
{
    RunGuarded(platform_.boxes, this, [&] { ChangeUnit(true); });
}

void TfrmMain::ChangeUnit(bool meters)
{
    const GuardScope keepRow(state_.keepRow);

    const bool changed = state_.meters != meters;
    SetUnit(meters);
    if (changed)
        seHorizontalLengthChange();
    // Lists out of sight, or hidden while picking from the list alone, are refilled when
    // they next show, before the next list of materials is built from them.
    if (CurrentPage() == kAccessories && !tsList->ListOnly())
        ReloadWizardLists();
    else
        wizardListsStale_ = true;
    RecomputeListQuantities();
}

void TfrmMain::Customize1Click()
{
    bool wrote = false;
    {
        TfrmCustom dialog(platform_, state_.folders.data, images_->ImagesFolder(), state_.lists.tlines, state_.cableKey,
                          this);
        dialog.exec();
        wrote = dialog.WroteSettings();
    }
    AfterCustomize(wrote);
}

void TfrmMain::AfterCustomize(bool wroteSettings)
{
    const ActionScope action(platform_.boxes);
    const int page = CurrentPage();
    const FramePage shown = page == kParams        ? FramePage::Cable
                            : page == kAccessories ? FramePage::Accessories
                                                   : FramePage::Other;
    const CustomizeFollowUp next = FollowUpAfterCustomize(wroteSettings, shown, tsList->ListOnly());
    if (next.applyCablePreset)
        RunGuarded(platform_.boxes, this, [&] { ApplyStartupSettings(); });
    // The cost column follows its setting, the waste allowance and the overrides.
    if (wroteSettings && shown == FramePage::Cable)
        RunGuarded(platform_.boxes, this, [&] { tsParams->ShowLineCosts(); });
    if (next.refreshWhenAccessoriesShow)
        wizardListsStale_ = accessoryListStale_ = true;
    if (!next.reloadWizardLists && !next.refreshAccessoryList)
        return;
    HourglassCursor wait;
    // One failing refresh must not keep the other from running.
    if (next.reloadWizardLists)
        RunGuarded(platform_.boxes, this, [&] { ReloadWizardLists(); });
    if (next.refreshAccessoryList)
        RunGuarded(platform_.boxes, this, [&] { RefreshAccessoryList(); });
}

void TfrmMain::SetUnit(bool meters)
{
    state_.meters = meters;
    // The menu, the first page and the GPS page always show the same unit.
    ShowUnitMarks();
}

void TfrmMain::ShowUnitMarks()
{
    (state_.meters ? Meters1 : Feet1)->setChecked(true);
    tsParams->ShowUnit(state_.meters);
    tsAccessories->ShowUnit(state_.meters);
}

void TfrmMain::ShowLengthLabels()
{
    const QString unit = Feet1->isChecked() ? " feet" : " meters";
    tsAccessories->ShowRunLengths(tsParams->VerticalLengthText() + unit, tsParams->HorizontalLengthText() + unit);
}

void TfrmMain::Exit1Click()
{
    close();
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        FormActivate();
}

void TfrmMain::FormActivate()
{
    // The news and update reminders only ask when nobody launched the program with a task,
    // and once per run: every box they close activates the window again.
    if (!arguments_.isEmpty() || remindersRun_)
        return;
    remindersRun_ = true;
    QMetaObject::invokeMethod(this, &TfrmMain::RunReminders, Qt::QueuedConnection);
}

void TfrmMain::RunReminders()
{
    RunGuarded(platform_.boxes, this, [&] { newsDlg_->Check(); });
    RunGuarded(platform_.boxes, this, [&] { syncrestDlg_->Check(); });
}

void TfrmMain::ViewLatestNewsFromBrimcor1Click()
{
    RunGuarded(platform_.boxes, this, [&] { newsDlg_->Execute(); });
}

void TfrmMain::Syncrest1Click()
{
    RunGuarded(platform_.boxes, this, [&] { syncrestDlg_->Execute(); });
}

void TfrmMain::About1Click()
{
    TfrmAbout about(platform_, images_->ImagesFolder(), this);
    about.exec();
}

void TfrmMain::PriceListInstalled(const std::string& sharedFolder)
{
    // Only the list this program reads from is reloaded; another folder's copy is not ours.
    if (state_.folders.shared.empty() || WithTrailingSlash(sharedFolder) != WithTrailingSlash(state_.folders.shared))
        return;
    LoadedPriceList prices = LoadPriceList(state_.folders.shared + "/" + kPriceListFileName);
    state_.lists.priceIndex = std::move(prices.index);
    state_.lists.price = std::move(prices.lines);
    // The install itself is done; a list that cannot be priced again says so on its own.
    RunGuarded(platform_.boxes, this, [&] { RepriceListOfMaterials(); });
    RunGuarded(platform_.boxes, this, [&] { tsParams->ShowLineCosts(); });
}

QString TfrmMain::GetSharedFolder()
{
    registry::IRegistry& reg = platform_.registry;
    const bool keyOpen = reg.KeyExists(kCommonFilesKey);
    if (!keyOpen)
        platform_.boxes.Error(this, "Unable to locate Registry Key");
    if (keyOpen) {
        if (const auto path = reg.ReadString(kCommonFilesKey, kCommonFilesValue))
            return *path;
    }
    platform_.boxes.Error(this, "Unable to create path from Registry");
    return {};
}

void TfrmMain::CreateLists()
{
    state_.ClearLists();
}

void TfrmMain::LoadLocationPictures()
{
    tsAccessories->ShowArrestorPicture();
    tsLocation->LoadLocationPictures();
}

void TfrmMain::FormCreate()
{
    // The start is one action: a broken file is told once, not by every step that reads it.
    const ActionScope startUp(platform_.boxes);
    state_.keepRow = false;
    const bool spreadsheet = platform_.registry.ClassExists("Excel.Application");
    ToanMSExcelSpreadsheet1->setEnabled(spreadsheet);
    ToanMSExcelSpreadsheet1->setToolTip(spreadsheet ? QString()
                                                    : "No spreadsheet program is registered to open it. "
                                                      "To an Excel Workbook (.xlsx)... needs none.");
    ShowPage(kParams);
    state_.runsCount = 3;
    UpdatePageCommands();
    CreateLists();
    ResetSelection(state_.selection);

    state_.folders.shared = ToData(GetSharedFolder());
    if (CheckRequiredFiles(state_.folders)) {
        RunGuarded(platform_.boxes, this, [&] { LoadStartupLists(); });
    } else {
        platform_.sounds.Beep();
        platform_.boxes.Error(this, "One of the files needed to run this program is missing.\n"
                                    "Please contact Brimcor for assistance.");
        SetNavigation(false, false, false);
    }
    RunGuarded(platform_.boxes, this, [&] { ApplyCommandLine(); });
    RunGuarded(platform_.boxes, this, [&] { ApplyStartupSettings(); });
}

void TfrmMain::LoadStartupLists()
{
    // Read the registry again: the list comes from where it says now.
    state_.folders.shared = ToData(GetSharedFolder());
    const auto preload = std::move(pricePreload_);
    state_.lists = LoadCatalogueLists(state_.folders, preload ? preload->Take(PriceListPath(state_.folders))
                                                              : LoadPriceList(PriceListPath(state_.folders)));
    // The program runs on without prices, but says so once rather than list every part "N/A".
    if (!HoldsAnyPrice(state_.lists.price))
        platform_.boxes.Warning(this, "The price list \"" + FromData(state_.lists.price.Source()) +
                                          "\" holds no price.\nEvery part is listed without one until a price "
                                          "list is installed (File, Syncrest).");
    tsParams->LoadFrequencyLists();
    LoadLocationPictures();
    ShowLengthLabels();
}

void TfrmMain::ApplyCommandLine()
{
    const CommandLine& cl = state_.commandLine;
    if (cl.kind == CommandLine::Kind::Open) {
        OpenProject(FromData(cl.projectFile), true);
    } else if (cl.kind == CommandLine::Kind::Launch) {
        HourglassCursor wait;
        LaunchOnAccessories();
    }
}

void TfrmMain::LaunchOnAccessories()
{
    const CommandLine& cl = state_.commandLine;
    // Check the numbers first, so a malformed launch leaves the first page as it was; a
    // number the boxes cannot hold counts as malformed.
    const ParamsPage::Run run = tsParams->RunOf(cl.horizontalLength, cl.verticalLength, cl.runs);
    tsList->FixListOnly();
    tsParams->ShowRun(run);
    tsParams->SelectCable(FromData(cl.partNumber));
    BuildAccessoryList();
    tsParams->ShowCableDiameter();
    tsParams->SelectGridRow(FromData(cl.partNumber));
    pcMain->setCurrentIndex(kAccessories);
    UpdatePageCommands();
    SetNavigation(true, true, true);
}

void TfrmMain::ApplyStartupSettings()
{
    SettingsFile settings(state_.folders.data);
    const bool specific = settings.Get(keys::SelectCable);
    const int type = settings.Get(keys::SelectCableType);
    const QString name = FromData(settings.Get(keys::SelectCableName));
    tsParams->ApplyCableSetting(specific, type, name);
}

void TfrmMain::BuildAccessoryList()
{
    accessoryListStale_ = false;
    // A band that is no number leaves the list empty, never showing the last cable's rows.
    tsList->ClearList();
    tsList->LoadAccessoryList(tsParams->ListSourceShown());
}

void TfrmMain::RefreshAccessoryList()
{
    const std::vector<AccessoryListRow> before = tsList->Rows();
    BuildAccessoryList();
    tsList->CarryOver(before);
}

void TfrmMain::BuildListOfMaterials()
{
    ShowList({}, {}, false);
    state_.selection = CollectListPicks(state_.selection, tsList->Rows());
    ShowMaterials(MergeByPart(state_.selection));
}

void TfrmMain::ShowMaterials(const std::vector<std::string>& records)
{
    // Built whole before it is shown: a failed build leaves no list to save or print.
    ShowList({}, {}, false);
    const auto price = [this](std::string_view part) {
        return state_.lists.priceIndex.Record(state_.lists.price, part);
    };
    const std::vector<ListSection> sections = ReadListSections(state_.folders.data);
    ListOfMaterials list = NamingPlace([&] { return BuildMaterials(records, sections, price); }, state_.lists.price);
    ShowList(records, std::move(list), true);
    WriteLastOrder();
}

void TfrmMain::ShowList(std::vector<std::string> records, ListOfMaterials list, bool built)
{
    // What re-pricing starts from always belongs to the list on show.
    shownRecords_ = std::move(records);
    if (built)
        tsLom->ShowList(std::move(list));
    else
        tsLom->ClearList();
    ShowListCommands();
}

QString TfrmMain::LastOrderPath() const
{
    return FromData(state_.folders.program) + kLastOrderFileName;
}

void TfrmMain::WriteLastOrder()
{
    try {
        WriteProjectFile(ToData(LastOrderPath()), tsLom->List(), tsParams->SavedInputs());
    } catch (const IoError& e) {
        // The list still shows; a program folder that cannot be written is said once.
        if (!lastOrderFailed_) {
            lastOrderFailed_ = true;
            platform_.boxes.Error(this, QStringLiteral("The last order could not be kept.\n") + FromData(e.what()));
        }
    }
}

bool TfrmMain::OpenProject(const QString& fileName, bool back)
{
    std::optional<OpenedProject> plan;
    const bool built = RunGuarded(platform_.boxes, this, [&] {
        const HourglassCursor wait;
        const std::string path = ToData(fileName);
        plan = tav::OpenProject(ReadProjectBytes(path), path, state_.folders, state_.lists);
    });
    if (built)
        ShowOpenedProject(std::move(*plan), back);
    return built;
}

void TfrmMain::ShowOpenedProject(OpenedProject plan, bool back)
{
    siteChosen_ = false;
    ShowPage(kLom);
    UpdatePageCommands();
    SetNavigation(false, back, true);
    ResetSelection(state_.selection);
    // Behind the wizard's slots, so later wizard writes land in their own places.
    state_.selection.insert(state_.selection.end(), plan.records.begin(), plan.records.end());
    SetUnit(plan.page.meters);
    tsParams->ShowOpenedPage(plan.page);
    tsAntenna->ClearMicrosite();
    ShowLengthLabels();
    tsList->FixListOnly();
    tsList->ShowRows(plan.accessoryRows);
    tsList->OfferLine(plan.line);
    if (!plan.accessoriesOffered)
        tsList->ShowNoneOffered(plan.page.cableKey);
    ShowList(std::move(plan.records), std::move(plan.materials), true);
    WriteLastOrder();
    if (!plan.notes.empty()) {
        QStringList notes;
        for (const std::string& note : plan.notes)
            notes << FromData(note);
        platform_.sounds.Beep();
        platform_.boxes.Warning(this, notes.join('\n'));
    }
}

FileDialogRequest TfrmMain::ProjectDialog(FileDialogRequest::Mode mode) const
{
    FileDialogRequest r;
    r.mode = mode;
    r.caption = mode == FileDialogRequest::Mode::Save ? "Save As" : "Open";
    r.folder = MadeFolderOrHome(FromData(state_.folders.program) + "data");
    r.filter = "Tavrolin Files (*.tvr *.TVR)";
    r.defaultSuffix = kProjectSuffix;
    return r;
}

void TfrmMain::Save1Click()
{
    RunGuarded(platform_.boxes, this, [&] {
        if (!ListShown())
            return;
        const QString name = platform_.fileDialogs.Choose(this, ProjectDialog(FileDialogRequest::Mode::Save));
        if (name.isEmpty())
            return;
        WriteProjectFile(ToData(WithDefaultSuffix(name, kProjectSuffix)), tsLom->List(), tsParams->SavedInputs());
    });
}

QString TfrmMain::ChooseProject(const FileDialogRequest& request)
{
    const QString name = platform_.fileDialogs.Choose(this, request);
    if (name.isEmpty() || QFileInfo::exists(name))
        return name;
    return WithDefaultSuffix(name, kProjectSuffix);
}

void TfrmMain::Open1Click()
{
    const QString name = ChooseProject(ProjectDialog(FileDialogRequest::Mode::Open));
    if (!name.isEmpty())
        OpenProject(name, true);
}

void TfrmMain::ViewLastOrder1Click()
{
    if (FileExists(ToData(LastOrderPath()))) {
        OpenProject(LastOrderPath(), false);
        return;
    }
    // No list was ever built here: an empty list, and the first page as it is.
    siteChosen_ = false;
    ShowPage(kLom);
    UpdatePageCommands();
    SetNavigation(false, false, true);
    ShowList({}, {}, true);
}

void TfrmMain::AddProjectToList1Click()
{
    RunListCommand([this] {
        FileDialogRequest request = ProjectDialog(FileDialogRequest::Mode::Open);
        request.caption = "Add Project To List";
        const QString name = ChooseProject(request);
        if (name.isEmpty())
            return;
        const std::string path = ToData(name);
        const HourglassCursor wait;
        // Built whole first: a project that cannot be read or priced adds nothing.
        const Project more = ParseProjectFile(ReadProjectBytes(path), path);
        SiteList site = AddProjectToList(tsList->Rows(), shownRecords_, more, tsParams->ListSourceShown(),
                                         state_.folders, state_.lists);
        tsList->ShowRows(std::move(site.rows));
        ShowList(std::move(site.records), std::move(site.materials), true);
        WriteLastOrder();
    });
}

template <typename F> void TfrmMain::RunListCommand(F&& command)
{
    // Shortcuts may reach a command its page does not offer.
    if (ListShown())
        RunGuarded(platform_.boxes, this, std::forward<F>(command));
}

PlanSummary TfrmMain::PlanShown() const
{
    PlanSummary plan = tsParams->PlanShown();
    if (!siteChosen_)
        return plan;
    plan.antenna = tsAntenna->ChosenAntenna();
    plan.structure = tsLocation->ChosenCaption();
    return plan;
}

void TfrmMain::RecomputeListQuantities()
{
    tsList->RecomputeRecommended();
}

void TfrmMain::RepriceListOfMaterials()
{
    // An empty list has nothing to price again, and no last order to replace.
    if (!tsLom->HasList() || shownRecords_.empty())
        return;
    const std::vector<std::string> records = shownRecords_;
    ShowMaterials(records);
}

} // namespace tav::gui
