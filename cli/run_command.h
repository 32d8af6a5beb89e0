#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace tovan {

// Runs one engine with the checked options and writes what they ask for: the JSON
// document to out (--json), the CSV files (--csv), and otherwise a short summary to
// out. Returns the exit code: 0, or 1 with one line on err when the engine's computation
// failed (the results written are then stale) or a CSV file could not be written.
int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tovan
