#include "core/cli/CliCommand.h"

#include <filesystem>
#include <system_error>

namespace tav::cli {

namespace {

std::string FolderOption(const std::optional<std::string>& given, const char* option)
{
    std::error_code ec;
    if (!std::filesystem::is_directory(*given, ec))
        throw UsageError(std::string("--") + option + " " + *given + " is not a folder");
    return *given;
}

} // namespace

std::optional<std::string> CommandArguments::Value(const std::string& name) const
{
    if (const auto it = values.find(name); it != values.end())
        return it->second;
    return std::nullopt;
}

const Installation& Context::LoadInstallation()
{
    if (installation_)
        return *installation_;
    const std::string program =
        common_.programFolder ? FolderOption(common_.programFolder, "program-folder") : env_.programFolder;
    std::string shared;
    if (common_.sharedFolder) {
        shared = FolderOption(common_.sharedFolder, "shared-folder");
    } else {
        const Environment::SharedFolder registered = env_.registeredSharedFolder();
        if (!registered.folder)
            throw Error(registered.problem + " (the shared folder is looked up in " + env_.registryFile +
                        "; name it with --shared-folder)");
        shared = *registered.folder;
    }
    Installation inst;
    inst.folders = MakeFolders(program, shared);
    if (const auto missing = FirstMissingFile(inst.folders))
        throw Error("One of the files needed to run this program is missing: " + *missing);
    inst.lists = LoadCatalogueLists(inst.folders);
    installation_ = std::move(inst);
    return *installation_;
}

std::string Synopsis(const CommandSpec& command)
{
    std::string text = command.name;
    for (const OptionSpec& o : command.options) {
        std::string option = o.shortName ? std::string{'-', o.shortName} : "--" + o.name;
        if (!o.valueName.empty())
            option += " " + o.valueName;
        text += " " + (o.required ? option : "[" + option + "]");
    }
    for (const PositionalSpec& p : command.positionals)
        text += " " + p.name;
    if (command.repeatsLast)
        text += " ...";
    return text;
}

} // namespace tav::cli
