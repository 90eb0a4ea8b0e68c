#include "gui/app/MenuKeys.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace tav::gui {

namespace {

// Whether a command of these menus, or of their submenus, takes the key now.
bool Reaches(const QList<QAction*>& actions, const QKeySequence& key)
{
    for (const QAction* action : actions) {
        if (!action->isVisible() || !action->isEnabled())
            continue;
        if (action->shortcut() == key)
            return true;
        if (const QMenu* menu = action->menu<QMenu*>(); menu && Reaches(menu->actions(), key))
            return true;
    }
    return false;
}

} // namespace

MenuKeys::MenuKeys(QMainWindow* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    if (!Reaches(window_->menuBar()->actions(), pressed))
        return false;
    // Not taken by the field: the key goes on to the menu command.
    event->ignore();
    return true;
}

} // namespace tav::gui
