#pragma once

#include "gui/app/ImageLoader.h"
#include "gui/app/WizardState.h"
#include "gui/platform/Platform.h"

#include <QSet>
#include <QWidget>
#include <optional>
#include <string_view>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;

namespace tav {
struct Band;
struct Candidate;
struct EvaluationInputs;
struct ListSource;
struct OpenedCablePage;
struct PlanSummary;
struct ProjectInputs;
struct QuantityInputs;
} // namespace tav

namespace tav::gui {

class DecimalSpinEdit;
class GridRow;
class LossPlot;
class TImage;
class TRadioGroup;
class TypeAhead;

// The first page: band, type and diameter narrow the catalogue down to candidate lines,
// evaluated for the run; the chosen row is the selected cable. A specific cable can be
// named instead.
class ParamsPage : public QWidget
{
    Q_OBJECT
public:
    ParamsPage(WizardState& state, Platform& platform, ImageLoader& images, QWidget* parent = nullptr);

    // A type is chosen and a catalogue line is selected.
    bool CableChosen() const;
    // A specific cable is named rather than looked for by band, type and diameter.
    bool SpecificCable() const;
    // The lengths as their boxes show them, for the captions of the other pages.
    QString HorizontalLengthText() const;
    QString VerticalLengthText() const;
    // The number of runs the box shows, before any mount doubles them.
    int RunsShown() const;
    // Skipping the wizard needs a cable to list accessories for.
    void OfferSkipWizard(bool offered);

    // A run named on the command line, as the boxes hold it.
    struct Run
    {
        double horizontalLength;
        double verticalLength;
        int runs;
    };
    // Throws ConversionError for a text that is no number or that its box cannot hold, so
    // a malformed run changes nothing.
    Run RunOf(std::string_view horizontal, std::string_view vertical, std::string_view runs) const;
    // Puts the run in its boxes as if the user had entered it.
    void ShowRun(const Run& run);
    // The selected cable's diameter in its box, and the grid following it.
    void ShowCableDiameter();
    // The settings' specific-cable mode at start-up: a type item and a part number of that type.
    void ApplyCableSetting(bool specific, int typeIndex, const QString& partNumber);

    void LoadFrequencyLists();
    void EvaluateLines();
    void SelectCable(const QString& partNumber);
    void LoadTlineCombo();
    // Makes the first grid row showing the part number current; false when none does.
    bool SelectGridRow(const QString& partNumber);
    // Shows the unit on the page's radio buttons.
    void ShowUnit(bool meters);

    // The installed cost of every row, when the settings show it: read afresh, since the
    // runs, the settings, the overrides or the prices may have changed since the rows came.
    void ShowLineCosts();
    // The page's inputs and the selected line's figures, as an export states them.
    PlanSummary PlanShown() const;

    // What the quantity rules need to know about the run shown.
    tav::QuantityInputs QuantityInputs() const;
    // The band of the frequency boxes; throws ConversionError for a box that is no number.
    Band BandShown() const;
    // What the accessory list is assembled from: the cable, type and band shown, and the line selected.
    ListSource ListSourceShown() const;
    // The page as a project file keeps it.
    ProjectInputs SavedInputs() const;
    // The page of an opened project, put in place without any change handling: the cascade
    // already ran when the project was opened. The stored cable key stays the selected one
    // even when the grid has no line of it.
    void ShowOpenedPage(const OpenedCablePage& page);

signals:
    // The selected cable (or that there is none) is now shown.
    void cableShown();
    // A run length was changed by the user.
    void lengthChanged();
    // The user clicked a unit button.
    void unitClicked(bool meters);
    // Specific-cable mode was left and the page rebuilt.
    void specificModeLeft();
    void listNowClicked();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
    void cboBeginningChange();
    void cboEndingChange();
    void rgCableTypeClick();
    void cboDiameterChange();
    void grdTlinesRowChanged();
    void grdTlinesClickCell();
    void chkCableOnlyClick();
    void cboCableListChange();
    void seNumRunsChange();

private:
    void BuildLayout();
    double TotalLength() const;
    void UpdateCableTypes();
    void LoadDiameters();
    void ShowSelectedCable();
    void ApplyCablePreset(int typeIndex, const QString& partNumber);
    template <typename F> void Guarded(F&& handler);
    std::optional<Band> CurrentBand() const;
    bool Waveguide() const;
    void ShowRows(const std::vector<std::string>& rows);
    // The grid's rows and the plot's curves for the evaluated lines.
    void ShowCandidates(const std::vector<Candidate>& candidates, const EvaluationInputs& inputs);
    void ShowNoLines(const QString& text);
    QString NoLinesText() const;
    void ClearCable();
    QString CurrentRowPart() const;
    void KeepCableRowSelected();
    void ConnectFrequencyBox(QComboBox* box, void (ParamsPage::*handler)());
    void ShareGridWidth();
    // A band box checked for a number; a mistyped one keeps the type and diameter chosen.
    void CheckBand(QComboBox* box);
    // The width a column needs for its heading and its widest cell.
    int ColumnNeeds(size_t column) const;

    QComboBox* cboBeginning;
    QComboBox* cboEnding;
    TRadioGroup* rgCableType;
    QComboBox* cboDiameter;
    DecimalSpinEdit* seHorizontalLength;
    DecimalSpinEdit* seVerticalLength;
    QRadioButton* rbFeet;
    QRadioButton* rbMeters;
    QSpinBox* seNumRuns;
    QTableWidget* grdTlines;
    QLabel* lblTlinePN;
    TImage* imgCable;
    QCheckBox* chkCableOnly;
    QComboBox* cboCableList;
    QPushButton* btnListNow;
    // Says in the empty grid why it is empty.
    QLabel* lblNoLines;
    // Loss against frequency of the grid's rows, beside the grid when there is room.
    LossPlot* pltLoss;

    WizardState& state_;
    Platform& platform_;
    ImageLoader& images_;
    TypeAhead* cableTypeAhead_ = nullptr;
    // Frequency boxes typed in since their text was last applied.
    QSet<QComboBox*> typing_;
    GridRow* gridRow_ = nullptr;
    std::vector<int> headingWidths_; // on two lines
    std::vector<int> oneLineWidths_;
    std::vector<int> cellWidths_;
    // The part number of each grid row, as the catalogue spells it.
    std::vector<std::string> rowParts_;
    // The type and diameter the user had chosen when a mistyped frequency replaced the band:
    // the band that replaces it may fit no line, and they come back once a band offers them
    // again. Any choice of the user's own forgets them.
    struct CableChoice
    {
        int type;
        QString diameter;
    };
    std::optional<CableChoice> beforeMistype_;
};

} // namespace tav::gui
