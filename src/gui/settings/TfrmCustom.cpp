#include "gui/settings/TfrmCustom.h"

#include "core/cable/CableCatalogue.h"
#include "core/common/Errors.h"
#include "core/materials/AccessoryItems.h"
#include "core/settings/SettingsFile.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/Guard.h"
#include "gui/app/Maker.h"
#include "gui/app/SideTabWidget.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"
#include "gui/app/TabKeys.h"
#include "gui/app/TextCodec.h"
#include "gui/app/TypeAhead.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <limits>
#include <set>

namespace tav::gui {

namespace {

struct HangerPageSpec
{
    const char* caption;
    const char* picture;
};

const std::array<HangerPageSpec, kHangerFamilyCount> kHangerPages{{
    {"Plainhold Hangers", "plainhold1.gif"},
    {"Latchor Hangers", "latchor1.gif"},
    {"Klemmit Hangers", "klemmit4.gif"},
    {"Vornclamp Hangers", "vornclamp.gif"},
    {"Stackor Hangers", "stackor1.gif"},
}};

const char* const kGroundingCaption = "Grounding Kits";
const char* const kHoistingCaption = "Hoisting Grips";
const char* const kGroundingPicture = "ground.gif";
const char* const kHoistingPicture = "hoist.gif";

QLabel* BoldLabel(const QString& text, QWidget* parent, double scale = 1.0)
{
    auto* label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    if (scale != 1.0)
        f.setPointSizeF(f.pointSizeF() * scale);
    label->setFont(f);
    return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    return b;
}

DecimalSpinEdit* MakeSpacingBox(QWidget* parent, const QString& name, double value)
{
    auto* spin = new DecimalSpinEdit(name, value, parent);
    spin->setMinimumWidth(90);
    return spin;
}

} // namespace

TfrmCustom::TfrmCustom(Platform& platform, const std::string& dataFolder, const QString& imagesFolder,
                       const LineList& tlines, const std::string& cableKey, QWidget* parent)
    : QDialog(parent), platform_(platform), dataFolder_(dataFolder), tlines_(tlines), cableKey_(cableKey),
      images_(platform, this, imagesFolder)
{
    setObjectName("frmCustom");
    setWindowTitle("Customize");
    BuildLayout();
    resize(450, 386);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());

    connect(cboTlines, &QComboBox::currentTextChanged, this, &TfrmCustom::cboTlinesChange);
    for (QRadioButton* rb : {rbAir, rbFoam, rbWaveguide})
        connect(rb, &QRadioButton::clicked, this, &TfrmCustom::rbCableTypeClick);
    connect(chkSelectCable, &QCheckBox::clicked, this, &TfrmCustom::chkSelectCableClick);
    defaultCableTypeAhead_ = new TypeAhead(cboDefaultCable);
    connect(cboDefaultCable->lineEdit(), &QLineEdit::textEdited, this, &TfrmCustom::cboDefaultCableChange);
    connect(btnAddOther, &QPushButton::clicked, this, &TfrmCustom::btnAddOtherClick);
    connect(btnDeleteOther, &QPushButton::clicked, this, &TfrmCustom::btnDeleteOtherClick);
    connect(btnReloadOther, &QPushButton::clicked, this, &TfrmCustom::btnReloadOtherClick);
    connect(btnRestore, &QPushButton::clicked, this, &TfrmCustom::btnRestoreClick);
    connect(btnSaveSettings, &QPushButton::clicked, this, &TfrmCustom::btnSaveSettingsClick);
    connect(btnSave, &QPushButton::clicked, this, &TfrmCustom::btnSaveClick);
    connect(btnCancel, &QPushButton::clicked, this, &TfrmCustom::btnCancelClick);

    FormShow();
}

TfrmCustom::~TfrmCustom() = default;

