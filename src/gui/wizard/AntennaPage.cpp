#include "gui/wizard/AntennaPage.h"

#include "core/wizard/SitePages.h"
#include "gui/app/PageHeading.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"
#include "gui/cable/ParamsPage.h"
#include "gui/wizard/LocationPage.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace tav::gui {

AntennaPage::AntennaPage(const WizardContext& context, LocationPage& location, QWidget* parent)
    : WizardPage(context, "tsAntenna", parent), location_(location)
{
    QVBoxLayout* layout = AddPageHeading(this, "Antenna Information:");
    auto* row = new QHBoxLayout;
    auto* group = new QGroupBox("Antenna Type:", this);
    group->setObjectName("gbAntennaType");
    auto* gl = new QVBoxLayout(group);
    rbOmni = new QRadioButton("Omni", group);
    rbOmni->setObjectName("rbOmni");
    rbSector = new QRadioButton("Sector", group);
    rbSector->setObjectName("rbSector");
    rbSector->setChecked(true);
    rbNA = new QRadioButton("N/A", group);
    rbNA->setObjectName("rbNA");
    chkMicrosite = new QCheckBox("Dual Polarization Microsite Mount", group);
    chkMicrosite->setObjectName("chkMicrosite");
    const QList<QAbstractButton*> controls{rbOmni, rbSector, rbNA, chkMicrosite};
    for (QAbstractButton* b : controls)
        gl->addWidget(b);
    imgAntenna = new TImage("imgAntenna", this);
    imgAntenna->setMinimumSize(200, 200);
    row->addWidget(group);
    row->addWidget(imgAntenna, 1);
    layout->addLayout(row);
    layout->addStretch();

    for (QAbstractButton* b : controls)
        connect(b, &QAbstractButton::clicked, this, [this] { Handle([this] { rbSectorClick(); }); });
}

std::string AntennaPage::ChosenAntenna() const
{
    std::string antenna = ChosenCaption();
    if (chkMicrosite->isChecked())
        antenna += ", " + ToData(QString(chkMicrosite->text()).remove('&'));
    return antenna;
}

void AntennaPage::ClearMicrosite()
{
    const QSignalBlocker block(chkMicrosite);
    chkMicrosite->setChecked(false);
}

void AntennaPage::tsAntennaShow()
{
    rbSectorClick();
}

void AntennaPage::rbSectorClick()
{
    const AntennaType type = rbOmni->isChecked()     ? AntennaType::Omni
                             : rbSector->isChecked() ? AntennaType::Sector
                                                     : AntennaType::NotApplicable;
    // Only a sector antenna can sit on the microsite mount.
    chkMicrosite->setEnabled(type == AntennaType::Sector);
    if (type != AntennaType::Sector)
        chkMicrosite->setChecked(false);
    const bool microsite = chkMicrosite->isChecked();
    images_.LoadImage(imgAntenna, AntennaPicture(type, microsite), true);
    location_.SetParapetPossible(ParapetPossible(type, microsite));
    state_.runsCount = RunsWithMicrosite(params_.RunsShown(), microsite);
}

} // namespace tav::gui
