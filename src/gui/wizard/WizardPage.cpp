#include "gui/wizard/WizardPage.h"

#include "core/wizard/CategoryParts.h"
#include "gui/app/ComboBoxes.h"
#include "gui/app/TImage.h"
#include "gui/app/TextCodec.h"
#include "gui/cable/ParamsPage.h"
#include "gui/wizard/ChoiceBox.h"
#include "gui/wizard/ObsoleteNotice.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>

namespace tav::gui {

WizardPage::WizardPage(const WizardContext& context, const QString& objectName, QWidget* parent)
    : QWidget(parent), state_(context.state), platform_(context.platform), images_(context.images),
      params_(context.params)
{
    setObjectName(objectName);
}

std::string WizardPage::ChosenCaption() const
{
    for (const QRadioButton* b : findChildren<QRadioButton*>())
        if (b->isChecked())
            return ToData(QString(b->text()).remove('&'));
    return {};
}

QuantityInputs WizardPage::Inputs() const
{
    return params_.QuantityInputs();
}

std::string WizardPage::OfferReplacement(std::string_view part)
{
    ReplacementAnswers& answers = state_.replacementAnswers;
    const std::string key(part);
    if (answers.openActions > 0) {
        if (const auto it = answers.chosen.find(key); it != answers.chosen.end())
            return it->second;
    }
    std::string chosen = gui::OfferReplacement(platform_, window(), state_.folders.data, state_.lists.obsolete, part);
    if (answers.openActions > 0)
        answers.chosen.emplace(key, chosen);
    return chosen;
}

void WizardPage::ShowChoicePicture(const QComboBox& box, TImage* control, const ChoicePictureRule& rule)
{
    const bool lastChosen = box.count() > 0 && box.currentIndex() == box.count() - 1;
    const std::string name = ChoicePictureName(state_.lists.images, ToData(box.currentText()), lastChosen, rule);
    if (!name.empty())
        images_.LoadImage(control, FromData(name), true);
}

void WizardPage::LoadCatalogueChoices(QComboBox& box, const CatalogueSource& source, WorkingLists& lists,
                                      const std::function<void()>& changeHandler)
{
    const std::vector<std::string> entries = tav::LoadCatalogueChoices(
        state_.folders.data, state_.lists.obsolete, source, SectionKeyFor(source, state_.cableKey), lists);
    FillChoiceBox(box, entries, source.preferLast, changeHandler);
}

void WizardPage::SelectCategoryPart(const WorkingLists& lists, bool& guard, int slot, QComboBox& box,
                                    const std::function<void()>& changeHandler)
{
    const auto moveTo =
        tav::SelectCategoryPart(state_.selection, Inputs(), state_.lists.obsolete, lists, ToData(box.currentText()),
                                slot, [this](std::string_view part) { return OfferReplacement(part); });
    if (!moveTo)
        return;
    const GuardScope guarded(guard);
    if (const auto caption = CategoryOfPart(lists, *moveTo)) {
        // An entry the list does not offer leaves the current one chosen.
        const int index = FindEntryNoCase(&box, FromData(*caption));
        if (index >= 0) {
            const QSignalBlocker block(&box);
            box.setCurrentIndex(index);
        }
        changeHandler();
    }
}

QComboBox* WizardPage::MakeChoiceBox(const QString& name)
{
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(false);
    box->setMinimumWidth(220);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

void WizardPage::AddChoiceRow(QGridLayout& grid, int row, const QString& caption, const QString& name, QComboBox*& box,
                              TImage*& picture)
{
    box = MakeChoiceBox("cbo" + name);
    picture = new TImage("img" + name, this);
    picture->setMinimumSize(120, 90);
    grid.addWidget(new QLabel(caption, this), row, 0);
    grid.addWidget(box, row, 1);
    grid.addWidget(picture, row, 2);
}

} // namespace tav::gui
