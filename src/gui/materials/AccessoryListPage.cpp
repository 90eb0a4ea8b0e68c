#include "gui/materials/AccessoryListPage.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/settings/IniStore.h"
#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"
#include "gui/app/Guard.h"
#include "gui/app/TextCodec.h"
#include "gui/materials/AccessoryListModel.h"
#include "gui/materials/QuantityDelegate.h"
#include "gui/wizard/ObsoleteNotice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

namespace tav::gui {

bool TAccessoryGrid::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event)
{
    // A row is ordered by its quantity, whichever of its cells the user stands on; the
    // tick keeps its own click and key.
    constexpr auto kQuantity = AccessoryListModel::kQuantityColumn;
    const bool asked = trigger == AnyKeyPressed || trigger == EditKeyPressed || trigger == DoubleClicked;
    if (asked && index.isValid() && index.column() != kQuantity &&
        index.column() != AccessoryListModel::kRecommendedColumn) {
        const QModelIndex quantity = index.siblingAtColumn(kQuantity);
        if (quantity.flags() & Qt::ItemIsEditable) {
            setCurrentIndex(quantity);
            return QTableView::edit(quantity, trigger, event);
        }
    }
    return QTableView::edit(index, trigger, event);
}

AccessoryListPage::AccessoryListPage(WizardState& state, Platform& platform, InputsFn inputs, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), inputs_(std::move(inputs)),
      model_(new AccessoryListModel(this))
{
    setObjectName("tsList");
    BuildLayout();

    connect(chkMiscOnly, &QCheckBox::toggled, this, &AccessoryListPage::listOnlyToggled);
    connect(chkMiscOnly, &QCheckBox::clicked, this, &AccessoryListPage::listOnlyClicked);
    connect(btnReset, &QPushButton::clicked, this, &AccessoryListPage::btnResetClick);
    connect(cboJump, &QComboBox::activated, this, &AccessoryListPage::cboJumpChange);
    connect(model_, &AccessoryListModel::Edited, this, &AccessoryListPage::grdListCellEdited);
    connect(grdList->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { ShowSectionOfRow(current.row()); });
    connect(grdList->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!jumping_)
            ShowSectionOfRow(grdList->rowAt(0));
    });
}

bool AccessoryListPage::ListOnly() const
{
    return chkMiscOnly->isChecked();
}

bool AccessoryListPage::ListOnlyOffered() const
{
    return !chkMiscOnly->isHidden();
}

void AccessoryListPage::FixListOnly()
{
    chkMiscOnly->setChecked(true);
    chkMiscOnly->setVisible(false);
}

void AccessoryListPage::ReleaseListOnly()
{
    chkMiscOnly->setChecked(false);
    chkMiscOnly->setVisible(true);
}

void AccessoryListPage::ShowCableNote(const QString& text)
{
    lblMisc->setText(text);
}

void AccessoryListPage::BuildLayout()
{
    auto* layout = new QVBoxLayout(this);
    lblMisc = new QLabel("All available accessories for: ", this);
    lblMisc->setObjectName("lblMisc");
    lblMisc->setStyleSheet("color: blue; font-weight: bold;");
    layout->addWidget(lblMisc);

    auto* bar = new QHBoxLayout;
    chkMiscOnly = new QCheckBox("Select from this list only", this);
    chkMiscOnly->setObjectName("chkMiscOnly");
    // Alt+R belongs to Restart below the page.
    btnReset = new QPushButton("R&eset Selections", this);
    btnReset->setObjectName("btnReset");
    auto* jumpLabel = new QLabel("Section:", this);
    cboJump = new QComboBox(this);
    cboJump->setObjectName("cboJump");
    cboJump->setMinimumWidth(220);
    jumpLabel->setBuddy(cboJump);
    bar->addWidget(chkMiscOnly);
    bar->addStretch();
    bar->addWidget(btnReset);
    bar->addWidget(jumpLabel);
    bar->addWidget(cboJump);
    layout->addLayout(bar);

    using M = AccessoryListModel;
    grdList = grid_ = new TAccessoryGrid(this);
    grdList->setObjectName("grdList");
    grdList->setModel(model_);
    grdList->setItemDelegateForColumn(M::kQuantityColumn, new TQuantityDelegate(grdList));
    grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                             QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    // One Tab enters the grid and the next leaves it; arrows move inside.
    grdList->setTabKeyNavigation(false);
    grdList->verticalHeader()->setVisible(false);
    grdList->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdList->verticalHeader()->setDefaultSectionSize(30);
    grdList->horizontalHeader()->setFixedHeight(44);
    grdList->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    grdList->setColumnWidth(M::kPartColumn, 129);
    grdList->setColumnWidth(M::kDescriptionColumn, 303);
    // The heading wraps; its longest word still has to fit.
    const QFontMetrics metrics(grdList->horizontalHeader()->font());
    grdList->setColumnWidth(M::kRecommendedColumn, std::max(78, metrics.horizontalAdvance("Recommended") + 16));
    grdList->horizontalHeader()->setSectionResizeMode(M::kDescriptionColumn, QHeaderView::Stretch);
    grdList->setColumnHidden(M::kSectionColumn, true);
    grdList->setWordWrap(false);
    QPalette p = grdList->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Window));
    grdList->setPalette(p);
    layout->addWidget(grdList, 1);
}

