#pragma once

#include "core/materials/AccessoryList.h"
#include "core/materials/ReopenedProject.h"
#include "gui/app/WizardState.h"
#include "gui/platform/Platform.h"

#include <QTableView>
#include <QWidget>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;

namespace tav {
struct Band;
struct QuantityInputs;
} // namespace tav

namespace tav::gui {

class AccessoryListModel;

// The accessory grid: Tab passes through it as through any one control, and a key typed
// or an edit asked for on an item row edits that row's quantity.
class TAccessoryGrid : public QTableView
{
    Q_OBJECT
public:
    using QTableView::QTableView;
    bool Editing() const { return state() == EditingState; }

protected:
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
};

// The tab "Accessory List": every accessory the catalogue offers for the selected cable,
// grouped under the headings of accessorylist.dat, each with a quantity to order.
class AccessoryListPage : public QWidget
{
    Q_OBJECT
public:
    using InputsFn = std::function<tav::QuantityInputs()>;

    AccessoryListPage(WizardState& state, Platform& platform, InputsFn inputs, QWidget* parent = nullptr);

    // "Select from this list only": the list alone, without the wizard's other tabs.
    bool ListOnly() const;
    // The box shows, so the user may untick it (hidden when the list was reached without
    // the wizard: then the list is all there is).
    bool ListOnlyOffered() const;
    // Reached without the wizard: ticked and hidden.
    void FixListOnly();
    // Back in the wizard: unticked and shown.
    void ReleaseListOnly();
    // The line above the grid that names the cable.
    void ShowCableNote(const QString& text);

    // Rebuilds the rows and the jump box for the cable: its own items, those for every
    // cable and for its type, the surge protectors that fit the band, and the selected
    // line, ticked, when the settings put it on the list. Throws ConversionError before
    // any row is shown when a surge frequency is not a number.
    void LoadAccessoryList(const ListSource& source);
    // The line's item among rows shown from elsewhere (an opened project's).
    void OfferLine(std::optional<LineListItem> line) { line_ = std::move(line); }
    // Empties the grid; what it had ordered comes back with the next list built, for
    // every part that list offers.
    void ClearList();

    // The rows with the quantities and ticks shown.
    const std::vector<AccessoryListRow>& Rows() const;
    // Shows rows built elsewhere (an opened project's), with their quantities and ticks;
    // earlier orders are forgotten.
    void ShowRows(std::vector<AccessoryListRow> rows);
    // Says that the catalogue lists nothing for the cable.
    void ShowNoneOffered(const std::string& cableKey);
    // After a reload, the quantities and ticks of the rows shown before it.
    void CarryOver(const std::vector<AccessoryListRow>& before);
    // Recommended quantities of the ticked rows, computed afresh.
    void RecomputeRecommended();

signals:
    void listOnlyToggled(bool checked);
    // Ticked or unticked by the user (not by the program).
    void listOnlyClicked(bool checked);

private slots:
    void btnResetClick();
    void cboJumpChange();
    void grdListCellEdited(int row);

private:
    void BuildLayout();
    void ShowSectionOfRow(int row);
    // The recommended quantities for the inputs the pages show now.
    RecommendedQuantityFn Recommended() const;

    QLabel* lblMisc;
    QCheckBox* chkMiscOnly;
    QPushButton* btnReset;
    QComboBox* cboJump;
    QTableView* grdList;

    WizardState& state_;
    Platform& platform_;
    InputsFn inputs_;
    AccessoryListModel* model_;
    TAccessoryGrid* grid_; // grdList
    // The orders of a grid emptied before a new list was built.
    std::vector<AccessoryListRow> kept_;
    // The sections in the order of their headings, as the jump box lists them, and the
    // row of each heading.
    QStringList jumpSections_;
    std::vector<int> jumpRows_;
    bool jumping_ = false;                   // the jump box is scrolling the grid
    std::optional<LineListItem> line_;       // the line's row follows a rule of its own
    std::optional<LineListItem> lineBefore_; // the line of the list the last reload replaced
};

} // namespace tav::gui