void TfrmCustom::BuildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(BoldLabel("Transmission Line:", this));
    cboTlines = new QComboBox(this);
    cboTlines->setObjectName("cboTlines");
    cboTlines->setMinimumWidth(140);
    top->addWidget(cboTlines);
    top->addStretch();
    layout->addLayout(top);

    // Nine pages: their tabs go down the side, where every caption shows at once.
    pcCustomize = new SideTabWidget(this);
    pcCustomize->setObjectName("pcCustomize");
    AddTabKeys(pcCustomize, this);
    for (int f = 0; f < kHangerFamilyCount; ++f)
        pcCustomize->addTab(BuildHangerPage(f, kHangerPages[f].caption), kHangerPages[f].caption);
    tsGroundingKits =
        BuildSpacingPage("tsGroundingKits",
                         "Default spacing for grounding kits is:\n\n1 at tower top.\n\n"
                         "1 at tower bottom.\n\n1 every 200 feet.\n\n\nNew Spacing:",
                         seGroundingKitQty, imgGroundingKits, keys::GroundingSpacing.fallback, "seGroundingKitQty");
    pcCustomize->addTab(tsGroundingKits, kGroundingCaption);
    tsHoistingGrips = BuildSpacingPage("tsHoistingGrips",
                                       "Default spacing for hoisting grips is:\n\n1 at tower top.\n\n"
                                       "1 every 150 feet.\n\n\nNew Spacing:",
                                       seHoistGripQty, imgHoistingGrips, keys::HoistSpacing.fallback, "seHoistGripQty");
    pcCustomize->addTab(tsHoistingGrips, kHoistingCaption);
    tsOldParts = BuildOldPartsPage();
    pcCustomize->addTab(tsOldParts, "Miscellaneous");
    tsOtherDefaults = BuildOverridesPage();
    pcCustomize->addTab(tsOtherDefaults, "Advanced Options");
    layout->addWidget(pcCustomize, 1);

    auto* buttons = new QHBoxLayout;
    btnRestore = MakeButton(this, "btnRestore", "&Restore Defaults");
    btnSaveSettings = MakeButton(this, "btnSaveSettings", "&Save");
    btnSave = MakeButton(this, "btnSave", "&Ok");
    btnCancel = MakeButton(this, "btnCancel", "&Cancel");
    btnSave->setDefault(true);
    buttons->addWidget(btnRestore);
    buttons->addStretch();
    for (QPushButton* b : {btnSaveSettings, btnSave, btnCancel})
        buttons->addWidget(b);
    layout->addLayout(buttons);
}

QWidget* TfrmCustom::BuildHangerPage(int family, const QString& caption)
{
    auto* page = new QWidget;
    tsHangers[family] = page;
    const QString n = QString::number(family + 1);
    page->setObjectName("tsHangers" + n);
    page->setAccessibleName(caption);
    auto* row = new QHBoxLayout(page);
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Part Number:", page), 0, 0);
    lblHangerPart[family] = BoldLabel("PartNumber", page, 1.6);
    lblHangerPart[family]->setObjectName("lblPartNumber" + n);
    grid->addWidget(lblHangerPart[family], 1, 0, 1, 2);
    grid->addWidget(new QLabel("Spacing:", page), 2, 0);
    seHangerSpacing[family] = MakeSpacingBox(page, "seSpacing" + n, 0);
    grid->addWidget(seHangerSpacing[family], 2, 1);
    grid->setRowStretch(3, 1);
    row->addLayout(grid);
    imgHanger[family] = new TImage("imgHangers" + n, page);
    imgHanger[family]->setMinimumSize(150, 150);
    row->addWidget(imgHanger[family], 1, Qt::AlignCenter);
    return page;
}

QWidget* TfrmCustom::BuildSpacingPage(const char* name, const QString& text, DecimalSpinEdit*& spin, TImage*& image,
                                      int initial, const char* spinName)
{
    auto* page = new QWidget;
    page->setObjectName(name);
    auto* row = new QHBoxLayout(page);
    auto* column = new QVBoxLayout;
    column->addWidget(new QLabel(text, page));
    auto* every = new QHBoxLayout;
    every->addWidget(new QLabel("1 every", page));
    spin = MakeSpacingBox(page, spinName, initial);
    every->addWidget(spin);
    every->addWidget(new QLabel("feet", page));
    every->addStretch();
    column->addLayout(every);
    column->addStretch();
    row->addLayout(column);
    image = new TImage(QString(name).replace("ts", "img"), page);
    image->setMinimumSize(150, 150);
    row->addWidget(image, 1, Qt::AlignCenter);
    return page;
}

