#pragma once

#include <ostream>
#include <vector>

#include "cli/cli_options.h"
#include "cli/progress_bar.h"
#include "cli/sweep_output.h"

namespace tovan {

// The number of threads a sweep uses without --jobs: one per core the system reports
// (1 when it reports none).
int DefaultSweepJobs();

// The rows of the sweep, in the sweep's order. Its points are shared out among up to
// jobs threads (never more threads than points); each thread has its own engine
// configured with options and takes the next unclaimed point: the value written into
// its engine (WriteSweptValue, so the engine recomputes only what it affects) and the
// eye measured (MeasureEngineEye). The rows stop before the first value at which an
// engine fails. A point's result does not depend on which engine computed it or what
// that engine computed before, so the rows are those of one engine taking the values
// in turn. progress counts the points finished.
std::vector<SweepRow> SweepRows(const CliOptions& options, const SweepRequest& sweep, int jobs,
                                ProgressBar& progress);

// Runs options.sweep on options.jobs threads (DefaultSweepJobs() when absent): the rows
// to out as CSV, or as one JSON document with options.json; a progress bar on err when
// showProgress and the sweep takes longer than a second. Returns 0, or 1 with one line
// on err when the engine failed (the rows before the failing value are written).
int RunSweep(const CliOptions& options, std::ostream& out, std::ostream& err, bool showProgress);

}  // namespace tovan
