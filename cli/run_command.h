#pragma once

#include <ostream>

#include "cli/cli_options.h"

namespace tovan {

// Runs what the checked options ask for. With --compare, the two setups' eyes
// (compare_run.h) and nothing else. Otherwise: first the setup file of --save-setup
// (EffectiveSetup); then with a sweep its rows (sweep_run.h); else one engine and the
// JSON document (--json) or the metrics table (--metrics) or, when no file is asked
// for, a short summary to out, then the CSV files (--csv) and the pictures
// (--png-time, --png-freq). Returns the exit code: 0, or 1 with one line on err when
// the engine's computation failed (the results written are then stale) or a file
// could not be written. errIsTerminal allows the progress bar of a slow sweep.
int RunCommand(const CliOptions& options, std::ostream& out, std::ostream& err,
               bool errIsTerminal = false);

}  // namespace tovan
