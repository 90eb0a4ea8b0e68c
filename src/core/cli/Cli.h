#pragma once

#include "core/cli/CliCommand.h"

#include <string>
#include <vector>

namespace tav::cli {

// Every command of the planner, in the order the help lists them.
const std::vector<CommandSpec>& Commands();

// Runs one command line (without the program's own name). Returns the exit code: 0 done,
// 1 the installation or its data failed, 2 the command line is wrong. `out` receives the
// result, `err` every message.
int Run(const std::vector<std::string>& args, const Environment& env, std::string& out, std::string& err);

// Whether the command line asks for pages painted as on paper (a PDF export), for which
// the planner needs Qt's GUI classes; false for a line that cannot be followed.
bool PaintsPages(const std::vector<std::string>& args);

// The full help: every command with its options, and the options they share.
std::string Help(const Environment& env);

} // namespace tav::cli
