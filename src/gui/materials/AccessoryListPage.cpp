#include "gui/materials/AccessoryListPage.h"

#include "core/catalog/RecordLine.h"
#include "core/common/Files.h"
#include "core/materials/PriceList.h"
#include "core/settings/IniStore.h"
#include "core/wizard/Obsolete.h"
#include "core/wizard/Quantities.h"
#include "gui/app/Guard.h"
#include "gui/app/TextCodec.h"
#include "gui/wizard/ObsoleteNotice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tav::gui {

TQuantitySpin::TQuantitySpin(QWidget* parent) : QSpinBox(parent)
{
    setRange(0, kMaxListQuantity);
    setAlignment(Qt::AlignCenter);
    setFrame(false);
    // The order is taken when the user is done typing, not at every digit.
    setKeyboardTracking(false);
}

void TQuantitySpin::stepBy(int steps)
{
    // A step below nothing is refused and leaves the row as it was.
    if (value() + steps < minimum())
        return;
    QSpinBox::stepBy(steps);
    emit stepped();
}

AccessoryListPage::AccessoryListPage(WizardState& state, Platform& platform, InputsFn inputs, QWidget* parent)
    : QWidget(parent), state_(state), platform_(platform), inputs_(std::move(inputs))
{
    setObjectName("tsList");
    BuildLayout();

    connect(btnReset, &QPushButton::clicked, this, &AccessoryListPage::btnResetClick);
    connect(cboJump, &QComboBox::activated, this, &AccessoryListPage::cboJumpChange);
    connect(grdList, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() == kRecommendedColumn)
            grdListCellEdited(item->row());
    });
    connect(grdList, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow, int) {
        if (row != previousRow)
            ShowSectionOfRow(row);
    });
    connect(grdList->verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        if (!jumping_)
            ShowSectionOfRow(grdList->rowAt(0));
    });
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
    btnReset = new QPushButton("&Reset Selections", this);
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

    grdList = new QTableWidget(0, kColumnCount, this);
    grdList->setObjectName("grdList");
    grdList->setHorizontalHeaderLabels({"Part Number", "Description", "Quantity", "Use Recommended Quantity", ""});
    grdList->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdList->setSelectionMode(QAbstractItemView::SingleSelection);
    grdList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdList->verticalHeader()->setVisible(false);
    grdList->verticalHeader()->setDefaultSectionSize(30);
    grdList->horizontalHeader()->setFixedHeight(44);
    grdList->horizontalHeader()->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    grdList->setColumnWidth(kPartColumn, 129);
    grdList->setColumnWidth(kDescriptionColumn, 303);
    // The heading wraps; its longest word still has to fit.
    const QFontMetrics metrics(grdList->horizontalHeader()->font());
    grdList->setColumnWidth(kRecommendedColumn, std::max(78, metrics.horizontalAdvance("Recommended") + 16));
    grdList->horizontalHeader()->setSectionResizeMode(kDescriptionColumn, QHeaderView::Stretch);
    grdList->setColumnHidden(kSectionColumn, true);
    grdList->setWordWrap(false);
    QPalette p = grdList->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Window));
    grdList->setPalette(p);
    layout->addWidget(grdList, 1);
}

void AccessoryListPage::LoadAccessoryList(const std::string& cableKey, std::string_view typeCode, const Band* band)
{
    const HourglassCursor wait;
    ShowRows({});
    const bool keepObsolete = KeepObsoleteInList(state_.folders.data);
    TBigIniFile list(state_.folders.data + kAccessoryListFileName);
    const std::vector<AccessoryItem> items = AssembleAccessoryItems(list, cableKey, typeCode, state_.lists.surge, band);
    ShowRows(LayOutAccessoryList(items, ReadListSections(list), state_.lists.obsolete, keepObsolete));
    if (items.empty())
        lblMisc->setText("No accessories are available for " + FromData(cableKey));
}

