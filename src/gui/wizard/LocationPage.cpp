#include "gui/wizard/LocationPage.h"

#include "gui/app/PageHeading.h"
#include "gui/app/TImage.h"
#include "gui/wizard/MountingTab.h"

#include <QGridLayout>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tav::gui {

LocationPage::LocationPage(const WizardContext& context, MountingTab& vertical, MountingTab& horizontal,
                           QWidget* parent)
    : WizardPage(context, "tsLocation", parent), vertical_(vertical), horizontal_(horizontal)
{
    QVBoxLayout* layout = AddPageHeading(this, "Site Location:");
    auto* grid = new QGridLayout;
    TImage** images[] = {&imgTower, &imgMonopole, &imgRooftop, &imgParapet, &imgCustom};
    QRadioButton** radios[] = {&rbTower, &rbMonopole, &rbRoofTop, &rbParapet, &rbCustom};
    const auto sites = SiteLocations();
    for (size_t i = 0; i < sites.size(); ++i) {
        const SiteLocation& s = sites[i];
        auto* image = new TImage(s.image, this);
        image->setMinimumSize(150, 150);
        auto* radio = new QRadioButton(s.caption, this);
        radio->setObjectName(s.button);
        *images[i] = pictures_[i] = image;
        *radios[i] = buttons_[i] = radio;
        // Clicking a picture acts as clicking its button (nothing while it is disabled).
        connect(image, &TImage::clicked, radio, &QRadioButton::click);
        const auto site = static_cast<Site>(i);
        connect(radio, &QRadioButton::clicked, this, [this, site] { Handle([this, site] { LocationClick(site); }); });
        grid->addWidget(image, 0, static_cast<int>(i), Qt::AlignCenter);
        grid->addWidget(radio, 1, static_cast<int>(i), Qt::AlignHCenter);
    }
    layout->addLayout(grid);
    layout->addStretch();
}

void LocationPage::LoadLocationPictures()
{
    const auto sites = SiteLocations();
    for (size_t i = 0; i < sites.size(); ++i)
        images_.LoadImage(pictures_[i], sites[i].picture, true);
}

bool LocationPage::Chosen() const
{
    for (const QRadioButton* b : buttons_)
        if (b->isChecked())
            return true;
    return false;
}

void LocationPage::tsLocationShow()
{
    if (!Chosen())
        rbTowerClick();
}

void LocationPage::rbTowerClick()
{
    LocationClick(Site::Tower);
}

void LocationPage::LocationClick(Site site)
{
    const SiteLocation& s = SiteLocationOf(site);
    buttons_[static_cast<size_t>(site)]->setChecked(true);
    state_.sides.vertical = vertical_.FillSiteMounts(s.word);
    state_.sides.horizontal = horizontal_.FillSiteMounts(s.word);
    ShowStructurePictures(s.verticalStructure, s.horizontalStructure);
    emit structureChanged();
}

void LocationPage::SetParapetPossible(bool possible)
{
    imgParapet->setEnabled(possible);
    rbParapet->setEnabled(possible);
    if (!possible && rbParapet->isChecked())
        rbTowerClick();
}

void LocationPage::ShowStructurePictures(const char* vertical, const char* horizontal)
{
    vertical_.ShowStructurePicture(QString::fromLatin1(vertical));
    horizontal_.ShowStructurePicture(QString::fromLatin1(horizontal));
}

} // namespace tav::gui
