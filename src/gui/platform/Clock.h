#pragma once

#include <QDate>

namespace tav::gui {

// Today's date as the user's calendar has it; the reminders count whole days.
class IClock
{
public:
    virtual ~IClock() = default;
    virtual QDate Today() const = 0;
};

class SystemClock : public IClock
{
public:
    QDate Today() const override { return QDate::currentDate(); }
};

} // namespace tav::gui