void AccessoryListPage::ShowRows(const std::vector<AccessoryListRow>& rows)
{
    const QSignalBlocker block(grdList);
    grdList->setUpdatesEnabled(false);
    grdList->clearSpans();
    grdList->clearContents();
    grdList->setRowCount(static_cast<int>(rows.size()));
    rows_ = rows;
    jumpSections_.clear();
    QStringList captions;

    QFont bold = grdList->font();
    bold.setBold(true);
    const QBrush headingBrush = palette().button();
    const QBrush itemBrush = palette().base();
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        const AccessoryListRow& row = rows[static_cast<size_t>(r)];
        const auto cell = [&](int column, const QString& text, Qt::ItemFlags flags) {
            auto* item = new QTableWidgetItem(text);
            item->setFlags(flags);
            item->setBackground(row.heading ? headingBrush : itemBrush);
            grdList->setItem(r, column, item);
            return item;
        };
        const Qt::ItemFlags readOnly = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (row.heading) {
            cell(kPartColumn, FromData(row.part), Qt::ItemIsEnabled)->setFont(bold);
            for (int c : {kDescriptionColumn, kQuantityColumn, kRecommendedColumn})
                cell(c, {}, Qt::ItemIsEnabled);
            cell(kSectionColumn, FromData(row.section), Qt::ItemIsEnabled);
            // A caption reads across the row, as a heading should.
            grdList->setSpan(r, kPartColumn, 1, kSectionColumn);
            jumpSections_ << FromData(row.section);
            captions << FromData(row.part);
            continue;
        }
        cell(kPartColumn, FromData(row.part), readOnly);
        cell(kDescriptionColumn, FromData(row.description), readOnly)
            ->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        cell(kQuantityColumn, {}, readOnly);
        cell(kRecommendedColumn, {}, readOnly | Qt::ItemIsUserCheckable)
            ->setCheckState(row.useRecommended ? Qt::Checked : Qt::Unchecked);
        cell(kSectionColumn, FromData(row.section), readOnly);
        auto* spin = new TQuantitySpin(grdList);
        spin->setValue(std::clamp(row.quantity, 0, kMaxListQuantity));
        connect(spin, &QSpinBox::valueChanged, this, [this, r] { editedRow_ = r; });
        connect(spin, &QSpinBox::editingFinished, this, [this, r] {
            if (editedRow_ == r) {
                editedRow_ = -1;
                grdListCellEdited(r);
            }
        });
        connect(spin, &TQuantitySpin::stepped, this, [this, r] {
            editedRow_ = -1;
            grdListSpun(r);
        });
        grdList->setCellWidget(r, kQuantityColumn, spin);
    }
    grdList->setUpdatesEnabled(true);

    const QSignalBlocker blockJump(cboJump);
    cboJump->clear();
    cboJump->addItems(captions);
    cboJump->setCurrentIndex(captions.isEmpty() ? -1 : 0);
}

TQuantitySpin* AccessoryListPage::Spin(int row) const
{
    return qobject_cast<TQuantitySpin*>(grdList->cellWidget(row, kQuantityColumn));
}

bool AccessoryListPage::IsHeading(int row) const
{
    return row < 0 || row >= static_cast<int>(rows_.size()) || rows_[static_cast<size_t>(row)].heading;
}

int AccessoryListPage::Quantity(int row) const
{
    const TQuantitySpin* spin = IsHeading(row) ? nullptr : Spin(row);
    return spin ? spin->value() : 0;
}

bool AccessoryListPage::Ticked(int row) const
{
    const QTableWidgetItem* item = IsHeading(row) ? nullptr : grdList->item(row, kRecommendedColumn);
    return item && item->checkState() == Qt::Checked;
}

void AccessoryListPage::SetQuantitySilently(int row, int quantity)
{
    if (TQuantitySpin* spin = IsHeading(row) ? nullptr : Spin(row)) {
        const QSignalBlocker block(spin);
        spin->setValue(std::clamp(quantity, 0, kMaxListQuantity));
    }
}

void AccessoryListPage::SetTickedSilently(int row, bool ticked)
{
    if (QTableWidgetItem* item = IsHeading(row) ? nullptr : grdList->item(row, kRecommendedColumn)) {
        const QSignalBlocker block(grdList);
        item->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    }
}

std::vector<AccessoryListRow> AccessoryListPage::Rows() const
{
    std::vector<AccessoryListRow> rows = rows_;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
        rows[static_cast<size_t>(r)].quantity = Quantity(r);
        rows[static_cast<size_t>(r)].useRecommended = Ticked(r);
    }
    return rows;
}

