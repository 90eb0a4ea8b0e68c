#include "gui/wizard/GpsTab.h"

#include "core/wizard/ChoicePictures.h"
#include "core/wizard/Selection.h"
#include "gui/app/SpinEdits.h"
#include "gui/app/TImage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>

namespace tav::gui {

GpsTab::GpsTab(const WizardContext& context, QWidget* parent) : WizardPage(context, "tsGps", parent)
{
    auto* grid = new QGridLayout(this);
    imgGps = new TImage("imgGps", this);
    imgGps->setMinimumSize(150, 150);
    cboGPS = MakeChoiceBox("cboGPS");
    seGpsLength = new DecimalSpinEdit("seGpsLength", 0, this);
    seGpsLength->setEnabled(false);
    rbGPSFeet = new QRadioButton("Feet", this);
    rbGPSFeet->setObjectName("rbGPSFeet");
    rbGPSMeters = new QRadioButton("Meters", this);
    rbGPSMeters->setObjectName("rbGPSMeters");
    for (QRadioButton* b : {rbGPSFeet, rbGPSMeters}) {
        b->setEnabled(false);
        // They only show the unit, which is chosen on the first page or in the menu; a click
        // while they are enabled must not make them tell another.
        b->setFocusPolicy(Qt::NoFocus);
        connect(b, &QRadioButton::clicked, this, [this] { ShowUnit(state_.meters); });
    }
    rbGPSFeet->setChecked(true);

    grid->addWidget(imgGps, 0, 0, 3, 1);
    grid->addWidget(new QLabel("GPS Cable Type:", this), 0, 1);
    grid->addWidget(cboGPS, 0, 2, 1, 3);
    grid->addWidget(new QLabel("Feeder Length:", this), 1, 1);
    grid->addWidget(seGpsLength, 1, 2);
    grid->addWidget(rbGPSFeet, 1, 3);
    grid->addWidget(rbGPSMeters, 1, 4);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(5, 1);

    connect(cboGPS, &QComboBox::currentIndexChanged, this, [this] { Handle([this] { cboGPSChange(); }); });
}

void GpsTab::LoadGpsItems()
{
    LoadCatalogueChoices(*cboGPS, kGpsFile, state_.gps, [this] { cboGPSChange(); });
}

void GpsTab::ShowUnit(bool meters)
{
    rbGPSFeet->setChecked(!meters);
    rbGPSMeters->setChecked(meters);
}

void GpsTab::cboGPSChange()
{
    // Every entry but the last ("None") is an item; an empty list offers none.
    const int index = cboGPS->currentIndex();
    const bool chosen = index >= 0 && index != cboGPS->count() - 1;
    for (QWidget* w : std::initializer_list<QWidget*>{seGpsLength, rbGPSFeet, rbGPSMeters})
        w->setEnabled(chosen);
    if (chosen) {
        images_.LoadImage(imgGps, kGpsPicture, false);
    } else {
        seGpsLength->setValue(0);
        images_.LoadImage(imgGps, kGpsPlaceholderPicture, false);
    }
    if (!state_.guards.gps)
        SelectCategoryPart(state_.gps, state_.guards.gps, slot::Gps, *cboGPS, [this] { cboGPSChange(); });
}

} // namespace tav::gui
