#pragma once

#include "core/common/LineList.h"
#include "core/settings/CustomizePages.h"
#include "core/settings/QuantityOverrides.h"
#include "gui/app/ImageLoader.h"
#include "gui/platform/Platform.h"

#include <QDialog>
#include <array>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QTableWidget;
class QTabWidget;

namespace tav::gui {

class DecimalSpinEdit;
class TImage;
class TypeAhead;

// The editor of the user's preferences: hanger spacings per transmission line, the
// grounding and hoisting spacings, obsolete parts, the start-up cable preset and the
// quantity overrides of advanced.dat. Created for one modal showing.
class TfrmCustom : public QDialog
{
    Q_OBJECT
public:
    // tlines: the loaded catalogue of transmission lines; cableKey: the main window's.
    TfrmCustom(Platform& platform, const std::string& dataFolder, const QString& imagesFolder, const LineList& tlines,
               const std::string& cableKey, QWidget* parent = nullptr);
    ~TfrmCustom() override;

    // Something was (or, after an I/O error, may have been) written to settings.dat or
    // advanced.dat while the dialog was open.
    bool WroteSettings() const { return wrote_; }
    // Every page was loaded, so saving writes nothing the user has not seen.
    bool CanSave() const;

private slots:
    void cboTlinesChange();
    void rbCableTypeClick();
    void chkSelectCableClick();
    void cboDefaultCableChange();
    void btnAddOtherClick();
    void btnDeleteOtherClick();
    void btnReloadOtherClick();
    void btnRestoreClick();
    void btnSaveSettingsClick();
    void btnSaveClick();
    void btnCancelClick();

private:
    // The design's controls; tests find them by objectName.
    QComboBox* cboTlines;
    QTabWidget* pcCustomize;
    std::array<QWidget*, kHangerFamilyCount> tsHangers;
    std::array<QLabel*, kHangerFamilyCount> lblHangerPart;
    std::array<DecimalSpinEdit*, kHangerFamilyCount> seHangerSpacing;
    std::array<TImage*, kHangerFamilyCount> imgHanger;
    QWidget* tsGroundingKits;
    DecimalSpinEdit* seGroundingKitQty;
    TImage* imgGroundingKits;
    QWidget* tsHoistingGrips;
    DecimalSpinEdit* seHoistGripQty;
    TImage* imgHoistingGrips;
    QWidget* tsOldParts;
    QCheckBox* chkOldInWizard;
    QCheckBox* chkOldInList;
    QCheckBox* chkRecomendReplace;
    QCheckBox* chkSelectCable;
    QRadioButton* rbAir;
    QRadioButton* rbFoam;
    QRadioButton* rbWaveguide;
    QComboBox* cboDefaultCable;
    QCheckBox* chkLineOnList;
    QSpinBox* seLineWaste;
    QComboBox* cboLineSection;
    QCheckBox* chkLineCost;
    QWidget* tsOtherDefaults;
    QTableWidget* grdDefaultQuantities;
    QPushButton* btnAddOther;
    QPushButton* btnDeleteOther;
    QPushButton* btnReloadOther;
    QPushButton* btnRestore;
    QPushButton* btnSaveSettings;
    QPushButton* btnSave;
    QPushButton* btnCancel;

    // What a spacing box was loaded with, so an untouched box saves the file's own text.
    struct LoadedSpacing
    {
        std::string stored;
        QString shown;
    };
    // The parts of the dialog that load on their own; a part that failed is not saved.
    enum Part
    {
        kSpacingsPart,
        kObsoletePart,
        kOverridesPart,
        kSelectionPart,
        kLinePart,
        kPartCount,
    };

    void BuildLayout();
    QWidget* BuildHangerPage(int family, const QString& caption);
    QWidget* BuildSpacingPage(const char* name, const QString& text, DecimalSpinEdit*& spin, TImage*& image,
                              int initial, const char* spinName);
    QWidget* BuildOldPartsPage();
    QWidget* BuildLineOptions(QWidget* page);
    QWidget* BuildOverridesPage();
    void FormShow();
    void LoadPictures();

    template <typename F> void LoadPart(Part part, F&& load);
    void MarkPart(Part part, const QString& error);
    QList<QWidget*> PagesOf(Part part) const;
    void UpdateSaveButtons();
    void ShowVisiblePage();

    void LoadSpacings(const QString& cableKey);
    void ShowSpacing(DecimalSpinEdit* spin, LoadedSpacing& loaded, const std::string& stored, SpacingKind kind,
                     double fallback);
    void LoadObsoleteBoxes();
    void LoadOverrides();
    void LoadSelectionOptions();
    void LoadLineOptions();
    LineOptions CollectLineOptions() const;
    void SaveLineOptions();
    void FillDefaultCables(const QString& wanted);
    void EnableCablePreset();

    void AddOverrideRow(const QString& part, int quantity, const std::string& storedPart);
    std::vector<QuantityOverride> OverrideRows() const;
    void ClearOverrideRows();

    // The refusals come first, so a refused save writes nothing.
    bool CheckPages();
    SpacingChanges CollectSpacings() const;
    QString SpacingBoxText(DecimalSpinEdit* spin) const;
    SelectionOptions CollectSelection() const;
    // Runs one write step; an I/O error counts as a write, since the file may have changed.
    template <typename F> void WriteStep(F&& step);
    void SaveObsolete();
    void SaveOverrides();
    void SaveSpacings();
    void SaveSelection();

    Platform& platform_;
    std::string dataFolder_;
    const LineList& tlines_;
    std::string cableKey_;
    ImageLoader images_;
    TypeAhead* defaultCableTypeAhead_ = nullptr;

    std::array<LoadedSpacing, kHangerFamilyCount> hangerLoaded_;
    LoadedSpacing groundingLoaded_;
    LoadedSpacing hoistLoaded_;
    std::string loadedCableKey_; // the section the hanger pages show
    std::string loadedCableName_;
    // The line options as settings.dat held them, so only what the user changes is written.
    LineOptions loadedLine_;
    int loadedSectionIndex_ = -1;
    std::array<bool, kPartCount> loaded_{};
    std::array<QString, kPartCount> errors_;
    bool wrote_ = false;
};

} // namespace tav::gui