std::vector<std::string> AccessoryListPage::RestoreReopenedItems(const std::vector<ProjectItem>& items)
{
    std::vector<AccessoryListRow> rows = Rows();
    const auto describe = [this](std::string_view part) {
        return GetField(state_.lists.priceIndex.Record(state_.lists.price, part), kPriceDescriptionField);
    };
    std::vector<std::string> records =
        tav::RestoreReopenedItems(rows, items, ReadListSections(state_.folders.data), describe);
    ShowRows(rows);
    return records;
}

void AccessoryListPage::CarryOver(const std::vector<AccessoryListRow>& before)
{
    std::vector<AccessoryListRow> rows = Rows();
    CarryOverRows(rows, before, ReadListSections(state_.folders.data));
    ShowRows(rows);
}

void AccessoryListPage::RecomputeRecommended()
{
    const tav::QuantityInputs in = inputs_();
    for (int r = 0; r < grdList->rowCount(); ++r)
        if (Ticked(r))
            SetQuantitySilently(
                r, RecommendedQuantity(in, rows_[static_cast<size_t>(r)].part, rows_[static_cast<size_t>(r)].section));
}

void AccessoryListPage::btnResetClick()
{
    for (int r = 0; r < grdList->rowCount(); ++r) {
        SetQuantitySilently(r, 0);
        SetTickedSilently(r, false);
    }
    grdList->scrollToTop();
    const QSignalBlocker block(cboJump);
    cboJump->setCurrentIndex(cboJump->count() > 0 ? 0 : -1);
}

void AccessoryListPage::cboJumpChange()
{
    const int entry = cboJump->currentIndex();
    if (entry < 0 || entry >= jumpSections_.size())
        return;
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        if (rows_[static_cast<size_t>(r)].heading &&
            FromData(rows_[static_cast<size_t>(r)].section) == jumpSections_[entry]) {
            // The chosen entry stays chosen even where the end of the list keeps its heading off the top.
            jumping_ = true;
            grdList->scrollToItem(grdList->item(r, kPartColumn), QAbstractItemView::PositionAtTop);
            jumping_ = false;
            return;
        }
    }
}

void AccessoryListPage::ShowSectionOfRow(int row)
{
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return;
    // Sections are found by number, so a section without a heading shifts no entry.
    const int entry = static_cast<int>(jumpSections_.indexOf(FromData(rows_[static_cast<size_t>(row)].section)));
    if (entry < 0)
        return;
    const QSignalBlocker block(cboJump);
    cboJump->setCurrentIndex(entry);
}

void AccessoryListPage::grdListSpun(int row)
{
    SetTickedSilently(row, false);
    grdListCellEdited(row);
}

void AccessoryListPage::grdListCellEdited(int row)
{
    if (IsHeading(row))
        return;
    RunGuarded(platform_.boxes, window(), [&] {
        grdList->setCurrentCell(row, kPartColumn);
        std::vector<AccessoryRow> rows;
        rows.reserve(rows_.size());
        for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
            const AccessoryListRow& x = rows_[static_cast<size_t>(r)];
            rows.push_back({x.part, Quantity(r), Ticked(r), x.section, x.heading});
        }
        const auto offer = [&](std::string_view part) {
            return OfferReplacement(platform_, window(), state_.folders.data, state_.lists.obsolete, part);
        };
        const tav::QuantityInputs in = inputs_();
        const auto recommended = [&](std::string_view part, std::string_view section) {
            return RecommendedQuantity(in, part, section);
        };
        const ListSubstitution result =
            SubstituteInList(rows, static_cast<size_t>(row), state_.lists.obsolete, offer, recommended);
        for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
            const AccessoryRow& x = rows[static_cast<size_t>(r)];
            if (x.heading)
                continue;
            if (x.quantity != Quantity(r))
                SetQuantitySilently(r, x.quantity);
            if (x.useRecommended != Ticked(r))
                SetTickedSilently(r, x.useRecommended);
        }
        if (result.replacementRow) {
            const int target = static_cast<int>(*result.replacementRow);
            grdList->setCurrentCell(target, kPartColumn);
            grdList->scrollToItem(grdList->item(target, kPartColumn));
            grdList->selectRow(target);
        }
        if (result.missingReplacement)
            platform_.boxes.Information(window(),
                                        FromData(*result.missingReplacement) + " is not offered in this list, so " +
                                            FromData(rows[static_cast<size_t>(row)].part) + " stays selected.");
    });
}

} // namespace tav::gui
