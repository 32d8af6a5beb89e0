#pragma once

#include <ostream>
#include <vector>

#include "cli/cli_options.h"
#include "cli/progress_bar.h"
#include "cli/sweep_output.h"
#include "engine/signal_engine.h"

namespace tovan {

// The rows of the sweep: for each value in turn, the value written into the engine
// (WriteSweptValue, so the engine recomputes only what it affects) and the eye
// measured (MeasureEngineEye). The engine must have been configured with options.
// Stops before the value at which the engine fails: the rows then end early.
std::vector<SweepRow> SweepRows(SignalEngine& engine, const CliOptions& options,
                                const SweepRequest& sweep, ProgressBar& progress);

// Runs options.sweep on one engine: the rows to out as CSV, or as one JSON document
// with options.json; a progress bar on err when showProgress and the sweep takes
// longer than a second. Returns 0, or 1 with one line on err when the engine failed
// (the rows before the failing value are written).
int RunSweep(const CliOptions& options, std::ostream& out, std::ostream& err, bool showProgress);

}  // namespace tovan
