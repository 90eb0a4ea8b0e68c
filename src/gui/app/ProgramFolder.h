#pragma once

#include "gui/platform/Platform.h"

#include <QString>

namespace tav::gui {

// The folder the program runs in. A laid-out folder that its user may write runs in
// place; an installed copy runs from the user's own folder below dataHome, filled or
// brought up to date from the installation first, with the shared folder registered
// when the registry names none that holds the price list. When that folder cannot be
// prepared the user is told why, and the installation is read where it lies.
QString PrepareProgramFolder(Platform& platform, const QString& executableFolder, const QString& installedFolder,
                             const QString& dataHome);

} // namespace tav::gui
