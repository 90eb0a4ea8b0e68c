#include "gui/wizard/GroundWeatherTab.h"

#include "core/wizard/Selection.h"
#include "core/wizard/TypedParts.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"
#include "gui/wizard/ChoiceBox.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace tav::gui {

namespace {

const ChoicePictureRule kKitPictures{kKitPlaceholderPicture, nullptr};

} // namespace

GroundWeatherTab::GroundWeatherTab(const WizardContext& context, QWidget* parent)
    : WizardPage(context, "tsGroundWeather", parent)
{
    BuildLayout();
    ground_ = {.kind = cboGroundingType,
               .filter = cboWireLength,
               .type = cboLugAttachment,
               .picture = imgGround,
               .lists = &state_.ground,
               .guard = &state_.guards.grounding,
               .slot = slot::GroundingKit,
               .grounding = true};
    weather_ = {.kind = cboWeatherProofing,
                .filter = cboConnectorType,
                .type = cboCADiameter,
                .picture = imgWeather,
                .lists = &state_.weather,
                .guard = &state_.guards.weatherproofing,
                .slot = slot::Weatherproofing,
                .grounding = false};

    const auto on = [this](QComboBox* box, void (GroundWeatherTab::*handler)()) {
        connect(box, &QComboBox::currentIndexChanged, this,
                [this, handler] { Handle([this, handler] { (this->*handler)(); }); });
    };
    on(cboGroundingType, &GroundWeatherTab::cboGroundingTypeChange);
    on(cboWireLength, &GroundWeatherTab::cboWireLengthChange);
    on(cboLugAttachment, &GroundWeatherTab::cboLugAttachmentChange);
    on(cboWeatherProofing, &GroundWeatherTab::cboWeatherProofingChange);
    on(cboConnectorType, &GroundWeatherTab::cboConnectorTypeChange);
    on(cboCADiameter, &GroundWeatherTab::cboCADiameterChange);
}

void GroundWeatherTab::BuildLayout()
{
    auto* layout = new QVBoxLayout(this);
    const auto addKit = [&](const QString& caption, const QString& pictureName, TImage*& picture) {
        auto* group = new QGroupBox(caption, this);
        layout->addWidget(group);
        // The picture beside the lists rather than across their rows, so the group is as
        // tall as the whole picture.
        auto* row = new QHBoxLayout(group);
        auto* grid = new QGridLayout;
        row->addLayout(grid);
        picture = new TImage(pictureName, this);
        picture->setMinimumSize(120, 90);
        row->addWidget(picture, 1);
        return grid;
    };
    const auto addChoice = [&](QGridLayout* grid, int row, const QString& caption, const QString& name) {
        QComboBox* box = MakeChoiceBox(name);
        grid->addWidget(new QLabel(caption, this), row, 0);
        grid->addWidget(box, row, 1);
        return box;
    };

    QGridLayout* ground = addKit("Grounding", "imgGround", imgGround);
    cboGroundingType = addChoice(ground, 0, "Type of Grounding Kit:", "cboGroundingType");
    cboWireLength = addChoice(ground, 1, "Grounding Wire Length:", "cboWireLength");
    lblGroundLength = new QLabel("inches", this);
    lblGroundLength->setObjectName("lblGroundLength");
    ground->addWidget(lblGroundLength, 1, 2);
    cboLugAttachment = addChoice(ground, 2, "Lug Attachment:", "cboLugAttachment");

    QGridLayout* weather = addKit("Weatherproofing", "imgWeather", imgWeather);
    cboWeatherProofing = addChoice(weather, 0, "Type of Weatherproofing:", "cboWeatherProofing");
    cboConnectorType = addChoice(weather, 1, "Interface Type:", "cboConnectorType");
    cboCADiameter = addChoice(weather, 2, "Connects To:", "cboCADiameter");
    layout->addStretch();
}

void GroundWeatherTab::LoadGroundingKits()
{
    LoadCatalogueChoices(*cboGroundingType, kGroundFile, state_.ground, [this] { cboGroundingTypeChange(); });
}

void GroundWeatherTab::LoadWeatherproofing()
{
    LoadCatalogueChoices(*cboWeatherProofing, kWeatherFile, state_.weather, [this] { cboWeatherProofingChange(); });
}

void GroundWeatherTab::ShowUnit(bool meters)
{
    lblGroundLength->setText(meters ? "millimeters" : "inches");
}

