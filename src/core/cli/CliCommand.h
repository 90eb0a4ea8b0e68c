#pragma once

#include "core/app/Installation.h"
#include "core/common/Errors.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace tav {
struct ListOfMaterials;
}

namespace tav::cli {

// The name the planner goes by in its messages and help.
inline constexpr const char* kProgramName = "tavrolin-cli";

// A command line that cannot be followed (exit code 2); any other Error is about the
// installation or its data (exit code 1).
class UsageError : public Error
{
public:
    using Error::Error;
};

struct OptionSpec
{
    std::string name;      // without the leading "--"
    std::string valueName; // empty for a flag
    std::string help;
    bool required = false;
    std::string fallback;  // the value when the option is not given, if any
    char shortName = '\0'; // "-o FILE" besides "--output FILE", when set
};

struct PositionalSpec
{
    std::string name;
    std::string help;
};

// What a command was given: its options by name and its positional arguments.
class CommandArguments
{
public:
    std::map<std::string, std::string> values;
    std::set<std::string> flags;
    std::vector<std::string> positionals;

    bool Flag(const std::string& name) const { return flags.count(name) > 0; }
    // The option's value as given, else its fallback, else nothing.
    std::optional<std::string> Value(const std::string& name) const;
};

// The planner's view of the installation, as the program finds and loads it at start.
struct Installation
{
    Folders folders;
    CatalogueLists lists;
};

// What the surroundings tell the planner: where it runs and where the user registry names
// the maker's shared folder.
struct Environment
{
    std::string programFolder; // the folder of the executable
    std::string registryFile;  // shown in help and messages
    // The registered shared folder, or a message saying why there is none.
    struct SharedFolder
    {
        std::optional<std::string> folder;
        std::string problem;
    };
    std::function<SharedFolder()> registeredSharedFolder;
    // The printed list as a PDF document; empty where the planner cannot paint.
    std::function<std::string(const ListOfMaterials&)> printedPdf;
};

// The options every command takes.
struct CommonOptions
{
    std::optional<std::string> programFolder;
    std::optional<std::string> sharedFolder;
};

// One run of a command: its arguments, the installation on first use, and what it prints.
// Output is collected and written only once the command has succeeded, so a failure
// never leaves half a result behind.
class Context
{
public:
    Context(const CommandArguments& arguments, const CommonOptions& common, const Environment& env)
        : args(arguments), common_(common), env_(env)
    {}

    const CommandArguments& args;
    std::string out;   // the result, for standard output
    std::string notes; // remarks for the user, for standard error

    // Throws UsageError for a named folder that is not one, Error when the shared folder
    // is not registered or a required file is missing.
    const Installation& LoadInstallation();
    const std::function<std::string(const ListOfMaterials&)>& PrintedPdf() const { return env_.printedPdf; }

private:
    const CommonOptions& common_;
    const Environment& env_;
    std::optional<Installation> installation_;
};

struct CommandSpec
{
    std::string name;
    std::string summary; // one line
    std::string details; // further lines for the help, each ending in "\n"; may be empty
    std::vector<OptionSpec> options;
    std::vector<PositionalSpec> positionals;
    bool repeatsLast = false; // the last positional argument may be given again and again
    std::function<void(Context&)> run;
};

// "evaluate --from MHZ ... [--json]"
std::string Synopsis(const CommandSpec& command);

} // namespace tav::cli
