// Records the maker's shared folder in the user registry, as an installer does: only
// when no folder is recorded yet, or the recorded one no longer holds the price list.
// It also enters the program in the maker's list of installed programs, and with --site
// records the address of the maker's site that the price update and the news read from.
//
//     tavrolin-register [--site URL] [--program DIR] SHARED_FOLDER
//
// DIR is the program folder (default: the shared folder's parent).
#include "core/common/Files.h"
#include "gui/app/Maker.h"
#include "gui/services/MakerSite.h"
#include "registry/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>
#include <cstdio>

namespace {

constexpr const char* kUsage = "usage: tavrolin-register [--site URL] [--program DIR] SHARED_FOLDER\n";
constexpr const char* kProgramKey = "\\Software\\Brimcor\\Tavrolin";

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString site;
    QString program;
    QString sharedArg;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == "--site" && i + 1 < args.size() && site.isEmpty()) {
            site = args[++i];
        } else if (args[i] == "--program" && i + 1 < args.size() && program.isEmpty()) {
            program = args[++i];
        } else if (!args[i].startsWith('-') && sharedArg.isEmpty()) {
            sharedArg = args[i];
        } else {
            std::fputs(kUsage, stderr);
            return 2;
        }
    }
    if (sharedArg.isEmpty()) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    if (!site.isEmpty()) {
        const QUrl url(site, QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (!url.isValid() || (scheme != "http" && scheme != "https") || url.host().isEmpty()) {
            std::fprintf(stderr, "tavrolin-register: %s is not an http or https address\n", qPrintable(site));
            return 2;
        }
    }

    const QString shared = QFileInfo(sharedArg).absoluteFilePath();
    const QString programFolder =
        QDir::cleanPath(program.isEmpty() ? QFileInfo(shared).absolutePath() : QFileInfo(program).absoluteFilePath());
    tav::registry::SettingsRegistry registry;

    const auto current = registry.ReadString(tav::gui::kCommonFilesKey, tav::gui::kCommonFilesValue);
    if (current && tav::FileExists(current->toStdString() + "/M_lom.dat")) {
        if (*current != shared)
            std::printf("The shared folder stays %s (already registered in %s)\n", qPrintable(*current),
                        qPrintable(registry.DefaultFile()));
    } else {
        registry.WriteString(tav::gui::kCommonFilesKey, tav::gui::kCommonFilesValue, shared);
        std::printf("Registered the shared folder %s in %s\n", qPrintable(shared), qPrintable(registry.DefaultFile()));
    }
    if (!site.isEmpty()) {
        registry.WriteString(tav::gui::kCommonFilesKey, tav::gui::kSiteValue, site);
        std::printf("Registered the maker's site %s\n", qPrintable(site));
    }
    // The row of the update dialog's program list.
    registry.WriteString(kProgramKey, "MenuCaption", "Tavrolin");
    registry.WriteString(kProgramKey, "UpdateExe", "tavrolin.deb");
    registry.WriteString(kProgramKey, "Path", programFolder);
    registry.WriteString(kProgramKey, "ExeName", "tavrolin");
    return 0;
}
