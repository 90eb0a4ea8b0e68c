#pragma once

#include "core/cli/CliCommand.h"

namespace tav::cli {

// The priced list of materials of a project file, as the program shows it once opened.
CommandSpec PriceCommand();
// The same list in one of the program's export formats.
CommandSpec ExportCommand();

} // namespace tav::cli
