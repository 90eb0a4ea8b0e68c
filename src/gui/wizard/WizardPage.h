#pragma once

#include "core/wizard/ChoiceLists.h"
#include "core/wizard/ChoicePictures.h"
#include "core/wizard/Quantities.h"
#include "gui/app/Guard.h"
#include "gui/app/ImageLoader.h"
#include "gui/app/WizardState.h"
#include "gui/platform/Platform.h"

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

class QComboBox;
class QGridLayout;

namespace tav::gui {

class ParamsPage;
class TImage;

// What every wizard page is created with: the shared state, the platform, the pictures,
// and the first page, whose lengths and diameter the quantity rules read.
struct WizardContext
{
    WizardState& state;
    Platform& platform;
    ImageLoader& images;
    const ParamsPage& params;
};

// The base of the wizard's pages and tabs after the first: the rules they share over the
// wizard state. A page's handlers read its widgets, call the core and write the results
// into its widgets and the selection list.
class WizardPage : public QWidget
{
    Q_OBJECT
public:
    WizardPage(const WizardContext& context, const QString& objectName, QWidget* parent = nullptr);

    // The caption of the page's chosen option without its mnemonic, as the exports state
    // it; empty when none is chosen.
    std::string ChosenCaption() const;

protected:
    // Runs the handler of a user's action: an error stops it with the standard box, and an
    // obsolete part is put to the user once however often the action resolves it.
    template <typename F> void Handle(F&& handler)
    {
        RunGuarded(platform_.boxes, window(), [&] {
            const UserAction action(state_.replacementAnswers);
            handler();
        });
    }

    // The quantity rules' view of the run, as the first page shows it now.
    QuantityInputs Inputs() const;
    // The part to order in place of an obsolete one; asked once per action.
    std::string OfferReplacement(std::string_view part);

    // The picture for the chosen entry; a caption without one leaves the picture shown.
    void ShowChoicePicture(const QComboBox& box, TImage* control, const ChoicePictureRule& rule);

    // Refills a page's first list from its catalogue file (and the page's working lists),
    // then runs the list's change handler once.
    void LoadCatalogueChoices(QComboBox& box, const CatalogueSource& source, WorkingLists& lists,
                              const std::function<void()>& changeHandler);

    // The hoisting grip and the GPS item: the chosen caption's part into its slot. After
    // an obsolete part was put to the user, the list moves to the category that holds the
    // part ordered, with the group's guard raised.
    void SelectCategoryPart(const WorkingLists& lists, bool& guard, int slot, QComboBox& box,
                            const std::function<void()>& changeHandler);

    // A pick list of an accessory page: not editable, so the chosen text is always an entry
    // (typing still jumps to the entry that begins with it).
    QComboBox* MakeChoiceBox(const QString& name);
    // A row of a tab's grid: the caption, the pick list "cbo" + name and its picture
    // "img" + name.
    void AddChoiceRow(QGridLayout& grid, int row, const QString& caption, const QString& name, QComboBox*& box,
                      TImage*& picture);

    WizardState& state_;
    Platform& platform_;
    ImageLoader& images_;
    const ParamsPage& params_;
};

} // namespace tav::gui
