#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace tovan {

// Runs both setups as --setup runs one of options.compare and writes their eye figures and B - A:
// as
// {"a": {...}, "b": {...}, "difference": {...}} with options.json, else as a table.
// Returns 0, or 1 with one line on err when an engine's computation failed.
int RunCompare(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tovan
