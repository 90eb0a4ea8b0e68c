#pragma once

#include "gui/services/Reminders.h"

#include <QString>

class QWidget;

namespace tav::gui {

// The news reminder: keeps its schedule in the registry, asks when it is due, and
// downloads and shows the maker's headlines.
class TNewsDlg : public ReminderComponent
{
public:
    TNewsDlg(Platform& platform, QWidget* owner, QString imagesFolder);

    // The reminder: schedules, or asks and shows the news on Yes.
    void Check();
    // Downloads the pages and shows the headlines; true when the window was shown, after
    // which the next schedule is written. A failed download is reported, a cancelled
    // one is not; both leave the schedule as it was. One showing at a time: while one
    // runs, another request does nothing.
    bool Execute();

private:
    bool busy_ = false;
};

} // namespace tav::gui