QWidget* TfrmCustom::BuildOldPartsPage()
{
    auto* page = new QWidget;
    page->setObjectName("tsOldParts");
    auto* layout = new QVBoxLayout(page);

    auto* old = new QGroupBox("Include Old (obsolete) parts:", page);
    auto* ol = new QVBoxLayout(old);
    chkOldInWizard = new QCheckBox("In Wizard Forms", old);
    chkOldInWizard->setObjectName("chkOldInWizard");
    chkOldInList = new QCheckBox("In Accessory List", old);
    chkOldInList->setObjectName("chkOldInList");
    ol->addWidget(chkOldInWizard);
    ol->addWidget(chkOldInList);
    layout->addWidget(old);
    chkRecomendReplace = new QCheckBox("Recommend a replacement part when I select an obsolete part number", page);
    chkRecomendReplace->setObjectName("chkRecomendReplace");
    layout->addWidget(chkRecomendReplace);

    auto* selection = new QGroupBox("Selection Options", page);
    auto* sl = new QVBoxLayout(selection);
    chkSelectCable = new QCheckBox("Automatically start with \"Select a specific cable option\"", selection);
    chkSelectCable->setObjectName("chkSelectCable");
    sl->addWidget(chkSelectCable);
    auto* cable = new QGroupBox("Default To This Cable:", selection);
    auto* cl = new QHBoxLayout(cable);
    auto* types = new QVBoxLayout;
    rbAir = new QRadioButton("Air Coax", cable);
    rbAir->setObjectName("rbAir");
    rbFoam = new QRadioButton("Foam Coax", cable);
    rbFoam->setObjectName("rbFoam");
    rbWaveguide = new QRadioButton("Elliptical Waveguide", cable);
    rbWaveguide->setObjectName("rbWaveguide");
    rbFoam->setChecked(true);
    for (QRadioButton* rb : {rbAir, rbFoam, rbWaveguide})
        types->addWidget(rb);
    cl->addLayout(types);
    cboDefaultCable = new QComboBox(cable);
    cboDefaultCable->setObjectName("cboDefaultCable");
    cboDefaultCable->setEditable(true);
    // The box completes the typed text itself, and typed texts are not new entries.
    cboDefaultCable->setCompleter(nullptr);
    cboDefaultCable->setInsertPolicy(QComboBox::NoInsert);
    cboDefaultCable->setMinimumWidth(140);
    cl->addWidget(cboDefaultCable, 0, Qt::AlignTop);
    sl->addWidget(cable);
    layout->addWidget(selection);
    layout->addWidget(BuildLineOptions(page));
    layout->addStretch();
    return page;
}

QWidget* TfrmCustom::BuildLineOptions(QWidget* page)
{
    auto* box = new QGroupBox("Transmission Line", page);
    auto* grid = new QGridLayout(box);
    chkLineOnList = new QCheckBox("Add the transmission line to the list of materials", box);
    chkLineOnList->setObjectName("chkLineOnList");
    grid->addWidget(chkLineOnList, 0, 0, 1, 2);
    seLineWaste = new QSpinBox(box);
    seLineWaste->setObjectName("seLineWaste");
    seLineWaste->setRange(0, 100);
    auto* wasteLabel = new QLabel("Waste allowance (%):", box);
    wasteLabel->setBuddy(seLineWaste);
    grid->addWidget(wasteLabel, 1, 0);
    grid->addWidget(seLineWaste, 1, 1, Qt::AlignLeft);
    cboLineSection = new QComboBox(box);
    cboLineSection->setObjectName("cboLineSection");
    auto* sectionLabel = new QLabel("Under the section:", box);
    sectionLabel->setBuddy(cboLineSection);
    grid->addWidget(sectionLabel, 2, 0);
    grid->addWidget(cboLineSection, 2, 1, Qt::AlignLeft);
    chkLineCost = new QCheckBox("Show each line's installed cost", box);
    chkLineCost->setObjectName("chkLineCost");
    grid->addWidget(chkLineCost, 3, 0, 1, 2);
    return box;
}

