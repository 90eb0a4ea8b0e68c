#pragma once

#include "core/wizard/MountChoices.h"
#include "gui/wizard/WizardPage.h"

#include <string>
#include <string_view>

class QComboBox;
class QLabel;

namespace tav::gui {

class TImage;

enum class MountSide
{
    Vertical,
    Horizontal,
};

// "Vertical Accessories" or "Horizontal Accessories": the mount type the site offers, the
// cable attachment the mount carries, the hardware that fits both, and on the vertical
// side the hoisting grip. Each choice cascades down (mount -> attachment -> hardware) and
// writes its group of slots; widgets are named after the side ("cboVerticalMount").
class MountingTab : public WizardPage
{
    Q_OBJECT
public:
    MountingTab(const WizardContext& context, MountSide side, QWidget* parent = nullptr);

    MountSide Side() const { return side_; }

    // Refills the mount types the site offers on this side; no change handler runs. False
    // when mount.dat has no structure line for the site on this side.
    bool FillSiteMounts(std::string_view locationWord);
    // The site's picture of this side's structure; none clears the picture.
    void ShowStructurePicture(const QString& fileName);
    // Refills the hoisting grips of the cable, which writes the grip's slot.
    void LoadHoistingGrips();
    // Refills the cascade under the mount type chosen, as choosing it does.
    void ReloadMountChoices();
    // The run's length on this side, as the first page shows it ("100 feet").
    void ShowRunLength(const QString& length);

private slots:
    void cboMountChange();
    void cboCableAttachmentChange();
    void cboMountingHardwareChange();
    void cboHoistingGripChange();

private:
    QComboBox* cboMount;
    TImage* imgMount;
    QComboBox* cboCableAttachment;
    TImage* imgCableAttachment;
    QComboBox* cboMountingHardware;
    TImage* imgMountingHardware;
    QComboBox* cboHoistingGrip = nullptr; // the vertical side only
    TImage* imgHoistingGrip = nullptr;
    TImage* imgStructure;
    QLabel* lblLength;

    // The lists whose entries order a part of the cable's row.
    enum class MountItem
    {
        Attachment,
        Hardware,
    };

    void BuildLayout();
    // Refills a list under its parent (a site, or a mount type) and says whether the parent
    // has a line.
    bool FillMountChoices(QComboBox& box, std::string_view parentWord, bool site);
    void FillHardwareChoices();
    // Orders the part of the line the chosen entry came from; true when an obsolete part was
    // put to the user and the list has been moved (its handler has run again, guarded).
    bool SelectMountPart(MountItem item);
    // After an obsolete part was put to the user: the list moves to the entry whose column
    // holds the part ordered, or keeps its entry when none does.
    void ReselectMountType(MountItem item, const std::string& part);

    MountSide side_;
    MountGroup attachmentGroup_;
    MountGroup hardwareGroup_;
};

} // namespace tav::gui
