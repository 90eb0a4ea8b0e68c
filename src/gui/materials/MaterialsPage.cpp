#include "gui/materials/MaterialsPage.h"

#include "gui/app/PageHeading.h"
#include "gui/app/TextCodec.h"
#include "gui/materials/MaterialsModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <string_view>
#include <unordered_set>

namespace tav::gui {

namespace {

constexpr int kWidths[kMaterialsColumns] = {135, 255, 54, 54, 76};
constexpr int kAmountColumns[] = {2, 3, 4}; // price, quantity, extended

// The widest text of a column's item rows in the font given. Each distinct text is
// measured once: a long list repeats its prices and amounts.
int WidestText(const QFontMetrics& font, const std::vector<MaterialsRow>& rows, int column)
{
    std::unordered_set<std::string_view> seen;
    int widest = 0;
    for (const MaterialsRow& row : rows)
        if (!row.IsHeading() && seen.insert(row.Cell(column)).second)
            widest = std::max(widest, font.horizontalAdvance(FromData(row.Cell(column))));
    return widest;
}

} // namespace

MaterialsPage::MaterialsPage(QWidget* parent) : QWidget(parent), model_(new MaterialsModel(this))
{
    setObjectName("tsLom");
    QVBoxLayout* layout = AddPageHeading(this, "List Of Materials:");

    grdLom = new QTableView(this);
    grdLom->setObjectName("grdLom");
    grdLom->setModel(model_);
    grdLom->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLom->setSelectionMode(QAbstractItemView::NoSelection);
    grdLom->verticalHeader()->setVisible(false);
    grdLom->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grdLom->verticalHeader()->setDefaultSectionSize(45);
    grdLom->setWordWrap(true);
    for (int c = 0; c < kMaterialsColumns; ++c)
        grdLom->setColumnWidth(c, kWidths[c]);
    grdLom->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdLom->setFocusPolicy(Qt::NoFocus);
    QPalette p = grdLom->palette();
    p.setColor(QPalette::Base, palette().color(QPalette::Window));
    grdLom->setPalette(p);
    layout->addWidget(grdLom, 1);

    auto* totals = new QHBoxLayout;
    totals->addStretch();
    lblTotalPrice = new QLabel(kTotalCaption, this);
    lblTotalPrice->setObjectName("lblTotalPrice");
    lblTotalPrice->setStyleSheet("font-weight: bold;");
    // An empty list, also one never built, totals nothing.
    lblTotal = new QLabel(FromData(ListOfMaterials{}.total), this);
    lblTotal->setObjectName("lblTotal");
    lblTotal->setStyleSheet("color: blue; font-weight: bold;");
    totals->addWidget(lblTotalPrice);
    totals->addWidget(lblTotal);
    layout->addLayout(totals);

    QStringList note;
    for (const std::string& line : AdapterNoteLines())
        note << FromData(line);
    lblKOVA = new QLabel(note.join("\r\n"), this);
    lblKOVA->setObjectName("lblKOVA");
    lblKOVA->setVisible(false);
    layout->addWidget(lblKOVA);
}

void MaterialsPage::ShowList(ListOfMaterials list)
{
    hasList_ = true;
    grdLom->setUpdatesEnabled(false);
    grdLom->clearSpans();
    model_->Show(std::move(list));
    const std::vector<MaterialsRow>& rows = model_->List().rows;
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        if (rows[static_cast<size_t>(r)].IsHeading())
            grdLom->setSpan(r, 0, 1, kMaterialsColumns);
    FitAmountColumns();
    // A new list starts at its first row.
    grdLom->scrollToTop();
    grdLom->setUpdatesEnabled(true);
    lblTotal->setText(FromData(model_->List().total));
    lblKOVA->setVisible(model_->List().adapterNote);
}

void MaterialsPage::FitAmountColumns()
{
    // A cut price reads as another price, so the amounts show whole however large and
    // the description, which stretches, takes what is left.
    const QFontMetrics font(grdLom->font());
    // The item's text margins on both sides, and the grid line.
    const int margins = 2 * (grdLom->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grdLom) + 1) + 1;
    for (const int c : kAmountColumns) {
        const int cells = WidestText(font, model_->List().rows, c) + margins;
        grdLom->setColumnWidth(c, std::max({kWidths[c], grdLom->horizontalHeader()->sectionSizeHint(c), cells}));
    }
}

const ListOfMaterials& MaterialsPage::List() const
{
    return model_->List();
}

void MaterialsPage::ClearList()
{
    ShowList({});
    hasList_ = false;
}

} // namespace tav::gui
