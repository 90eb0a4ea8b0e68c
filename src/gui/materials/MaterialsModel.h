#pragma once

#include "core/materials/ListOfMaterials.h"

#include <QAbstractTableModel>

namespace tav::gui {

// The priced list as the grid shows it, read straight from the list: nothing is copied
// per row, so a list of any length costs the grid no more than its rows already do.
class MaterialsModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void Show(ListOfMaterials list);
    const ListOfMaterials& List() const { return list_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    ListOfMaterials list_;
};

} // namespace tav::gui
