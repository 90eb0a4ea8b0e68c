#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tav::gui {

// Moves a window to the middle of its screen, as the program's dialogs open.
inline void CentreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

} // namespace tav::gui
