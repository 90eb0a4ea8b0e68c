#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QObject>
#include <QString>
#include <stdexcept>
#include <string>

namespace tav::test {

// A widget or action of a window, found by its objectName as a user finds it by its
// caption; tests drive it through clicks and keys rather than through the window's
// members. A missing or differently typed object fails the test with its name.
template <typename T> T& Named(const QObject& root, const QString& name)
{
    if (root.objectName() == name)
        if (auto* self = qobject_cast<T*>(const_cast<QObject*>(&root)))
            return *self;
    T* found = root.findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no " + std::string(T::staticMetaObject.className()) + " named " +
                                 name.toStdString());
    return *found;
}

// Clicks a button as a user can: a hidden or disabled button fails the test, so a test
// never passes through a command the user could not reach.
inline void Click(const QObject& root, const QString& name)
{
    auto& button = Named<QAbstractButton>(root, name);
    if (!button.isVisibleTo(button.window()) || !button.isEnabled())
        throw std::runtime_error(name.toStdString() + " cannot be clicked now");
    button.click();
}

// Runs a menu command as the menu does; a hidden or disabled command fails the test.
inline void Trigger(const QObject& root, const QString& name)
{
    auto& action = Named<QAction>(root, name);
    if (!action.isVisible() || !action.isEnabled())
        throw std::runtime_error(name.toStdString() + " is not offered now");
    action.trigger();
}

} // namespace tav::test
