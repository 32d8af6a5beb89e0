#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace tovan {

// Runs one engine with the checked options and writes what they ask for: with a
// sweep, its rows (sweep_run.h); otherwise the JSON document (--json) or the metrics
// table (--metrics) or, when no file is asked for, a short summary to out, then the
// CSV files (--csv) and the pictures (--png-time, --png-freq). Returns the exit code:
// 0, or 1 with one line on err when the engine's computation failed (the results
// written are then stale) or a file could not be written. errIsTerminal allows the
// progress bar of a slow sweep.
int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
               bool errIsTerminal = false);

}  // namespace tovan
