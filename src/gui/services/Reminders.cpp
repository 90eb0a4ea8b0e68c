#include "gui/services/Reminders.h"

#include "gui/app/TextCodec.h"

#include <QComboBox>
#include <QIntValidator>
#include <QWidget>

namespace tav::gui {

namespace {

constexpr const char* kNextUpdate = "NextUpdate";
constexpr const char* kInterval = "Interval";
constexpr const char* kNewInstall = "NewInstall";

} // namespace

ReminderComponent::ReminderComponent(Platform& platform, QWidget* owner, QString imagesFolder, QString name,
                                     int interval)
    : UpdateInterval(interval), platform_(platform), owner_(owner), imagesFolder_(std::move(imagesFolder)),
      name_(std::move(name))
{}

QString ReminderComponent::ScheduleKeyName() const
{
    QString key = QStringLiteral("\\Software\\Brimcor\\");
    if (!RegistryKey.isEmpty())
        key += RegistryKey + "\\";
    return key + name_;
}

Date ToDate(const QDate& date)
{
    return {date.year(), date.month(), date.day()};
}

bool RunReminder(Platform& platform, QWidget* parent, const ReminderRules& rules, const ReminderQuestion& question)
{
    registry::IRegistry& reg = platform.registry;
    const Date today = ToDate(platform.clock.Today());
    StoredSchedule stored;
    if (const auto next = reg.ReadString(rules.key, kNextUpdate))
        stored.nextUpdate = ToData(*next);
    stored.newInstall = rules.honoursNewInstall && reg.ValueExists(rules.key, kNewInstall);

    switch (DecideReminder(stored, today)) {
    case ReminderAction::Schedule: {
        const ScheduleValues first = FirstSchedule(today, rules.interval);
        reg.WriteString(rules.key, kNextUpdate, FromData(first.nextUpdate));
        if (rules.writesInterval)
            reg.WriteString(rules.key, kInterval, FromData(first.interval));
        if (rules.honoursNewInstall)
            reg.DeleteValue(rules.key, kNewInstall);
        return false;
    }
    case ReminderAction::Off:
    case ReminderAction::NotDue:
        return false;
    case ReminderAction::Unreadable:
        StrToDate(*stored.nextUpdate); // throws the standard message
        return false;
    case ReminderAction::Ask:
        break;
    }

    if (question.beep)
        platform.sounds.Beep();
    BoxRequest box;
    box.kind = BoxKind::Confirmation;
    box.caption = question.caption;
    box.text = question.text;
    box.buttons = {{BoxButton::Yes, {}}, {BoxButton::No, {}}, {BoxButton::Cancel, {}}};
    box.defaultButton = BoxButton::Yes;
    box.checkBoxText = QStringLiteral("Don't ask me again.");
    const BoxAnswer answer = platform.boxes.Show(parent, box);
    if (answer.checked)
        reg.WriteString(rules.key, kNextUpdate, QStringLiteral("0"));
    return answer.button == BoxButton::Yes;
}

QString StoredIntervalText(const registry::IRegistry& registry, const QString& key, int fallback)
{
    const auto stored = registry.ReadString(key, kInterval);
    return QString::number(stored ? IntervalOrDefault(ToData(*stored), fallback) : fallback);
}

void SaveSchedule(Platform& platform, const QString& key, const QString& intervalText, bool remindAgain, int fallback)
{
    const ScheduleValues values =
        ScheduleAfterShowing(ToData(intervalText), remindAgain, ToDate(platform.clock.Today()), fallback);
    platform.registry.WriteString(key, kNextUpdate, FromData(values.nextUpdate));
    platform.registry.WriteString(key, kInterval, FromData(values.interval));
}

QComboBox* MakeDaysCombo(QWidget* parent, const QString& text)
{
    auto* box = new QComboBox(parent);
    box->setObjectName("cboNumDays");
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    for (int days = 1; days <= 60; ++days)
        box->addItem(QString::number(days));
    box->setValidator(new QIntValidator(kMinInterval, kMaxInterval, box));
    box->setCurrentText(text);
    return box;
}

} // namespace tav::gui