QWidget* TfrmCustom::BuildOverridesPage()
{
    auto* page = new QWidget;
    page->setObjectName("tsOtherDefaults");
    auto* layout = new QVBoxLayout(page);
    auto* warning = BoldLabel("WARNING:  Any changes you make here will override other values that\n"
                              "you may have set elsewhere in the program.  Only advanced users \n"
                              "should make changes to this list.",
                              page);
    warning->setObjectName("lblWarning");
    warning->setStyleSheet("color: red;");
    layout->addWidget(warning);
    auto* row = new QHBoxLayout;
    grdDefaultQuantities = new QTableWidget(0, 2, page);
    grdDefaultQuantities->setObjectName("grdDefaultQuantities");
    grdDefaultQuantities->setHorizontalHeaderLabels({"Part Number", "Quantity"});
    grdDefaultQuantities->verticalHeader()->setVisible(false);
    grdDefaultQuantities->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdDefaultQuantities->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdDefaultQuantities->horizontalHeader()->setStretchLastSection(true);
    grdDefaultQuantities->setColumnWidth(0, 160);
    row->addWidget(grdDefaultQuantities, 1);
    auto* buttons = new QVBoxLayout;
    btnAddOther = MakeButton(page, "btnAddOther", "&Add");
    btnDeleteOther = MakeButton(page, "btnDeleteOther", "&Delete");
    btnReloadOther = MakeButton(page, "btnReloadOther", "Clear &List");
    for (QPushButton* b : {btnAddOther, btnDeleteOther, btnReloadOther})
        buttons->addWidget(b);
    buttons->addStretch();
    row->addLayout(buttons);
    layout->addLayout(row, 1);
    return page;
}

void TfrmCustom::FormShow()
{
    pcCustomize->setCurrentIndex(0);
    LoadPictures();

    const QStringList keys = FromDataLines(CableKeys(tlines_));
    const int selected = IndexOfNoCase(keys, FromData(cableKey_));
    FillComboSilently(cboTlines, keys, selected >= 0 ? selected : 0);
    LoadPart(kSpacingsPart, [this] { LoadSpacings(cboTlines->currentText()); });
    LoadPart(kObsoletePart, [this] { LoadObsoleteBoxes(); });
    LoadPart(kOverridesPart, [this] { LoadOverrides(); });
    LoadPart(kSelectionPart, [this] { LoadSelectionOptions(); });
    LoadPart(kLinePart, [this] { LoadLineOptions(); });
}

void TfrmCustom::LoadPictures()
{
    for (int f = 0; f < kHangerFamilyCount; ++f)
        images_.LoadImage(imgHanger[f], kHangerPages[f].picture, true);
    images_.LoadImage(imgGroundingKits, kGroundingPicture, true);
    images_.LoadImage(imgHoistingGrips, kHoistingPicture, true);
}

template <typename F> void TfrmCustom::LoadPart(Part part, F&& load)
{
    QString error;
    loaded_[part] = RunGuarded(platform_.boxes, this, [&] {
        try {
            load();
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
            throw;
        }
    });
    MarkPart(part, error);
}

QList<QWidget*> TfrmCustom::PagesOf(Part part) const
{
    switch (part) {
    case kSpacingsPart:
        return {tsHangers[0], tsHangers[1], tsHangers[2], tsHangers[3], tsHangers[4], tsGroundingKits, tsHoistingGrips};
    case kObsoletePart:
    case kSelectionPart:
    case kLinePart:
        return {tsOldParts};
    case kOverridesPart:
        return {tsOtherDefaults};
    case kPartCount:
        break;
    }
    return {};
}

