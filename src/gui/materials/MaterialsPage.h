#pragma once

#include "core/materials/ListOfMaterials.h"

#include <QWidget>

class QLabel;
class QTableView;

namespace tav::gui {

class MaterialsModel;

// The last page: the priced list of materials and its total. It shows a list built in
// full or none at all, so what is saved, printed or exported is always a whole list.
class MaterialsPage : public QWidget
{
    Q_OBJECT
public:
    explicit MaterialsPage(QWidget* parent = nullptr);

    void ShowList(ListOfMaterials list);
    // Empties the page after a build that failed.
    void ClearList();
    // A build succeeded and its list is shown.
    bool HasList() const { return hasList_; }
    const ListOfMaterials& List() const;

private:
    // Widens the price, quantity and extended columns to their widest text.
    void FitAmountColumns();

    QTableView* grdLom;
    QLabel* lblTotalPrice;
    QLabel* lblTotal;
    QLabel* lblKOVA;

    MaterialsModel* model_;
    bool hasList_ = false;
};

} // namespace tav::gui
