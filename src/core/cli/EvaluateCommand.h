#pragma once

#include "core/cli/CliCommand.h"

namespace tav::cli {

// The first page's evaluation grid for one band, type, diameter and run.
CommandSpec EvaluateCommand();

} // namespace tav::cli
