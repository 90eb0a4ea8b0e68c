// The planner without a window, for scripts: the program's rules over the same
// installation, found the same way. `tavrolin-cli --help` lists the commands.
#include "canvas/PrintedPdf.h"
#include "core/app/PersonalFolder.h"
#include "core/cli/Cli.h"
#include "core/common/Files.h"
#include "core/materials/PriceList.h"
#include "gui/app/Maker.h"
#include "registry/Registry.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QStandardPaths>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

// Where the program would run for this user. An installed copy runs from the user's own
// folder once the program has filled it; before that the planner reads the installation
// itself, which it never writes.
struct Place
{
    std::string program;
    std::string installedShared; // empty for a laid-out folder
};

Place FindPlace(const QString& executableFolder)
{
    const std::string dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString();
    const tav::ProgramPlace place = tav::ChooseProgramPlace(tav::ProbeInstallation(
        executableFolder.toStdString(),
        (QDir::cleanPath(executableFolder + TAVROLIN_INSTALLED_DATA) + "/").toStdString(), dataHome));
    if (place.installation.empty())
        return {place.program, {}};
    std::error_code error;
    const bool filled = std::filesystem::is_directory(place.program + "dat", error);
    const std::string personalShared = tav::PersonalSharedFolder(dataHome);
    const bool personalHoldsPrices =
        !dataHome.empty() && tav::FileExists(personalShared + "/" + tav::kPriceListFileName);
    return {filled ? place.program : place.installation,
            personalHoldsPrices ? personalShared : place.installation + "shared"};
}

// The shared folder as the program reads it from the user registry; an installed copy the
// program has not registered yet uses the shared folder it would register.
tav::cli::Environment::SharedFolder RegisteredSharedFolder(const std::string& installedShared)
{
    const tav::registry::SettingsRegistry registry;
    const auto path = registry.ReadString(tav::gui::kCommonFilesKey, tav::gui::kCommonFilesValue);
    if (path)
        return {path->toStdString(), {}};
    if (!installedShared.empty())
        return {installedShared, {}};
    if (!registry.KeyExists(tav::gui::kCommonFilesKey))
        return {std::nullopt, "Unable to locate Registry Key"};
    return {std::nullopt, "Unable to create path from Registry"};
}

bool WriteAll(std::FILE* stream, const std::string& bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    // The arguments as the system passed them: file names stay the bytes they are.
    const std::vector<std::string> args(argv + 1, argv + argc);

    // Qt Core finds the executable's folder and reads the registry file. Pages painted as on
    // paper need Qt's GUI classes too, on the offscreen platform, so no display is needed.
    const bool paints = tav::cli::PaintsPages(args);
    std::unique_ptr<QCoreApplication> app;
    if (paints) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        // Standard error carries the planner's own messages, not the platform's remarks on
        // the session it paints without.
        qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
            if (type == QtCriticalMsg || type == QtFatalMsg)
                std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
        });
        app = std::make_unique<QGuiApplication>(argc, argv);
    } else {
        app = std::make_unique<QCoreApplication>(argc, argv);
    }

    tav::cli::Environment env;
    if (paints)
        env.printedPdf = [](const tav::ListOfMaterials& list) {
            return tav::canvas::PrintedListPdf(list, tav::canvas::LocalePaper(), tav::gui::kMakerSiteLabel);
        };
    const Place place = FindPlace(QCoreApplication::applicationDirPath() + "/");
    env.programFolder = place.program;
    env.registryFile = tav::registry::SettingsRegistry::DefaultFile().toStdString();
    env.registeredSharedFolder = [installedShared = place.installedShared] {
        return RegisteredSharedFolder(installedShared);
    };

    std::string out, err;
    int code = tav::cli::Run(args, env, out, err);
    if (!WriteAll(stdout, out)) {
        err += std::string(tav::cli::kProgramName) + ": the result could not be written to standard output\n";
        code = 1;
    }
    WriteAll(stderr, err);
    return code;
}
