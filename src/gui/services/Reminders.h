#pragma once

#include "core/services/Schedule.h"
#include "gui/platform/Platform.h"

#include <QString>

class QComboBox;
class QWidget;

namespace tav::gui {

Date ToDate(const QDate& date);

// What the two reminder components share: where they keep their schedule and what
// they show their windows with.
class ReminderComponent
{
public:
    QString RegistryKey; // when set, the schedule lives below "\Software\Brimcor\" + this key
    int UpdateInterval;

    // "\Software\Brimcor\" + (RegistryKey + "\") + the reminder's name.
    QString ScheduleKeyName() const;

protected:
    ReminderComponent(Platform& platform, QWidget* owner, QString imagesFolder, QString name, int interval);

    Platform& platform_;
    QWidget* owner_;
    QString imagesFolder_;

private:
    QString name_;
};

// The question a due reminder asks.
struct ReminderQuestion
{
    QString caption;
    QString text;
    bool beep = false;
};

struct ReminderRules
{
    QString key;
    int interval = 30;
    // The installer's "NewInstall" marker forces a new schedule (and is removed).
    bool honoursNewInstall = false;
    // A first schedule also records the interval.
    bool writesInterval = false;
};

// One reminder check: schedules a first reminder silently, asks when due ("Don't ask me
// again." switches the reminder off whatever the answer) and returns whether the answer
// was Yes. An unreadable "NextUpdate" throws the standard conversion error.
bool RunReminder(Platform& platform, QWidget* parent, const ReminderRules& rules, const ReminderQuestion& question);

// The interval a dialog starts with: the stored one when it is valid, else the default.
QString StoredIntervalText(const registry::IRegistry& registry, const QString& key, int fallback);
// Writes "NextUpdate" and "Interval" after a dialog closed.
void SaveSchedule(Platform& platform, const QString& key, const QString& intervalText, bool remindAgain, int fallback);

// The editable "days" pick list of the reminder dialogs: 1 to 60 offered, any whole
// number of the valid range typed.
QComboBox* MakeDaysCombo(QWidget* parent, const QString& text);

} // namespace tav::gui
