#pragma once

#include "core/materials/AccessoryList.h"
#include "gui/app/WizardState.h"
#include "gui/platform/Platform.h"

#include <QSpinBox>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace tav {
struct Band;
struct QuantityInputs;
} // namespace tav

namespace tav::gui {

// The quantity editor of an item row: whole numbers from 0, never below it. A step of its
// arrows is told apart from typing, since only a step drops the recommended quantity.
class TQuantitySpin : public QSpinBox
{
    Q_OBJECT
public:
    explicit TQuantitySpin(QWidget* parent = nullptr);
    void stepBy(int steps) override;

signals:
    void stepped();
};

// The tab "Accessory List": every accessory the catalogue offers for the selected cable,
// grouped under the headings of accessorylist.dat, each with a quantity to order.
class AccessoryListPage : public QWidget
{
    Q_OBJECT
public:
    using InputsFn = std::function<tav::QuantityInputs()>;

    AccessoryListPage(WizardState& state, Platform& platform, InputsFn inputs, QWidget* parent = nullptr);

    QLabel* lblMisc;
    QCheckBox* chkMiscOnly;
    QPushButton* btnReset;
    QComboBox* cboJump;
    QTableWidget* grdList;

    enum Column
    {
        kPartColumn = 0,
        kDescriptionColumn = 1,
        kQuantityColumn = 2,
        kRecommendedColumn = 3,
        kSectionColumn = 4,
        kColumnCount = 5,
    };

    // Rebuilds the rows and the jump box for the cable: its own items, those for every
    // cable and for its type, and the surge protectors that fit the band (none when no
    // band is given). Throws ConversionError before any row is shown when a surge
    // frequency is not a number.
    void LoadAccessoryList(const std::string& cableKey, std::string_view typeCode, const Band* band);
    void ClearList() { ShowRows({}); }

    // The rows with the quantities and ticks shown.
    std::vector<AccessoryListRow> Rows() const;
    // Puts reopened items back into the rows and returns their selection records.
    std::vector<std::string> RestoreReopenedItems(const std::vector<ProjectItem>& items);
    // After a reload, the quantities and ticks of the rows shown before it.
    void CarryOver(const std::vector<AccessoryListRow>& before);
    // Recommended quantities of the ticked rows, computed afresh.
    void RecomputeRecommended();

public slots:
    void btnResetClick();
    void cboJumpChange();
    void grdListCellEdited(int row);
    void grdListSpun(int row);

private:
    void BuildLayout();
    void ShowRows(const std::vector<AccessoryListRow>& rows);
    TQuantitySpin* Spin(int row) const;
    bool IsHeading(int row) const;
    int Quantity(int row) const;
    bool Ticked(int row) const;
    // Writes made by the program itself raise none of the edit handling.
    void SetQuantitySilently(int row, int quantity);
    void SetTickedSilently(int row, bool ticked);
    void ShowSectionOfRow(int row);

    WizardState& state_;
    Platform& platform_;
    InputsFn inputs_;
    std::vector<AccessoryListRow> rows_;
    // The sections in the order of their headings, as the jump box lists them.
    QStringList jumpSections_;
    bool jumping_ = false; // the jump box is scrolling the grid
    int editedRow_ = -1;   // the row whose quantity is being typed
};

} // namespace tav::gui
