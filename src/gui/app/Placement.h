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

// The main window's first size: wide enough for the loss plot beside the evaluation grid
// where the screen has room for it, with space left for the window's frame, and never
// smaller than the pages' own layout needs.
inline QSize DefaultWindowSize(const QSize& available)
{
    const QSize preferred(1280, 800), least(860, 640), frame(20, 60);
    return preferred.boundedTo(available - frame).expandedTo(least);
}

inline QSize DefaultWindowSize(const QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    return DefaultWindowSize(screen ? screen->availableGeometry().size() : QSize());
}

} // namespace tav::gui
