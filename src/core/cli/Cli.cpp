#include "core/cli/Cli.h"

#include "core/cli/EvaluateCommand.h"
#include "core/cli/MaterialsCommands.h"
#include "core/materials/ExportFormats.h"

#include <algorithm>
#include <new>

namespace tav::cli {

namespace {

// What the command line asks for, before the command runs.
struct Invocation
{
    const CommandSpec* command = nullptr;
    bool help = false;
    CommonOptions common;
    CommandArguments arguments;
};

const CommandSpec* FindCommand(const std::string& name)
{
    for (const CommandSpec& c : Commands())
        if (c.name == name)
            return &c;
    return nullptr;
}

const OptionSpec* FindOption(const CommandSpec& command, const std::string& name)
{
    for (const OptionSpec& o : command.options)
        if (o.name == name)
            return &o;
    return nullptr;
}

const OptionSpec* FindShortOption(const CommandSpec* command, char name)
{
    if (command)
        for (const OptionSpec& o : command->options)
            if (o.shortName && o.shortName == name)
                return &o;
    return nullptr;
}

// "--name=value" or "--name" followed by the value.
struct OptionWord
{
    std::string name;
    std::optional<std::string> inlineValue;
};

OptionWord SplitOption(const std::string& word)
{
    const std::string body = word.substr(2);
    const size_t eq = body.find('=');
    if (eq == std::string::npos)
        return {body, std::nullopt};
    return {body.substr(0, eq), body.substr(eq + 1)};
}

std::string TakeValue(const OptionWord& option, const std::vector<std::string>& args, size_t& i)
{
    if (option.inlineValue)
        return *option.inlineValue;
    if (i + 1 >= args.size())
        throw UsageError("--" + option.name + " needs a value");
    return args[++i];
}

void SetOnce(std::optional<std::string>& slot, const std::string& name, std::string value)
{
    if (slot)
        throw UsageError("--" + name + " is given twice");
    slot = std::move(value);
}

bool CommonOption(const OptionWord& option, const std::vector<std::string>& args, size_t& i, Invocation& inv)
{
    if (option.name == "help" && !option.inlineValue) {
        inv.help = true;
    } else if (option.name == "program-folder") {
        SetOnce(inv.common.programFolder, option.name, TakeValue(option, args, i));
    } else if (option.name == "shared-folder") {
        SetOnce(inv.common.sharedFolder, option.name, TakeValue(option, args, i));
    } else {
        return false;
    }
    return true;
}

void CommandOption(const OptionWord& option, const std::vector<std::string>& args, size_t& i, Invocation& inv)
{
    const OptionSpec* known = FindOption(*inv.command, option.name);
    if (!known)
        throw UsageError("unknown option --" + option.name + " for " + inv.command->name);
    CommandArguments& a = inv.arguments;
    if (known->valueName.empty()) {
        if (option.inlineValue)
            throw UsageError("--" + option.name + " takes no value");
        if (!a.flags.insert(option.name).second)
            throw UsageError("--" + option.name + " is given twice");
        return;
    }
    std::string value = TakeValue(option, args, i);
    if (!a.values.emplace(option.name, std::move(value)).second)
        throw UsageError("--" + option.name + " is given twice");
}

Invocation Parse(const std::vector<std::string>& args)
{
    Invocation inv;
    bool optionsEnded = false;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        const bool isOption = !optionsEnded && word.size() > 1 && word[0] == '-';
        if (!isOption) {
            if (!optionsEnded && word == "--") {
                optionsEnded = true;
            } else if (!inv.command) {
                inv.command = FindCommand(word);
                if (!inv.command)
                    throw UsageError("unknown command '" + word + "'");
            } else {
                inv.arguments.positionals.push_back(word);
            }
            continue;
        }
        if (word == "-h") {
            inv.help = true;
            continue;
        }
        if (word.rfind("--", 0) != 0) {
            // "-o FILE" or "-oFILE" stands for its long option.
            const OptionSpec* known = FindShortOption(inv.command, word[1]);
            if (!known)
                throw UsageError("unknown option " + word);
            const OptionWord option{known->name, word.size() > 2 ? std::optional(word.substr(2)) : std::nullopt};
            CommandOption(option, args, i, inv);
            continue;
        }
        const OptionWord option = SplitOption(word);
        if (CommonOption(option, args, i, inv))
            continue;
        if (!inv.command)
            throw UsageError(word + " comes before any command; only --program-folder, --shared-folder and "
                                    "--help may stand there");
        CommandOption(option, args, i, inv);
    }
    return inv;
}

// Required options, positional arguments and fallbacks, once the whole line is read.
void Complete(Invocation& inv)
{
    const CommandSpec& command = *inv.command;
    CommandArguments& a = inv.arguments;
    if (a.positionals.size() > command.positionals.size() && !command.repeatsLast)
        throw UsageError("unexpected argument '" + a.positionals[command.positionals.size()] + "'");
    if (a.positionals.size() < command.positionals.size())
        throw UsageError(command.positionals[a.positionals.size()].name + " is missing");
    for (const OptionSpec& o : command.options) {
        if (o.valueName.empty() || a.values.count(o.name))
            continue;
        if (o.required)
            throw UsageError("--" + o.name + " is missing");
        if (!o.fallback.empty())
            a.values.emplace(o.name, o.fallback);
    }
}

void AppendColumn(std::string& text, const std::string& left, const std::string& right)
{
    constexpr size_t kWidth = 24;
    text += "    " + left;
    text += left.size() + 2 <= kWidth ? std::string(kWidth - left.size(), ' ') : "\n    " + std::string(kWidth, ' ');
    text += right + "\n";
}

std::string CommandHelp(const CommandSpec& command)
{
    std::string text = "  " + std::string(kProgramName) + " " + Synopsis(command) + "\n";
    text += "    " + command.summary + "\n";
    if (!command.details.empty()) {
        size_t start = 0;
        while (start < command.details.size()) {
            const size_t end = command.details.find('\n', start);
            text += "    " + command.details.substr(start, end - start) + "\n";
            start = end == std::string::npos ? command.details.size() : end + 1;
        }
    }
    for (const PositionalSpec& p : command.positionals)
        AppendColumn(text, p.name, p.help);
    for (const OptionSpec& o : command.options) {
        std::string help = o.help;
        if (!o.fallback.empty())
            help += " (default " + o.fallback + ")";
        const std::string alias = o.shortName ? std::string{'-', o.shortName, ',', ' '} : "";
        AppendColumn(text, alias + "--" + o.name + (o.valueName.empty() ? "" : " " + o.valueName), help);
    }
    return text;
}

std::string CommonHelp(const Environment& env)
{
    std::string text = "Options of every command:\n";
    AppendColumn(text, "--program-folder DIR", "the installation, holding dat/ and images/");
    AppendColumn(text, "", "(default: the folder of this program, " + env.programFolder + ")");
    AppendColumn(text, "--shared-folder DIR", "the maker's shared folder, holding M_lom.dat");
    AppendColumn(text, "", "(default: the folder registered in " + env.registryFile + ")");
    AppendColumn(text, "-h, --help", "this help; with a command, that command's help only");
    text += "\nExit status: 0 done, 1 the installation or its data failed, 2 the command line is wrong.\n"
            "Errors and remarks go to standard error, results to standard output.\n";
    return text;
}

std::string Usage()
{
    return "usage: " + std::string(kProgramName) + " [--program-folder DIR] [--shared-folder DIR] COMMAND [OPTIONS]\n";
}

std::string UsageHint(const CommandSpec* command)
{
    if (!command)
        return Usage() + "Run '" + kProgramName + " --help' for the commands.\n";
    return "usage: " + std::string(kProgramName) + " " + Synopsis(*command) + "\nRun '" + kProgramName + " " +
           command->name + " --help' for more.\n";
}

} // namespace

