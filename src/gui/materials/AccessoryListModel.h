#pragma once

#include "core/materials/AccessoryList.h"
#include "core/wizard/Obsolete.h"

#include <QAbstractTableModel>
#include <vector>

namespace tav::gui {

// The rows of the accessory list as the grid shows them. It holds the one copy of each
// row's quantity and tick: the user's edits arrive through setData and are announced by
// Edited, while the program's own writes change the rows without a word.
class AccessoryListModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column
    {
        kPartColumn = 0,
        kDescriptionColumn = 1,
        kQuantityColumn = 2,
        kRecommendedColumn = 3,
        kSectionColumn = 4,
        kColumnCount = 5,
    };
    // A quantity set by a step of the spin button rather than typed: it drops the tick.
    static constexpr int kSpunRole = Qt::UserRole + 1;

    using QAbstractTableModel::QAbstractTableModel;

    void Show(std::vector<AccessoryListRow> rows);
    const std::vector<AccessoryListRow>& Rows() const { return rows_; }
    bool IsItem(int row) const;

    // The program's own writes: no edit handling follows them.
    void SetQuantity(int row, int quantity);
    void ClearOrders();
    // A ticked row's quantity, computed afresh.
    void Recompute(const RecommendedQuantityFn& recommended);
    // Runs the obsolete-part substitution after an edit of the row.
    ListSubstitution Substitute(int row, const LineList& obsolete,
                                const std::function<std::string(std::string_view part)>& offer,
                                const RecommendedQuantityFn& recommended);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

signals:
    // The user changed the row's quantity or tick.
    void Edited(int row);

private:
    void RowChanged(int row);

    std::vector<AccessoryListRow> rows_;
};

} // namespace tav::gui
