#include "gui/materials/AccessoryListModel.h"

#include "gui/app/TextCodec.h"

#include <QFont>
#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

namespace tav::gui {

void AccessoryListModel::Show(std::vector<AccessoryListRow> rows)
{
    beginResetModel();
    rows_ = std::move(rows);
    for (AccessoryListRow& r : rows_)
        r.quantity = std::clamp(r.quantity, 0, kMaxListQuantity);
    endResetModel();
}

bool AccessoryListModel::IsItem(int row) const
{
    return row >= 0 && row < static_cast<int>(rows_.size()) && !rows_[static_cast<size_t>(row)].heading;
}

void AccessoryListModel::RowChanged(int row)
{
    emit dataChanged(index(row, kQuantityColumn), index(row, kRecommendedColumn));
}

void AccessoryListModel::SetQuantity(int row, int quantity)
{
    if (!IsItem(row))
        return;
    rows_[static_cast<size_t>(row)].quantity = std::clamp(quantity, 0, kMaxListQuantity);
    RowChanged(row);
}

void AccessoryListModel::ClearOrders()
{
    for (AccessoryListRow& r : rows_) {
        r.quantity = 0;
        r.useRecommended = false;
    }
    if (!rows_.empty())
        emit dataChanged(index(0, kQuantityColumn), index(rowCount() - 1, kRecommendedColumn));
}

void AccessoryListModel::Recompute(const RecommendedQuantityFn& recommended)
{
    FillRecommended(rows_, recommended);
    if (!rows_.empty())
        emit dataChanged(index(0, kQuantityColumn), index(rowCount() - 1, kQuantityColumn));
}

ListSubstitution AccessoryListModel::Substitute(int row, const LineList& obsolete,
                                                const std::function<std::string(std::string_view part)>& offer,
                                                const RecommendedQuantityFn& recommended)
{
    if (!IsItem(row))
        return {};
    // The offer asks the user, so the rows it decides about are copied first: nothing the
    // box lets happen meanwhile can pull them away.
    std::vector<AccessoryListRow> rows = rows_;
    ListSubstitution result = SubstituteInList(rows, static_cast<size_t>(row), obsolete, offer, recommended);
    if (rows.size() != rows_.size())
        return result;
    const auto take = [&](size_t r) {
        rows_[r].quantity = std::clamp(rows[r].quantity, 0, kMaxListQuantity);
        rows_[r].useRecommended = rows[r].useRecommended;
        RowChanged(static_cast<int>(r));
    };
    take(static_cast<size_t>(row));
    if (result.replacementRow)
        take(*result.replacementRow);
    return result;
}

int AccessoryListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int AccessoryListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant AccessoryListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const AccessoryListRow& row = rows_[static_cast<size_t>(index.row())];
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (column == kPartColumn)
            return FromData(row.part);
        if (column == kSectionColumn)
            return FromData(row.section);
        if (row.heading)
            return {};
        if (column == kDescriptionColumn)
            return FromData(row.description);
        if (column == kQuantityColumn)
            return row.quantity;
        return {};
    case Qt::CheckStateRole:
        if (column == kRecommendedColumn && !row.heading)
            return row.useRecommended ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::TextAlignmentRole:
        if (column == kQuantityColumn)
            return Qt::AlignCenter;
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (row.heading) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return {};
    case Qt::BackgroundRole:
        // Headings stand out from the rows to order, as raised bars do.
        return row.heading ? QGuiApplication::palette().button() : QGuiApplication::palette().base();
    default:
        return {};
    }
}

QVariant AccessoryListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char* const headings[kColumnCount] = {"Part Number", "Description", "Quantity",
                                                       "Use Recommended Quantity", ""};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumnCount)
        return QString::fromLatin1(headings[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags AccessoryListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    if (!IsItem(index.row()))
        return Qt::ItemIsEnabled;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.column() == kQuantityColumn)
        f |= Qt::ItemIsEditable;
    if (index.column() == kRecommendedColumn)
        f |= Qt::ItemIsUserCheckable;
    return f;
}

bool AccessoryListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int r = index.row();
    if (!index.isValid() || !IsItem(r))
        return false;
    AccessoryListRow& row = rows_[static_cast<size_t>(r)];
    if (index.column() == kRecommendedColumn && role == Qt::CheckStateRole) {
        row.useRecommended = value.toInt() == Qt::Checked;
    } else if (index.column() == kQuantityColumn && (role == Qt::EditRole || role == kSpunRole)) {
        bool whole = false;
        const qlonglong quantity = value.toLongLong(&whole);
        // Below nothing or beyond what a row holds is refused, and the row stays as it was.
        if (!whole || quantity < 0 || quantity > kMaxListQuantity)
            return false;
        if (role == Qt::EditRole && quantity == row.quantity)
            return true;
        row.quantity = static_cast<int>(quantity);
        if (role == kSpunRole)
            row.useRecommended = false;
    } else {
        return false;
    }
    RowChanged(r);
    emit Edited(r);
    return true;
}

} // namespace tav::gui