void AccessoryListPage::LoadAccessoryList(const ListSource& source)
{
    const HourglassCursor wait;
    ClearList();
    const AssembledList assembled = AssembleList(source, state_.folders, state_.lists);
    lineBefore_ = std::exchange(line_, assembled.line);
    std::vector<AccessoryListRow> rows = LayOutAccessoryList(assembled.items, assembled.sections, state_.lists.obsolete,
                                                             KeepObsoleteInList(state_.folders.data));
    if (line_)
        TickLineRow(rows, *line_);
    // The inputs may have changed since the ticks were given.
    CarryListedOrders(rows, kept_, assembled.sections);
    FillRecommended(rows, Recommended());
    ShowRows(std::move(rows));
    if (!assembled.offered)
        ShowNoneOffered(source.cableKey);
}

void AccessoryListPage::ClearList()
{
    // A grid emptied already keeps what it held before.
    if (!Rows().empty())
        kept_ = Rows();
    std::vector<AccessoryListRow> orders = std::move(kept_);
    ShowRows({});
    kept_ = std::move(orders);
}

void AccessoryListPage::ShowNoneOffered(const std::string& cableKey)
{
    lblMisc->setText("No accessories are available for " + FromData(cableKey));
}

void AccessoryListPage::ShowRows(std::vector<AccessoryListRow> rows)
{
    kept_.clear();
    jumpSections_.clear();
    jumpRows_.clear();
    QStringList captions;
    grdList->setUpdatesEnabled(false);
    grdList->clearSpans();
    model_->Show(std::move(rows));
    const std::vector<AccessoryListRow>& shown = model_->Rows();
    for (int r = 0; r < static_cast<int>(shown.size()); ++r) {
        const AccessoryListRow& row = shown[static_cast<size_t>(r)];
        if (!row.heading)
            continue;
        // A caption reads across the row, as a heading should.
        grdList->setSpan(r, AccessoryListModel::kPartColumn, 1, AccessoryListModel::kSectionColumn);
        jumpSections_ << FromData(row.section);
        jumpRows_.push_back(r);
        captions << FromData(row.part);
    }
    // A new list starts at its first row.
    grdList->scrollToTop();
    grdList->setUpdatesEnabled(true);

    const QSignalBlocker blockJump(cboJump);
    cboJump->clear();
    cboJump->addItems(captions);
    cboJump->setCurrentIndex(captions.isEmpty() ? -1 : 0);
}

const std::vector<AccessoryListRow>& AccessoryListPage::Rows() const
{
    return model_->Rows();
}

void AccessoryListPage::CarryOver(const std::vector<AccessoryListRow>& before)
{
    std::vector<AccessoryListRow> rows = Rows();
    CarryOverRows(rows, before, ReadListSections(state_.folders.data));
    // A line row kept only for its order (the setting went off, or moved it) has no rule
    // left to recommend by: it keeps its quantity without the tick.
    if (lineBefore_ && !(line_ && line_->part == lineBefore_->part && line_->section == lineBefore_->section))
        for (AccessoryListRow& r : rows)
            if (!r.heading && r.part == lineBefore_->part && r.section == lineBefore_->section)
                r.useRecommended = false;
    ShowRows(std::move(rows));
}

RecommendedQuantityFn AccessoryListPage::Recommended() const
{
    const auto price = [this](std::string_view part) {
        return state_.lists.priceIndex.Record(state_.lists.price, part);
    };
    return ListRecommendations(inputs_(), line_, price);
}

void AccessoryListPage::RecomputeRecommended()
{
    model_->Recompute(Recommended());
}

void AccessoryListPage::btnResetClick()
{
    kept_.clear();
    model_->ClearOrders();
    grdList->scrollToTop();
    const QSignalBlocker block(cboJump);
    cboJump->setCurrentIndex(cboJump->count() > 0 ? 0 : -1);
}

void AccessoryListPage::cboJumpChange()
{
    const int entry = cboJump->currentIndex();
    if (entry < 0 || entry >= static_cast<int>(jumpRows_.size()))
        return;
    // The chosen entry stays chosen even where the end of the list keeps its heading off the top.
    jumping_ = true;
    grdList->scrollTo(model_->index(jumpRows_[static_cast<size_t>(entry)], AccessoryListModel::kPartColumn),
                      QAbstractItemView::PositionAtTop);
    jumping_ = false;
}

void AccessoryListPage::ShowSectionOfRow(int row)
{
    if (row < 0 || row >= static_cast<int>(Rows().size()))
        return;
    // Sections are found by number, so a section without a heading shifts no entry.
    const int entry = static_cast<int>(jumpSections_.indexOf(FromData(Rows()[static_cast<size_t>(row)].section)));
    if (entry < 0)
        return;
    const QSignalBlocker block(cboJump);
    cboJump->setCurrentIndex(entry);
}

void AccessoryListPage::grdListCellEdited(int row)
{
    if (!model_->IsItem(row))
        return;
    RunGuarded(platform_.boxes, window(), [&] {
        const auto offer = [&](std::string_view part) {
            return OfferReplacement(platform_, window(), state_.folders.data, state_.lists.obsolete, part);
        };
        const ListSubstitution result = model_->Substitute(row, state_.lists.obsolete, offer, Recommended());
        if (result.replacementRow) {
            // Once the editor that sent the edit has closed, which moving the current row
            // would do under it; a user already editing again stays where they are.
            const QPersistentModelIndex target = model_->index(static_cast<int>(*result.replacementRow), 0);
            QMetaObject::invokeMethod(
                this,
                [this, target] {
                    if (!target.isValid() || grid_->Editing())
                        return;
                    grdList->setCurrentIndex(target);
                    grdList->scrollTo(target);
                    grdList->selectRow(target.row());
                },
                Qt::QueuedConnection);
        }
        if (result.missingReplacement)
            platform_.boxes.Information(window(),
                                        FromData(*result.missingReplacement) + " is not offered in this list, so " +
                                            FromData(Rows()[static_cast<size_t>(row)].part) + " stays selected.");
    });
}

} // namespace tav::gui
