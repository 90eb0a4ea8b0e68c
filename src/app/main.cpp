#include "core/app/CommandLine.h"
#include "gui/app/ProgramFolder.h"
#include "gui/app/TavApplication.h"
#include "gui/app/TfrmMain.h"
#include "gui/app/TfrmSplash.h"
#include "gui/platform/Platform.h"

#include <QDir>
#include <QIcon>
#include <QStandardPaths>
#include <memory>

int main(int argc, char** argv)
{
    // A long price list starts reading before anything else, so the window waits for it
    // less; the registry is a plain file and needs no application to be read.
    auto pricesAhead = tav::gui::ReadPriceListAhead(tav::registry::SettingsRegistry());
    tav::gui::TavApplication app(argc, argv);
    app.setApplicationName("Tavrolin");
    // The desktop finds the program's entry and icon by this name.
    app.setDesktopFileName(TAVROLIN_APP_ID);
    app.setWindowIcon(QIcon::fromTheme(TAVROLIN_APP_ID));

    QStringList arguments = app.arguments();
    arguments.removeFirst();
    tav::gui::RealPlatform platform;
    const QString executableFolder = QCoreApplication::applicationDirPath() + "/";
    const QString programFolder = tav::gui::PrepareProgramFolder(
        platform.Get(), executableFolder, QDir::cleanPath(executableFolder + TAVROLIN_INSTALLED_DATA) + "/",
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));

    if (tav::ShowsSplash(static_cast<size_t>(arguments.size()))) {
        auto splash = std::make_unique<tav::gui::TfrmSplash>(programFolder + "images/");
        splash->show();
        splash->WaitUntilClosable();
        splash->close();
    }

    tav::gui::TfrmMain window(platform.Get(), programFolder, arguments, nullptr, std::move(pricesAhead));
    window.show();
    return app.exec();
}
