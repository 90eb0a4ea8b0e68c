// The planner without a window, for scripts: the program's rules over the same
// installation, found the same way. `tavrolin-cli --help` lists the commands.
#include "core/cli/Cli.h"
#include "gui/app/Maker.h"
#include "gui/platform/Registry.h"

#include <QCoreApplication>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// The shared folder as the program reads it from the user registry.
tav::cli::Environment::SharedFolder RegisteredSharedFolder()
{
    const tav::gui::SettingsRegistry registry;
    if (!registry.KeyExists(tav::gui::kCommonFilesKey))
        return {std::nullopt, "Unable to locate Registry Key"};
    if (const auto path = registry.ReadString(tav::gui::kCommonFilesKey, tav::gui::kCommonFilesValue))
        return {path->toStdString(), {}};
    return {std::nullopt, "Unable to create path from Registry"};
}

bool WriteAll(std::FILE* stream, const std::string& bytes)
{
    return std::fwrite(bytes.data(), 1, bytes.size(), stream) == bytes.size() && std::fflush(stream) == 0;
}

} // namespace

int main(int argc, char** argv)
{
    // Qt Core only: the executable's folder and the registry file; no display is needed.
    QCoreApplication app(argc, argv);

    tav::cli::Environment env;
    env.programFolder = QCoreApplication::applicationDirPath().toStdString() + "/";
    env.registryFile = tav::gui::SettingsRegistry::DefaultFile().toStdString();
    env.registeredSharedFolder = RegisteredSharedFolder;

    // The arguments as the system passed them: file names stay the bytes they are.
    const std::vector<std::string> args(argv + 1, argv + argc);
    std::string out, err;
    int code = tav::cli::Run(args, env, out, err);
    if (!WriteAll(stdout, out)) {
        err += std::string(tav::cli::kProgramName) + ": the result could not be written to standard output\n";
        code = 1;
    }
    WriteAll(stderr, err);
    return code;
}
