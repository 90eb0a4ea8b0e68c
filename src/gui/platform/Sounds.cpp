#include "gui/platform/Sounds.h"

#include <QApplication>

namespace tav::gui {

void QtSounds::Beep()
{
    QApplication::beep();
}

void QtSounds::Information()
{
    QApplication::beep();
}

} // namespace tav::gui
