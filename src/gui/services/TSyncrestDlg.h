#pragma once

#include "gui/services/Reminders.h"

#include <QString>
#include <functional>
#include <string>

class QWidget;

namespace tav::gui {

// The price-update reminder: keeps its schedule in the registry, asks when it is due
// and opens the update dialog.
class TSyncrestDlg : public ReminderComponent
{
public:
    TSyncrestDlg(Platform& platform, QWidget* owner, QString imagesFolder);

    QString DefaultProgram;
    bool DefaultToPricing = true;
    // Called after a new price list was installed into the shared folder.
    std::function<void(const std::string& sharedFolder)> PricesInstalled;

    // The reminder: schedules, or asks and opens the dialog on Yes.
    void Check();
    // Opens the update dialog; true when it closed after a completed update, which
    // also writes the next schedule.
    bool Execute();
};

} // namespace tav::gui