void TfrmCustom::MarkPart(Part part, const QString& error)
{
    errors_[part] = error;
    // A page can hold two parts; it stays marked while either failed.
    for (QWidget* page : PagesOf(part)) {
        QStringList pageErrors;
        for (int p = 0; p < kPartCount; ++p)
            if (!errors_[p].isEmpty() && PagesOf(static_cast<Part>(p)).contains(page))
                pageErrors << errors_[p];
        const int index = pcCustomize->indexOf(page);
        pcCustomize->tabBar()->setTabTextColor(index, pageErrors.isEmpty() ? QColor() : QColor(Qt::red));
        pcCustomize->setTabToolTip(index, pageErrors.isEmpty() ? QString()
                                                               : "This page could not be loaded and will not be "
                                                                 "saved:\n" +
                                                                     pageErrors.join('\n'));
    }
    UpdateSaveButtons();
}

bool TfrmCustom::CanSave() const
{
    for (bool loaded : loaded_)
        if (!loaded)
            return false;
    return true;
}

void TfrmCustom::UpdateSaveButtons()
{
    btnSaveSettings->setEnabled(CanSave());
    btnSave->setEnabled(CanSave());
}

void TfrmCustom::ShowVisiblePage()
{
    if (pcCustomize->isTabVisible(pcCustomize->currentIndex()))
        return;
    for (int i = 0; i < pcCustomize->count(); ++i) {
        if (pcCustomize->isTabVisible(i)) {
            pcCustomize->setCurrentIndex(i);
            return;
        }
    }
}

void TfrmCustom::ShowSpacing(DecimalSpinEdit* spin, LoadedSpacing& loaded, const std::string& stored, SpacingKind kind,
                             double fallback)
{
    spin->setValue(ShownSpacing(stored, kind).value_or(fallback));
    loaded = LoadedSpacing{stored, spin->ValueText()};
}

void TfrmCustom::LoadSpacings(const QString& cableKey)
{
    // Read everything first: a page that cannot be shown leaves the pages as they were.
    const SpacingPages pages = LoadSpacingPages(dataFolder_, ToData(cableKey));
    loadedCableKey_ = ToData(cableKey);
    ShowSpacing(seGroundingKitQty, groundingLoaded_, pages.grounding, SpacingKind::Whole,
                keys::GroundingSpacing.fallback);
    ShowSpacing(seHoistGripQty, hoistLoaded_, pages.hoist, SpacingKind::Whole, keys::HoistSpacing.fallback);
    for (int f = 0; f < kHangerFamilyCount; ++f) {
        const HangerFamily& family = pages.families[f];
        lblHangerPart[f]->setText(family.present ? FromData(family.partNumber) : QString());
        ShowSpacing(seHangerSpacing[f], hangerLoaded_[f], family.present ? family.spacing : "0", SpacingKind::Decimal,
                    0);
        pcCustomize->setTabVisible(pcCustomize->indexOf(tsHangers[f]), family.present);
    }
    ShowVisiblePage();
}

void TfrmCustom::LoadObsoleteBoxes()
{
    const ObsoleteOptions options = LoadObsoleteOptions(dataFolder_);
    chkRecomendReplace->setChecked(options.warning);
    chkOldInWizard->setChecked(options.wizard);
    chkOldInList->setChecked(options.list);
}

void TfrmCustom::LoadOverrides()
{
    ClearOverrideRows();
    std::vector<QuantityOverride> rows;
    // The rows read before a bad line are shown, so the user can see where it stopped.
    const auto show = [&] {
        for (const QuantityOverride& row : rows)
            AddOverrideRow(FromData(row.part), row.quantity, row.part);
    };
    try {
        ReadOverrides(dataFolder_, rows);
    } catch (...) {
        show();
        throw;
    }
    show();
}

void TfrmCustom::LoadSelectionOptions()
{
    const SelectionOptions options = tav::LoadSelectionOptions(dataFolder_, cableKey_);
    loadedCableName_ = options.cableName;
    chkSelectCable->setChecked(options.selectCable);
    switch (options.cableType) {
    case 0:
        rbAir->setChecked(true);
        break;
    case 1:
        rbFoam->setChecked(true);
        break;
    case 2:
        rbWaveguide->setChecked(true);
        break;
    default:
        break;
    }
    FillDefaultCables(FromData(options.cableName));
    EnableCablePreset();
}

