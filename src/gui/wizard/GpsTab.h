#pragma once

#include "gui/wizard/WizardPage.h"

class QComboBox;
class QRadioButton;

namespace tav::gui {

class DecimalSpinEdit;
class TImage;

// "GPS": the GPS feeder item of gps.dat (slot 18, one item). The feeder length is for the
// user's notes only; the unit buttons show the unit chosen elsewhere.
class GpsTab : public WizardPage
{
    Q_OBJECT
public:
    explicit GpsTab(const WizardContext& context, QWidget* parent = nullptr);

    // Refills the GPS items, which writes the item's slot.
    void LoadGpsItems();
    void ShowUnit(bool meters);

private slots:
    void cboGPSChange();

private:
    TImage* imgGps;
    QComboBox* cboGPS;
    DecimalSpinEdit* seGpsLength;
    QRadioButton* rbGPSFeet;
    QRadioButton* rbGPSMeters;
};

} // namespace tav::gui
