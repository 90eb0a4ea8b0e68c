#include "gui/platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace tav::gui {

void QtClipboard::SetText(const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(text);
}

} // namespace tav::gui
