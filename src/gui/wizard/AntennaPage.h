#pragma once

#include "gui/wizard/WizardPage.h"

class QCheckBox;
class QRadioButton;

namespace tav::gui {

class LocationPage;
class TImage;

// "Antenna Information:": the antenna type, and the dual-polarization microsite mount,
// which doubles the runs and rules out a parapet site.
class AntennaPage : public WizardPage
{
    Q_OBJECT
public:
    AntennaPage(const WizardContext& context, LocationPage& location, QWidget* parent = nullptr);

    // The antenna type, and the microsite mount when it is ticked.
    std::string ChosenAntenna() const;
    // Unticks the microsite mount without doubling or halving the runs: an opened
    // project's count already is what it is.
    void ClearMicrosite();

public slots:
    // Each time the page is shown: the runs count follows "Number of runs:" again.
    void tsAntennaShow();

private slots:
    // The handler of all four antenna controls.
    void rbSectorClick();

private:
    QRadioButton* rbOmni;
    QRadioButton* rbSector;
    QRadioButton* rbNA;
    QCheckBox* chkMicrosite;
    TImage* imgAntenna;

    LocationPage& location_;
};

} // namespace tav::gui
