#include "core/app/CommandLine.h"
#include "gui/app/TavApplication.h"
#include "gui/app/TfrmMain.h"
#include "gui/app/TfrmSplash.h"
#include "gui/platform/Platform.h"

#include <QDir>

#include <memory>

int main(int argc, char** argv)
{
    tav::gui::TavApplication app(argc, argv);
    app.setApplicationName("Tavrolin");

    QStringList arguments = app.arguments();
    arguments.removeFirst();
    const QString programFolder = QCoreApplication::applicationDirPath() + "/";

    if (tav::ShowsSplash(static_cast<size_t>(arguments.size()))) {
        auto splash = std::make_unique<tav::gui::TfrmSplash>(programFolder + "images/");
        splash->show();
        splash->WaitUntilClosable();
        splash->close();
    }

    tav::gui::RealPlatform platform;
    tav::gui::TfrmMain window(platform.Get(), programFolder, arguments);
    window.show();
    return app.exec();
}
