#pragma once

#include "gui/platform/Clipboard.h"
#include "gui/platform/Clock.h"
#include "gui/platform/Connectivity.h"
#include "gui/platform/Desktop.h"
#include "gui/platform/Downloader.h"
#include "gui/platform/FileDialogs.h"
#include "gui/platform/MessageBoxes.h"
#include "gui/platform/Printing.h"
#include "gui/platform/Sounds.h"
#include "registry/Registry.h"

namespace tav::gui {

// The operating-system services the windows use, passed in so tests can replace them.
struct Platform
{
    registry::IRegistry& registry;
    IMessageBoxes& boxes;
    ISounds& sounds;
    IDesktop& desktop;
    IFileDialogs& fileDialogs;
    IDownloader& downloader;
    IConnectivity& connectivity;
    IClock& clock;
    IClipboard& clipboard;
    IPrinting& printing;
};

// The real services, owned together for the program's lifetime.
class RealPlatform
{
public:
    RealPlatform()
        : platform_{registry_,   boxes_,        sounds_, desktop_,   fileDialogs_,
                    downloader_, connectivity_, clock_,  clipboard_, printing_}
    {}
    Platform& Get() { return platform_; }

private:
    registry::SettingsRegistry registry_;
    QtMessageBoxes boxes_;
    QtSounds sounds_;
    QtDesktop desktop_;
    QtFileDialogs fileDialogs_;
    QtDownloader downloader_;
    QtConnectivity connectivity_;
    SystemClock clock_;
    QtClipboard clipboard_;
    QtPrinting printing_;
    Platform platform_;
};

} // namespace tav::gui
