#include "gui/app/MenuKeys.h"

#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTextEdit>

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

bool IsEditKey(const QKeyEvent& key)
{
    for (const auto standard : {QKeySequence::Cut, QKeySequence::Copy, QKeySequence::Paste, QKeySequence::SelectAll,
                                QKeySequence::Undo, QKeySequence::Redo})
        if (key.matches(standard))
            return true;
    return false;
}

} // namespace

MenuKeys::MenuKeys(QMainWindow* window) : QObject(window), window_(window)
{
    qApp->installEventFilter(this);
}

bool MenuKeys::IsTextField(const QWidget* widget)
{
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget) ||
        qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
        return true;
    const auto* box = qobject_cast<const QComboBox*>(widget);
    return box && box->isEditable();
}

bool MenuKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (IsTextField(QApplication::focusWidget()) && IsEditKey(key)) {
        // The field's own, even where it has nothing to cut or paste.
        event->accept();
        return true;
    }
    if (!Reaches(window_->menuBar()->actions(), QKeySequence(key.keyCombination())))
        return false;
    // Not taken by the widget: the key goes on to the menu command.
    event->ignore();
    return true;
}

} // namespace tav::gui
