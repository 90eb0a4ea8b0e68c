#include "gui/materials/MaterialsPage.h"

#include "gui/app/PageHeading.h"
#include "gui/app/TextCodec.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tav::gui {

MaterialsPage::MaterialsPage(QWidget* parent) : QWidget(parent)
{
    setObjectName("tsLom");
    QVBoxLayout* layout = AddPageHeading(this, "List Of Materials:");

    grdLom = new QTableWidget(0, kMaterialsColumns, this);
    grdLom->setObjectName("grdLom");
    QStringList headings;
    for (const char* heading : kMaterialsHeadings)
        headings << heading;
    grdLom->setHorizontalHeaderLabels(headings);
    grdLom->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdLom->setSelectionMode(QAbstractItemView::NoSelection);
    grdLom->verticalHeader()->setVisible(false);
    grdLom->verticalHeader()->setDefaultSectionSize(45);
    grdLom->setWordWrap(true);
    const int widths[kMaterialsColumns] = {135, 255, 54, 54, 76};
    for (int c = 0; c < kMaterialsColumns; ++c)
        grdLom->setColumnWidth(c, widths[c]);
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
    lblTotal = new QLabel(this);
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
    list_ = std::move(list);
    hasList_ = true;
    grdLom->setUpdatesEnabled(false);
    grdLom->clearSpans();
    grdLom->clearContents();
    grdLom->setRowCount(static_cast<int>(list_.rows.size()));
    QFont bold = grdLom->font();
    bold.setBold(true);
    for (int r = 0; r < static_cast<int>(list_.rows.size()); ++r) {
        const MaterialsRow& row = list_.rows[static_cast<size_t>(r)];
        for (int c = 0; c < kMaterialsColumns; ++c) {
            auto* item = new QTableWidgetItem(FromData(row.Cell(c)));
            item->setFlags(Qt::ItemIsEnabled);
            item->setTextAlignment((c < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
            item->setBackground(row.IsHeading() ? palette().button() : palette().base());
            if (row.IsHeading())
                item->setFont(bold);
            grdLom->setItem(r, c, item);
        }
        if (row.IsHeading())
            grdLom->setSpan(r, 0, 1, kMaterialsColumns);
    }
    grdLom->setUpdatesEnabled(true);
    lblTotal->setText(FromData(list_.total));
    lblKOVA->setVisible(list_.adapterNote);
}

void MaterialsPage::ClearList()
{
    ShowList({});
    hasList_ = false;
}

} // namespace tav::gui