void TfrmCustom::LoadLineOptions()
{
    const LineOptions options = tav::LoadLineOptions(dataFolder_);
    const std::vector<ListSection> sections = ReadListSections(dataFolder_);
    cboLineSection->clear();
    int index = sections.empty() ? -1 : 0;
    for (const ListSection& section : sections) {
        if (section.number == options.section)
            index = cboLineSection->count();
        cboLineSection->addItem(FromData(section.caption), QByteArray::fromStdString(section.number));
    }
    cboLineSection->setCurrentIndex(index);
    chkLineOnList->setChecked(options.onList);
    seLineWaste->setValue(options.wastePercent);
    chkLineCost->setChecked(options.showCost);
    loadedLine_ = options;
    loadedSectionIndex_ = index;
}

LineOptions TfrmCustom::CollectLineOptions() const
{
    LineOptions options = loadedLine_;
    options.onList = chkLineOnList->isChecked();
    options.wastePercent = seLineWaste->value();
    options.showCost = chkLineCost->isChecked();
    // A section left as it was loaded keeps the stored text, an absent key included.
    if (cboLineSection->currentIndex() != loadedSectionIndex_)
        options.section = cboLineSection->currentData().toByteArray().toStdString();
    return options;
}

void TfrmCustom::SaveLineOptions()
{
    const LineOptions options = CollectLineOptions();
    WriteStep([&] { return tav::SaveLineOptions(dataFolder_, loadedLine_, options); });
    loadedLine_ = options;
    loadedSectionIndex_ = cboLineSection->currentIndex();
}

void TfrmCustom::FillDefaultCables(const QString& wanted)
{
    const int type = rbAir->isChecked() ? 0 : rbFoam->isChecked() ? 1 : 2;
    const QStringList parts = FromDataLines(PartNumbersOfType(tlines_, CableTypeCode(type)));
    const int index = IndexOfNoCase(parts, wanted);
    FillComboSilently(cboDefaultCable, parts, index >= 0 ? index : 0);
}

void TfrmCustom::EnableCablePreset()
{
    const bool enabled = chkSelectCable->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{rbAir, rbFoam, rbWaveguide, cboDefaultCable})
        w->setEnabled(enabled);
}

void TfrmCustom::cboTlinesChange()
{
    LoadPart(kSpacingsPart, [this] { LoadSpacings(cboTlines->currentText()); });
}

void TfrmCustom::rbCableTypeClick()
{
    FillDefaultCables(cboDefaultCable->currentText());
}

void TfrmCustom::chkSelectCableClick()
{
    EnableCablePreset();
}

void TfrmCustom::cboDefaultCableChange()
{
    defaultCableTypeAhead_->Complete();
}

