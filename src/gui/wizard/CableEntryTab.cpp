#include "gui/wizard/CableEntryTab.h"

#include "core/common/Text.h"
#include "core/wizard/Selection.h"
#include "core/wizard/TypedParts.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"
#include "gui/wizard/ChoiceBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <functional>

namespace tav::gui {

namespace {

// A quantity box that says when a step (an arrow, a page key, the wheel) commits its value.
class QuantityBox : public QSpinBox
{
public:
    using QSpinBox::QSpinBox;
    std::function<void()> stepped;

protected:
    void stepBy(int steps) override
    {
        QSpinBox::stepBy(steps);
        if (stepped)
            stepped();
    }
};

QSpinBox* MakeQuantityBox(const QString& name, QWidget* parent)
{
    auto* box = new QuantityBox(parent);
    box->setObjectName(name);
    // The down arrow stops at 0.
    box->setRange(0, 99999);
    return box;
}

} // namespace

CableEntryTab::CableEntryTab(const WizardContext& context, QWidget* parent)
    : WizardPage(context, "tsCableEntry", parent)
{
    BuildLayout();
    plates_ = {.box = cboEoep,
               .picture = imgEoep,
               .quantity = seEoepQty,
               .slot = slot::EntryPlate,
               .guard = &state_.guards.entryPlate,
               .pictures = {kEntryPlaceholderPicture, nullptr},
               .boots = false};
    boots_ = {.box = cboEntryBoots,
              .picture = imgEntryBoot,
              .quantity = seEntryBootQty,
              .slot = slot::EntryBoots,
              .guard = &state_.guards.entryBoots,
              .pictures = {kEntryPlaceholderPicture, kBootPicture},
              .boots = true};

    connect(cboCEDiameter, &QComboBox::currentIndexChanged, this,
            [this] { Handle([this] { cboCEDiameterChange(); }); });
    connect(cboEoep, &QComboBox::currentIndexChanged, this, [this] { Handle([this] { cboEoepChange(); }); });
    connect(cboEntryBoots, &QComboBox::currentIndexChanged, this,
            [this] { Handle([this] { cboEntryBootsChange(); }); });
    connect(seEoepQty, &QSpinBox::valueChanged, this, [this] { Handle([this] { seEoepQtyChange(); }); });
    connect(seEntryBootQty, &QSpinBox::valueChanged, this, [this] { Handle([this] { seEntryBootQtyChange(); }); });
    connect(seArrestorQty, &QSpinBox::valueChanged, this, [this] { Handle([this] { seArrestorQtyChange(); }); });
    // Typing "12" passes through 1: the slot follows every keystroke, but the user is told
    // about the value once it is committed.
    connect(seArrestorQty, &QSpinBox::editingFinished, this, [this] { Handle([this] { ArrestorQtyCommitted(); }); });
    static_cast<QuantityBox*>(seArrestorQty)->stepped = [this] { Handle([this] { ArrestorQtyCommitted(); }); };
}

void CableEntryTab::BuildLayout()
{
    auto* layout = new QVBoxLayout(this);
    auto* entry = new QGroupBox("Type / Diameter:", this);
    cboCEDiameter = MakeChoiceBox("cboCEDiameter");
    (new QVBoxLayout(entry))->addWidget(cboCEDiameter);
    layout->addWidget(entry);

    // Plate, boots and arrestor side by side: each a list (the arrestor has none), its
    // quantity and its picture.
    auto* row = new QHBoxLayout;
    layout->addLayout(row);
    const auto addGroup = [&](const QString& caption, const QString& pictureName, const QString& quantityName,
                              TImage*& picture, QSpinBox*& quantity) {
        auto* group = new QGroupBox(caption, this);
        row->addWidget(group, 1);
        auto* grid = new QGridLayout(group);
        picture = new TImage(pictureName, this);
        picture->setMinimumSize(150, 150);
        quantity = MakeQuantityBox(quantityName, this);
        grid->addWidget(new QLabel("Quantity:", this), 1, 0);
        grid->addWidget(quantity, 1, 1);
        grid->addWidget(picture, 2, 0, 1, 2, Qt::AlignCenter);
        grid->setColumnStretch(1, 1);
        return grid;
    };
    const auto addTyped = [&](const QString& caption, const QString& name, const QString& pictureName,
                              const QString& quantityName, QComboBox*& box, TImage*& picture, QSpinBox*& quantity) {
        QGridLayout* grid = addGroup(caption, pictureName, quantityName, picture, quantity);
        box = MakeChoiceBox("cbo" + name);
        grid->addWidget(box, 0, 0, 1, 2);
        // Part descriptions are long; the list drops down wide enough to read them.
        WidenDropDown(*box);
    };
    addTyped("Entry Opening, Entrance Plate", "Eoep", "imgEoep", "seEoepQty", cboEoep, imgEoep, seEoepQty);
    addTyped("Cable Entry Boots:", "EntryBoots", "imgEntryBoot", "seEntryBootQty", cboEntryBoots, imgEntryBoot,
             seEntryBootQty);
    addGroup("Integrated Entry/Ground Arrestor System", "imgArrestor", "seArrestorQty", imgArrestor, seArrestorQty);
    layout->addStretch();
}

TypedPartFields CableEntryTab::Layout(const EntryList& list) const
{
    return list.boots ? EntryBootFields(state_.entry.types.size()) : EntryPlateFields();
}

void CableEntryTab::LoadEntryTypes()
{
    LoadCatalogueChoices(*cboCEDiameter, kEntryFile, state_.entry, [this] { cboCEDiameterChange(); });
    // Whatever emptied the arrestor's slot meanwhile, it follows the box again.
    WriteArrestorSlot();
}

void CableEntryTab::cboCEDiameterChange()
{
    FillEntryLists(nullptr, {});
}

void CableEntryTab::FillEntryLists(const EntryList* reselected, const std::string& type)
{
    const std::string category = ToData(cboCEDiameter->currentText());
    const bool keepObsolete = KeepObsoleteInWizard(state_.folders.data);
    for (EntryList* list : {&plates_, &boots_}) {
        const std::vector<std::string> entries =
            EntryTypeChoices(state_.entry, category, Layout(*list), state_.lists.obsolete, keepObsolete);
        const std::string current = ToData(list->box->currentText());
        const std::string_view previous = list == reselected ? PreferredChoice(entries, type, current) : current;
        FillChoiceBox(*list->box, entries, FromData(previous), false, [this, list] { TypeChange(*list); });
    }
}

void CableEntryTab::cboEoepChange()
{
    TypeChange(plates_);
}

void CableEntryTab::cboEntryBootsChange()
{
    TypeChange(boots_);
}

void CableEntryTab::TypeChange(EntryList& list)
{
    // "None" orders nothing, whatever its place in the list; a chosen part is at least one.
    const bool chosen = list.box->currentIndex() >= 0 && !EqualsNoCase(ToData(list.box->currentText()), kNoneChoice);
    if (chosen) {
        list.quantity->setMinimum(1);
    } else {
        list.quantity->setMinimum(0);
        list.quantity->setValue(0);
    }
    list.quantity->setEnabled(chosen);
    ShowChoicePicture(*list.box, list.picture, list.pictures);
    if (!*list.guard)
        SelectEntryPart(list);
}

void CableEntryTab::SelectEntryPart(EntryList& list)
{
    const std::string category = ToData(cboCEDiameter->currentText());
    const std::string type = ToData(list.box->currentText());
    const auto moveTo = tav::SelectEntryPart(state_.selection, Inputs(), state_.lists.obsolete, state_.entry,
                                             {category, type, 0, {}}, list.slot, ToData(list.quantity->cleanText()),
                                             [this](std::string_view part) { return OfferReplacement(part); });
    if (moveTo)
        ReselectCategoryOfPart(list, *moveTo);
}

void CableEntryTab::ReselectCategoryOfPart(EntryList& list, const std::string& part)
{
    const GuardScope guarded(*list.guard);
    const auto place = PlaceOfPart(state_.entry, part, EntryPlateFields(), 0);
    if (!place)
        return;
    const int index = FindEntryNoCase(cboCEDiameter, FromData(place->category));
    if (index < 0)
        return;
    if (index != cboCEDiameter->currentIndex()) {
        {
            const QSignalBlocker block(cboCEDiameter);
            cboCEDiameter->setCurrentIndex(index);
        }
        // Both lists follow the new entry type; the other list orders its own part for it.
        FillEntryLists(&list, place->type);
        return;
    }
    const int typeIndex = FindEntryNoCase(list.box, FromData(place->type));
    if (typeIndex < 0 || typeIndex == list.box->currentIndex())
        return;
    {
        const QSignalBlocker block(list.box);
        list.box->setCurrentIndex(typeIndex);
    }
    TypeChange(list);
}

void CableEntryTab::seEoepQtyChange()
{
    QuantityChange(plates_);
}

void CableEntryTab::seEntryBootQtyChange()
{
    QuantityChange(boots_);
}

void CableEntryTab::QuantityChange(const EntryList& list)
{
    WriteSelectionQuantity(state_.selection, list.slot, ToData(list.quantity->cleanText()), section::CableEntry);
}

void CableEntryTab::seArrestorQtyChange()
{
    images_.LoadImage(imgArrestor, seArrestorQty->value() > 0 ? kArrestorPicture : kArrestorPlaceholderPicture, false);
    WriteArrestorSlot();
}

void CableEntryTab::ArrestorQtyCommitted()
{
    if (seArrestorQty->value() == arrestorCommitted_)
        return;
    arrestorCommitted_ = seArrestorQty->value();
    ShowArrestorPicture(false);
    if (!WriteArrestorSlot())
        platform_.boxes.Error(window(), "No arrestor is ordered: cblEntry.dat names no arrestor part number "
                                        "([Arrestor] PN).");
}

bool CableEntryTab::WriteArrestorSlot()
{
    return WriteArrestorSelection(state_.selection, state_.folders.data, seArrestorQty->value());
}

void CableEntryTab::ShowArrestorPicture(bool reportPlaceholder)
{
    if (seArrestorQty->value() > 0)
        images_.LoadImage(imgArrestor, kArrestorPicture, true);
    else
        images_.LoadImage(imgArrestor, kArrestorPlaceholderPicture, reportPlaceholder);
}

} // namespace tav::gui
