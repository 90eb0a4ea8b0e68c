#pragma once

#include "core/cable/CableCatalogue.h"
#include "core/wizard/SurgeChoices.h"
#include "gui/wizard/WizardPage.h"

#include <string>

class QComboBox;

namespace tav::gui {

class TImage;

// "Surge Protection": the protectors whose range covers the cable page's band, narrowed by
// what their two connectors mate to. Each list refills only the next one, so one change
// resolves the protector (slot 17, one per run) once.
class SurgeTab : public WizardPage
{
    Q_OBJECT
public:
    explicit SurgeTab(const WizardContext& context, QWidget* parent = nullptr);

    // Takes the band of the cable page and refills the first connectors, and so every list
    // down to the protector's slot. A band or surge record that is no number leaves nothing
    // offered and nothing ordered, and the error goes on to the caller.
    void FillFirstConnectors();

private slots:
    void cboFirstConnectorChange();
    void cboSecondConnectorChange();
    void cboSurgeChange();

private:
    void BuildLayout();
    void FillSecondConnectors();
    void FillSurgeChoices();
    void ShowSurgePicture();
    void ShowConnectorPicture(const QComboBox& box, TImage* picture);
    void SelectSurgePart();
    void ShowNothingApplicable();
    // What the surge list offers now; the texts live as long as the strings given.
    SurgeFilter Filter(const std::string& first, const std::string& second) const;

    QComboBox* cboFirstConnector;
    TImage* imgFirstConnector;
    QComboBox* cboSecondConnector;
    TImage* imgSecondConnector;
    QComboBox* cboSurge;
    TImage* imgSurge;

    // The band of the last reload: a band changed on the cable page counts from the next.
    Band band_;
    // Whether the protector list was last filled with obsolete parts kept.
    bool keepObsolete_ = false;
};

} // namespace tav::gui
