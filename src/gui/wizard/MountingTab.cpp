#include "gui/wizard/MountingTab.h"

#include "core/catalog/MountCatalogue.h"
#include "core/wizard/Selection.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"
#include "gui/wizard/ChoiceBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QSignalBlocker>

namespace tav::gui {

namespace {

const ChoicePictureRule kMountPictures{kMountPlaceholderPicture, nullptr};

QString SideWord(MountSide side)
{
    return side == MountSide::Vertical ? QStringLiteral("Vertical") : QStringLiteral("Horizontal");
}

} // namespace

MountingTab::MountingTab(const WizardContext& context, MountSide side, QWidget* parent)
    : WizardPage(context, "ts" + SideWord(side), parent), side_(side),
      attachmentGroup_(GroupFrom(side == MountSide::Vertical ? slot::VerticalAttachment : slot::HorizontalAttachment)),
      hardwareGroup_(GroupFrom(side == MountSide::Vertical ? slot::VerticalHardware : slot::HorizontalHardware))
{
    BuildLayout();
    connect(cboMount, &QComboBox::currentIndexChanged, this, [this] { Handle([this] { cboMountChange(); }); });
    connect(cboCableAttachment, &QComboBox::currentIndexChanged, this,
            [this] { Handle([this] { cboCableAttachmentChange(); }); });
    connect(cboMountingHardware, &QComboBox::currentIndexChanged, this,
            [this] { Handle([this] { cboMountingHardwareChange(); }); });
    if (cboHoistingGrip)
        connect(cboHoistingGrip, &QComboBox::currentIndexChanged, this,
                [this] { Handle([this] { cboHoistingGripChange(); }); });
}

void MountingTab::BuildLayout()
{
    const QString word = SideWord(side_);
    auto* grid = new QGridLayout(this);
    int row = 0;
    const auto addChoice = [&](const QString& caption, const QString& name, QComboBox*& box, TImage*& picture) {
        AddChoiceRow(*grid, row++, caption, name, box, picture);
    };
    addChoice("Type Of Mount:", word + "Mount", cboMount, imgMount);
    addChoice("Cable Attachment:", word + "CableAttachment", cboCableAttachment, imgCableAttachment);
    if (side_ == MountSide::Vertical)
        addChoice("Hoisting Grip:", "HoistingGrip", cboHoistingGrip, imgHoistingGrip);
    addChoice("Mounting Hardware:", word + "MountingHardware", cboMountingHardware, imgMountingHardware);
    // Part descriptions are long; their lists drop down wide enough to read them.
    WidenDropDown(*cboCableAttachment);
    WidenDropDown(*cboMountingHardware);

    lblLength = new QLabel(word + " Cable Length: ", this);
    lblLength->setObjectName("lbl" + word + "Length");
    imgStructure = new TImage("img" + word + "Structure", this);
    imgStructure->setMinimumSize(200, 200);
    grid->addWidget(lblLength, 0, 3);
    grid->addWidget(imgStructure, 1, 3, row - 1, 1);
    grid->setRowStretch(row, 1);
    grid->setColumnStretch(3, 1);
}

void MountingTab::ReloadMountChoices()
{
    cboMountChange();
}

void MountingTab::ShowRunLength(const QString& length)
{
    lblLength->setText(SideWord(side_) + " Length: " + length);
}

bool MountingTab::FillSiteMounts(std::string_view locationWord)
{
    return FillMountChoices(*cboMount, locationWord, true);
}

void MountingTab::ShowStructurePicture(const QString& fileName)
{
    // A site without a picture for this side shows none rather than the last site's.
    if (fileName.isEmpty())
        imgStructure->SetPicture(QPixmap(), QString());
    else
        images_.LoadImage(imgStructure, fileName, true);
}

void MountingTab::LoadHoistingGrips()
{
    if (cboHoistingGrip)
        LoadCatalogueChoices(*cboHoistingGrip, kHoistFile, state_.hoist, [this] { cboHoistingGripChange(); });
}

bool MountingTab::FillMountChoices(QComboBox& box, std::string_view parentWord, bool site)
{
    // A list left at "N/A" takes the first entry that now applies.
    const QString previous = box.currentText() == QLatin1String(kNotApplicableChoice) ? QString() : box.currentText();
    const MountLists lists = ReadMountLists(state_.folders.data, state_.cableKey, kEmptyRowColumnsForLists);
    const bool vertical = side_ == MountSide::Vertical;
    const auto& parents = site ? (vertical ? lists.verticalStructures : lists.horizontalStructures) : lists.mountTypes;
    const auto& children = site ? lists.mountTypes : lists.attachments;
    // A site offers mount types whatever parts they carry; a mount offers the attachments
    // the cable has a usable part for.
    const bool checkParts = !site;
    const bool keepObsolete = checkParts && KeepObsoleteInWizard(state_.folders.data);
    const MountChoices choices =
        BuildMountChoices(parents, children, parentWord, checkParts, lists.row, state_.lists.obsolete, keepObsolete);
    FillChoiceBox(box, choices.entries, choices.columns, previous, {});
    return choices.found;
}

void MountingTab::FillHardwareChoices()
{
    const QString previous = cboMountingHardware->currentText() == QLatin1String(kNotApplicableChoice)
                                 ? QString()
                                 : cboMountingHardware->currentText();
    const bool keepObsolete = KeepObsoleteInWizard(state_.folders.data);
    const MountLists lists = ReadMountLists(state_.folders.data, state_.cableKey, kEmptyRowColumnsForLists);
    const MountChoices choices =
        BuildHardwareChoices(lists, ToData(cboMount->currentText()), ToData(cboCableAttachment->currentText()),
                             state_.lists.obsolete, keepObsolete);
    FillChoiceBox(*cboMountingHardware, choices.entries, choices.columns, previous,
                  [this] { cboMountingHardwareChange(); });
}

void MountingTab::cboMountChange()
{
    ShowChoicePicture(*cboMount, imgMount, kMountPictures);
    FillMountChoices(*cboCableAttachment, ToData(cboMount->currentText()), false);
    cboCableAttachmentChange();
}

void MountingTab::cboCableAttachmentChange()
{
    ShowChoicePicture(*cboCableAttachment, imgCableAttachment, kMountPictures);
    // The attachment is settled first: a replacement taken for it moves the list, and the
    // run that follows fills the hardware of the attachment that stays. Hardware asked about
    // before would be thrown away with its answer.
    if (!state_.guards.attachments && SelectMountPart(MountItem::Attachment))
        return;
    // The hardware list follows the attachment and writes the hardware slots itself.
    FillHardwareChoices();
}

void MountingTab::cboMountingHardwareChange()
{
    ShowChoicePicture(*cboMountingHardware, imgMountingHardware, kMountPictures);
    if (!state_.guards.hardware)
        SelectMountPart(MountItem::Hardware);
}

void MountingTab::cboHoistingGripChange()
{
    ShowChoicePicture(*cboHoistingGrip, imgHoistingGrip, kMountPictures);
    if (!state_.guards.hoistingGrip)
        SelectCategoryPart(state_.hoist, state_.guards.hoistingGrip, slot::HoistingGrip, *cboHoistingGrip,
                           [this] { cboHoistingGripChange(); });
}

bool MountingTab::SelectMountPart(MountItem item)
{
    const QComboBox& box = item == MountItem::Attachment ? *cboCableAttachment : *cboMountingHardware;
    const int column = box.currentIndex() >= 0 ? box.currentData().toInt() : 0;
    const MountLists lists = ReadMountLists(state_.folders.data, state_.cableKey, kEmptyRowColumnsForParts);
    const MountGroup& group = item == MountItem::Attachment ? attachmentGroup_ : hardwareGroup_;
    const auto moveTo = tav::SelectMountPart(state_.selection, Inputs(), state_.lists.obsolete, lists.row, column,
                                             group, [this](std::string_view part) { return OfferReplacement(part); });
    if (!moveTo)
        return false;
    ReselectMountType(item, *moveTo);
    return true;
}

void MountingTab::ReselectMountType(MountItem item, const std::string& part)
{
    const bool attachment = item == MountItem::Attachment;
    QComboBox& box = attachment ? *cboCableAttachment : *cboMountingHardware;
    const GuardScope guarded(attachment ? state_.guards.attachments : state_.guards.hardware);
    const MountLists lists = ReadMountLists(state_.folders.data, state_.cableKey, kEmptyRowColumnsForParts);
    const int index = EntryHoldingPart(EntryNumbers(box), lists.row, part);
    if (index >= 0) {
        const QSignalBlocker block(&box);
        box.setCurrentIndex(index);
    }
    // With the guard raised the handler only updates the picture and the lists below.
    if (attachment)
        cboCableAttachmentChange();
    else
        cboMountingHardwareChange();
}

} // namespace tav::gui
