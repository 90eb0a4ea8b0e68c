#include "gui/materials/MaterialsModel.h"

#include "gui/app/TextCodec.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>

namespace tav::gui {

void MaterialsModel::Show(ListOfMaterials list)
{
    beginResetModel();
    list_ = std::move(list);
    endResetModel();
}

int MaterialsModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(list_.rows.size());
}

int MaterialsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kMaterialsColumns;
}

QVariant MaterialsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const MaterialsRow& row = list_.rows[static_cast<size_t>(index.row())];
    switch (role) {
    case Qt::DisplayRole:
        return FromData(row.Cell(index.column()));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((index.column() < 2 ? Qt::AlignLeft : Qt::AlignHCenter) | Qt::AlignVCenter);
    case Qt::FontRole:
        if (row.IsHeading()) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        // Headings stand out from the rows, as raised bars do.
        return row.IsHeading() ? QGuiApplication::palette().button() : QGuiApplication::palette().base();
    default:
        return {};
    }
}

QVariant MaterialsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kMaterialsColumns)
        return QString::fromLatin1(kMaterialsHeadings[static_cast<size_t>(section)]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags MaterialsModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

} // namespace tav::gui
