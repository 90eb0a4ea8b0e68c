#include "gui/wizard/SurgeTab.h"

#include "core/common/Errors.h"
#include "core/common/Text.h"
#include "core/wizard/ChoiceLists.h"
#include "core/wizard/Selection.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"
#include "gui/cable/ParamsPage.h"
#include "gui/wizard/ChoiceBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QSignalBlocker>

namespace tav::gui {

SurgeTab::SurgeTab(const WizardContext& context, QWidget* parent) : WizardPage(context, "tsSurgeProtection", parent)
{
    BuildLayout();
    connect(cboFirstConnector, &QComboBox::currentIndexChanged, this,
            [this] { Handle([this] { cboFirstConnectorChange(); }); });
    connect(cboSecondConnector, &QComboBox::currentIndexChanged, this,
            [this] { Handle([this] { cboSecondConnectorChange(); }); });
    connect(cboSurge, &QComboBox::currentIndexChanged, this, [this] { Handle([this] { cboSurgeChange(); }); });
}

void SurgeTab::BuildLayout()
{
    auto* grid = new QGridLayout(this);
    AddChoiceRow(*grid, 0, "First Connector Mates To:", "FirstConnector", cboFirstConnector, imgFirstConnector);
    AddChoiceRow(*grid, 1, "Second Connector Mates To:", "SecondConnector", cboSecondConnector, imgSecondConnector);
    AddChoiceRow(*grid, 2, "Type of Surge Protection:", "Surge", cboSurge, imgSurge);
    // Protector descriptions are long; the list drops down wide enough to read them.
    WidenDropDown(*cboSurge);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(2, 1);
}

SurgeFilter SurgeTab::Filter(const std::string& first, const std::string& second) const
{
    return {band_, first, second, keepObsolete_};
}

void SurgeTab::FillFirstConnectors()
{
    std::vector<std::string> entries;
    try {
        band_ = params_.BandShown();
        entries = FirstConnectorChoices(state_.lists.surge, band_);
    } catch (const ConversionError&) {
        // No protector of another band may stay ordered.
        ShowNothingApplicable();
        throw;
    }
    FillChoiceBox(*cboFirstConnector, entries, false, [this] { cboFirstConnectorChange(); });
}

void SurgeTab::ShowNothingApplicable()
{
    const std::vector<std::string> nothing{kNotApplicableChoice};
    for (QComboBox* box : {cboFirstConnector, cboSecondConnector, cboSurge})
        FillChoiceBox(*box, nothing, false, {});
    ShowConnectorPicture(*cboFirstConnector, imgFirstConnector);
    ShowConnectorPicture(*cboSecondConnector, imgSecondConnector);
    images_.LoadImage(imgSurge, kSurgePlaceholderPicture, true);
    ClearSelection(state_.selection, slot::Surge);
}

void SurgeTab::cboFirstConnectorChange()
{
    FillSecondConnectors();
    ShowConnectorPicture(*cboFirstConnector, imgFirstConnector);
}

void SurgeTab::FillSecondConnectors()
{
    const std::vector<std::string> entries =
        SecondConnectorChoices(state_.lists.surge, band_, ToData(cboFirstConnector->currentText()));
    FillChoiceBox(*cboSecondConnector, entries, false, [this] { cboSecondConnectorChange(); });
}

void SurgeTab::cboSecondConnectorChange()
{
    FillSurgeChoices();
    ShowConnectorPicture(*cboSecondConnector, imgSecondConnector);
}

void SurgeTab::FillSurgeChoices()
{
    keepObsolete_ = KeepObsoleteInWizard(state_.folders.data);
    const std::string first = ToData(cboFirstConnector->currentText());
    const std::string second = ToData(cboSecondConnector->currentText());
    const std::vector<std::string> entries =
        SurgeChoices(state_.lists.surge, Filter(first, second), state_.lists.obsolete);
    FillChoiceBox(*cboSurge, entries, false, [this] { cboSurgeChange(); });
}

void SurgeTab::cboSurgeChange()
{
    ShowSurgePicture();
    if (!state_.guards.surge)
        SelectSurgePart();
}

void SurgeTab::ShowConnectorPicture(const QComboBox& box, TImage* picture)
{
    // Neither "None" nor "N/A" has a picture of its own; both show the placeholder.
    const std::string text = ToData(box.currentText());
    if (EqualsNoCase(text, kNoneChoice) || EqualsNoCase(text, kNotApplicableChoice))
        images_.LoadImage(picture, kConnectorPlaceholderPicture, false);
    else
        ShowChoicePicture(box, picture, ChoicePictureRule{});
}

void SurgeTab::ShowSurgePicture()
{
    const std::string first = ToData(cboFirstConnector->currentText());
    const std::string second = ToData(cboSecondConnector->currentText());
    const std::string name = SurgePictureName(state_.lists.surge, Filter(first, second), state_.lists.obsolete,
                                              ToData(cboSurge->currentText()));
    images_.LoadImage(imgSurge, FromData(name), true);
}

void SurgeTab::SelectSurgePart()
{
    const std::string first = ToData(cboFirstConnector->currentText());
    const std::string second = ToData(cboSecondConnector->currentText());
    const auto moveTo = tav::SelectSurgePart(state_.selection, Inputs(), state_.lists.surge, Filter(first, second),
                                             state_.lists.obsolete, ToData(cboSurge->currentText()),
                                             [this](std::string_view part) { return OfferReplacement(part); });
    if (!moveTo)
        return;
    const int index = FindEntryNoCase(cboSurge, FromData(*moveTo));
    if (index < 0 || index == cboSurge->currentIndex())
        return;
    const GuardScope guarded(state_.guards.surge);
    {
        const QSignalBlocker block(cboSurge);
        cboSurge->setCurrentIndex(index);
    }
    cboSurgeChange();
}

} // namespace tav::gui