void TfrmCustom::AddOverrideRow(const QString& part, int quantity, const std::string& storedPart)
{
    const int row = grdDefaultQuantities->rowCount();
    grdDefaultQuantities->insertRow(row);
    auto* item = new QTableWidgetItem(part);
    // The bytes as read, so a row the user leaves alone is written back unchanged.
    item->setData(Qt::UserRole, QByteArray::fromStdString(storedPart));
    item->setBackground(Qt::white);
    grdDefaultQuantities->setItem(row, 0, item);
    auto* spin = new QSpinBox;
    spin->setRange(std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
    spin->setValue(quantity);
    spin->setFrame(false);
    grdDefaultQuantities->setCellWidget(row, 1, spin);
}

std::vector<QuantityOverride> TfrmCustom::OverrideRows() const
{
    std::vector<QuantityOverride> rows;
    for (int r = 0; r < grdDefaultQuantities->rowCount(); ++r) {
        const QTableWidgetItem* item = grdDefaultQuantities->item(r, 0);
        const QString text = item ? item->text() : QString();
        const std::string stored = item ? item->data(Qt::UserRole).toByteArray().toStdString() : std::string();
        auto* spin = qobject_cast<QSpinBox*>(grdDefaultQuantities->cellWidget(r, 1));
        rows.push_back(QuantityOverride{FromData(stored) == text ? stored : ToData(text), spin ? spin->value() : 0});
    }
    return rows;
}

void TfrmCustom::ClearOverrideRows()
{
    grdDefaultQuantities->setRowCount(0);
}

void TfrmCustom::btnAddOtherClick()
{
    AddOverrideRow(QString(), 0, std::string());
    grdDefaultQuantities->setCurrentCell(grdDefaultQuantities->rowCount() - 1, 0);
}

void TfrmCustom::btnDeleteOtherClick()
{
    std::set<int> rows;
    for (const QModelIndex& index : grdDefaultQuantities->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    for (auto it = rows.rbegin(); it != rows.rend(); ++it)
        grdDefaultQuantities->removeRow(*it);
}

void TfrmCustom::btnReloadOtherClick()
{
    platform_.sounds.Information();
    if (platform_.boxes.Confirm(this, "Are you sure you want to remove all of the items in this list?") !=
        BoxButton::Yes)
        return;
    ClearOverrideRows();
    // An empty list is the user's own choice, so it may be saved over a file that failed to load.
    loaded_[kOverridesPart] = true;
    MarkPart(kOverridesPart, QString());
}

void TfrmCustom::btnRestoreClick()
{
    platform_.sounds.Information();
    if (platform_.boxes.Confirm(this, QStringLiteral("Are you sure you want to restore all of your settings to the "
                                                     "default \n") +
                                          kMakerName + " settings?") != BoxButton::Yes)
        return;
    // Even a failed copy may have touched the file; the main window refreshes either way.
    wrote_ = true;
    const RestoreOutcome outcome = RestoreDefaults(dataFolder_);
    if (outcome.overridesEmptied) {
        ClearOverrideRows();
        loaded_[kOverridesPart] = true;
        MarkPart(kOverridesPart, QString());
    }
    if (outcome.settingsRestored) {
        // Every page that settings.dat feeds, so a following Ok cannot write old values back.
        LoadPart(kObsoletePart, [this] { LoadObsoleteBoxes(); });
        LoadPart(kSpacingsPart, [this] { LoadSpacings(cboTlines->currentText()); });
        LoadPart(kSelectionPart, [this] { LoadSelectionOptions(); });
        LoadPart(kLinePart, [this] { LoadLineOptions(); });
    }
    if (!outcome.error.empty()) {
        platform_.boxes.Error(this, QString::fromUtf8(outcome.error.c_str()));
        return;
    }
    platform_.sounds.Beep();
    platform_.boxes.Information(this, "Default settings have been restored.");
}

QString TfrmCustom::SpacingBoxText(DecimalSpinEdit* spin) const
{
    return spin->ValueText();
}

bool TfrmCustom::CheckPages()
{
    const auto refuse = [this](QWidget* page, QWidget* control, const std::string& problem) {
        pcCustomize->setCurrentWidget(page);
        if (control)
            control->setFocus();
        platform_.boxes.Warning(this, QString::fromUtf8(problem.c_str()));
        return false;
    };
    for (int f = 0; f < kHangerFamilyCount; ++f) {
        if (!pcCustomize->isTabVisible(pcCustomize->indexOf(tsHangers[f])))
            continue;
        const std::string text = SpacingToSave(hangerLoaded_[f].stored, ToData(hangerLoaded_[f].shown),
                                               ToData(SpacingBoxText(seHangerSpacing[f])), SpacingKind::Decimal);
        if (const auto problem = SpacingProblem(text, SpacingKind::Decimal, kHangerPages[f].caption))
            return refuse(tsHangers[f], seHangerSpacing[f], *problem);
    }
    const SpacingChanges spacings = CollectSpacings();
    if (const auto problem = SpacingProblem(spacings.grounding, SpacingKind::Whole, kGroundingCaption))
        return refuse(tsGroundingKits, seGroundingKitQty, *problem);
    if (const auto problem = SpacingProblem(spacings.hoist, SpacingKind::Whole, kHoistingCaption))
        return refuse(tsHoistingGrips, seHoistGripQty, *problem);
    if (const auto problem = OverrideProblem(OverrideRows()))
        return refuse(tsOtherDefaults, grdDefaultQuantities, *problem);
    return true;
}

SpacingChanges TfrmCustom::CollectSpacings() const
{
    SpacingChanges changes;
    const auto toSave = [this](const LoadedSpacing& loaded, DecimalSpinEdit* spin, SpacingKind kind) {
        return SpacingToSave(loaded.stored, ToData(loaded.shown), ToData(SpacingBoxText(spin)), kind);
    };
    changes.grounding = toSave(groundingLoaded_, seGroundingKitQty, SpacingKind::Whole);
    changes.hoist = toSave(hoistLoaded_, seHoistGripQty, SpacingKind::Whole);
    for (int f = 0; f < kHangerFamilyCount; ++f) {
        // Hidden families are neither checked nor written.
        if (!pcCustomize->isTabVisible(pcCustomize->indexOf(tsHangers[f])))
            continue;
        std::string text = toSave(hangerLoaded_[f], seHangerSpacing[f], SpacingKind::Decimal);
        // Only a changed spacing rewrites the family, so lines with spacings of their own keep them.
        if (text != hangerLoaded_[f].stored)
            changes.families[f] = std::move(text);
    }
    return changes;
}

SelectionOptions TfrmCustom::CollectSelection() const
{
    SelectionOptions options;
    options.selectCable = chkSelectCable->isChecked();
    options.cableType = rbAir->isChecked() ? 0 : rbFoam->isChecked() ? 1 : 2;
    const QString name = cboDefaultCable->currentText();
    options.cableName = name == FromData(loadedCableName_) ? loadedCableName_ : ToData(name);
    return options;
}

template <typename F> void TfrmCustom::WriteStep(F&& step)
{
    try {
        if (step())
            wrote_ = true;
    } catch (const IoError&) {
        wrote_ = true;
        throw;
    }
}

void TfrmCustom::SaveObsolete()
{
    const ObsoleteOptions options{chkRecomendReplace->isChecked(), chkOldInWizard->isChecked(),
                                  chkOldInList->isChecked()};
    WriteStep([&] { return SaveObsoleteOptions(dataFolder_, options); });
}

void TfrmCustom::SaveOverrides()
{
    const std::vector<QuantityOverride> rows = OverrideRows();
    WriteStep([&] { return WriteOverrides(dataFolder_, rows); });
}

void TfrmCustom::SaveSpacings()
{
    const SpacingChanges changes = CollectSpacings();
    WriteStep([&] { return SaveSpacingPages(dataFolder_, loadedCableKey_, changes); });
    // What is in the file now is what the boxes show, so a later save compares with it.
    groundingLoaded_ = {changes.grounding, SpacingBoxText(seGroundingKitQty)};
    hoistLoaded_ = {changes.hoist, SpacingBoxText(seHoistGripQty)};
    for (int f = 0; f < kHangerFamilyCount; ++f)
        if (changes.families[f])
            hangerLoaded_[f] = {*changes.families[f], SpacingBoxText(seHangerSpacing[f])};
}

void TfrmCustom::SaveSelection()
{
    const SelectionOptions options = CollectSelection();
    WriteStep([&] { return SaveSelectionOptions(dataFolder_, options); });
    loadedCableName_ = options.cableName;
}

void TfrmCustom::btnSaveClick()
{
    RunGuarded(platform_.boxes, this, [this] {
        if (!CanSave() || !CheckPages())
            return;
        SaveObsolete();
        SaveOverrides();
        SaveSelection();
        SaveSpacings();
        SaveLineOptions();
        accept();
    });
}

void TfrmCustom::btnSaveSettingsClick()
{
    RunGuarded(platform_.boxes, this, [this] {
        if (!CanSave() || !CheckPages())
            return;
        SaveObsolete();
        SaveOverrides();
        SaveSpacings();
        SaveSelection();
        SaveLineOptions();
        platform_.sounds.Beep();
        platform_.boxes.Information(this, "Settings have been saved");
    });
}

void TfrmCustom::btnCancelClick()
{
    reject();
}

} // namespace tav::gui
