#include "gui/platform/Desktop.h"

#include <QDesktopServices>

namespace tav::gui {

bool QtDesktop::Open(const QUrl& url)
{
    return QDesktopServices::openUrl(url);
}

} // namespace tav::gui
