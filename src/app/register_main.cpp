// Records the maker's shared folder in the user registry, as an installer does: only
// when no folder is recorded yet, or the recorded one no longer holds the price list.
#include "core/common/Files.h"
#include "gui/app/Maker.h"
#include "gui/platform/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: tavrolin-register SHARED_FOLDER\n");
        return 2;
    }
    const QString shared = QFileInfo(args[1]).absoluteFilePath();
    tav::gui::SettingsRegistry registry;
    const auto current = registry.ReadString(tav::gui::kCommonFilesKey, tav::gui::kCommonFilesValue);
    if (current && tav::FileExists(current->toStdString() + "/M_lom.dat")) {
        if (*current != shared)
            std::printf("The shared folder stays %s (already registered in %s)\n", qPrintable(*current),
                        qPrintable(registry.DefaultFile()));
        return 0;
    }
    registry.WriteString(tav::gui::kCommonFilesKey, tav::gui::kCommonFilesValue, shared);
    std::printf("Registered the shared folder %s in %s\n", qPrintable(shared), qPrintable(registry.DefaultFile()));
    return 0;
}