const std::vector<CommandSpec>& Commands()
{
    static const std::vector<CommandSpec> commands{EvaluateCommand(), PriceCommand(), ExportCommand()};
    return commands;
}

std::string Help(const Environment& env)
{
    std::string text = Usage();
    text += "\nPlans feeder runs from an installation's catalogue, without a window.\n\nCommands:\n";
    for (const CommandSpec& c : Commands())
        text += "\n" + CommandHelp(c);
    text += "\n" + CommonHelp(env);
    return text;
}

bool PaintsPages(const std::vector<std::string>& args)
{
    try {
        const Invocation inv = Parse(args);
        if (inv.help || !inv.command)
            return false;
        const auto format = inv.arguments.values.find("format");
        if (format == inv.arguments.values.end())
            return false;
        const ExportFormat* f = FindExportFormat(format->second);
        return f && f->painted;
    } catch (const Error&) {
        return false;
    }
}

int Run(const std::vector<std::string>& args, const Environment& env, std::string& out, std::string& err)
{
    const std::string prefix = std::string(kProgramName) + ": ";
    const CommandSpec* command = nullptr;
    try {
        Invocation inv = Parse(args);
        command = inv.command;
        if (inv.help) {
            out = command ? "usage:\n" + CommandHelp(*command) + "\n" + CommonHelp(env) : Help(env);
            return 0;
        }
        if (!command)
            throw UsageError("no command given");
        Complete(inv);
        Context context(inv.arguments, inv.common, env);
        command->run(context);
        out = std::move(context.out);
        err = std::move(context.notes);
        return 0;
    } catch (const UsageError& e) {
        err = prefix + e.what() + "\n" + UsageHint(command);
        return 2;
    } catch (const std::bad_alloc&) {
        err = prefix + "Out of memory\n";
    } catch (const std::exception& e) {
        err = prefix + e.what() + "\n";
    }
    return 1;
}

} // namespace tav::cli
