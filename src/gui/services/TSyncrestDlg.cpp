#include "gui/services/TSyncrestDlg.h"

#include "gui/services/MakerSite.h"
#include "gui/services/Reminders.h"
#include "gui/services/TfrmUpdate.h"

namespace tav::gui {

TSyncrestDlg::TSyncrestDlg(Platform& platform, QWidget* owner, QString imagesFolder)
    : ReminderComponent(platform, owner, std::move(imagesFolder), "Syncrest", 30)
{}

void TSyncrestDlg::Check()
{
    const ReminderRules rules{ScheduleKeyName(), UpdateInterval, true, true};
    const ReminderQuestion question{"Brimcor Syncrest",
                                    "It appears that you have not updated your pricing database in a while.\n"
                                    "Running the Brimcor Syncrest utility will ensure that you have the\n"
                                    "latest pricing information in all of your programs within minutes.\n\n"
                                    "Would you like to run Syncrest now?",
                                    true};
    if (RunReminder(platform_, owner_, rules, question))
        Execute();
}

bool TSyncrestDlg::Execute()
{
    const QString key = ScheduleKeyName();
    TfrmUpdate dialog(platform_, {MakerSiteAddress(platform_.registry), imagesFolder_, DefaultProgram, PricesInstalled},
                      owner_);
    dialog.ShowInterval(StoredIntervalText(platform_.registry, key, UpdateInterval));
    dialog.FillPrograms();
    if (!DefaultToPricing)
        dialog.ChooseAction(TfrmUpdate::kProgramFiles);
    dialog.exec();
    if (!dialog.Completed())
        return false;
    SaveSchedule(platform_, key, dialog.IntervalText(), dialog.RemindAgain(), UpdateInterval);
    return true;
}

} // namespace tav::gui