int GroundWeatherTab::FilterField(const Kit& kit) const
{
    return kit.grounding ? WireLengthField(state_.meters) : kInterfaceField;
}

TypedPartFields GroundWeatherTab::Layout(const Kit& kit) const
{
    return kit.grounding ? GroundingKitFields(kit.lists->types.size()) : WeatherproofingFields(kit.lists->types.size());
}

void GroundWeatherTab::cboGroundingTypeChange()
{
    KindChange(ground_);
}

void GroundWeatherTab::cboWireLengthChange()
{
    FilterChange(ground_);
}

void GroundWeatherTab::cboLugAttachmentChange()
{
    TypeChange(ground_);
}

void GroundWeatherTab::cboWeatherProofingChange()
{
    KindChange(weather_);
}

void GroundWeatherTab::cboConnectorTypeChange()
{
    FilterChange(weather_);
}

void GroundWeatherTab::cboCADiameterChange()
{
    TypeChange(weather_);
}

void GroundWeatherTab::KindChange(Kit& kit)
{
    FillFilterValues(kit, {});
    FilterChange(kit);
    ShowChoicePicture(*kit.kind, kit.picture, kKitPictures);
}

void GroundWeatherTab::FilterChange(Kit& kit)
{
    FillTypes(kit, {});
    TypeChange(kit);
}

void GroundWeatherTab::TypeChange(Kit& kit)
{
    if (!*kit.guard)
        SelectTypedPart(kit);
}

void GroundWeatherTab::FillFilterValues(Kit& kit, const std::string& wanted)
{
    const std::string category = ToData(kit.kind->currentText());
    const int field = FilterField(kit);
    const std::vector<std::string> entries = FillDependentValues(category, *kit.lists, kRecordCategoryField, field);
    std::string current = ToData(kit.filter->currentText());
    // After a unit switch the list shows the other length of the same records: the length
    // chosen is read through its record, so the kit stays the one chosen.
    if (kit.shownField != 0 && kit.shownField != field)
        if (auto translated = TranslateFilterValue(*kit.lists, category, kit.shownField, field, current))
            current = std::move(*translated);
    const std::string_view previous = wanted.empty() ? current : PreferredChoice(entries, wanted, current);
    FillChoiceBox(*kit.filter, entries, FromData(previous), false, {});
    kit.shownField = field;
}

void GroundWeatherTab::FillTypes(Kit& kit, const std::string& wanted)
{
    const std::string category = ToData(kit.kind->currentText());
    const std::string filter = ToData(kit.filter->currentText());
    const std::vector<std::string> entries =
        TypedChoices(*kit.lists, {category, {}, FilterField(kit), filter}, Layout(kit), state_.lists.obsolete,
                     KeepObsoleteInWizard(state_.folders.data));
    const std::string current = ToData(kit.type->currentText());
    const std::string_view previous = wanted.empty() ? current : PreferredChoice(entries, wanted, current);
    FillChoiceBox(*kit.type, entries, FromData(previous), false, {});
}

void GroundWeatherTab::SelectTypedPart(Kit& kit)
{
    const std::string category = ToData(kit.kind->currentText());
    const std::string filter = ToData(kit.filter->currentText());
    const std::string type = ToData(kit.type->currentText());
    const auto moveTo = tav::SelectTypedPart(state_.selection, Inputs(), state_.lists.obsolete, *kit.lists,
                                             {category, type, FilterField(kit), filter}, Layout(kit), kit.slot,
                                             [this](std::string_view part) { return OfferReplacement(part); });
    if (moveTo)
        ReselectCategoryOfPart(kit, *moveTo);
}

void GroundWeatherTab::ReselectCategoryOfPart(Kit& kit, const std::string& part)
{
    const GuardScope guarded(*kit.guard);
    const auto place = PlaceOfPart(*kit.lists, part, Layout(kit), FilterField(kit));
    if (!place)
        return;
    const int index = FindEntryNoCase(kit.kind, FromData(place->category));
    if (index < 0)
        return;
    const bool moved = index != kit.kind->currentIndex();
    if (moved) {
        const QSignalBlocker block(kit.kind);
        kit.kind->setCurrentIndex(index);
    }
    // The lists below show the record's value and type; with the guard raised nothing is
    // resolved again.
    FillFilterValues(kit, place->filterValue);
    FillTypes(kit, place->type);
    if (moved)
        ShowChoicePicture(*kit.kind, kit.picture, kKitPictures);
}

} // namespace tav::gui
