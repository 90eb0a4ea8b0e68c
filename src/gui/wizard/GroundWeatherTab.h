#pragma once

#include "core/catalog/CatalogueFile.h"
#include "gui/wizard/WizardPage.h"

#include <string>

class QComboBox;
class QLabel;

namespace tav::gui {

class TImage;

// "Grounding/Weatherproofing": two kits chosen in three steps each. A kit type, a value
// that narrows its records (the grounding wire length in the unit shown, the connector
// interface), and a type that picks the part within the record (the lug attachment, what
// the kit connects to). The grounding kit goes to slot 15, the weatherproofing kit to 16.
class GroundWeatherTab : public WizardPage
{
    Q_OBJECT
public:
    explicit GroundWeatherTab(const WizardContext& context, QWidget* parent = nullptr);

    // Refill the kit types of the cable; each cascades down to its slot.
    void LoadGroundingKits();
    void LoadWeatherproofing();
    // The wire lengths' unit caption.
    void ShowUnit(bool meters);

private slots:
    void cboGroundingTypeChange();
    void cboWireLengthChange();
    void cboLugAttachmentChange();
    void cboWeatherProofingChange();
    void cboConnectorTypeChange();
    void cboCADiameterChange();

private:
    // One kit's three lists and what they resolve into.
    struct Kit
    {
        QComboBox* kind;
        QComboBox* filter;
        QComboBox* type;
        TImage* picture;
        WorkingLists* lists;
        bool* guard;
        int slot;
        bool grounding;
        int shownField = 0; // the record field the filter list shows; 0 before the first fill
    };

    void BuildLayout();
    int FilterField(const Kit& kit) const;
    TypedPartFields Layout(const Kit& kit) const;
    void KindChange(Kit& kit);
    void FilterChange(Kit& kit);
    void TypeChange(Kit& kit);
    // Refill a list under its parent; the wanted text is chosen when the list offers it.
    void FillFilterValues(Kit& kit, const std::string& wanted);
    void FillTypes(Kit& kit, const std::string& wanted);
    void SelectTypedPart(Kit& kit);
    // After an obsolete part was put to the user: the kit type, filter value and type of the
    // first record holding the part ordered; an entry not offered stays as it is.
    void ReselectCategoryOfPart(Kit& kit, const std::string& part);

    QComboBox* cboGroundingType;
    QComboBox* cboWireLength;
    QLabel* lblGroundLength;
    QComboBox* cboLugAttachment;
    TImage* imgGround;
    QComboBox* cboWeatherProofing;
    QComboBox* cboConnectorType;
    QComboBox* cboCADiameter;
    TImage* imgWeather;

    Kit ground_;
    Kit weather_;
};

} // namespace tav::gui
