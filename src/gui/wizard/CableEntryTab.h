#pragma once

#include "core/catalog/CatalogueFile.h"
#include "core/wizard/ChoicePictures.h"
#include "gui/wizard/WizardPage.h"

#include <string>

class QComboBox;
class QSpinBox;

namespace tav::gui {

class TImage;

// "Cable Entry": how the feeders pass into the shelter. The entry type picks the plates
// and boots that cblEntry.dat has for the cable; each goes to its slot with the quantity
// its box shows. The arrestor is one part for every cable, ordered by its box alone.
class CableEntryTab : public WizardPage
{
    Q_OBJECT
public:
    explicit CableEntryTab(const WizardContext& context, QWidget* parent = nullptr);

    // Refills the entry types of the cable, which refills the plates and boots and writes
    // their slots; the arrestor's slot is written from its box again.
    void LoadEntryTypes();
    // Writes the arrestor's slot again from its box: after the selection list was reset the
    // box still shows what the user ordered. False when the box asks for an arrestor that
    // cblEntry.dat does not name (the slot is then empty).
    bool WriteArrestorSlot();
    // The arrestor's picture always shows what its box orders.
    void ShowArrestorPicture(bool reportPlaceholder);

private slots:
    void cboCEDiameterChange();
    void cboEoepChange();
    void cboEntryBootsChange();
    void seEoepQtyChange();
    void seEntryBootQtyChange();
    void seArrestorQtyChange();

private:
    // Says once what is wrong with the arrestor's quantity, when the value is committed.
    void ArrestorQtyCommitted();
    // The plate list or the boot list, with what belongs to it.
    struct EntryList
    {
        QComboBox* box;
        TImage* picture;
        QSpinBox* quantity;
        int slot;
        bool* guard;
        ChoicePictureRule pictures;
        bool boots;
    };

    void BuildLayout();
    TypedPartFields Layout(const EntryList& list) const;
    // Refills both lists for the chosen entry type and runs each list's handler once. The
    // list a replacement is being shown in prefers the replacement's type.
    void FillEntryLists(const EntryList* reselected, const std::string& type);
    void TypeChange(EntryList& list);
    void QuantityChange(const EntryList& list);
    void SelectEntryPart(EntryList& list);
    // After an obsolete part was put to the user: the entry type and the list's type of the
    // first record holding the part ordered; an entry not offered stays as it is.
    void ReselectCategoryOfPart(EntryList& list, const std::string& part);

    QComboBox* cboCEDiameter;
    QComboBox* cboEoep;
    TImage* imgEoep;
    QSpinBox* seEoepQty;
    QComboBox* cboEntryBoots;
    TImage* imgEntryBoot;
    QSpinBox* seEntryBootQty;
    TImage* imgArrestor;
    QSpinBox* seArrestorQty;

    EntryList plates_;
    EntryList boots_;
    // The arrestor's quantity when it was last committed: Enter alone commits it again.
    int arrestorCommitted_ = 0;
};

} // namespace tav::gui
