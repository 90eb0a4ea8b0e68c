#pragma once

#include "core/wizard/SitePages.h"
#include "gui/wizard/WizardPage.h"

#include <array>

class QRadioButton;

namespace tav::gui {

class MountingTab;
class TImage;

// "Site Location:": five pictures, each with its button. The site decides which mount
// types the two mounting tabs offer and whether a tab has anything to show.
class LocationPage : public WizardPage
{
    Q_OBJECT
public:
    LocationPage(const WizardContext& context, MountingTab& vertical, MountingTab& horizontal,
                 QWidget* parent = nullptr);

    // The five site pictures, each reported when it cannot be loaded.
    void LoadLocationPictures();
    // Whether the antenna allows a parapet site; a chosen parapet falls back to a tower,
    // with all a click on the tower does.
    void SetParapetPossible(bool possible);
    // The site chosen, if any.
    bool Chosen() const;
    // The click on a site's button or picture. The mount lists are refilled, but their
    // change handlers run only when the accessory pages are entered.
    void LocationClick(Site site);

public slots:
    void tsLocationShow();

signals:
    // The sides the chosen site has may have changed.
    void structureChanged();

private slots:
    void rbTowerClick();

private:
    void ShowStructurePictures(const char* vertical, const char* horizontal);

    TImage* imgTower;
    TImage* imgMonopole;
    TImage* imgRooftop;
    TImage* imgParapet;
    TImage* imgCustom;
    QRadioButton* rbTower;
    QRadioButton* rbMonopole;
    QRadioButton* rbRoofTop;
    QRadioButton* rbParapet;
    QRadioButton* rbCustom;

    MountingTab& vertical_;
    MountingTab& horizontal_;
    std::array<QRadioButton*, 5> buttons_{};
    std::array<TImage*, 5> pictures_{};
};

} // namespace tav::gui
